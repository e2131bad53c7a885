// Prints the program's figures for each photo named on the command line (4:3
// JPEGs, as Windows paths) as one table: one resize in the 800 x 600 work
// area beside the platform calls it is made of and beside Pillow's, the
// start-up beside an empty window program's, and the peak memory through an
// open, two turns and a save; then one line of ratios for each photo. The
// pixels on show are written beside each photo (PHOTO.shown.ppm). Exits
// with 1, and says why, when the program fails at any of it.
//   benchmark [--quick] PILLOW PHOTO...
//     --quick: one sample of each figure, to see that the benchmark runs
//     PILLOW:  a file of one line for each photo, in order: Pillow's decode
//              of it and its bicubic resize to the shown size, in ms
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/common/ui_texts.h"
#include "core/runtime/runtime_error.h"
#include "process_figures.h"
#include "resize_figures.h"
#include "win/main_window/placeholder.h"
#include "win/runtime/text.h"

namespace tpr::bench {
namespace {

struct Samples {
    int resize = 5;
    int start = 5;
};
constexpr double kMegabyte = 1024.0 * 1024.0;

uint32_t ReadLastOsError() { return ::GetLastError(); }

std::string Cell(Duration duration) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f/%.0f", duration.wallMs, duration.cpuMs);
    return text;
}

double PhotoBytes(SIZE photo) { return 4.0 * photo.cx * photo.cy; }

std::string RatioCell(Duration ours, Duration parts) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f/%.2f", ours.wallMs / parts.wallMs, ours.cpuMs / parts.cpuMs);
    return text;
}

struct PillowFigures {
    double decodeMs = 0, resizeMs = 0;
};

std::vector<PillowFigures> ReadPillowFigures(const std::wstring& file, size_t photos) {
    std::vector<PillowFigures> figures(photos);
    FILE* in = ::_wfopen(file.c_str(), L"r");
    for (PillowFigures& photo : figures) {
        if (!in || std::fscanf(in, "%lf %lf", &photo.decodeMs, &photo.resizeMs) != 2) {
            if (in) std::fclose(in);
            Fail(L"no Pillow figures for every photo in " + file);
        }
    }
    std::fclose(in);
    return figures;
}

struct Row {
    ResizeFigures resize;
    StartFigures start;
    PillowFigures pillow;
    double peakBytes = 0;
};

