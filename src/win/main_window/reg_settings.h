#pragma once

namespace tpr::win {

// Records the program's version and folder in the settings store.
void SaveVersion();

}  // namespace tpr::win
