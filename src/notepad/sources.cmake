# Sources of this folder: the editor's Notepad Center. The stand-in notepad itself is
# a program of its own (programs.cmake).
list(APPEND TWK_WIN_SOURCES
  notepad/NotepadCommands_win.cpp
  notepad/NotepadCenter.cpp
  notepad/NotepadSwap_win.cpp
  notepad/VersionBlock_win.cpp
)
