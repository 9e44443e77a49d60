/* Resource numbers of the Find dialog. */
#pragma once
#define IDD_SEARCHFORM 2400
#define IDC_FIND_LABEL 2401
#define IDC_FIND_EDIT 2402
#define IDC_FIND_CASE 2403
#define IDC_FIND_WHOLE 2404
#define IDC_FIND_SCOPE_LABEL 2405
#define IDC_FIND_CURRENT 2406
#define IDC_FIND_ALL 2407
#define IDC_FIND_HELP 2408
