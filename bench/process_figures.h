// Figures of the program as a process of its own: how long it takes from its
// start to its first frame with a photo, beside an empty window program, and
// the most memory it holds while a photo is opened, turned and saved.
#pragma once

#include <windows.h>

#include <string>

namespace tpr::bench {

struct StartFigures {
    double programMs = 0;      // CreateProcess to the photo on show
    double placeholderMs = 0;  // CreateProcess to the placeholder on show, no photo named
    // Inside the program: from reading its command line to the photo on show
    // at the first activation (TPR_OPEN_TIMING_FILE).
    double openMs = 0;
    double emptyMs = 0;         // CreateProcess to the empty program's window on show
    double emptyPeakBytes = 0;  // the empty program's peak working set, once shown
};

// Starts the program with the photo (a Windows path) on its command line,
// with none, and the empty window program, in turn, `samples` times each;
// the best of each.
StartFigures MeasureStarts(const std::wstring& photo, int samples);

// The program's peak working set after it was started with the photo on its
// command line (none: the placeholder), turned it both ways and saved it
// through the Save dialog. `shown` is the size the picture shows at in its
// first work area.
double MeasurePeakMemory(const std::wstring& photo, SIZE shown);

}  // namespace tpr::bench
