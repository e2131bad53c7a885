// Texts composed from numbers and names: resolutions, version line, mail subject, save name, photo masks.
#include <gtest/gtest.h>

#include "core/common/ui_texts.h"
#include "core/main_window/app_info.h"
#include "core/main_window/photo_masks.h"
#include "core/main_window/save_name.h"
#include "core/main_window/status_texts.h"

namespace tpr {
namespace {

TEST(ComposedTexts, ResolutionsVersionLinesAndMailSubjects) {
    texts::LoadLanguageStrings();
    const std::pair<std::wstring, std::wstring> cases[] = {
        // The status bar's panels keep their trailing blanks.
        {PhotoResolutionText(640, 480), L"Photo resolution: 640x480  "},
        {WorkAreaResolutionText(800, 600), L"Work area resolution: 800x600 "},
        // The minor number has two digits in the About window, as it is in the subject.
        {VersionLineText(kVersionMajor, kVersionMinor), L"Version 2.00"},
        {VersionLineText(1, 5), L"Version 1.05"}, {VersionLineText(3, 123), L"Version 3.123"},
        {MailSubject(kVersionMajor, kVersionMinor), L"Tessaly Photo Resizer v2.0"},
        {MailSubject(3, 12), L"Tessaly Photo Resizer v3.12"},
        // Open offers every supported type, Save only JPEG.
        {OpenPhotoMask(),
         L"All supported files|*.bmp; *.jpg; *.jpeg; *.gif; *.png; *.tif; *.tiff|Bitmap Files (*.bmp)|*.bmp|"
         L"JPEG (*.jpg)|*.jpg;*.jpeg|GIF (*.gif)|*.gif|PNG (*.png)|*.png|TIFF (*.tif)|*.tif;*.tiff"},
        {SavePhotoMask(), L"JPEG (*.jpg)|*.jpg"},
    };
    for (const auto& [composed, expected] : cases) EXPECT_EQ(composed, expected);
}

TEST(SuggestedSaveName, InsertsResizedBeforeAJpegExtension) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        // The photo's own letter case; what is written is JPEG; a leading dot
        // starts no extension; no photo opened from a path suggests nothing.
        {L"IMG_0001.JPG", L"IMG_0001_resized.JPG"}, {L"cat.Jpeg", L"cat_resized.Jpeg"},
        {L"my.holiday.photo.jpg", L"my.holiday.photo_resized.jpg"}, {L"scan.bmp", L"scan_resized.jpg"},
        {L"anim.GIF", L"anim_resized.jpg"}, {L"notes", L"notes_resized.jpg"}, {L"cat.", L"cat_resized.jpg"},
        {L".jpg", L".jpg_resized.jpg"}, {L"", L""},
    };
    for (const auto& [photo, suggested] : cases) EXPECT_EQ(SuggestedSaveName(photo), suggested) << photo;
}

}  // namespace
}  // namespace tpr
