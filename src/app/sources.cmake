# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  app/HandOff.cpp
)
list(APPEND TWK_WIN_SOURCES
  app/HandOffFile_win.cpp
  app/MainForm.cpp
  app/MainForm_Menus.cpp
  app/MainForm_Settings.cpp
  app/MainForm_Timer.cpp
  app/MainForm_View.cpp
  app/MenuLayout.cpp
  app/OpeningQueue_win.cpp
  app/Startup.cpp
)
