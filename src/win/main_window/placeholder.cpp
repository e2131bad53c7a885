#include "win/main_window/placeholder.h"

#include "win/imaging/gdiplus_resize.h"

namespace tpr::win {

Picture DrawPlaceholderPicture() {
    constexpr int kWidth = 355, kHeight = 296;
    Canvas canvas(RGB(255, 255, 255), kWidth, kHeight);

    LOGFONTW face{};
    face.lfHeight = -52;
    face.lfWeight = FW_BOLD;
    face.lfItalic = TRUE;
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfQuality = ANTIALIASED_QUALITY;
    face.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    wcscpy(face.lfFaceName, L"Times New Roman");
    {
        const UniqueHfont font(::CreateFontIndirectW(&face));
        const SelectGuard useFont(canvas.dc(), font.get());
        ::SetBkMode(canvas.dc(), TRANSPARENT);
        ::SetTextColor(canvas.dc(), RGB(135, 185, 235));
        RECT upper{0, 0, kWidth, kHeight / 2};
        RECT lower{0, kHeight / 2, kWidth, kHeight};
        ::DrawTextW(canvas.dc(), L"NO PHOTO", -1, &upper, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
        ::DrawTextW(canvas.dc(), L"AVAILABLE", -1, &lower, DT_CENTER | DT_TOP | DT_SINGLELINE);
    }
    return PictureFromBitmap(canvas.Release());
}

}  // namespace tpr::win
