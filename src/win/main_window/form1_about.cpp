// About: not built yet.
#include "errors/runtime_error.h"
#include "main_window/form1.h"

namespace tpr::win {

void Form1::mnuHelpAbout_Click() {}

}  // namespace tpr::win
