# Sources of this folder: code without windows.h, and the editor's Win32 code.
list(APPEND TWK_PURE_SOURCES
  print/HeaderFooter.cpp
  print/PageGeometry.cpp
  print/Pages.cpp
  print/PrintDialogRules.cpp
  print/PrintSettings.cpp
)
