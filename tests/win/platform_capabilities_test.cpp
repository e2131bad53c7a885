// The platform's shortfalls as the program finds them under Wine, and the
// seam that lets a test take either side.
#include "win/imaging/platform_capabilities.h"

#include <gtest/gtest.h>

namespace tpr::win {
namespace {

TEST(PlatformCapabilities, WinesPlgBltDoesNotTurn) { EXPECT_FALSE(PlgBltTurns()); }

TEST(PlatformCapabilities, WinesGdiPlusDoesNotPrefilter) { EXPECT_FALSE(ShrinkPrefilters()); }

TEST(PlatformCapabilities, WinesJpegEncoderIgnoresTheQuality) { EXPECT_FALSE(JpegQualityHonoured()); }

TEST(PlatformCapabilities, AForcedAnswerHoldsWhileItLives) {
    {
        const ForcedCapability capable(Capability::PlgBltTurns, true);
        EXPECT_TRUE(PlgBltTurns());
        {
            const ForcedCapability lacking(Capability::PlgBltTurns, false);
            EXPECT_FALSE(PlgBltTurns());
        }
        EXPECT_TRUE(PlgBltTurns());
        EXPECT_FALSE(ShrinkPrefilters()) << "the other probes keep their own answers";
    }
    EXPECT_FALSE(PlgBltTurns()) << "measured again";
}

}  // namespace
}  // namespace tpr::win
