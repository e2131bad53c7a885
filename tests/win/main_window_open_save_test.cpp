// Open and Save of the main window through the real dialogs: the photo that
// comes in, the view that goes out, and what a failure leaves.
#include <gtest/gtest.h>

#include "dialog_user.h"
#include "fake_error_services.h"
#include "main_window_fixture.h"
#include "test_files.h"
#include "win/main_window/program_state.h"

namespace tpr::test {
namespace {

class OpenSaveTest : public Form1Test {
protected:
    void SetUp() override {
        Form1Test::SetUp();
        err::ResetErrorFramework();
        win::Program().CurrentPhotoFileName.clear();
        win::Program().JpegQuality = 70;
    }
    void TearDown() override {
        err::ResetErrorFramework();
        Form1Test::TearDown();
    }

    // Open through the dialog, choosing path.
    FileDialogSeen Open(const std::wstring& path) {
        DialogUser user(L"Select photo", FileDialogAnswer{path});
        form.bnOpen();
        return user.Seen();
    }
    FileDialogSeen Save(const FileDialogAnswer& answer) {
        DialogUser user(L"Save photo", answer);
        form.bnSave();
        return user.Seen();
    }

    // The error a command raised; the test fails when it raised none.
    template <class Command>
    RuntimeError RaisedBy(Command command) {
        try {
            command();
        } catch (const RuntimeError& e) {
            return e;
        }
        ADD_FAILURE() << "no error was raised";
        return RuntimeError(0);
    }

    static bool HasCallStackLine(const RuntimeError& error, const std::wstring& name) {
        return error.description.find(L"  Call Stack: " + name + L" ") != std::wstring::npos;
    }

