// The name the Save dialog suggests for the current photo.
#pragma once

#include <string>

namespace tpr {

// The photo's file name with "_resized" before its extension. What is saved
// is always JPEG, so the photo's own extension is kept (letter case
// included) only when it is .jpg or .jpeg; any other, or none, becomes .jpg.
// No photo loaded from a path (empty name) suggests nothing.
std::wstring SuggestedSaveName(const std::wstring& currentPhotoFileName);

}  // namespace tpr
