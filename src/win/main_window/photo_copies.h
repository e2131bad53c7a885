// The folder of the program's own, under the user's temporary folder, where
// the photo is written as a JPEG file for the clipboard and for a drag out.
// Other programs may still read a file there after it was written, so none
// is removed at once; a start removes those older than a day.
#pragma once

#include <string>

namespace tpr::win {

// The path of a copy named `name`, the folder made when it is missing.
std::wstring PhotoCopyPath(const std::wstring& name);

// Removes the files older than a day; whatever cannot be removed stays, quietly.
void RemoveOldPhotoCopies();

}  // namespace tpr::win
