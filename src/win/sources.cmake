# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  win/DockLayout.cpp
  win/Placement.cpp
  win/Text.cpp
)
list(APPEND TWK_WIN_SOURCES
  win/Container.cpp
  win/Dialog.cpp
  win/Encoding.cpp
  win/MessageLoop.cpp
  win/Prompt.cpp
  win/SystemInfo.cpp
  win/Window.cpp
)
