// Quarter turns of the photo in the main window: where each pixel lands, the
// photo and the view afterwards, and a turn that cannot be made.
#include <algorithm>
#include <vector>

#include "core/imaging/quarter_turn.h"
#include "core/runtime/runtime_error.h"
#include "main_window_fixture.h"
#include "test_pictures.h"
#include "win/imaging/gdi_rotate.h"
#include "win/imaging/platform_capabilities.h"
#include "win/runtime/screen.h"

namespace tpr::test {
namespace {

// Blue 240 appears nowhere else in the photo.
constexpr COLORREF kMark = RGB(255, 0, 240);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Every pixel of the 400 x 300 photo differs from every other; the
// upper-left one is marked.
COLORREF Unique(int x, int y) {
    if (x == 0 && y == 0) return kMark;
    return RGB(x & 0xFF, y & 0xFF, (x >> 8) | ((y >> 8) << 2));
}

class RotationTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        SetWorkArea(800, 600);
        form.picImage.SetPicture(win::PictureFromBitmap(MakeBitmap(400, 300, Unique)));
        form.ResizePhotoInProperties();
        original_ = ReadPixels(form.picImage.picture).values;
    }

    Pixels Photo() const { return ReadPixels(form.picImage.picture); }

    std::vector<COLORREF> original_;
};

TEST_F(RotationTest, LeftTurnPutsTheUpperLeftPixelLowerLeft) {
    form.RotateCCW();
    const Pixels turned = Photo();
    ASSERT_EQ(turned.width, 300);
    ASSERT_EQ(turned.height, 400);
    EXPECT_EQ(turned.at(0, 399), kMark);
    EXPECT_EQ(turned.at(299, 399), Unique(0, 299)) << "the left edge became the bottom";
    EXPECT_EQ(turned.at(0, 0), Unique(399, 0)) << "the right edge became the top";
    EXPECT_DOUBLE_EQ(form.picImage.width, 300 * win::TwipsPerPixelX());
    EXPECT_DOUBLE_EQ(form.picImage.height, 400 * win::TwipsPerPixelY());
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 300x400  ");
    const RECT view = ViewRect();
    EXPECT_EQ(view.right - view.left, 300);
    EXPECT_EQ(view.bottom - view.top, 400);
}

TEST_F(RotationTest, RightTurnPutsTheUpperLeftPixelUpperRight) {
    form.RotateCW();
    const Pixels turned = Photo();
    ASSERT_EQ(turned.width, 300);
    ASSERT_EQ(turned.height, 400);
    EXPECT_EQ(turned.at(299, 0), kMark);
    EXPECT_EQ(turned.at(0, 0), Unique(0, 299)) << "the bottom-left corner came up";
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 300x400  ");
}

TEST_F(RotationTest, LeftThenRightGivesBackThePhoto) {
    form.RotateCCW();
    form.RotateCW();
    const Pixels back = Photo();
    EXPECT_EQ(back.width, 400);
    EXPECT_TRUE(back.values == original_);
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 400x300  ");
}

TEST_F(RotationTest, FourTurnsEitherWayGiveBackEveryPixel) {
    for (int turn = 0; turn < 4; ++turn) form.RotateCCW();
    EXPECT_TRUE(Photo().values == original_) << "four left turns";
    for (int turn = 0; turn < 4; ++turn) form.RotateCW();
    EXPECT_TRUE(Photo().values == original_) << "four right turns";
}

TEST_F(RotationTest, PlaceholderTurnsPixelForPixelAndStaysAsItWas) {
    form.SetNoImage();
    const Pixels placeholder = Photo();
    form.RotateCCW();
    const std::vector<uint32_t> source(placeholder.values.begin(), placeholder.values.end());
    std::vector<uint32_t> expected(source.size());
    QuarterTurnPixels(true, source.data(), placeholder.width, placeholder.height, expected.data());
    const Pixels turned = Photo();
    EXPECT_EQ(turned.width, placeholder.height);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), turned.values.begin(), turned.values.end()));
    EXPECT_TRUE(ReadPixels(form.imNoImage.picture).values == placeholder.values) << "the placeholder itself";
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
    form.picImage.SetPicture(HalfRedIcon());
    form.RotateCW();
    const Pixels turned = Photo();
    ASSERT_EQ(turned.width, 16);
    EXPECT_EQ(form.picImage.picture.Kind(), win::PictureKind::Bitmap);
    EXPECT_EQ(turned.at(8, 3), kRed) << "the left half went up";
    EXPECT_EQ(turned.at(8, 12), RGB(255, 255, 255)) << "the transparent half is white";
}

