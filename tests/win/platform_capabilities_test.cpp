// Each probe of the platform agrees with a measurement of its own, made on
// another picture by another way in, so that it holds on any platform; and
// the seam that lets a test take either side. (The shrink probe is measured
// through the main window, in prefilter_test.)
#include "win/imaging/platform_capabilities.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_pictures.h"
#include "win/imaging/gdiplus_resize.h"
#include "win/imaging/jpeg_writer.h"  // GDI+, after the headers it needs
#include "win/runtime/com_ptr.h"

namespace tpr::win {
namespace {

using namespace Gdiplus;

// A 7 x 4 picture whose every pixel is different, so that any squash or
// mirror shows.
COLORREF Asymmetric(int x, int y) { return RGB(30 * x + 10, 60 * y + 5, 7 * x * y + 3); }

// Whether PlgBlt turns the picture a quarter each way into a DIB section,
// pixel for pixel as index arithmetic turns it.
bool MeasuredPlgBltTurns() {
    constexpr int kWidth = 7, kHeight = 4;
    const UniqueHbitmap source = test::MakeBitmap(kWidth, kHeight, Asymmetric);
    for (const bool left : {true, false}) {
        const UniqueHbitmap target = test::MakeBitmap(kHeight, kWidth, [](int, int) { return RGB(0, 0, 0); });
        {
            const UniqueHdc from(::CreateCompatibleDC(nullptr)), to(::CreateCompatibleDC(nullptr));
            const SelectGuard useSource(from.get(), source.get()), useTarget(to.get(), target.get());
            // Where the source's upper-left, upper-right and lower-left corners go.
            const POINT left3[3] = {{0, kWidth}, {0, 0}, {kHeight, kWidth}};
            const POINT right3[3] = {{kHeight, 0}, {kHeight, kWidth}, {0, 0}};
            if (!::PlgBlt(to.get(), left ? left3 : right3, from.get(), 0, 0, kWidth, kHeight, nullptr, 0, 0))
                return false;
        }
        const test::Pixels turned = test::ReadPixels(target.get());
        for (int y = 0; y < kWidth; ++y) {
            for (int x = 0; x < kHeight; ++x) {
                const COLORREF expected =
                    left ? Asymmetric(kWidth - 1 - y, x) : Asymmetric(y, kHeight - 1 - x);
                if (turned.at(x, y) != expected) return false;
            }
        }
    }
    return true;
}

// The size of a smooth 96 x 64 picture encoded by the platform's JPEG
// encoder (found by its MIME type) into memory at the quality.
size_t EncodedJpegBytes(int quality) {
    UINT encoders = 0, bytes = 0;
    DllExports::GdipGetImageEncodersSize(&encoders, &bytes);
    std::vector<BYTE> table(bytes);
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(table.data());
    DllExports::GdipGetImageEncoders(encoders, bytes, codecs);
    const ImageCodecInfo* jpeg = nullptr;
    for (UINT i = 0; i < encoders; ++i) {
        if (std::wstring(codecs[i].MimeType) == L"image/jpeg") jpeg = &codecs[i];
    }
    if (!jpeg) return 0;
    constexpr int kWidth = 96, kHeight = 64;
    std::vector<uint32_t> pixels(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            pixels[y * kWidth + x] = 0xFF000000 | (x * 2 << 16) | (y * 3 << 8) | (x + y);
    }
    GpBitmap* image = nullptr;
    DllExports::GdipCreateBitmapFromScan0(kWidth, kHeight, kWidth * 4, PixelFormat32bppARGB,
                                          reinterpret_cast<BYTE*>(pixels.data()), &image);
    const UniqueGdipImage ownImage(image);
    ComPtr<IStream> stream;
    ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put());
    ULONG value = static_cast<ULONG>(quality);
    EncoderParameters parameters{1, {{EncoderQuality, 1, EncoderParameterValueTypeLong, &value}}};
    if (DllExports::GdipSaveImageToStream(image, stream.get(), &jpeg->Clsid, &parameters) != Ok) return 0;
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    return static_cast<size_t>(stat.cbSize.QuadPart);
}

bool MeasuredJpegQualityHonoured() {
    const GdiPlusSession session;
    const size_t low = EncodedJpegBytes(15), high = EncodedJpegBytes(95);
    return low == 0 || high == 0 || low != high;  // the probe leaves an encoder that cannot write to GDI+
}

TEST(PlatformCapabilities, PlgBltProbeAgreesWithTurnsMeasuredBothWays) {
    EXPECT_EQ(PlgBltTurns(), MeasuredPlgBltTurns());
}

TEST(PlatformCapabilities, JpegQualityProbeAgreesWithMeasuredSizes) {
    EXPECT_EQ(JpegQualityHonoured(), MeasuredJpegQualityHonoured());
}

TEST(PlatformCapabilities, AForcedAnswerHoldsWhileItLivesAndForItsProbeAlone) {
    const bool turns = PlgBltTurns(), prefilters = ShrinkPrefilters();
    {
        const ForcedCapability capable(Capability::PlgBltTurns, true);
        {
            const ForcedCapability lacking(Capability::PlgBltTurns, false);
            EXPECT_FALSE(PlgBltTurns());
        }
        EXPECT_TRUE(PlgBltTurns()) << "the outer answer again";
        EXPECT_EQ(ShrinkPrefilters(), prefilters);
    }
    EXPECT_EQ(PlgBltTurns(), turns) << "the measured answer again";
}

}  // namespace
}  // namespace tpr::win
