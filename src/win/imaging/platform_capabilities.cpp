// The probes of what GDI and GDI+ can be relied on for: PlgBltTurns, ShrinkPrefilters, JpegQualityHonoured.
#include "win/imaging/platform_capabilities.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/imaging/orientation.h"
#include "win/imaging/gdi_rotate.h"
#include "win/imaging/gdiplus_resize.h"
#include "win/imaging/memory_bitmap.h"
#include "win/imaging/save_jpg.h"

namespace tpr::win {
namespace {

constexpr int kCapabilities = 3;
constexpr int kNotForced = -1;

int& Forced(Capability capability) {
    static int forced[kCapabilities] = {kNotForced, kNotForced, kNotForced};
    return forced[static_cast<int>(capability)];
}

bool Answer(Capability capability, bool (*measure)()) {
    if (Forced(capability) != kNotForced) return Forced(capability) != 0;
    static std::optional<bool> measured[kCapabilities];
    std::optional<bool>& answer = measured[static_cast<int>(capability)];
    if (!answer) answer = measure();
    return *answer;
}

bool MeasurePlgBltTurns() {
    constexpr int32_t kWidth = 3, kHeight = 2;
    const DibSurface source(kWidth, kHeight), target(kHeight, kWidth);
    uint32_t* marked = source.Pixels();
    marked[0] = 0xFF0000;           // upper-left
    marked[kWidth - 1] = 0x00FF00;  // upper-right
    if (!BlitQuarterTurn(true, target.dc(), kHeight, kWidth, source.dc(), kWidth, kHeight)) return false;
    uint32_t turned[kWidth * kHeight];
    OrientPixels(Orientation::TurnLeft, source.Pixels(), kWidth, kHeight, turned);
    return std::equal(turned, turned + kWidth * kHeight, target.Pixels());
}

bool MeasureShrinkPrefilters() {
    const GdiPlusSession session;
    constexpr int32_t kDrawn = 4;
    for (int32_t factor : {4, 5}) {
        const int32_t size = kDrawn * factor;
        std::vector<uint32_t> checkerboard(static_cast<size_t>(size) * size);
        for (int32_t y = 0; y < size; ++y) {
            for (int32_t x = 0; x < size; ++x)
                checkerboard[static_cast<size_t>(y) * size + x] = (x + y) % 2 ? 0xFFFFFF : 0;
        }
        const ScaleSource source = PixelImage(std::move(checkerboard), size, size);
        const DibSurface canvas(kDrawn, kDrawn);
        DrawScaledImage(source, canvas.dc(), kDrawn, kDrawn, true);
        const uint32_t* drawn = canvas.Pixels();
        // Only the inner pixels: the outer ones may be blended with what
        // lies beyond the picture.
        for (int32_t y = 1; y < kDrawn - 1; ++y) {
            for (int32_t x = 1; x < kDrawn - 1; ++x) {
                const uint32_t green = (drawn[y * kDrawn + x] >> 8) & 0xFF;
                if (green < 80 || green > 176) return false;
            }
        }
    }
    return true;
}

// Size of the file SaveJPG's encoder call writes for the picture at the
// quality; -1 when it writes none.
long long JpegFileSize(Gdiplus::GpBitmap* picture, int32_t quality) {
    wchar_t folder[MAX_PATH];
    if (!::GetTempPathW(MAX_PATH, folder)) return -1;
    const std::wstring path = std::wstring(folder) + L"~tpr-probe-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(quality) +
                              L".jpg";
    WIN32_FILE_ATTRIBUTE_DATA file{};
    const bool written = WriteJpeg(picture, path, quality) == Gdiplus::Ok &&
                         ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file);
    ::DeleteFileW(path.c_str());
    return written ? (static_cast<long long>(file.nFileSizeHigh) << 32) | file.nFileSizeLow : -1;
}

bool MeasureJpegQualityHonoured() {
    const GdiPlusSession session;
    constexpr int32_t kSide = 32;
    std::vector<uint32_t> noise(kSide * kSide);
    uint32_t state = 12345;
    for (uint32_t& pixel : noise) {
        state = state * 1103515245 + 12345;
        pixel = state >> 8;
    }
    const ScaleSource picture = PixelImage(std::move(noise), kSide, kSide);
    auto* bitmap = static_cast<Gdiplus::GpBitmap*>(picture.image.get());
    const long long low = JpegFileSize(bitmap, 10), high = JpegFileSize(bitmap, 90);
    return low < 0 || high < 0 || low != high;
}

}  // namespace

bool PlgBltTurns() { return Answer(Capability::PlgBltTurns, &MeasurePlgBltTurns); }
bool ShrinkPrefilters() { return Answer(Capability::ShrinkPrefilters, &MeasureShrinkPrefilters); }
bool JpegQualityHonoured() { return Answer(Capability::JpegQualityHonoured, &MeasureJpegQualityHonoured); }

ForcedCapability::ForcedCapability(Capability capability, bool capable)
    : capability_(capability), previous_(Forced(capability)) {
    Forced(capability) = capable ? 1 : 0;
}

ForcedCapability::~ForcedCapability() { Forced(capability_) = previous_; }

}  // namespace tpr::win
