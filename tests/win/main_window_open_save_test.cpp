// File dialogs answered from a second thread: the main window's Open and Save, and CFileDialog's record.
#include <gtest/gtest.h>

#include <future>

#include "core/common/ui_texts.h"
#include "core/main_window/photo_masks.h"
#include "core/main_window/status_texts.h"
#include "core/runtime/runtime_error.h"
#include "error_test_support.h"
#include "fake_error_services.h"
#include "linux_side.h"
#include "main_window_fixture.h"
#include "test_files.h"
#include "win/dialogs/file_dialog.h"
#include "win/main_window/program_state.h"
#include "win/runtime/text.h"
#include "window_driver.h"

namespace tpr::test {
namespace {

// The first type of a dialog's mask, the one the dialog shows chosen.
std::wstring FirstType(const std::wstring& mask) { return mask.substr(0, mask.find(L'|')); }

// A user who answers the dialog with this title from another thread.
std::future<FileDialogSeen> AnsweredLater(const std::wstring& title, const FileDialogAnswer& answer) {
    return std::async(std::launch::async, AnswerFileDialog, ::GetCurrentProcessId(), title, answer);
}

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

    // Runs the command while a user answers its dialog; the error it raised
    // (number 0: none) and what the user saw.
    template <class Command>
    std::pair<RuntimeError, FileDialogSeen> Answered(const std::wstring& title,
                                                     const FileDialogAnswer& answer, Command command) {
        auto user = AnsweredLater(title, answer);
        RuntimeError error(0);
        try {
            command();
        } catch (const RuntimeError& e) {
            error = e;
        }
        return {error, user.get()};
    }

