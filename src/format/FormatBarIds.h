#pragma once
// Control ids of the format bar (the program's block 4000-4199).
#define IDC_FB_BOLD 4000
#define IDC_FB_ITALIC 4001
#define IDC_FB_UNDERLINE 4002
#define IDC_FB_STRIKEOUT 4003
#define IDC_FB_LEFTALIGN 4004
#define IDC_FB_CENTERALIGN 4005
#define IDC_FB_RIGHTALIGN 4006
#define IDC_FB_BULLETS 4007
#define IDC_FB_FONT 4010
#define IDC_FB_SIZE 4011
#define IDC_FB_COLOR 4012
#define IDC_FB_BUTTONS 4013
