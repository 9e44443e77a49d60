# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  workspace/History.cpp
  workspace/SlotRules.cpp
  workspace/TextEncoding.cpp
)
list(APPEND TWK_WIN_SOURCES
  workspace/DocumentFile_win.cpp
  workspace/DocumentSlot_win.cpp
  workspace/Documents_Close.cpp
  workspace/Documents_Commands.cpp
  workspace/Documents_History.cpp
  workspace/Documents_New.cpp
  workspace/Documents_Open.cpp
  workspace/Documents_Save.cpp
  workspace/Documents_Slots.cpp
  workspace/Documents_TabLook.cpp
  workspace/Documents_Tabs.cpp
  workspace/RichEditor_win.cpp
)
