// The Windows entry point: hands over to the program's run.
#include <windows.h>

#include "win/app/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return tpr::win::RunProgram(); }
