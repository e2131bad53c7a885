// A 100-megapixel photo opened, turned and saved within bounds of private memory: the shipped 32-bit
// process has 2 GB of address space. TPR_BIG_PHOTO=WIDTHxHEIGHT runs another size once.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "linux_side.h"
#include "main_window_fixture.h"
#include "process_memory.h"
#include "test_files.h"
#include "test_pictures.h"
#include "win/imaging/save_jpg.h"
#include "win/runtime/text.h"

namespace tpr::test {
namespace {

// A red ramp over green noise, as a camera's JPEG holds detail, with a dark
// upper-left fifth that shows the turn; renamed whole once written.
constexpr char kPhotoScript[] = R"(import os, sys
from PIL import Image, ImageDraw
w, h, path = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
ramp = Image.linear_gradient('L').transpose(Image.Transpose.ROTATE_90).resize((w, h))
photo = Image.merge('RGB', (ramp, Image.effect_noise((w, h), 24), ramp.point(lambda v: 255 - v)))
ImageDraw.Draw(photo).rectangle((0, 0, w // 5 - 1, h // 5 - 1), fill=(20, 20, 20))
photo.save(path + '.part', 'JPEG', quality=90)
os.replace(path + '.part', path)
print(os.path.getsize(path))
)";

SIZE BigPhotoSize() {
    SIZE size{12000, 9000};
    if (const char* asked = std::getenv("TPR_BIG_PHOTO")) std::sscanf(asked, "%ldx%ld", &size.cx, &size.cy);
    return size;
}

// The photo, made by Pillow on the first run and kept beside the test
// program in the build tree.
std::wstring CachedPhoto(SIZE size) {
    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring folder = std::wstring(exe).substr(0, std::wstring(exe).find_last_of(L'\\'));
    const std::wstring photo =
        folder + L"\\big-photo-" + std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy) + L".jpg";
    if (FileExists(photo)) return photo;
    const std::wstring script = folder + L"\\big-photo.py";
    WriteFileBytes(script, kPhotoScript);
    LinuxShellOutput(folder,
                     "/usr/bin/python3 " + LinuxPath(script) + " " + std::to_string(size.cx) + " " +
                         std::to_string(size.cy) + " " + LinuxPath(photo),
                     300);
    return photo;
}

bool Dark(COLORREF c) { return GetRValue(c) < 60 && GetGValue(c) < 60 && GetBValue(c) < 60; }

class BigPhotoTest : public Form1Test {
protected:
    // Prints one step's figures: the peak of private memory while it ran,
    // what stays held after it, and the peak above the memory before the
    // photo came, in full-size copies of the photo, which it returns.
    double Report(const char* step) {
        const double peak = peak_.Take(), held = PrivateMegabytes(), copies = (peak - before_) / copy_;
        std::printf("%-12s peak %6.0f MB  held %6.0f MB  copies at the peak %.2f\n", step, peak, held,
                    copies);
        return copies;
    }

    PrivatePeak peak_;
    double before_ = 0, copy_ = 0;  // megabytes
};

TEST_F(BigPhotoTest, OpensTurnsBothWaysAndSavesWhatIsShown) {
    const SIZE size = BigPhotoSize();
    const std::wstring photo = CachedPhoto(size);
    ASSERT_TRUE(FileExists(photo)) << "Pillow could not make " << win::ToNarrow(photo);
    SetWorkArea(800, 600);
    form.SetNoImage();
    const TempFolder folder;

    copy_ = static_cast<double>(size.cx) * size.cy * 4 / 1e6;
    before_ = PrivateMegabytes();
    std::printf("%ldx%ld photo: one copy %.0f MB, %.0f MB private before\n", size.cx, size.cy, copy_,
                before_);
    peak_.Take();
    // The photo decoded straight into its bitmap, beside the file's bytes
    // and the view drawn from it.
    form.ShowPhotoFile(photo);
    EXPECT_LE(Report("open"), 1.2);
    ASSERT_EQ(probe.photo.picture.PixelSize().cx, size.cx);
    const std::wstring shown = probe.statusBar.PanelText(2);

    // The photo and its turned copy, never a third.
    form.RotateCW();
    EXPECT_LE(Report("turn right"), 2.2);
    EXPECT_EQ(probe.photo.picture.PixelSize().cx, size.cy);
    Pixels view = ReadPixels(probe.view.GetPicture());
    EXPECT_LT(view.width, view.height) << "the view stands upright";
    EXPECT_TRUE(Dark(view.at(view.width - 10, 10)) && !Dark(view.at(10, 10)))
        << "the dark corner went upper-right";

    form.RotateCCW();
    EXPECT_LE(Report("turn left"), 2.2);
    EXPECT_EQ(probe.photo.picture.PixelSize().cx, size.cx);
    EXPECT_EQ(probe.statusBar.PanelText(2), shown);
    view = ReadPixels(probe.view.GetPicture());
    EXPECT_TRUE(Dark(view.at(10, 10)) && !Dark(view.at(view.width - 10, 10))) << "back upper-left";

    const std::wstring saved = folder.File(L"big_resized.jpg");
    win::SaveJPG(probe.view.GetPicture(), saved, 70);
    Report("save");
    EXPECT_TRUE(ImageFileSize(saved).cx == view.width && ImageFileSize(saved).cy == view.height);

    // The next photo comes while this one is still held: a photo that
    // cannot be read leaves the previous one in place.
    form.ShowPhotoFile(photo);
    EXPECT_LE(Report("open again"), 2.2);
    EXPECT_TRUE(Log().empty()) << win::ToNarrow(Log());
}

}  // namespace
}  // namespace tpr::test
