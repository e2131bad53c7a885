// Quarter turns of the photo: where each pixel lands, the view afterwards, PlgBlt and a failed turn; a
// photo its camera stored turned or mirrored, opened upright.
#include <tuple>
#include <vector>

#include "core/imaging/orientation.h"
#include "core/main_window/status_texts.h"
#include "core/runtime/runtime_error.h"
#include "exif_photo.h"
#include "main_window_fixture.h"
#include "test_files.h"
#include "test_pictures.h"
#include "win/imaging/gdi_rotate.h"
#include "win/imaging/platform_capabilities.h"
#include "win/imaging/save_jpg.h"
#include "win/runtime/screen.h"

namespace tpr::test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

// Every pixel of the 400 x 300 photo differs from every other.
COLORREF Unique(int x, int y) { return RGB(x & 0xFF, y & 0xFF, (x >> 8) | ((y >> 8) << 2)); }

class RotationTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        SetWorkArea(800, 600);
        ShowPicture(win::PictureFromBitmap(MakeBitmap(400, 300, Unique)));
    }

    Pixels Photo() const { return ReadPixels(probe.photo.picture); }

    // Turns the photo; whether every pixel went where the core's quarter-turn
    // arithmetic sends it.
    bool TurnedAsTheCoreTurns(bool left) {
        const Pixels before = Photo();
        std::vector<COLORREF> expected(before.values.size());
        OrientPixels(QuarterTurn(left), reinterpret_cast<const uint32_t*>(before.values.data()), before.width,
                     before.height, reinterpret_cast<uint32_t*>(expected.data()));
        left ? form.RotateCCW() : form.RotateCW();
        return Photo().values == expected && Photo().width == before.height;
    }
};

// The view and the panel follow the turned photo; the placeholder turns as
// a copy, itself left as it was.
TEST_F(RotationTest, EachTurnMovesEveryPixelAQuarterAndTheViewFollows) {
    const struct { bool left, placeholder; } cases[] = {{true, false}, {false, false}, {true, true}};
    for (const auto& c : cases) {
        if (c.placeholder) form.SetNoImage();
        const std::vector<COLORREF> placeholder = ReadPixels(probe.placeholder.picture).values;
        EXPECT_TRUE(TurnedAsTheCoreTurns(c.left)) << c.left << c.placeholder;
        const Pixels turned = Photo();
        EXPECT_DOUBLE_EQ(probe.photo.width, turned.width * win::TwipsPerPixelX());
        EXPECT_DOUBLE_EQ(probe.photo.height, turned.height * win::TwipsPerPixelY());
        EXPECT_EQ(ShownResolution(), PhotoResolutionText(turned.width, turned.height));
        const RECT view = ViewRect();
        EXPECT_TRUE(view.right - view.left == turned.width && view.bottom - view.top == turned.height);
        EXPECT_TRUE(ReadPixels(probe.placeholder.picture).values == placeholder) << "the placeholder itself";
    }
}

// WritePhoto's photo has a dark upper-left corner, a blue left edge and a red right one: each orientation
// puts the dark and the blue corner elsewhere. 9 is no orientation: the photo opens as stored. The upright
// photo saves upright, with no orientation of its own.
TEST_F(RotationTest, OpenedPhotoIsLaidUprightByTheOrientationItsCameraRecorded) {
    const TempFolder folder;
    const std::wstring path = folder.File(L"camera.jpg"), saved = folder.File(L"saved.jpg");
    WritePhoto(path, 160, 120);
    const std::string stored = ReadFileBytes(path);
    const auto at = [](int corner, int width, int height) {
        return POINT{corner % 2 ? width - 4 : 3, corner / 2 ? height - 4 : 3};
    };
    for (uint32_t recorded = 1; recorded <= 9; ++recorded) {
        WriteFileBytes(path, std::string(stored).insert(2, ExifSegment({OrientationEntry(recorded)})));
        form.ShowPhotoFile(path);
        const Pixels photo = Photo();
        const uint32_t upright = recorded <= 8 ? recorded : 1;
        ASSERT_EQ(photo.width, upright >= 5 ? 120 : 160) << recorded;
        EXPECT_EQ(ShownResolution(), PhotoResolutionText(photo.width, photo.height));
        for (int corner = 0; corner < 4; ++corner) {
            const POINT shown = at(corner, photo.width, photo.height),
                        was = at(kUprightCorners[upright][corner] - '0', 160, 120);
            EXPECT_TRUE(Near(photo.at(shown.x, shown.y), ImageFilePixel(path, was.x, was.y), 24))
                << recorded << corner;
        }
        if (recorded != 6) continue;
        win::SaveJPG(probe.view.GetPicture(), saved, 90);
        EXPECT_EQ(ImageFileSize(saved).cx, 120);
        EXPECT_EQ(CountOf(ReadFileBytes(saved), "Exif"), 0u);
    }
}

