# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  sidebar/SideBarModel.cpp
)
list(APPEND TWK_WIN_SOURCES
  sidebar/SideBar_win.cpp
  sidebar/SideBarViews_win.cpp
  sidebar/Splitter_win.cpp
)
