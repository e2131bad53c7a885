#include "core/common/ui_texts.h"

#include <gtest/gtest.h>

namespace tpr::texts {
namespace {

TEST(LoadLanguageStrings, FillsTheSharedTexts) {
    LoadLanguageStrings();
    LoadLanguageStrings();  // harmless when repeated
    EXPECT_EQ(AppName, L"Tessaly Photo Resizer");
    EXPECT_EQ(OSNotSupportedMessage, L"Tessaly Photo Resizer supports only Windows 2000/XP/2003/Vista");
    EXPECT_EQ(AboutWindowTitle, L"About Tessaly Photo Resizer");
    EXPECT_EQ(SendToStep3Text,
              L"3) Right-click on the file and choose \"Send To...\" and \"Mail Recipient\"");
    EXPECT_EQ(SendReportToSupportText, L"Please send this file to support@tessaly.example");
    EXPECT_EQ(SendToStep4Text, L"4) Send the file to support@tessaly.example");
    EXPECT_EQ(MailClientStep4Text, SendToStep4Text);
    // Only the step numbers differ.
    EXPECT_EQ(MailClientStep3Text,
              L"3) Attach the ErrorReport.txt file located in the folder (click to open folder):");
    EXPECT_EQ(MailLinkStep2Text, L"2" + MailClientStep3Text.substr(1));
    EXPECT_EQ(VersionLabelText, L"Version ");
    EXPECT_EQ(NoticeLine1Text, L"Copyright (c) 2007 Tessaly Software. All rights reserved.");
    EXPECT_EQ(NoticeLine2Text, L"This program is protected by copyright law and international treaties.");
    EXPECT_EQ(FileNotFoundText, L"The specified file was not found.");
    EXPECT_STREQ(kDragHintText, L"Drag the window border or corner to resize the phoro --->");
}

}  // namespace
}  // namespace tpr::texts
