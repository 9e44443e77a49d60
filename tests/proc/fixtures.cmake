# Programs the tests put in place of a notepad or of the editor. The notepads differ
# only in their version blocks: the makers they name decide how the Notepad Center
# and the uninstaller treat them.
set(TWK_FIXTURES)
foreach(kind Microsoft Vardle Both Neither VardleGerman)
  add_executable(Fixture${kind}Notepad WIN32 proc/fixtures/Empty.cpp proc/fixtures/${kind}Notepad.rc)
  target_link_options(Fixture${kind}Notepad PRIVATE -municode)
  list(APPEND TWK_FIXTURES Fixture${kind}Notepad)
endforeach()
# A notepad without any version block.
add_executable(FixturePlainNotepad WIN32 proc/fixtures/Empty.cpp)
target_link_options(FixturePlainNotepad PRIVATE -municode)
# Records how the stand-in notepad started it.
add_executable(FixtureEditor WIN32 proc/fixtures/FakeEditor.cpp)
target_link_options(FixtureEditor PRIVATE -municode)
# Appends through the stand-in's writer on a signal, many at once.
add_executable(FixtureAppender WIN32 proc/fixtures/Appender.cpp)
target_link_libraries(FixtureAppender PRIVATE twk_stub)
target_link_options(FixtureAppender PRIVATE -municode)
list(APPEND TWK_FIXTURES FixturePlainNotepad FixtureEditor FixtureAppender)
# Test builds of the stand-in notepad and the uninstaller, in bin/site: the shipped
# steps, with the Windows folder (and the uninstaller's Programs menu and desktop)
# taken from the environment. The shipped programs read only the system's.
add_executable(SiteStub WIN32 proc/fixtures/SiteStub.cpp ${CMAKE_SOURCE_DIR}/src/notepad/stub/Stub.rc)
target_link_libraries(SiteStub PRIVATE twk_stub)
add_executable(SiteRemove WIN32 proc/fixtures/SiteRemove.cpp ${CMAKE_SOURCE_DIR}/src/uninstall/Remove.rc)
target_link_libraries(SiteRemove PRIVATE twk_uninstall)
set_target_properties(SiteStub PROPERTIES OUTPUT_NAME NOTEPAD SUFFIX .EXE)
set_target_properties(SiteRemove PROPERTIES OUTPUT_NAME Remove)
foreach(site SiteStub SiteRemove)
  target_include_directories(${site} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_options(${site} PRIVATE -municode)
  set_target_properties(${site} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/site)
  list(APPEND TWK_FIXTURES ${site})
endforeach()

add_dependencies(ui_tests NotepadStub ${TWK_FIXTURES})
add_dependencies(proc_tests NotepadStub Remove ${TWK_FIXTURES})
# The stand-in's and the uninstaller's steps are also tested in-process.
target_link_libraries(proc_tests PRIVATE twk_stub twk_uninstall)
