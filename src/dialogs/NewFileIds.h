/* Resource numbers of the New dialog. */
#pragma once
#define IDD_NEWFILE 2100
#define IDC_NEW_TYPE_LABEL 2101
#define IDC_NEW_TYPES 2102
#define IDC_NEW_EXT_LABEL 2103
#define IDC_NEW_EXTENSIONS 2104
#define IDC_NEW_TEMPLATE 2105
#define IDC_NEW_FORMAT 2106
#define IDC_NEW_HELP 2107
