# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  print/HeaderFooter.cpp
  print/PageGeometry.cpp
  print/Pages.cpp
  print/PrintDialogRules.cpp
  print/PrintSettings.cpp
)
list(APPEND TWK_WIN_SOURCES
  print/MyPrintDialog_win.cpp
  print/PageEngine_win.cpp
  print/Printer_win.cpp
  print/Printing_win.cpp
  print/PrintPreview_win.cpp
)