void PrintTable(const std::vector<Row>& rows, Samples samples, double placeholderPeakBytes) {
    const bool reducedFirst = rows.front().resize.reducedFirst;
    std::printf("GDI+ prefilters a shrink in mode 7: %s\n",
                reducedFirst ? "no, so the program reduces the photo first (parts = prefilter + draw)"
                             : "yes (parts = image + draw)");
    char resizeTitle[64], startTitle[32];
    std::snprintf(resizeTitle, sizeof resizeTitle, "Resize, ms wall/CPU, best of %d", samples.resize);
    std::snprintf(startTitle, sizeof startTitle, "Start, ms, best of %d", samples.start);
    std::printf("%-26s| %-66s| %-15s| %-44s| %s\n", "", resizeTitle, "Pillow, ms", startTitle, "Peak memory");
    std::printf("%-17s %-8s| %-9s%-9s%-10s%-8s%-8s%-11s%-11s| %-8s%-7s| %-11s%-11s%-11s%-11s| %-8s%s\n",
                "Photo", "Shown", "ours", "image", "prefilter", "draw", "parts", "ours/parts", "GDI+ alone",
                "decode", "resize", "photo", "open", "no photo", "empty", "MB", "x photo");
    for (const Row& row : rows) {
        const ResizeFigures& r = row.resize;
        char photo[32], shown[16];
        std::snprintf(photo, sizeof photo, "%.0f MP %ldx%ld", r.photo.cx * r.photo.cy / 1e6,
                      static_cast<long>(r.photo.cx), static_cast<long>(r.photo.cy));
        std::snprintf(shown, sizeof shown, "%ldx%ld", static_cast<long>(r.drawn.cx),
                      static_cast<long>(r.drawn.cy));
        std::printf(
            "%-17s %-8s| %-9s%-9s%-10s%-8s%-8s%-11s%-11s| %-8.0f%-7.0f| %-11.0f%-11.0f%-11.0f%-11.0f| "
            "%-8.0f%.1f\n",
            photo, shown, Cell(r.ours).c_str(), Cell(r.image).c_str(),
            r.reducedFirst ? Cell(r.prefilter).c_str() : "-", Cell(r.draw).c_str(), Cell(r.Parts()).c_str(),
            RatioCell(r.ours, r.Parts()).c_str(), Cell(r.image + r.wholeDraw).c_str(), row.pillow.decodeMs,
            row.pillow.resizeMs, row.start.programMs, row.start.openMs, row.start.placeholderMs,
            row.start.emptyMs, row.peakBytes / kMegabyte, row.peakBytes / PhotoBytes(r.photo));
    }
    std::printf(
        "ours: Form1.ResizePhotoInProperties on the shown window; image: GdipCreateBitmapFromHBITMAP of the\n"
        "photo; prefilter: ReducedBitmap to the shown size; draw: GdipDrawImageRectRectI, high-quality "
        "bicubic,\n"
        "of what the program draws onto a canvas of the shown size; GDI+ alone: image + that draw of the "
        "whole\n"
        "photo. Pillow, natively: decode (open and load) and bicubic resize to the shown size, best of 5.\n"
        "Start: CreateProcess to the picture on show with the photo (photo) or none (no photo, the\n"
        "placeholder), or to the window on show of an empty window program with the same DLLs and manifest\n"
        "(%.0f MB peak); open: inside the program, from reading its command line to the photo on show at\n"
        "its first activation. Peak memory: peak working set after open, two turns and a save (%.0f MB with\n"
        "the placeholder); x photo: times width x height x 4 bytes.\n",
        rows.front().start.emptyPeakBytes / kMegabyte, placeholderPeakBytes / kMegabyte);
    for (const Row& row : rows) {
        const ResizeFigures& r = row.resize;
        std::printf("ratio %.0fMP start/empty=%.2f open/pil=%.2f resize/pil=%.2f peak/photo=%.2f\n",
                    r.photo.cx * r.photo.cy / 1e6, row.start.placeholderMs / row.start.emptyMs,
                    row.start.openMs / (row.pillow.decodeMs + row.pillow.resizeMs),
                    r.ours.wallMs / row.pillow.resizeMs,
                    (row.peakBytes - placeholderPeakBytes) / PhotoBytes(r.photo));
    }
}

void Run(const std::vector<std::wstring>& photos, const std::vector<PillowFigures>& pillow, Samples samples) {
    std::vector<Row> rows;
    for (const ResizeFigures& resize : MeasureResizes(photos, samples.resize))
        rows.push_back(Row{resize, {}, pillow[rows.size()], 0});
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].start = MeasureStarts(photos[i], samples.start);
        rows[i].peakBytes = MeasurePeakMemory(photos[i], rows[i].resize.drawn);
    }
    const SIZE placeholder = win::DrawPlaceholderPicture().PixelSize();
    PrintTable(rows, samples, MeasurePeakMemory(L"", placeholder));
}

}  // namespace
}  // namespace tpr::bench

int wmain(int argc, wchar_t** argv) {
    using namespace tpr;
    std::vector<std::wstring> photos(argv + 1, argv + argc);
    bench::Samples samples;
    if (!photos.empty() && photos.front() == L"--quick") {
        samples = {1, 1};
        photos.erase(photos.begin());
    }
    if (photos.size() < 2) {
        std::fprintf(stderr, "usage: benchmark [--quick] PILLOW PHOTO...\n");
        return 2;
    }
    const std::wstring pillowFile = photos.front();
    photos.erase(photos.begin());
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&controls);
    SetLastOsErrorReader(&bench::ReadLastOsError);
    texts::LoadLanguageStrings();
    int result = 1;
    try {
        bench::Run(photos, bench::ReadPillowFigures(pillowFile, photos.size()), samples);
        result = 0;
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "benchmark: error %ld: %s\n", static_cast<long>(error.number),
                     win::ToNarrow(error.description).c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "benchmark: %s\n", error.what());
    }
    ::OleUninitialize();
    return result;
}
