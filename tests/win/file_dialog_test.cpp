// CFileDialog with the platform's real dialogs, answered from a second thread
// as a user would answer them.
#include "win/dialogs/file_dialog.h"

#include <gtest/gtest.h>

#include "core/runtime/runtime_error.h"
#include "dialog_user.h"
#include "test_files.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {
namespace {

using test::DialogUser;
using test::FileDialogAnswer;

UniqueHwnd MakeOwnerWindow() {
    return UniqueHwnd(::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                        nullptr, ::GetModuleHandleW(nullptr), nullptr));
}

TEST(CFileDialogTest, ModeSetsTheDefaultFlagsThatSetFlagsOverrides) {
    CFileDialog dialog;
    EXPECT_EQ(dialog.DialogMode(), 0);
    EXPECT_EQ(dialog.Flags(), 0);
    dialog.SetDialogMode(1);
    EXPECT_EQ(dialog.Flags(), 530444);
    dialog.SetDialogMode(2);
    EXPECT_EQ(dialog.Flags(), 534542);
    dialog.SetFlags(0x80006);
    EXPECT_EQ(dialog.Flags(), 0x80006);
    EXPECT_EQ(dialog.DialogMode(), 2);
    dialog.SetDialogMode(3);
    EXPECT_EQ(dialog.Flags(), 0);

    dialog.SetDefaultFilterIndex(-1);
    EXPECT_EQ(dialog.DefaultFilterIndex(), -1);
    EXPECT_EQ(CFileDialog::GetFileTitle(L"C:\\Photos\\cat.jpg"), L"cat.jpg");
}

TEST(CFileDialogTest, ModeWithoutADialogShowsNothing) {
    CFileDialog dialog;
    dialog.SetDialogMode(3);
    dialog.SetTitle(L"Never shown");
    EXPECT_EQ(FileNameText(dialog.FileName()), L"");
    EXPECT_EQ(dialog.LastError(), 0);
    EXPECT_EQ(dialog.Title(), L"") << "cleared as after any failure";
    EXPECT_EQ(dialog.DialogMode(), 3);
}

TEST(CFileDialogTest, OpenModeReturnsTheChosenPathAndItsParts) {
    test::TempFolder folder;
    const std::wstring photo = folder.File(L"cat.jpg");
    test::WriteFileBytes(photo, "any bytes: the dialog does not read them");
    const UniqueHwnd owner = MakeOwnerWindow();

    CFileDialog dialog;
    dialog.SetDialogMode(1);
    dialog.SethwndOwner(owner.get());
    dialog.SetMask(L"Photos|*.jpg|Everything|*.*");
    dialog.SetTitle(L"Pick a photo");
    DialogUser user(L"Pick a photo", FileDialogAnswer{photo});
    EXPECT_EQ(FileNameText(dialog.FileName()), photo);

    EXPECT_TRUE(user.Seen().shown);
    EXPECT_EQ(user.Seen().fileType, L"Photos") << "the list of types is filled, the first chosen";
    EXPECT_EQ(dialog.LastError(), 0);
    EXPECT_EQ(dialog.Path(), folder.path() + L"\\");
    EXPECT_EQ(dialog.FileTitle(), L"cat.jpg");
    EXPECT_EQ(dialog.Extension(), L"jpg");
    EXPECT_EQ(dialog.FileOffset(), static_cast<int32_t>(folder.path().size() + 1));
    EXPECT_EQ(dialog.ExtensionOffset(), static_cast<int32_t>(photo.size() - 3));
    EXPECT_EQ(dialog.DefaultFilterIndex(), 1);
    EXPECT_EQ(dialog.Flags() & 530444, 530444);
    EXPECT_EQ(dialog.hwndOwner(), owner.get()) << "a choice keeps the record";
}

TEST(CFileDialogTest, CancelClearsTheRecordAndTheNextReadShowsTheDialogBare) {
    const UniqueHwnd owner = MakeOwnerWindow();
    CFileDialog dialog;
    dialog.SetDialogMode(1);
    dialog.SethwndOwner(owner.get());
    dialog.SetMask(L"Photos|*.jpg");
    dialog.SetTitle(L"Pick a photo");
    dialog.SetFileName(L"suggested.jpg");
    {
        DialogUser user(L"Pick a photo", FileDialogAnswer{L"", IDCANCEL});
        EXPECT_EQ(FileNameText(dialog.FileName()), L"");
        EXPECT_EQ(user.Seen().suggestedName, L"suggested.jpg");
    }
    EXPECT_EQ(dialog.LastError(), 0) << "cancelling is no failure";
    EXPECT_EQ(dialog.Title(), L"");
    EXPECT_EQ(dialog.Mask(), L"");
    EXPECT_EQ(dialog.hwndOwner(), nullptr);
    EXPECT_EQ(dialog.Flags(), 0);
    EXPECT_EQ(dialog.DialogMode(), 1);

    // The platform's own title, no suggested name, the default filter.
    DialogUser again(L"Open", FileDialogAnswer{L"", IDCANCEL});
    EXPECT_EQ(FileNameText(dialog.FileName()), L"");
    ASSERT_TRUE(again.Seen().shown);
    EXPECT_EQ(again.Seen().suggestedName, L"");
    EXPECT_EQ(again.Seen().fileType, L"All Files (*.*)");
}

TEST(CFileDialogTest, SaveModeOffersTheSuggestedNameAndAddsTheDefaultExtension) {
    test::TempFolder folder;
    CFileDialog dialog;
    dialog.SetDialogMode(2);
    dialog.SetFileName(L"cat_resized.jpg");
    dialog.SetFileName(42);  // not a name: ignored
    dialog.SetExtension(L"jpg");
    dialog.SetMask(L"JPEG (*.jpg)|*.jpg");
    dialog.SetTitle(L"Store it");
    DialogUser user(L"Store it", FileDialogAnswer{folder.File(L"typed")});
    EXPECT_EQ(FileNameText(dialog.FileName()), folder.File(L"typed.jpg"));
    EXPECT_EQ(user.Seen().suggestedName, L"cat_resized.jpg");
    EXPECT_FALSE(user.Seen().overwritePrompt);
    EXPECT_EQ(dialog.Extension(), L"jpg");
    EXPECT_EQ(dialog.FileTitle(), L"typed.jpg");
}

TEST(CFileDialogTest, SaveModeConfirmsBeforeOverwritingAnExistingFile) {
    test::TempFolder folder;
    const std::wstring existing = folder.File(L"old.jpg");
    test::WriteFileBytes(existing, "old");
    CFileDialog dialog;
    dialog.SetDialogMode(2);
    dialog.SetTitle(L"Store it");
    DialogUser user(L"Store it", FileDialogAnswer{existing, IDOK, IDYES});
    EXPECT_EQ(FileNameText(dialog.FileName()), existing);
    EXPECT_TRUE(user.Seen().overwritePrompt);
    EXPECT_EQ(test::ReadFileBytes(existing), "old") << "the dialog itself writes nothing";
}

}  // namespace
}  // namespace tpr::win
