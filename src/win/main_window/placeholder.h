#pragma once

#include "win/runtime/picture.h"

namespace tpr::win {

// The picture shown when no photo is loaded: 355 x 296 pixels, white, with
// NO PHOTO over AVAILABLE in light-blue italic serif capitals.
Picture DrawPlaceholderPicture();

}  // namespace tpr::win
