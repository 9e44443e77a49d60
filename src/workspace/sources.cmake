# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  workspace/History.cpp
  workspace/SlotRules.cpp
  workspace/TextEncoding.cpp
)
list(APPEND TWK_WIN_SOURCES
  workspace/DocumentFile_win.cpp
  workspace/DocumentSlot_win.cpp
  workspace/MainForm_Close.cpp
  workspace/MainForm_History.cpp
  workspace/MainForm_New.cpp
  workspace/MainForm_Open.cpp
  workspace/MainForm_Save.cpp
  workspace/MainForm_Slots.cpp
  workspace/MainForm_Tabs.cpp
  workspace/RichEditor_win.cpp
)