// A 16 x 16 icon, red on its left half and transparent on its right.
win::Picture HalfRedIcon() {
    constexpr int kSide = 16;
    const win::UniqueHbitmap colour = MakeBitmap(kSide, kSide, [](int x, int) { return x < 8 ? kRed : 0; });
    BYTE rightHalfTransparent[kSide * 2];  // rows of 16 bits: 8 opaque (0), then 8 transparent (1)
    for (int i = 0; i < kSide * 2; ++i) rightHalfTransparent[i] = i % 2 ? 0xFF : 0x00;
    const win::UniqueHbitmap mask(::CreateBitmap(kSide, kSide, 1, 1, rightHalfTransparent));
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    PICTDESC description{sizeof description, PICTYPE_ICON};
    description.icon.hicon = ::CreateIconIndirect(&info);
    win::ComPtr<IPicture> picture;
    ::OleCreatePictureIndirect(&description, IID_IPicture, TRUE, picture.put_void());
    return win::Picture(std::move(picture));
}

TEST_F(RotationTest, IconIsDrawnOnWhiteAndTurned) {
    probe.photo.SetPicture(HalfRedIcon());
    form.RotateCW();
    const Pixels turned = Photo();
    ASSERT_EQ(probe.photo.picture.Kind(), win::PictureKind::Bitmap);
    EXPECT_EQ(turned.at(8, 3), kRed) << "the left half went up";
    EXPECT_EQ(turned.at(8, 12), form.kViewBackground) << "the transparent half is white";
}

// Each call's three corners, then the source's width and height.
std::vector<std::vector<int>> blitCalls;

BOOL WINAPI RecordingPlgBlt(HDC target, const POINT* p, HDC source, int x, int y, int width, int height,
                            HBITMAP mask, int maskX, int maskY) {
    blitCalls.push_back({p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, width, height});
    return ::PlgBlt(target, p, source, x, y, width, height, mask, maskX, maskY);
}

BOOL WINAPI FailingPlgBlt(HDC, const POINT*, HDC, int, int, int, int, HBITMAP, int, int) { return FALSE; }

// PlgBlt alone turns the photo exactly where the platform probe found that
// it does (not Wine's): the probe agrees with a measurement of its own.
TEST_F(RotationTest, WherePlgBltTurnsItGetsTheCornersOfTheTurnedRectangle) {
    const bool platformTurns = win::PlgBltTurns();
    const win::ForcedCapability turns(win::Capability::PlgBltTurns, true);
    const win::ReplacedPlgBlt recording(&RecordingPlgBlt);
    blitCalls.clear();
    const bool left = TurnedAsTheCoreTurns(true);
    const bool right = TurnedAsTheCoreTurns(false);  // from the 300 x 400 result of the first
    EXPECT_EQ(blitCalls, (std::vector<std::vector<int>>{{0, 400, 0, 0, 300, 400, 400, 300},
                                                        {400, 0, 400, 300, 0, 0, 300, 400}}));
    EXPECT_EQ(left && right, platformTurns);
}

// A right turn raises `error` and leaves the photo and its view as they were.
void ExpectFailedTurn(win::Form1& form, const win::MainWindowProbe& probe, int32_t error) {
    const auto state = [&] {
        return std::make_tuple(probe.photo.picture.Handle(), probe.photo.width,
                               ReadPixels(probe.photo.picture).values, probe.statusBar.PanelText(2));
    };
    const auto before = state();
    try {
        form.RotateCW();
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, error);
    }
    EXPECT_TRUE(state() == before);
}

TEST_F(RotationTest, TurnThatCannotBeMadeRaisesAndLeavesThePhotoAsItWas) {
    {
        const win::ForcedCapability turns(win::Capability::PlgBltTurns, true);
        const win::ReplacedPlgBlt failing(&FailingPlgBlt);
        ExpectFailedTurn(form, probe, kErrInvalidCall);
    }
    // 40000 x 30000 pixels of 4 bytes are more than a bitmap can hold.
    probe.photo.width = 40000 * win::TwipsPerPixelX();
    probe.photo.height = 30000 * win::TwipsPerPixelY();
    ExpectFailedTurn(form, probe, kErrOutOfMemory);
}

TEST(ForcedCapability, HoldsWhileItLivesAndForItsProbeAlone) {
    using win::Capability;
    const bool turns = win::PlgBltTurns(), prefilters = win::ShrinkPrefilters();
    {
        const win::ForcedCapability capable(Capability::PlgBltTurns, true);
        {
            const win::ForcedCapability lacking(Capability::PlgBltTurns, false);
            EXPECT_FALSE(win::PlgBltTurns());
        }
        EXPECT_TRUE(win::PlgBltTurns()) << "the outer answer again";
        EXPECT_EQ(win::ShrinkPrefilters(), prefilters);
    }
    EXPECT_EQ(win::PlgBltTurns(), turns) << "the measured answer again";
}

}  // namespace
}  // namespace tpr::test
