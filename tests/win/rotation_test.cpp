// Quarter turns of the photo in the main window: where each pixel lands, the
// photo and the view afterwards, and a turn that cannot be made.
#include <vector>

#include "core/main_window/status_texts.h"
#include "core/runtime/runtime_error.h"
#include "main_window_fixture.h"
#include "test_pictures.h"
#include "win/imaging/gdi_rotate.h"
#include "win/imaging/platform_capabilities.h"
#include "win/runtime/screen.h"

namespace tpr::test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

// Every pixel of the 400 x 300 photo differs from every other.
COLORREF Unique(int x, int y) { return RGB(x & 0xFF, y & 0xFF, (x >> 8) | ((y >> 8) << 2)); }

// The picture turned a quarter, by index: a left turn takes the upper-left
// pixel to the lower left, a right turn to the upper right.
Pixels Turned(const Pixels& from, bool left) {
    Pixels to{from.height, from.width, std::vector<COLORREF>(from.values.size())};
    for (int y = 0; y < to.height; ++y) {
        for (int x = 0; x < to.width; ++x) {
            to.values[static_cast<size_t>(y) * to.width + x] =
                left ? from.at(from.width - 1 - y, x) : from.at(y, from.height - 1 - x);
        }
    }
    return to;
}

class RotationTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        SetWorkArea(800, 600);
        ShowPicture(win::PictureFromBitmap(MakeBitmap(400, 300, Unique)));
    }

    Pixels Photo() const { return ReadPixels(probe.photo.picture); }
};

TEST_F(RotationTest, EachTurnMovesEveryPixelAQuarterAndTheViewFollows) {
    struct Case {
        const char* turns;  // L: left, R: right
        bool placeholder;
    };
    const Case cases[] = {{"L", false}, {"R", false}, {"LR", false}, {"LLLL", false},
                          {"RRRR", false}, {"L", true}};
    for (const Case& c : cases) {
        if (c.placeholder) {
            form.SetNoImage();
        } else {
            ShowPicture(win::PictureFromBitmap(MakeBitmap(400, 300, Unique)));
        }
        const std::vector<COLORREF> placeholder = ReadPixels(probe.placeholder.picture).values;
        Pixels expected = Photo();
        for (const char* turn = c.turns; *turn; ++turn) {
            *turn == 'L' ? form.RotateCCW() : form.RotateCW();
            expected = Turned(expected, *turn == 'L');
        }
        const Pixels turned = Photo();
        ASSERT_EQ(turned.width, expected.width) << c.turns;
        EXPECT_TRUE(turned.values == expected.values) << c.turns;
        EXPECT_DOUBLE_EQ(probe.photo.width, turned.width * win::TwipsPerPixelX()) << c.turns;
        EXPECT_DOUBLE_EQ(probe.photo.height, turned.height * win::TwipsPerPixelY()) << c.turns;
        EXPECT_EQ(ShownResolution(), PhotoResolutionText(turned.width, turned.height)) << c.turns;
        const RECT view = ViewRect();
        EXPECT_EQ(view.right - view.left, turned.width) << c.turns;
        EXPECT_EQ(view.bottom - view.top, turned.height) << c.turns;
        EXPECT_TRUE(ReadPixels(probe.placeholder.picture).values == placeholder) << "the placeholder itself";
    }
}

// A 16 x 16 icon, red on its left half and transparent on its right.
win::Picture HalfRedIcon() {
    constexpr int kSide = 16;
    const win::UniqueHbitmap colour = MakeBitmap(kSide, kSide, [](int x, int) { return x < 8 ? kRed : 0; });
    BYTE rightHalfTransparent[kSide * 2];  // rows of 16 bits: 8 opaque (0), then 8 transparent (1)
    for (int row = 0; row < kSide; ++row) {
        rightHalfTransparent[2 * row] = 0x00;
        rightHalfTransparent[2 * row + 1] = 0xFF;
    }
    const win::UniqueHbitmap mask(::CreateBitmap(kSide, kSide, 1, 1, rightHalfTransparent));
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_ICON;
    description.icon.hicon = ::CreateIconIndirect(&info);
    win::ComPtr<IPicture> picture;
    ::OleCreatePictureIndirect(&description, IID_IPicture, TRUE, picture.put_void());
    return win::Picture(std::move(picture));
}

TEST_F(RotationTest, IconIsDrawnOnWhiteAndTurned) {
    probe.photo.SetPicture(HalfRedIcon());
    form.RotateCW();
    const Pixels turned = Photo();
    ASSERT_EQ(turned.width, 16);
    EXPECT_EQ(probe.photo.picture.Kind(), win::PictureKind::Bitmap);
    EXPECT_EQ(turned.at(8, 3), kRed) << "the left half went up";
    EXPECT_EQ(turned.at(8, 12), form.kViewBackground) << "the transparent half is white";
}

struct BlitCall {
    POINT points[3];
    int width, height;
};
std::vector<BlitCall> blitCalls;

BOOL WINAPI RecordingPlgBlt(HDC target, const POINT* points, HDC source, int x, int y, int width, int height,
                            HBITMAP mask, int maskX, int maskY) {
    blitCalls.push_back({{points[0], points[1], points[2]}, width, height});
    return ::PlgBlt(target, points, source, x, y, width, height, mask, maskX, maskY);
}

BOOL WINAPI FailingPlgBlt(HDC, const POINT*, HDC, int, int, int, int, HBITMAP, int, int) { return FALSE; }

TEST_F(RotationTest, WherePlgBltTurnsItGetsTheCornersOfTheTurnedRectangle) {
    const win::ForcedCapability turns(win::Capability::PlgBltTurns, true);
    const win::ReplacedPlgBlt recording(&RecordingPlgBlt);
    blitCalls.clear();
    form.RotateCCW();
    form.RotateCW();  // from the 300 x 400 result of the first
    const BlitCall expected[] = {{{{0, 400}, {0, 0}, {300, 400}}, 400, 300},
                                 {{{400, 0}, {400, 300}, {0, 0}}, 300, 400}};
    ASSERT_EQ(blitCalls.size(), std::size(expected));
    for (size_t i = 0; i < blitCalls.size(); ++i) {
        for (int corner = 0; corner < 3; ++corner) {
            EXPECT_EQ(blitCalls[i].points[corner].x, expected[i].points[corner].x) << i << "," << corner;
            EXPECT_EQ(blitCalls[i].points[corner].y, expected[i].points[corner].y) << i << "," << corner;
        }
        EXPECT_EQ(blitCalls[i].width, expected[i].width) << i;
        EXPECT_EQ(blitCalls[i].height, expected[i].height) << i;
    }
}

// A right turn raises `error` and leaves the photo and its view as they were.
void ExpectFailedTurn(win::Form1& form, const win::MainWindowProbe& probe, int32_t error) {
    const OLE_HANDLE handle = probe.photo.picture.Handle();
    const double width = probe.photo.width;
    const std::vector<COLORREF> pixels = ReadPixels(probe.photo.picture).values;
    const std::wstring panel = probe.statusBar.PanelText(2);
    try {
        form.RotateCW();
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, error);
    }
    EXPECT_EQ(probe.photo.picture.Handle(), handle);
    EXPECT_DOUBLE_EQ(probe.photo.width, width);
    EXPECT_TRUE(ReadPixels(probe.photo.picture).values == pixels);
    EXPECT_EQ(probe.statusBar.PanelText(2), panel);
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

}  // namespace
}  // namespace tpr::test
