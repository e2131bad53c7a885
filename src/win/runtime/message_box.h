// MsgBox: a message box under the application's title.
#pragma once

#include <string>

namespace tpr::win {

// A message box captioned with the application title; returns the button id.
int MsgBox(const std::wstring& text, unsigned int style, void* owner = nullptr);

}  // namespace tpr::win
