// The program's entry procedure and the run around it.
#pragma once

namespace tpr::win {

// Fills the texts, applies the start-up rules, creates and shows the main
// window and loads the photo named on the command line.
void Main();

// Sets up the process (OLE, common controls, error reading), runs Main and
// then the window's message loop until the main window closes.
int RunProgram();

// Processes messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace tpr::win
