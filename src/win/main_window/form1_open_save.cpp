// Open and Save: not built yet.
#include "errors/runtime_error.h"
#include "main_window/form1.h"

namespace tpr::win {

void Form1::bnOpen() { Raise(kErrInternal, L"Open is not built yet"); }
void Form1::bnSave() { Raise(kErrInternal, L"Save is not built yet"); }
std::wstring Form1::GetReportPath() { return {}; }

}  // namespace tpr::win
