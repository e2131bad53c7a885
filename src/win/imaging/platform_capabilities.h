// What the platform's GDI and GDI+ can be relied on for. Each answer is found
// out once per process by the platform's behaviour, never by its name or
// version, and where the platform falls short the program does the work
// itself; where it does not, the platform's own calls run untouched.
#pragma once

namespace tpr::win {

// Whether PlgBlt turns a picture a quarter exactly. Wine 8 returns success
// but squashes and mirrors instead (a rotating world transform does the
// same), as measured with a quarter turn of a 3 x 2 picture with two marked
// corners. Probe: that turn, and the marks must land where a quarter turn
// puts them. Where they do not, the rotation turns the pixels itself
// (OrientBand) onto the same work surface.
bool PlgBltTurns();

// Whether GDI+ prefilters when it shrinks in interpolation mode 7. Wine 8's
// mode 7 is bilinear with no prefilter: a 1-pixel checkerboard shrunk from
// 4000 x 3000 to 800 x 600 stays black and white (standard deviation 127.5)
// and fine textures show moiré, where Windows gives flat grey. Probe:
// checkerboards shrunk 4 and 5 times (an even and an odd step, so that no
// sampling phase passes for an average), which a prefilter turns grey and
// Wine's mode 7 leaves black and white. Where they do
// not turn grey, ResizePicture first reduces a bitmap to the drawn size with
// the program's own filter (ReducedBitmap); Wine's mode 7 samples even a
// two-to-one shrink without averaging, so GDI+ is left only the 1:1 draw.
bool ShrinkPrefilters();

// Whether GDI+'s JPEG encoder honours the quality parameter. Wine 8's
// gives byte-identical files at quality 10 and 100, at about quality 76.
// Probe: a small noisy picture written by SaveJPG's encoder call at quality
// 10 and 90; files of the same size mean the quality was ignored, and
// SaveJPG then writes with the program's own encoder
// (WriteJpegWithQuality). A probe that cannot write leaves it to GDI+.
bool JpegQualityHonoured();

// Test seam: while one lives, the probe of `capability` answers `capable`
// without measuring, as on a platform that has it or lacks it.
enum class Capability { PlgBltTurns, ShrinkPrefilters, JpegQualityHonoured };

class ForcedCapability {
public:
    ForcedCapability(Capability capability, bool capable);
    ~ForcedCapability();
    ForcedCapability(const ForcedCapability&) = delete;
    ForcedCapability& operator=(const ForcedCapability&) = delete;

private:
    Capability capability_;
    int previous_;
};

}  // namespace tpr::win
