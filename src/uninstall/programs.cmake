# The uninstaller: no window library. Its steps live in a library of their own so
# the process tests can run them in-process against scratch folders.
add_library(twk_uninstall STATIC
  uninstall/Uninstall.cpp
  uninstall/SystemSite_win.cpp
  notepad/VersionBlock_win.cpp
)
target_include_directories(twk_uninstall PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(twk_uninstall PUBLIC twk_pure version shell32 user32 kernel32)

add_executable(Remove WIN32 uninstall/RemoveMain.cpp uninstall/Remove.rc)
target_link_libraries(Remove PRIVATE twk_uninstall)
target_link_options(Remove PRIVATE -municode)
twk_ship(Remove)
