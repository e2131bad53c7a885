// Whether the program's command line names a photo to load at start-up.
#pragma once

#include <optional>
#include <string>

namespace tpr {

// `arguments` is the command line after the program's own path, quotes
// included. It names a photo when it is not empty, does not hold the
// quote-blank-quote of several quoted paths (several files dropped on the
// program name none), and, with every double quote removed, ends in .jpg,
// .jpeg, .bmp or .gif in any letter case. Gives that path, else nothing.
std::optional<std::wstring> PhotoPathFromCommandLine(const std::wstring& arguments);

}  // namespace tpr
