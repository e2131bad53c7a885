// The program's entry procedure and the run around it.
#pragma once

#include <string>

namespace tpr::win {

// Fills the texts, refuses unsupported systems, hands over to a running
// instance, otherwise creates and shows the main
// window and loads the photo named on the command line.
void Main();

// Opens the photo that a command line handed over by a later start names, as
// Main opens its own; a command line that names none changes nothing.
void OpenHandedCommandLine(const std::wstring& sCommand);

// Sets up the process (OLE, common controls, error reading, this running
// instance), runs Main and then the window's message loop until the main
// window closes.
int RunProgram();

// Processes messages until WM_QUIT, opening the command lines that later
// starts hand over; returns the exit code.
int RunMessageLoop();

}  // namespace tpr::win
