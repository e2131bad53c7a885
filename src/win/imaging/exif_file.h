// The orientation a camera recorded in a photo file, read from the file's start.
#pragma once

#include <string>

#include "core/imaging/orientation.h"

namespace tpr::win {

// The EXIF orientation of the JPEG file at path; upright for a file that
// records none, is no JPEG, holds a malformed block or cannot be read (its
// loading reports what is wrong with it). Only the file's first
// kExifHeadBytes are read.
Orientation RecordedOrientation(const std::wstring& path);

}  // namespace tpr::win
