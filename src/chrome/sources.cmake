# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  chrome/RulerPicture.cpp
  chrome/ToolBarItems.cpp
)
list(APPEND TWK_WIN_SOURCES
  chrome/ImageStrip_win.cpp
  chrome/MenuPictures_win.cpp
  chrome/Ruler_win.cpp
  chrome/ToolBar_win.cpp
  chrome/Tray_win.cpp
)
