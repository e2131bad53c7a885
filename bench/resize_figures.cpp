// Resize figures: the program's resize and its platform calls, each timed on the same photo and size.
#include "resize_figures.h"

#include <cstdio>

#include "core/imaging/fit.h"
#include "core/main_window/status_texts.h"
#include "fake_error_services.h"
#include "main_window_probe.h"
#include "win/imaging/bitmap_rows.h"
#include "win/imaging/gdiplus_resize.h"
#include "win/imaging/platform_capabilities.h"
#include "win/imaging/prefilter.h"
#include "win/main_window/main_window.h"
#include "win/main_window/program_state.h"
#include "win/runtime/modal.h"
#include "win/runtime/screen.h"

namespace tpr::bench {
namespace {

using namespace Gdiplus;

void PumpMessages() {
    win::PumpMessagesUntil([] {
        MSG waiting;
        return !::PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE);
    });
}

// The main window, shown and first activated as the program does it, with
// the error services recording what reaches its top-level traps.
class ShownMainWindow {
public:
    ShownMainWindow() {
        err::InstallErrorServices({&platform_, &files_, &dialogs_});
        win::Program().MainForm = &form;
        form.Show();
        PumpMessages();
        const int width = win::PixelsX(form.ScaleWidth());
        const int height = win::PixelsY(form.ScaleHeight() - probe.clientAreaTop - form.StatusBarHeight());
        if (width != kWorkAreaWidth || height != kWorkAreaHeight) {
            Fail(L"the work area is " + std::to_wstring(width) + L"x" + std::to_wstring(height));
        }
    }
    ~ShownMainWindow() {
        win::Program().MainForm = nullptr;
        err::InstallErrorServices({});
    }
    ShownMainWindow(const ShownMainWindow&) = delete;
    ShownMainWindow& operator=(const ShownMainWindow&) = delete;

    void ExpectNoErrorReported() const {
        if (dialogs_.shownModal.empty()) return;
        Fail(L"the window reported an error:\n" +
             (files_.files.empty() ? L"" : files_.files.begin()->second));
    }

    win::Form1 form;
    win::MainWindowProbe probe{form};

private:
    err::testing::FakePlatform platform_;
    err::testing::FakeFileSystem files_;
    err::testing::FakeDialogs dialogs_;
};

// The photo on show: the size it is drawn at fits the work area, touches
// it on one side, and is the size the status bar reports.
SIZE ExpectShownFitted(const ShownMainWindow& window, const std::wstring& path) {
    window.ExpectNoErrorReported();
    const SIZE drawn = window.probe.view.GetPicture().PixelSize();
    const bool fits = drawn.cx <= kWorkAreaWidth && drawn.cy <= kWorkAreaHeight &&
                      (drawn.cx == kWorkAreaWidth || drawn.cy == kWorkAreaHeight);
    if (!fits || window.probe.statusBar.PanelText(2) != PhotoResolutionText(drawn.cx, drawn.cy) ||
        !window.probe.view.Visible()) {
        Fail(path + L" is not shown fitted: " + window.probe.statusBar.PanelText(2));
    }
    return drawn;
}

win::UniqueGdipImage ImageOfBitmap(HBITMAP bitmap) {
    GpBitmap* image = nullptr;
    DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image);
    if (!image) Fail(L"GDI+ made no image of the photo");
    return win::UniqueGdipImage(image);
}

// What the draw of the program's resize needs: a canvas of the drawn size
// and a high-quality bicubic drawing surface on it.
class DrawTarget {
public:
    explicit DrawTarget(const SIZE& drawn) : canvas_(RGB(255, 255, 255), drawn.cx, drawn.cy) {
        DllExports::GdipCreateFromHDC(canvas_.dc(), graphics_.put());
        DllExports::GdipSetInterpolationMode(graphics_.get(), InterpolationModeHighQualityBicubic);
    }

    // The whole image into the rectangle where the photo lands.
    void Draw(GpImage* image, const DrawRect& rect) const {
        UINT width = 0, height = 0;
        DllExports::GdipGetImageWidth(image, &width);
        DllExports::GdipGetImageHeight(image, &height);
        DllExports::GdipDrawImageRectRectI(graphics_.get(), image, rect.x, rect.y, rect.width, rect.height, 0,
                                           0, static_cast<INT>(width), static_cast<INT>(height), UnitPixel,
                                           nullptr, nullptr, nullptr);
    }

private:
    win::Canvas canvas_;
    win::UniqueGdipGraphics graphics_;
};

