# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_WIN_SOURCES
  dialogs/CharForm.cpp
  dialogs/AboutBox.cpp
  dialogs/HelpCommands_win.cpp
  dialogs/NewFile.cpp
  dialogs/Properties.cpp
  dialogs/SplashScreen.cpp
)
list(APPEND TWK_WIN_SOURCES
  dialogs/RenameBox.cpp
  dialogs/ReplaceForm.cpp
  dialogs/SearchForm.cpp
)
list(APPEND TWK_PURE_SOURCES
  dialogs/SettingsModel.cpp
)
list(APPEND TWK_WIN_SOURCES
  dialogs/Settings.cpp
  dialogs/Settings_Pages.cpp
  dialogs/SettingsCommands_win.cpp
)
