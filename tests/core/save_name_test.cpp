#include "core/main_window/save_name.h"

#include <gtest/gtest.h>

#include <string>

namespace tpr {
namespace {

TEST(SuggestedSaveName, InsertsResizedBeforeAJpegExtension) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"IMG_0001.JPG", L"IMG_0001_resized.JPG"},  // the photo's own letter case
        {L"cat.Jpeg", L"cat_resized.Jpeg"},
        {L"my.holiday.photo.jpg", L"my.holiday.photo_resized.jpg"},
        {L"scan.bmp", L"scan_resized.jpg"},  // what is written is JPEG
        {L"anim.GIF", L"anim_resized.jpg"},
        {L"notes", L"notes_resized.jpg"},
        {L"cat.", L"cat_resized.jpg"},
        {L".jpg", L".jpg_resized.jpg"},  // a leading dot starts no extension
        {L"", L""},                      // no photo opened from a path
    };
    for (const auto& [photo, suggested] : cases) EXPECT_EQ(SuggestedSaveName(photo), suggested) << photo;
}

}  // namespace
}  // namespace tpr
