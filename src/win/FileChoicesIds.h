#pragma once
// The rows of drop-down lists that a file dialog can carry below its own controls.
#define IDD_FILE_CHOICES 3950
#define IDC_CHOICE_LABEL1 3951
#define IDC_CHOICE_LIST1 3952
#define IDC_CHOICE_LABEL2 3953
#define IDC_CHOICE_LIST2 3954