    TempFolder folder;
};

TEST_F(OpenSaveTest, OpenShowsTheChosenPhotoAndAFailedOrCancelledOneChangesNothing) {
    const std::wstring unicode = L"\x0444\x043E\x0442\x043E_\x5199\x771F.jpg";  // фото_写真.jpg
    const struct {
        const wchar_t* file;
        SIZE photo;  // {0, 0}: bytes that are no picture
        int button;
        int32_t error;
        const wchar_t* nameAfter;
        SIZE shownAfter;
    } cases[] = {
        {L"first.bmp", {320, 240}, IDOK, 0, L"first.bmp", {320, 240}},
        {unicode.c_str(), {640, 480}, IDOK, 0, unicode.c_str(), {640, 480}},
        {L"broken.jpg", {0, 0}, IDOK, kErrInvalidPicture, unicode.c_str(), {640, 480}},
        {L"cancelled.jpg", {200, 100}, IDCANCEL, 0, unicode.c_str(), {640, 480}},
    };
    SetWorkArea(800, 600);
    for (const auto& c : cases) {
        const std::wstring path = folder.File(c.file);
        const std::string name = win::ToNarrow(c.file);
        if (c.photo.cx) {
            WritePhoto(path, c.photo.cx, c.photo.cy, path.back() == L'p' ? L"image/bmp" : L"image/jpeg");
        } else {
            WriteFileBytes(path, "not a picture at all");
        }
        const auto [error, seen] =
            Answered(texts::SelectPhotoTitle, {path, c.button}, [&] { form.bnOpen(); });
        EXPECT_TRUE(seen.fileType == FirstType(OpenPhotoMask()) && seen.suggestedName.empty()) << name;
        EXPECT_EQ(error.number, c.error) << name;
        EXPECT_TRUE(!c.error ||
                    error.description.find(L"  Call Stack: Form1.bnOpen() ") != std::wstring::npos);
        EXPECT_EQ(win::Program().CurrentPhotoFileName, c.nameAfter) << name;
        EXPECT_EQ(ShownResolution(), PhotoResolutionText(c.shownAfter.cx, c.shownAfter.cy)) << name;
    }
}

TEST_F(OpenSaveTest, SaveWritesTheViewUnderTheChosenName) {
    const std::wstring unicode = L"\x0444\x043E\x0442\x043E_\x5199\x771F";  // фото_写真
    const struct {
        std::wstring photo;  // empty: the placeholder; else the suggested name is the typed one
        std::wstring typed;  // into the dialog
        bool exists;         // a file of that name is there already
        int button;
        std::wstring written;  // empty: nothing
        SIZE size;
    } cases[] = {
        {L"IMG_0001.JPG", L"IMG_0001_resized.JPG", false, IDOK, L"IMG_0001_resized.JPG", {900, 600}},
        {unicode + L".jpg", unicode + L"_resized.jpg", false, IDOK, unicode + L"_resized.jpg", {900, 600}},
        {L"", L"noname", false, IDOK, L"noname.jpg", {355, 296}},  // the extension is added
        {L"", L"old.jpg", true, IDOK, L"old.jpg", {355, 296}},     // asked first, answered yes
        {L"", L"never.jpg", false, IDCANCEL, L"", {}},
    };
    SetWorkArea(900, 900);
    for (const auto& c : cases) {
        TempFolder target;
        const std::string name = win::ToNarrow(c.typed);
        if (c.photo.empty()) {
            form.SetNoImage();
            win::Program().CurrentPhotoFileName.clear();
        } else {
            WritePhoto(folder.File(c.photo), 3000, 2000);
            form.ShowPhotoFile(folder.File(c.photo));
        }
        if (c.exists) WriteFileBytes(target.File(c.typed), "old");
        const auto [error, seen] =
            Answered(texts::SavePhotoTitle, {target.File(c.typed), c.button, IDYES}, [&] { form.bnSave(); });
        EXPECT_EQ(error.number, 0) << name;
        EXPECT_TRUE(seen.fileType == FirstType(SavePhotoMask()) &&
                    seen.suggestedName == (c.photo.empty() ? L"" : c.typed))
            << name;
        EXPECT_EQ(seen.overwritePrompt, c.exists) << name;
        if (c.written.empty()) {
            EXPECT_TRUE(target.Names().empty()) << name;
            continue;
        }
        EXPECT_EQ(target.Names(), std::vector<std::wstring>{c.written}) << name;
        const SIZE size = ImageFileSize(target.File(c.written));
        EXPECT_TRUE(size.cx == c.size.cx && size.cy == c.size.cy) << name;
    }
}

TEST_F(OpenSaveTest, OpenListsEachFormatsFilesUnderItsEntryWhateverTheirSpelling) {
    for (const wchar_t* name : {L"a.jpg", L"b.jpeg", L"c.png", L"d.tif", L"e.TIFF", L"f.bmp", L"g.gif", L"h.webp"})
        WriteFileBytes(folder.File(name), "listed by name only");
    ::SetCurrentDirectoryW(folder.path().c_str());  // where the dialog opens here
    const std::pair<int, std::vector<std::wstring>> cases[] = {
        {0, {L"a.jpg", L"b.jpeg", L"c.png", L"d.tif", L"e.TIFF", L"f.bmp", L"g.gif"}},  // all supported files
        {2, {L"a.jpg", L"b.jpeg"}},                                                      // JPEG (*.jpg)
        {5, {L"d.tif", L"e.TIFF"}},                                                      // TIFF (*.tif)
    };
    for (const auto& [entry, listed] : cases) {
        FileDialogAnswer answer{L"", IDCANCEL};
        answer.fileTypeIndex = entry;
        std::vector<std::wstring> seen = Answered(texts::SelectPhotoTitle, answer, [&] { form.bnOpen(); }).second.listed;
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(seen, listed) << entry;
    }
}

TEST_F(OpenSaveTest, FormatsItKnowsButCannotOpenAreNamedPlainlyAndThePhotoStays) {
    const TempFolder linuxFolder(kLinuxTmp);
    const std::wstring webp = linuxFolder.File(L"photo.webp"), heic = linuxFolder.File(L"photo.heic");
    LinuxShellOutput(linuxFolder.path(), "convert -size 64x48 xc:red " + LinuxPath(webp));
    WriteFileBytes(heic, std::string("\0\0\0\x18" "ftypheic\0\0\0\0mif1heic", 24));
    WritePhoto(folder.File(L"shown.jpg"), 640, 480);
    SetWorkArea(800, 600);
    form.ShowPhotoFile(folder.File(L"shown.jpg"));
    const std::pair<std::wstring, const wchar_t*> cases[] = {{webp, L"a WebP"}, {heic, L"a HEIC"}};
    for (const auto& [path, format] : cases) {
        MessageBoxCatcher box;
        form.ShowPhotoFile(path);  // raises nothing: no report, no log entry
        EXPECT_EQ(box.Text(), L"This photo is " + std::wstring(format) +
                                  L" picture, which Tessaly Photo Resizer cannot open.");
        EXPECT_EQ(win::Program().CurrentPhotoFileName, L"shown.jpg");
        EXPECT_EQ(ShownResolution(), PhotoResolutionText(640, 480));
    }
}

TEST_F(OpenSaveTest, SaveKeepsTheDateCameraAndProfileOfAJpegButNeverItsLocationOrThumbnail) {
    const TempFolder linuxFolder(kLinuxTmp);
    const std::string facts = std::string("/usr/bin/python3 ") + TPR_TEST_SCRIPTS + "/photo_facts.py ";
    const std::wstring phonePhoto = linuxFolder.File(L"phone.jpg"), screenshot = linuxFolder.File(L"shot.bmp");
    LinuxShellOutput(linuxFolder.path(), facts + "make " + LinuxPath(phonePhoto));
    WritePhoto(screenshot, 1200, 800, L"image/bmp");
    const std::pair<std::wstring, std::string> cases[] = {
        {phonePhoto,
         "size=900x600 make=Maker model=Phone 12 taken=2026:07:01 09:59:58 description=None orientation=None "
         "serial=None gps=False thumbnail=False profile=same\n"},
        // A photo with no facts gains none, nor keeps those of the one before.
        {screenshot,
         "size=900x600 make=None model=None taken=None description=None orientation=None serial=None gps=False "
         "thumbnail=False profile=none\n"},
    };
    SetWorkArea(900, 900);
    for (const auto& [photo, expected] : cases) {
        form.ShowPhotoFile(photo);
        const std::wstring saved = linuxFolder.File(L"saved.jpg");
        const auto [error, seen] =
            Answered(texts::SavePhotoTitle, {saved, IDOK, IDYES}, [&] { form.bnSave(); });
        EXPECT_EQ(error.number, 0);
        EXPECT_EQ(LinuxShellOutput(linuxFolder.path(), facts + "read " + LinuxPath(saved) + " " + LinuxPath(photo)),
                  expected);
    }
}

TEST_F(OpenSaveTest, FailedSaveRaisesUnderBnSaveAndKeepsTheFileItWouldReplace) {
    const struct {
        const char* what;
        bool placeholder;
        int16_t quality;
        int32_t error;
    } cases[] = {
        {"nothing ever loaded: no picture to encode", false, 70, 5},
        {"quality beyond a byte", true, 256, kErrOverflow},
        {"quality below nothing", true, -1, kErrOverflow},
    };
    SetWorkArea(800, 600);
    const std::wstring target = folder.File(L"keep.jpg");
    WriteFileBytes(target, "the photo saved yesterday");
    for (const auto& c : cases) {
        if (c.placeholder) form.SetNoImage();
        win::Program().JpegQuality = c.quality;
        const auto [error, seen] =
            Answered(texts::SavePhotoTitle, {target, IDOK, IDYES}, [&] { form.bnSave(); });
        EXPECT_EQ(error.number, c.error) << c.what;
        EXPECT_NE(error.description.find(L"  Call Stack: Form1.bnSave() "), std::wstring::npos) << c.what;
        EXPECT_EQ(ReadFileBytes(target), "the photo saved yesterday") << c.what;
        EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"keep.jpg"}) << c.what;
        err::ResetErrorFramework();
    }
}

