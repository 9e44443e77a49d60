# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  textcmd/DateTime.cpp
  textcmd/TextSearch.cpp
  textcmd/Transforms.cpp
)
list(APPEND TWK_WIN_SOURCES
  textcmd/TextCommands_Commands.cpp
  textcmd/TextCommands_Edit.cpp
  textcmd/TextCommands_Insert.cpp
  textcmd/TextCommands_Search.cpp
  textcmd/TextCommands_Symbol.cpp
  textcmd/TextCommands_Transforms.cpp
  textcmd/TextRules_win.cpp
)
