# The stand-in notepad: no window library, only its own steps and the string
# conversions. Its steps live in a library of their own so the process tests can
# call them in-process as well.
add_library(twk_stub STATIC
  app/HandOffFile_win.cpp
  notepad/stub/StubSteps.cpp
  win/Encoding.cpp
)
target_include_directories(twk_stub PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(twk_stub PUBLIC shell32 user32 kernel32)

add_executable(NotepadStub WIN32 notepad/stub/StubMain.cpp notepad/stub/Stub.rc)
set_target_properties(NotepadStub PROPERTIES OUTPUT_NAME NOTEPAD SUFFIX .EXE)
target_link_libraries(NotepadStub PRIVATE twk_stub)
target_link_options(NotepadStub PRIVATE -municode)
twk_ship(NotepadStub)
