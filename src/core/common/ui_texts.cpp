// The UI text table (module mLanguageGobals), filled once at start-up.
#include "core/common/ui_texts.h"

#include "core/runtime/product.h"

namespace tpr::texts {

std::wstring AppName;
std::wstring OSNotSupportedMessage;
std::wstring SelectPhotoTitle;
std::wstring SavePhotoTitle;
std::wstring AllSupportedFilterName;
std::wstring BitmapFilterName;
std::wstring JpegFilterName;
std::wstring GifFilterName;
std::wstring PngFilterName;
std::wstring TiffFilterName;
std::wstring UnopenablePhotoText;
std::wstring SendReportToSupportText;
std::wstring ProgramErrorTitle;
std::wstring OkCaption;
std::wstring ErrorOccurredText;
std::wstring ErrorDirectionsText;
std::wstring SendToStep1Text;
std::wstring SendToStep2Text;
std::wstring SendToStep3Text;
std::wstring SendToStep4Text;
std::wstring OrText;
std::wstring MailClientStep1Text;
std::wstring MailClientStep2Text;
std::wstring MailClientStep3Text;
std::wstring MailClientStep4Text;
std::wstring MailLinkStep1Text;
std::wstring MailLinkStep2Text;
std::wstring MailLinkStep3Text;
std::wstring DriveNotPresentText;
std::wstring NoDiskText;
std::wstring FileNotFoundText;
std::wstring AboutWindowTitle;
std::wstring VersionLabelText;
std::wstring NoticeLine1Text;
std::wstring NoticeLine2Text;
std::wstring WebsiteLabelText;
std::wstring SupportLabelText;
std::wstring PastedPhotoName;
std::wstring CopyCaption;
std::wstring PasteCaption;

void LoadLanguageStrings() {
    const std::wstring sendTheFileTo = std::wstring(L"4) Send the file to ") + kSupportEmail;

    AppName = kProductName;
    OSNotSupportedMessage = AppName + L" supports only Windows 2000/XP/2003/Vista";
    SelectPhotoTitle = L"Select photo";
    SavePhotoTitle = L"Save photo";
    AllSupportedFilterName = L"All supported files";
    BitmapFilterName = L"Bitmap Files";
    JpegFilterName = L"JPEG";
    GifFilterName = L"GIF";
    PngFilterName = L"PNG";
    TiffFilterName = L"TIFF";
    UnopenablePhotoText = L"This photo is %1 picture, which " + AppName + L" cannot open.";
    SendReportToSupportText = std::wstring(L"Please send this file to ") + kSupportEmail;
    ProgramErrorTitle = L"Program Error";
    OkCaption = L"OK";
    ErrorOccurredText = L"Sorry, an error has occurred. Try to restart the program.";
    ErrorDirectionsText =
        L"If the error occurs again, please send a message with an attached ErrorReport.txt file by "
        L"following these directions:";
    SendToStep1Text = L"1) Go to the folder (click to open folder):";
    SendToStep2Text = L"2) Locate the ErrorReport.txt file in this folder";
    SendToStep3Text = L"3) Right-click on the file and choose \"Send To...\" and \"Mail Recipient\"";
    SendToStep4Text = sendTheFileTo;
    OrText = L"OR";
    MailClientStep1Text = L"1) Open your email client";
    MailClientStep2Text = L"2) Create a new email document";
    MailClientStep3Text = L"3) Attach the ErrorReport.txt file located in the folder (click to open folder):";
    MailClientStep4Text = sendTheFileTo;
    MailLinkStep1Text = L"1) Click the link below and your default email client will create a message";
    MailLinkStep2Text = L"2) Attach the ErrorReport.txt file located in the folder (click to open folder):";
    MailLinkStep3Text = L"3) Send the mail";
    DriveNotPresentText = L"The drive is not present.";
    NoDiskText = L"No disk in the drive.";
    FileNotFoundText = L"The specified file was not found.";
    AboutWindowTitle = L"About " + AppName;
    VersionLabelText = L"Version ";
    NoticeLine1Text = L"Copyright (c) 2007 Tessaly Software. All rights reserved.";
    NoticeLine2Text = L"This program is protected by copyright law and international treaties.";
    WebsiteLabelText = L"Website:";
    SupportLabelText = L"Technical support:";
    PastedPhotoName = L"Pasted photo";
    CopyCaption = L"Copy";
    PasteCaption = L"Paste";
}

}  // namespace tpr::texts
