// The user-interface texts the windows, dialogs and messages share: the one pin of their wording.
#include "core/common/ui_texts.h"

#include <gtest/gtest.h>

namespace tpr::texts {
namespace {

TEST(LoadLanguageStrings, FillsTheSharedTexts) {
    LoadLanguageStrings();
    LoadLanguageStrings();  // harmless when repeated
    const std::pair<std::wstring_view, const wchar_t*> texts[] = {
        {AppName, L"Tessaly Photo Resizer"},
        {OSNotSupportedMessage, L"Tessaly Photo Resizer supports only Windows 2000/XP/2003/Vista"},
        {SelectPhotoTitle, L"Select photo"}, {SavePhotoTitle, L"Save photo"},
        {AllSupportedFilterName, L"All supported files"}, {BitmapFilterName, L"Bitmap Files"},
        {JpegFilterName, L"JPEG"}, {GifFilterName, L"GIF"}, {PngFilterName, L"PNG"}, {TiffFilterName, L"TIFF"}, {OrText, L"OR"}, {OkCaption, L"OK"},
        {SendReportToSupportText, L"Please send this file to support@tessaly.example"},
        {ProgramErrorTitle, L"Program Error"},
        {ErrorOccurredText, L"Sorry, an error has occurred. Try to restart the program."},
        {ErrorDirectionsText,
         L"If the error occurs again, please send a message with an attached ErrorReport.txt file by "
         L"following these directions:"},
        {SendToStep1Text, L"1) Go to the folder (click to open folder):"},
        {SendToStep2Text, L"2) Locate the ErrorReport.txt file in this folder"},
        {SendToStep3Text, L"3) Right-click on the file and choose \"Send To...\" and \"Mail Recipient\""},
        {SendToStep4Text, L"4) Send the file to support@tessaly.example"},
        {MailClientStep1Text, L"1) Open your email client"},
        {MailClientStep2Text, L"2) Create a new email document"},
        {MailClientStep3Text,
         L"3) Attach the ErrorReport.txt file located in the folder (click to open folder):"},
        {MailClientStep4Text, L"4) Send the file to support@tessaly.example"},
        {MailLinkStep1Text, L"1) Click the link below and your default email client will create a message"},
        {MailLinkStep2Text,
         L"2) Attach the ErrorReport.txt file located in the folder (click to open folder):"},
        {MailLinkStep3Text, L"3) Send the mail"},
        {DriveNotPresentText, L"The drive is not present."}, {NoDiskText, L"No disk in the drive."},
        {FileNotFoundText, L"The specified file was not found."},
        {AboutWindowTitle, L"About Tessaly Photo Resizer"},
        {VersionLabelText, L"Version "}, {WebsiteLabelText, L"Website:"},
        {NoticeLine1Text, L"Copyright (c) 2007 Tessaly Software. All rights reserved."},
        {NoticeLine2Text, L"This program is protected by copyright law and international treaties."},
        {SupportLabelText, L"Technical support:"}, {PastedPhotoName, L"Pasted photo"}, {CopyCaption, L"Copy"}, {PasteCaption, L"Paste"}, {kWebsite, L"https://www.tessaly.example/"},
        // The misspelling is the program's own.
        {kDragHintText, L"Drag the window border or corner to resize the phoro --->"},
    };
    for (const auto& [text, expected] : texts) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace tpr::texts
