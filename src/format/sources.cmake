# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  format/FormatRules.cpp
)
list(APPEND TWK_WIN_SOURCES
  format/ColorForm_win.cpp
  format/CustomColors_win.cpp
  format/FormatBar_win.cpp
  format/Formatting_win.cpp
)