    TempFolder folder;
};

TEST_F(OpenSaveTest, OpenShowsTheChosenPhotoFitted) {
    SetWorkArea(800, 600);
    const std::wstring photo = folder.File(L"beach.bmp");
    WritePhoto(photo, 640, 480, L"image/bmp");
    const FileDialogSeen seen = Open(photo);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.fileType, L"All supported files");
    EXPECT_EQ(seen.suggestedName, L"");
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 640x480  ");
    EXPECT_EQ(win::Program().CurrentPhotoFileName, L"beach.bmp");
}

TEST_F(OpenSaveTest, CancelledOpenChangesNothing) {
    SetWorkArea(800, 600);
    form.SetNoImage();
    win::Program().CurrentPhotoFileName = L"earlier.jpg";
    DialogUser user(L"Select photo", FileDialogAnswer{L"", IDCANCEL});
    form.bnOpen();
    EXPECT_TRUE(user.Seen().shown);
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 355x296  ");
    EXPECT_EQ(win::Program().CurrentPhotoFileName, L"earlier.jpg");
}

TEST_F(OpenSaveTest, UnreadablePhotoRaisesUnderBnOpenAndKeepsThePreviousPhotoAndName) {
    SetWorkArea(800, 600);
    const std::wstring first = folder.File(L"first.bmp");
    WritePhoto(first, 320, 240, L"image/bmp");
    Open(first);
    const std::wstring broken = folder.File(L"broken.jpg");
    WriteFileBytes(broken, "not a picture at all");

    const RuntimeError error = RaisedBy([&] { Open(broken); });
    EXPECT_EQ(error.number, kErrInvalidPicture);
    EXPECT_TRUE(HasCallStackLine(error, L"Form1.bnOpen()"))
        << std::string(error.description.begin(), error.description.end());
    EXPECT_EQ(win::Program().CurrentPhotoFileName, L"first.bmp");
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 320x240  ");
    EXPECT_EQ(form.picImage.picture.PixelSize().cx, 320) << "still the first photo";
}

TEST_F(OpenSaveTest, PhotoNamedOutsideTheSystemCodePageOpensAndSaves) {
    SetWorkArea(800, 600);
    const std::wstring name = L"\x0444\x043E\x0442\x043E_\x5199\x771F";  // фото_写真
    const std::wstring photo = folder.File(name + L".jpg");
    WritePhoto(photo, 320, 240);
    Open(photo);
    EXPECT_EQ(win::Program().CurrentPhotoFileName, name + L".jpg");
    EXPECT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 320x240  ");

    const std::wstring saved = folder.File(name + L"_resized.jpg");
    const FileDialogSeen seen = Save(FileDialogAnswer{saved});
    EXPECT_EQ(seen.suggestedName, name + L"_resized.jpg");
    const SIZE size = ImageFileSize(saved);
    EXPECT_EQ(size.cx, 320);
    EXPECT_EQ(size.cy, 240);
}

TEST_F(OpenSaveTest, SaveWritesThePhotoAsShown) {
    SetWorkArea(900, 900);
    const std::wstring photo = folder.File(L"IMG_0001.JPG");
    WritePhoto(photo, 3000, 2000);
    Open(photo);
    ASSERT_EQ(form.StatusBar1.PanelText(2), L"Photo resolution: 900x600  ");

    const std::wstring target = folder.File(L"IMG_0001_resized.JPG");
    const FileDialogSeen seen = Save(FileDialogAnswer{target});
    EXPECT_EQ(seen.suggestedName, L"IMG_0001_resized.JPG");
    EXPECT_EQ(seen.fileType, L"JPEG (*.jpg)");
    const SIZE size = ImageFileSize(target);
    EXPECT_EQ(size.cx, 900);
    EXPECT_EQ(size.cy, 600);
    EXPECT_EQ(ReadFileBytes(target).substr(0, 2), "\xFF\xD8");
}

TEST_F(OpenSaveTest, SaveOfThePlaceholderSuggestsNoNameAndAddsTheExtension) {
    SetWorkArea(800, 600);
    form.SetNoImage();
    const FileDialogSeen seen = Save(FileDialogAnswer{folder.File(L"noname")});
    EXPECT_EQ(seen.suggestedName, L"");
    const SIZE size = ImageFileSize(folder.File(L"noname.jpg"));
    EXPECT_EQ(size.cx, 355);
    EXPECT_EQ(size.cy, 296);
}

TEST_F(OpenSaveTest, SaveOverAnExistingFileAsksFirst) {
    SetWorkArea(800, 600);
    form.SetNoImage();
    const std::wstring target = folder.File(L"old.jpg");
    WriteFileBytes(target, "old");
    const FileDialogSeen seen = Save(FileDialogAnswer{target, IDOK, IDYES});
    EXPECT_TRUE(seen.overwritePrompt);
    EXPECT_EQ(ImageFileSize(target).cx, 355);
}

TEST_F(OpenSaveTest, CancelledSaveWritesNothing) {
    SetWorkArea(800, 600);
    form.SetNoImage();
    const FileDialogSeen seen = Save(FileDialogAnswer{folder.File(L"never.jpg"), IDCANCEL});
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(OpenSaveTest, FailedSaveRaisesUnderBnSaveAndKeepsTheFileItWouldReplace) {
    // Nothing was ever loaded: the view holds no picture to encode.
    SetWorkArea(800, 600);
    const std::wstring target = folder.File(L"keep.jpg");
    WriteFileBytes(target, "the photo saved yesterday");
    const RuntimeError error = RaisedBy([&] { Save(FileDialogAnswer{target, IDOK, IDYES}); });
    EXPECT_EQ(error.number, 5);
    const std::wstring& report = error.description;
    EXPECT_EQ(report.rfind(L"Cannot save the image. GDI+ Error:2 \r\n", 0), 0u)
        << std::string(report.begin(), report.end());
    EXPECT_TRUE(HasCallStackLine(error, L"Form1.bnSave()"));
    EXPECT_EQ(ReadFileBytes(target), "the photo saved yesterday");
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"keep.jpg"});
}

TEST_F(OpenSaveTest, QualityBeyondAByteIsAnOverflowAndWritesNothing) {
    SetWorkArea(800, 600);
    form.SetNoImage();
    for (const int16_t quality : {256, -1}) {
        win::Program().JpegQuality = quality;
        const RuntimeError error = RaisedBy([&] { Save(FileDialogAnswer{folder.File(L"q.jpg")}); });
        EXPECT_EQ(error.number, kErrOverflow) << quality;
        EXPECT_TRUE(HasCallStackLine(error, L"Form1.bnSave()"));
        err::ResetErrorFramework();
    }
    EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
}  // namespace tpr::test
