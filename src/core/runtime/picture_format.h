// What kind of picture a file holds, told by its first bytes rather than its name.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tpr {

enum class PictureFormat { Unknown, Jpeg, Png, Tiff, Bmp, Gif, WebP, Heic, Avif };

// How many leading bytes PictureFormatOf needs at most.
constexpr size_t kPictureSignatureLength = 64;

// The format the bytes start with; Unknown for anything else or too few bytes.
PictureFormat PictureFormatOf(const uint8_t* bytes, size_t size);

}  // namespace tpr
