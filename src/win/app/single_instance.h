// The single-instance rule (module mPrevInstance): a second start hands its
// command line to the instance that runs already and brings that instance's
// main window to the front, instead of opening a window of its own.
#pragma once

namespace tpr::win {

// Finds the running instance by its application window, hands it this start's
// command line, restores its main window if minimised and makes that window
// (or the dialog it is busy with) the foreground window. Leaves this
// instance renamed: it is about to end.
void ShowPrevInstance();

}  // namespace tpr::win
