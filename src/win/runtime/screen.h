// Twips (1/1440 inch) are the unit of window sizes and positions; the screen's
// twips-per-pixel factors convert them, read anew on every use.
#pragma once

namespace tpr::win {

double TwipsPerPixelX();
double TwipsPerPixelY();

// Twips to the nearest whole pixel, and back.
int PixelsX(double twips);
int PixelsY(double twips);

}  // namespace tpr::win
