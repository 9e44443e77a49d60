/* Resource numbers of the Insert Symbol dialog. */
#pragma once
#define IDD_CHARFORM 2600
#define IDC_CHAR_SYMBOLS_LABEL 2601
#define IDC_CHAR_GRID 2602
#define IDC_CHAR_FONTS_LABEL 2603
#define IDC_CHAR_FONTBOX 2604
#define IDC_CHAR_INSERT_LABEL 2605
#define IDC_CHAR_EDIT 2606
#define IDC_CHAR_HELP 2607
