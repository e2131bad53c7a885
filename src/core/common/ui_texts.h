// The user-interface texts that several windows, dialogs and messages share.
// They are filled once by LoadLanguageStrings, the first thing Main does, and
// are read-only afterwards. Texts used by one procedure only stay literals
// there.
#pragma once

#include <string>

namespace tpr::texts {

inline constexpr wchar_t kSupportEmail[] = L"support@tessaly.example";
inline constexpr wchar_t kWebsite[] = L"https://www.tessaly.example/";

// The status bar's third panel: fixed when the window is laid out, never
// changed (the misspelling is the program's own text).
inline constexpr wchar_t kDragHintText[] = L"Drag the window border or corner to resize the phoro --->";

extern std::wstring AppName;
extern std::wstring OSNotSupportedMessage;
extern std::wstring SelectPhotoTitle;
extern std::wstring SavePhotoTitle;
extern std::wstring AllSupportedFilterName;
extern std::wstring BitmapFilterName;
extern std::wstring JpegFilterName;
extern std::wstring GifFilterName;
extern std::wstring PngFilterName;
extern std::wstring TiffFilterName;
extern std::wstring UnopenablePhotoText;
extern std::wstring SendReportToSupportText;
extern std::wstring ProgramErrorTitle;
extern std::wstring OkCaption;
extern std::wstring ErrorOccurredText;
extern std::wstring ErrorDirectionsText;
extern std::wstring SendToStep1Text;
extern std::wstring SendToStep2Text;
extern std::wstring SendToStep3Text;
extern std::wstring SendToStep4Text;
extern std::wstring OrText;
extern std::wstring MailClientStep1Text;
extern std::wstring MailClientStep2Text;
extern std::wstring MailClientStep3Text;
extern std::wstring MailClientStep4Text;
extern std::wstring MailLinkStep1Text;
extern std::wstring MailLinkStep2Text;
extern std::wstring MailLinkStep3Text;
extern std::wstring DriveNotPresentText;
extern std::wstring NoDiskText;
extern std::wstring FileNotFoundText;
extern std::wstring AboutWindowTitle;
extern std::wstring VersionLabelText;
extern std::wstring NoticeLine1Text;
extern std::wstring NoticeLine2Text;
extern std::wstring WebsiteLabelText;
extern std::wstring SupportLabelText;
extern std::wstring PastedPhotoName;
extern std::wstring CopyCaption;
extern std::wstring PasteCaption;

// Assigns every text above. Calling it again assigns the same texts again.
void LoadLanguageStrings();

}  // namespace tpr::texts
