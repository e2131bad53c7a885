// Picture formats told by their first bytes, and the message for those the program cannot open.
#include <gtest/gtest.h>

#include <string>

#include "core/common/ui_texts.h"
#include "core/main_window/photo_messages.h"

namespace tpr {
namespace {

PictureFormat FormatOf(const std::string& bytes) {
    return PictureFormatOf(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// An ISO media file's first box: its size, 'ftyp', the major brand, a version, compatible brands.
std::string MediaFile(const std::string& brands) {
    const std::string box = std::string("ftyp") + brands.substr(0, 4) + std::string(4, '\0') + brands.substr(4);
    return std::string{'\0', '\0', '\0', static_cast<char>(4 + box.size())} + box;
}

TEST(PictureFormatOf, TellsTheFormatByItsSignatureAlone) {
    const std::pair<std::string, PictureFormat> cases[] = {
        {"\xFF\xD8\xFF\xE0", PictureFormat::Jpeg},
        {"\xFF\xD8", PictureFormat::Unknown},  // too short to tell
        {"\x89PNG\r\n\x1A\n", PictureFormat::Png},
        {std::string("II*\0", 4), PictureFormat::Tiff}, {std::string("MM\0*", 4), PictureFormat::Tiff},
        {"BM6\x03", PictureFormat::Bmp}, {"GIF89a", PictureFormat::Gif}, {"GIF87a", PictureFormat::Gif},
        {std::string("RIFF\x10\0\0\0WEBPVP8 ", 16), PictureFormat::WebP},
        {std::string("RIFF\x10\0\0\0WAVEfmt ", 16), PictureFormat::Unknown},
        {MediaFile("heic"), PictureFormat::Heic},
        {MediaFile("mif1heic"), PictureFormat::Heic},
        {MediaFile("mif1avifmiaf"), PictureFormat::Avif},  // AVIF lists the generic HEIF brand too
        {MediaFile("isommp42"), PictureFormat::Unknown},     // a video
        {"Hello, world", PictureFormat::Unknown},
        {"", PictureFormat::Unknown},
    };
    for (const auto& [bytes, format] : cases) EXPECT_EQ(FormatOf(bytes), format) << bytes;
}

TEST(PictureFormatOf, ReadsNoBrandBeyondTheBytesItIsGiven) {
    const std::string file = MediaFile("mif1miafavif");
    EXPECT_EQ(FormatOf(file.substr(0, file.size() - 4)), PictureFormat::Heic);
}

TEST(UnopenablePhotoMessage, NamesTheFormatsTheProgramKnowsButCannotOpen) {
    texts::LoadLanguageStrings();
    const std::pair<PictureFormat, std::wstring> cases[] = {
        {PictureFormat::WebP, L"This photo is a WebP picture, which Tessaly Photo Resizer cannot open."},
        {PictureFormat::Heic, L"This photo is a HEIC picture, which Tessaly Photo Resizer cannot open."},
        {PictureFormat::Avif, L"This photo is an AVIF picture, which Tessaly Photo Resizer cannot open."},
        {PictureFormat::Png, L""}, {PictureFormat::Unknown, L""},
    };
    for (const auto& [format, message] : cases) EXPECT_EQ(UnopenablePhotoMessage(format), message);
}

}  // namespace
}  // namespace tpr
