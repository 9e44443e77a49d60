# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  filefunc/FileRules.cpp
  filefunc/PropertiesText.cpp
)
list(APPEND TWK_WIN_SOURCES
  filefunc/FileFunctions_win.cpp
  filefunc/FileProperties_win.cpp
  filefunc/Mail_win.cpp
)
