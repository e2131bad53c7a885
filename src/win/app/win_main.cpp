#include <windows.h>

#include "app/m_main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return tpr::win::RunProgram(); }
