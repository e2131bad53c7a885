// The screen's twips-per-pixel factors and the conversions between twips and pixels.
#include "win/runtime/screen.h"

#include <windows.h>

#include "core/runtime/conversions.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {
namespace {

int DotsPerInch(int axis) {
    const UniqueScreenDc screen(::GetDC(nullptr));
    const int dotsPerInch = ::GetDeviceCaps(screen.get(), axis);
    return dotsPerInch > 0 ? dotsPerInch : 96;
}

double TwipsPerPixel(int axis) { return 1440.0 / DotsPerInch(axis); }

}  // namespace

int ScreenDotsPerInch() { return DotsPerInch(LOGPIXELSY); }

double TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
double TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }

int PixelsX(double twips) { return RoundToLong(twips / TwipsPerPixelX()); }
int PixelsY(double twips) { return RoundToLong(twips / TwipsPerPixelY()); }

}  // namespace tpr::win