struct BlitCall {
    POINT points[3];
    int x, y, width, height;
};
std::vector<BlitCall> blitCalls;

BOOL WINAPI RecordingPlgBlt(HDC target, const POINT* points, HDC source, int x, int y, int width, int height,
                            HBITMAP mask, int maskX, int maskY) {
    blitCalls.push_back({{points[0], points[1], points[2]}, x, y, width, height});
    return ::PlgBlt(target, points, source, x, y, width, height, mask, maskX, maskY);
}

BOOL WINAPI FailingPlgBlt(HDC, const POINT*, HDC, int, int, int, int, HBITMAP, int, int) { return FALSE; }

bool SamePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

TEST_F(RotationTest, WherePlgBltTurnsItGetsTheCornersOfTheTurnedRectangle) {
    const win::ForcedCapability turns(win::Capability::PlgBltTurns, true);
    const win::ReplacedPlgBlt recording(&RecordingPlgBlt);
    blitCalls.clear();
    form.RotateCCW();
    form.RotateCW();
    ASSERT_EQ(blitCalls.size(), 2u);
    const BlitCall& left = blitCalls[0];
    EXPECT_TRUE(SamePoint(left.points[0], {0, 400}) && SamePoint(left.points[1], {0, 0}) &&
                SamePoint(left.points[2], {300, 400}));
    EXPECT_EQ(left.x, 0);
    EXPECT_EQ(left.y, 0);
    EXPECT_EQ(left.width, 400);
    EXPECT_EQ(left.height, 300);
    const BlitCall& right = blitCalls[1];
    // The second turn starts from the 300 x 400 result of the first.
    EXPECT_TRUE(SamePoint(right.points[0], {400, 0}) && SamePoint(right.points[1], {400, 300}) &&
                SamePoint(right.points[2], {0, 0}));
    EXPECT_EQ(right.width, 300);
    EXPECT_EQ(right.height, 400);
}

// The photo and its view exactly as they were before a failed turn.
void ExpectUnchanged(const win::Form1& form, OLE_HANDLE handle, const std::vector<COLORREF>& original) {
    EXPECT_EQ(form.picImage.picture.Handle(), handle);
    EXPECT_DOUBLE_EQ(form.picImage.width, 400 * win::TwipsPerPixelX());
    EXPECT_TRUE(ReadPixels(form.picImage.picture).values == original);
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 400x300  ");
}

TEST_F(RotationTest, FailingPlgBltRaisesAndLeavesThePhoto) {
    const win::ForcedCapability turns(win::Capability::PlgBltTurns, true);
    const win::ReplacedPlgBlt failing(&FailingPlgBlt);
    const OLE_HANDLE before = form.picImage.picture.Handle();
    try {
        form.RotateCW();
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, kErrInvalidCall);
    }
    ExpectUnchanged(form, before, original_);
}

TEST_F(RotationTest, WorkSurfaceThatCannotBeMadeRaisesOutOfMemory) {
    // 40000 x 30000 pixels of 4 bytes are more than a bitmap can hold.
    const OLE_HANDLE before = form.picImage.picture.Handle();
    form.picImage.width = 40000 * win::TwipsPerPixelX();
    form.picImage.height = 30000 * win::TwipsPerPixelY();
    try {
        form.RotateCCW();
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, kErrOutOfMemory);
    }
    form.picImage.width = 400 * win::TwipsPerPixelX();
    form.picImage.height = 300 * win::TwipsPerPixelY();
    ExpectUnchanged(form, before, original_);
}

}  // namespace
}  // namespace tpr::test
