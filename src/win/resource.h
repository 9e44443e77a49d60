/* Resource numbers shared by the resource scripts and the code. */
#pragma once

/* Program icons: the Icon setting selects IDI_APP_BASE + value. */
#define IDI_APP_BASE 1010
#define IDI_APP_COUNT 9

#define IDB_LOGO 1019
#define IDB_TRAY_RESTORE 1020
#define IDB_TRAY_MINIMIZE 1021
#define IDB_TRAY_MAXIMIZE 1022
#define IDB_TRAY_CLOSE 1023
#define IDB_RULER_INCH 1024
#define IDB_RULER_CM 1025
#define IDB_LOGO_STRIP 1028
#define IDB_TAB_STATES 1030
#define IDB_TOOLBAR 1031
#define IDB_MENU_IMAGES 1032
#define IDB_MISC_IMAGES 1033
#define IDB_SPLASH_LEFT 1034
#define IDB_SPLASH_RIGHT 1035
#define IDB_SIDEBAR_CLOSE 1036
#define IDB_FORMAT_BAR 4020

#define IDR_MANIFEST 1

/* Dialog templates take blocks of 100 numbers: 2000 about box, 2100 New, 2300 one-line
   prompt, 2400 Find, 2500 Replace, 2600 Insert Symbol, 2900 Notepad Center. */
