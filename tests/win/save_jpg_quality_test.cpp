// The quality the user chose reaches the saved file, whichever encoder
// writes it: the platform's where it honours the quality, the program's own
// where it does not.
#include <gtest/gtest.h>

#include "core/runtime/runtime_error.h"
#include "linux_side.h"
#include "main_window_fixture.h"
#include "test_files.h"
#include "test_pictures.h"
#include "win/imaging/platform_capabilities.h"
#include "win/imaging/save_jpg.h"

namespace tpr::test {
namespace {

using win::Capability;
using win::ForcedCapability;

// A photo-like picture: smooth light, some texture.
COLORREF Scene(int x, int y) {
    const int texture = ((x * 7919 + y * 104729) >> 3) % 40;
    return RGB((x * 255 / 1200 + texture) % 256, (y * 255 / 900 + texture / 2) % 256, 120 + texture);
}

class SaveQualityTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        SetWorkArea(800, 600);
        form.picImage.SetPicture(win::PictureFromBitmap(MakeBitmap(1200, 900, Scene)));
        form.ResizePhotoInProperties();
    }

    // The view saved at the quality; the file's path.
    std::wstring SavedView(int32_t quality) {
        const std::wstring path = folder_.File(L"view" + std::to_wstring(quality) + L".jpg");
        win::SaveJPG(form.picBox.GetPicture(), path, quality);
        return path;
    }

    TempFolder folder_{kLinuxTmp};
};

TEST_F(SaveQualityTest, TheViewSavedAtTenSeventyAndHundredCarriesEachQuality) {
    size_t previousSize = 0;
    for (int32_t quality : {10, 70, 100}) {
        const std::wstring path = SavedView(quality);
        EXPECT_EQ(ImageFileSize(path).cx, 800);
        const size_t size = ReadFileBytes(path).size();
        EXPECT_GT(size, previousSize) << "quality " << quality;
        previousSize = size;
        EXPECT_NEAR(IdentifiedJpegQuality(path), quality, 5) << "identify's estimate";
    }
}

TEST_F(SaveQualityTest, WhereGdiPlusHonoursTheQualityItWritesTheFile) {
    const ForcedCapability honoured(Capability::JpegQualityHonoured, true);
    // Wine's encoder then writes both at its one quality.
    EXPECT_EQ(ReadFileBytes(SavedView(10)), ReadFileBytes(SavedView(100)));
}

TEST_F(SaveQualityTest, TheOwnEncodersFailedWriteReportsTheWriteFailureStatus) {
    try {
        win::SaveJPG(form.picBox.GetPicture(), folder_.File(L"missing\\view.jpg"), 70);
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, 5);
        EXPECT_EQ(e.description, L"Cannot save the image. GDI+ Error:7");
    }
    EXPECT_TRUE(folder_.Names().empty());
}

}  // namespace
}  // namespace tpr::test
