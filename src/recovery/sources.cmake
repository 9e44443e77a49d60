# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  recovery/JournalEntry.cpp
  recovery/JournalNames.cpp
)
list(APPEND TWK_WIN_SOURCES
  recovery/Journal_win.cpp
  recovery/RecoveryStore_win.cpp
)
