# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  textcmd/DateTime.cpp
)
list(APPEND TWK_WIN_SOURCES
  textcmd/MainForm_Edit.cpp
  textcmd/MainForm_Symbol.cpp
  textcmd/MainForm_Document.cpp
  textcmd/MainForm_Insert.cpp
  textcmd/MainForm_Search.cpp
)
list(APPEND TWK_PURE_SOURCES
  textcmd/TextSearch.cpp
  textcmd/Transforms.cpp
)
list(APPEND TWK_WIN_SOURCES
  textcmd/MainForm_Transforms.cpp
  textcmd/TextRules_win.cpp
)
