/* Resource numbers of the favorites editor and its Properties dialog (4400-4599). */
#pragma once
#define IDB_FAVEDIT_IMAGES 4400

#define IDD_FAVPROPERTIES 4401
#define IDC_FAVPROP_TAB 4402
#define IDT_FAVPROP_TITLE 4403
#define IDE_FAVPROP_TITLE 4404
#define IDT_FAVPROP_FILE 4405
#define IDE_FAVPROP_FILE 4406
#define IDC_FAVPROP_BROWSE 4407
#define IDT_FAVPROP_NOTFOUND 4408
#define IDC_FAVPROP_HELP 4409

/* The editor's commands: menus, tree menu and tool buttons. */
#define IDM_FE_OPEN 4420
#define IDM_FE_NEW_FAVORITE 4421
#define IDM_FE_NEW_SEPARATOR 4422
#define IDM_FE_NEW_FOLDER 4423
#define IDM_FE_DELETE 4424
#define IDM_FE_PROPERTIES 4425
#define IDM_FE_VERIFY 4426
#define IDM_FE_CLOSE 4427
#define IDM_FE_TOOLBAR 4428
#define IDM_FE_STATUSBAR 4429
#define IDM_FE_COLLAPSE 4430
#define IDM_FE_EXPAND 4431
#define IDM_FE_CONTENTS 4432
#define IDM_FE_ABOUT 4433

/* The editor's controls. */
#define IDC_FE_TREE 4440
#define IDC_FE_TOOLBAR 4441
#define IDC_FE_STATUS 4442
