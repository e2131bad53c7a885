// Picture formats by signature: the decoder is chosen by content, as a PNG named .jpg is common.
#include "core/runtime/picture_format.h"

#include <cstring>
#include <string_view>

namespace tpr {

namespace {

bool StartsWith(const uint8_t* bytes, size_t size, std::string_view signature, size_t offset = 0) {
    return size >= offset + signature.size() && std::memcmp(bytes + offset, signature.data(), signature.size()) == 0;
}

// HEIF and AVIF are ISO media files: an 'ftyp' box names its major brand,
// then the brands the file is compatible with. AVIF wins over the generic
// 'mif1' HEIF brand that AVIF files list too.
PictureFormat MediaFilePictureFormat(const uint8_t* bytes, size_t size) {
    if (!StartsWith(bytes, size, "ftyp", 4)) return PictureFormat::Unknown;
    const size_t boxSize = size_t{bytes[0]} << 24 | size_t{bytes[1]} << 16 | size_t{bytes[2]} << 8 | bytes[3];
    const size_t end = boxSize < size ? boxSize : size;
    bool heic = false;
    // The major brand at 8, the minor version at 12, compatible brands from 16.
    for (size_t at = 8; at + 4 <= end; at += at == 8 ? 8 : 4) {
        const std::string_view brand(reinterpret_cast<const char*>(bytes + at), 4);
        if (brand == "avif" || brand == "avis") return PictureFormat::Avif;
        heic = heic || brand == "heic" || brand == "heix" || brand == "hevc" || brand == "hevx" ||
               brand == "heim" || brand == "heis" || brand == "mif1" || brand == "msf1";
    }
    return heic ? PictureFormat::Heic : PictureFormat::Unknown;
}

}  // namespace

PictureFormat PictureFormatOf(const uint8_t* bytes, size_t size) {
    if (StartsWith(bytes, size, "\xFF\xD8\xFF")) return PictureFormat::Jpeg;
    if (StartsWith(bytes, size, "\x89PNG\r\n\x1A\n")) return PictureFormat::Png;
    if (StartsWith(bytes, size, std::string_view("II*\0", 4)) || StartsWith(bytes, size, std::string_view("MM\0*", 4)))
        return PictureFormat::Tiff;
    if (StartsWith(bytes, size, "BM")) return PictureFormat::Bmp;
    if (StartsWith(bytes, size, "GIF87a") || StartsWith(bytes, size, "GIF89a")) return PictureFormat::Gif;
    if (StartsWith(bytes, size, "RIFF") && StartsWith(bytes, size, "WEBP", 8)) return PictureFormat::WebP;
    return MediaFilePictureFormat(bytes, size);
}

}  // namespace tpr
