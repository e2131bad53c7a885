// Rotation: not built yet.
#include "errors/runtime_error.h"
#include "main_window/form1.h"

namespace tpr::win {

void Form1::RotateCCW() { Raise(kErrInternal, L"Rotation is not built yet"); }
void Form1::RotateCW() { Raise(kErrInternal, L"Rotation is not built yet"); }

}  // namespace tpr::win
