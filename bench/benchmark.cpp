// Prints the program's figures for each photo named on the command line (4:3
// JPEGs, as Windows paths) as one table: one resize in the 800 x 600 work
// area beside the platform calls it is made of, the start-up beside an empty
// window program's, and the peak memory through an open, two turns and a
// save. Exits with 1, and says why, when the program fails at any of it.
//   benchmark [--quick] PHOTO...   --quick: one sample of each figure, to see
//                                   that the benchmark still runs
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
#include "win/runtime/text.h"

namespace tpr::bench {
namespace {

struct Samples {
    int resize = 5;
    int start = 3;
};
constexpr double kMegabyte = 1024.0 * 1024.0;

uint32_t ReadLastOsError() { return ::GetLastError(); }

std::string Cell(Duration duration) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f/%.0f", duration.wallMs, duration.cpuMs);
    return text;
}

std::string RatioCell(Duration ours, Duration parts) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f/%.2f", ours.wallMs / parts.wallMs, ours.cpuMs / parts.cpuMs);
    return text;
}

struct Row {
    ResizeFigures resize;
    StartFigures start;
    double peakBytes = 0;
};

void PrintTable(const std::vector<Row>& rows, Samples samples) {
    const bool reducedFirst = rows.front().resize.reducedFirst;
    std::printf("GDI+ prefilters a shrink in mode 7: %s\n",
                reducedFirst ? "no, so the program reduces the photo first (parts = prefilter + draw)"
                             : "yes (parts = image + draw)");
    char resizeTitle[64], startTitle[32];
    std::snprintf(resizeTitle, sizeof resizeTitle, "Resize, ms wall/CPU, best of %d", samples.resize);
    std::snprintf(startTitle, sizeof startTitle, "Start, ms, best of %d", samples.start);
    std::printf("%-26s| %-66s| %-22s| %s\n", "", resizeTitle, startTitle, "Peak memory");
    std::printf("%-17s %-8s| %-9s%-9s%-10s%-8s%-8s%-11s%-11s| %-11s%-11s| %-8s%s\n", "Photo", "Shown", "ours",
                "image", "prefilter", "draw", "parts", "ours/parts", "GDI+ alone", "ours", "empty", "MB",
                "x photo");
    for (const Row& row : rows) {
        const ResizeFigures& r = row.resize;
        char photo[32], shown[16];
        std::snprintf(photo, sizeof photo, "%.0f MP %ldx%ld", r.photo.cx * r.photo.cy / 1e6,
                      static_cast<long>(r.photo.cx), static_cast<long>(r.photo.cy));
        std::snprintf(shown, sizeof shown, "%ldx%ld", static_cast<long>(r.drawn.cx),
                      static_cast<long>(r.drawn.cy));
        std::printf("%-17s %-8s| %-9s%-9s%-10s%-8s%-8s%-11s%-11s| %-11.0f%-11.0f| %-8.0f%.1f\n", photo, shown,
                    Cell(r.ours).c_str(), Cell(r.image).c_str(),
                    r.reducedFirst ? Cell(r.prefilter).c_str() : "-", Cell(r.draw).c_str(),
                    Cell(r.Parts()).c_str(), RatioCell(r.ours, r.Parts()).c_str(),
                    Cell(r.image + r.wholeDraw).c_str(), row.start.programMs, row.start.emptyMs,
                    row.peakBytes / kMegabyte, row.peakBytes / (4.0 * r.photo.cx * r.photo.cy));
    }
    std::printf(
        "ours: Form1.ResizePhotoInProperties on the shown window; image: GdipCreateBitmapFromHBITMAP of the\n"
        "photo; prefilter: ReducedBitmap to the shown size; draw: GdipDrawImageRectRectI, high-quality "
        "bicubic,\n"
        "of what the program draws onto a canvas of the shown size; GDI+ alone: image + that draw of the "
        "whole\n"
        "photo. Start: CreateProcess to the photo on show (ours) or to the window on show (an empty window\n"
        "program, %.0f MB peak). Peak memory: peak working set after open, two turns and a save; x photo:\n"
        "times width x height x 4 bytes.\n",
        rows.front().start.emptyPeakBytes / kMegabyte);
}

void Run(const std::vector<std::wstring>& photos, Samples samples) {
    std::vector<Row> rows;
    for (const ResizeFigures& resize : MeasureResizes(photos, samples.resize))
        rows.push_back(Row{resize, {}, 0});
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].start = MeasureStarts(photos[i], samples.start);
        rows[i].peakBytes = MeasurePeakMemory(photos[i], rows[i].resize.drawn);
    }
    PrintTable(rows, samples);
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
    if (photos.empty()) {
        std::fprintf(stderr, "usage: benchmark [--quick] PHOTO...\n");
        return 2;
    }
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&controls);
    SetLastOsErrorReader(&bench::ReadLastOsError);
    texts::LoadLanguageStrings();
    int result = 1;
    try {
        bench::Run(photos, samples);
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
