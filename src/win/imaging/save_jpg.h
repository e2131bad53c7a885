// JPEG encoding of a picture at a chosen quality with the GDI+ JPEG encoder
// (module mSaveJPG).
#pragma once

#include <cstdint>
#include <string>

#include "core/imaging/jpeg_metadata.h"
#include "win/runtime/picture.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

// Writes the picture's bitmap to fileName as a JPEG file, in a GDI+ session of
// its own. The file is written under a temporary name in the same folder and
// takes the target's place only once it is complete, so a failed save leaves
// an existing file as it was; a file replaced keeps its attributes and
// security, as one overwritten in place would. Failure raises error 5 "Cannot save the image.
// GDI+ Error:" followed by the first GDI+ status that was not Ok (7, the
// platform's error, when the written file cannot take the target's place).
// Where GDI+'s encoder ignores the quality (JpegQualityHonoured), the
// program's own encoder writes the file, with the same statuses. The file
// carries the facts of the photo's source that a saved photo keeps
// (SavedMetadataSegments).
void SaveJPG(const Picture& picture, const std::wstring& fileName, int32_t quality,
             const JpegMetadata& source = {});

// Encodes a GDI+ bitmap to path with the GDI+ JPEG encoder at the quality;
// the encoder's status.
Gdiplus::Status WriteJpeg(Gdiplus::GpBitmap* bitmap, const std::wstring& path, int32_t quality);

// The encoder parameters that hand the quality to the JPEG encoder: one
// parameter, the quality, with one 32-bit value read from `quality`, which
// must outlive them.
Gdiplus::EncoderParameters JpegQualityParameters(const int32_t& quality);

}  // namespace tpr::win
