// The yardstick: a Windows program that starts and ends and does nothing else.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