// The dialog without the main window: a mode without a dialog, and what a
// cancel leaves for the next dialog.
TEST(CFileDialogTest, ModeWithoutADialogShowsNothing) {
    win::CFileDialog dialog;
    dialog.SetDialogMode(3);
    dialog.SetTitle(L"Never shown");
    EXPECT_EQ(FileNameText(dialog.FileName()), L"");
    EXPECT_EQ(dialog.LastError(), 0);
    EXPECT_TRUE(dialog.Title().empty() && dialog.DialogMode() == 3) << "cleared as after any failure";
}

TEST(CFileDialogTest, CancelClearsTheRecordAndTheNextReadShowsTheDialogBare) {
    const win::UniqueHwnd owner(::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100,
                                                  nullptr, nullptr, nullptr, nullptr));
    win::CFileDialog dialog;
    dialog.SetDialogMode(1);
    dialog.SethwndOwner(owner.get());
    dialog.SetMask(L"Photos|*.jpg");
    dialog.SetTitle(L"Pick a photo");
    dialog.SetFileName(L"suggested.jpg");
    {
        auto user = AnsweredLater(L"Pick a photo", {L"", IDCANCEL});
        EXPECT_EQ(FileNameText(dialog.FileName()), L"");
        EXPECT_EQ(user.get().suggestedName, L"suggested.jpg");
    }
    EXPECT_EQ(dialog.LastError(), 0) << "cancelling is no failure";
    EXPECT_TRUE(dialog.Title().empty() && dialog.Mask().empty() && !dialog.hwndOwner() && !dialog.Flags() &&
                dialog.DialogMode() == 1);

    // The platform's own title, no suggested name, the default filter.
    auto again = AnsweredLater(L"Open", {L"", IDCANCEL});
    EXPECT_EQ(FileNameText(dialog.FileName()), L"");
    const FileDialogSeen seen = again.get();
    EXPECT_TRUE(seen.shown && seen.suggestedName.empty());
    EXPECT_EQ(seen.fileType, L"All Files (*.*)");
}

}  // namespace
}  // namespace tpr::test