// The pixels on show, exactly as the view holds them, as a binary PPM file,
// for the benchmark's measures of sharpness.
void WriteShownPixels(const win::Picture& shown, const std::wstring& file) {
    const SIZE size = shown.PixelSize();
    win::BitmapRows rows(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(shown.Handle())), size.cx, size.cy);
    FILE* out = rows.Readable() ? ::_wfopen(file.c_str(), L"wb") : nullptr;
    if (!out) Fail(L"the pixels on show could not be written to " + file);
    std::fprintf(out, "P6\n%ld %ld\n255\n", static_cast<long>(size.cx), static_cast<long>(size.cy));
    std::vector<unsigned char> line;
    for (int32_t y = 0; y < size.cy; ++y) {
        line.clear();
        const uint32_t* row = rows.Row(y);
        for (int32_t x = 0; x < size.cx; ++x) {
            for (const int shift : {16, 8, 0}) line.push_back(static_cast<unsigned char>(row[x] >> shift));
        }
        std::fwrite(line.data(), 1, line.size(), out);
    }
    std::fclose(out);
}

ResizeFigures MeasureResize(ShownMainWindow& window, const std::wstring& path, int samples) {
    win::Form1& form = window.form;
    form.ShowPhotoFile(path);
    ResizeFigures figures;
    const win::Picture& photo = window.probe.photo.picture;
    if (photo.Kind() != win::PictureKind::Bitmap) Fail(path + L" did not open as a bitmap");
    figures.photo = photo.PixelSize();
    figures.drawn = ExpectShownFitted(window, path);
    figures.reducedFirst = !win::ShrinkPrefilters();
    const auto bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(photo.Handle()));
    const DrawRect rect =
        AspectDrawRect(figures.photo.cx, figures.photo.cy, figures.drawn.cx, figures.drawn.cy);
    const auto reduce = [&] {
        win::ScaleSource reduced = win::ReducedBitmap(bitmap, figures.drawn.cx, figures.drawn.cy, true);
        if (!reduced.image) Fail(L"ReducedBitmap gave no image of " + path);
        return reduced;
    };

    // The whole photo as GDI+ alone resizes it: made an image, and drawn.
    BestTime image, wholeDraw;
    const auto sampleWhole = [&](const DrawTarget& target) {
        image.Sample([&] { ImageOfBitmap(bitmap); });
        const win::UniqueGdipImage whole = ImageOfBitmap(bitmap);
        wholeDraw.Sample([&] { target.Draw(whole.get(), rect); });
    };
    // The resize in turn with the calls it is made of here.
    BestTime ours, prefilter, draw;
    for (int round = 0; round < samples; ++round) {
        PumpMessages();
        // No GDI+ session of the benchmark's is open: the resize starts and
        // ends its own, as in the program.
        ours.Sample([&] { form.ResizePhotoInProperties(); });
        const win::GdiPlusSession session;
        const DrawTarget target(figures.drawn);
        if (!figures.reducedFirst) {
            sampleWhole(target);
            continue;
        }
        prefilter.Sample(reduce);
        const win::ScaleSource reduced = reduce();
        draw.Sample([&] { target.Draw(reduced.image.get(), rect); });
    }
    // Where the program reduces first, the whole photo's calls are none of
    // its resize's, and they come after it: an image of the whole photo
    // made and freed between its samples would weigh on them.
    for (int round = 0; figures.reducedFirst && round < samples; ++round) {
        const win::GdiPlusSession session;
        sampleWhole(DrawTarget(figures.drawn));
    }
    ExpectShownFitted(window, path);
    WriteShownPixels(window.probe.view.GetPicture(), path + L".shown.ppm");
    figures.ours = ours.Best();
    figures.image = image.Best();
    figures.wholeDraw = wholeDraw.Best();
    figures.prefilter = prefilter.Best();
    figures.draw = figures.reducedFirst ? draw.Best() : figures.wholeDraw;
    return figures;
}

}  // namespace

std::vector<ResizeFigures> MeasureResizes(const std::vector<std::wstring>& photos, int samples) {
    ShownMainWindow window;
    std::vector<ResizeFigures> figures;
    for (const std::wstring& photo : photos) figures.push_back(MeasureResize(window, photo, samples));
    return figures;
}

}  // namespace tpr::bench
