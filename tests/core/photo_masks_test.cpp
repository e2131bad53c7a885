#include "core/main_window/photo_masks.h"

#include <gtest/gtest.h>

#include <string>

#include "core/common/ui_texts.h"
#include "core/dialogs/file_dialog_text.h"

namespace tpr {
namespace {

using namespace std::string_literals;

TEST(PhotoMasks, OpenOffersEverySupportedTypeSaveOnlyJpeg) {
    texts::LoadLanguageStrings();
    EXPECT_EQ(OpenPhotoMask(),
              L"All supported files|*.bmp; *.jpg; *.gif|Bitmap Files (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|"
              L"GIF (*.gif)|*.gif");
    EXPECT_EQ(SavePhotoMask(), L"JPEG (*.jpg)|*.jpg");
    // As the dialog gets them: four entries and one.
    EXPECT_EQ(ConvertFilter(OpenPhotoMask()),
              L"All supported files\0*.bmp; *.jpg; *.gif\0Bitmap Files (*.bmp)\0*.bmp\0JPEG (*.jpg)\0*.jpg\0"
              L"GIF (*.gif)\0*.gif\0\0"s);
    EXPECT_EQ(ConvertFilter(SavePhotoMask()), L"JPEG (*.jpg)\0*.jpg\0\0"s);
}

}  // namespace
}  // namespace tpr
