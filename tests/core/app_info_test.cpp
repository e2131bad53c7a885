#include "core/main_window/app_info.h"

#include <gtest/gtest.h>

#include "core/common/ui_texts.h"

namespace tpr {
namespace {

TEST(AboutTexts, VersionLineHasTwoMinorDigitsTheMailSubjectNone) {
    texts::LoadLanguageStrings();
    EXPECT_EQ(VersionLineText(kVersionMajor, kVersionMinor), L"Version 2.00");
    EXPECT_EQ(VersionLineText(1, 5), L"Version 1.05");
    EXPECT_EQ(VersionLineText(3, 123), L"Version 3.123");
    EXPECT_EQ(MailSubject(kVersionMajor, kVersionMinor), L"Tessaly Photo Resizer v2.0");
    EXPECT_EQ(MailSubject(1, 3), L"Tessaly Photo Resizer v1.3");
    EXPECT_EQ(MailSubject(3, 12), L"Tessaly Photo Resizer v3.12");
}

}  // namespace
}  // namespace tpr
