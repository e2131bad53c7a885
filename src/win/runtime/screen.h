// Twips (1/1440 inch) are the unit of window sizes and positions; the screen's
// twips-per-pixel factors convert them, read anew on every use.
#pragma once

namespace tpr::win {

double TwipsPerPixelX();
double TwipsPerPixelY();

// The screen's dots per inch (vertically, as fonts are measured): 96 at
// 100 % display scale, 144 at 150 %.
int ScreenDotsPerInch();

// Twips to the nearest whole pixel, and back.
int PixelsX(double twips);
int PixelsY(double twips);

}  // namespace tpr::win
