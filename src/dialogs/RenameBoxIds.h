/* Resource numbers of the one-line prompt (Rename, Go to Line, Number Lines). */
#pragma once
#define IDD_RENAMEBOX 2300
#define IDC_RENAME_LABEL 2301
#define IDC_RENAME_EDIT 2302
#define IDC_RENAME_TEXT 2303
#define IDC_RENAME_HELP 2304
