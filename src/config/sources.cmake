# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  config/Colors.cpp
  config/FileTypes.cpp
  config/Profile.cpp
)
list(APPEND TWK_WIN_SOURCES
  config/IniFile_win.cpp
)
