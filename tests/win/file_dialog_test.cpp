// CFileDialog with the platform's real dialogs, answered from a second thread
// as a user would answer them: a mode without a dialog, and what a cancel
// leaves for the next dialog. (A choice, the default extension and the
// overwrite prompt are met through the main window's Open and Save.)
#include "win/dialogs/file_dialog.h"

#include <gtest/gtest.h>

#include <future>

#include "core/runtime/runtime_error.h"
#include "win/runtime/unique_any.h"
#include "window_driver.h"

namespace tpr::win {
namespace {

using test::FileDialogAnswer;

// A user who answers the dialog with this title from another thread.
std::future<test::FileDialogSeen> UserAt(const wchar_t* title, FileDialogAnswer answer) {
    return std::async(std::launch::async, test::AnswerFileDialog, ::GetCurrentProcessId(), title, answer);
}

TEST(CFileDialogTest, ModeWithoutADialogShowsNothing) {
    CFileDialog dialog;
    dialog.SetDialogMode(3);
    dialog.SetTitle(L"Never shown");
    EXPECT_EQ(FileNameText(dialog.FileName()), L"");
    EXPECT_EQ(dialog.LastError(), 0);
    EXPECT_TRUE(dialog.Title().empty() && dialog.DialogMode() == 3) << "cleared as after any failure";
}

TEST(CFileDialogTest, CancelClearsTheRecordAndTheNextReadShowsTheDialogBare) {
    const UniqueHwnd owner(::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                             nullptr, nullptr, nullptr));
    CFileDialog dialog;
    dialog.SetDialogMode(1);
    dialog.SethwndOwner(owner.get());
    dialog.SetMask(L"Photos|*.jpg");
    dialog.SetTitle(L"Pick a photo");
    dialog.SetFileName(L"suggested.jpg");
    {
        auto user = UserAt(L"Pick a photo", {L"", IDCANCEL});
        EXPECT_EQ(FileNameText(dialog.FileName()), L"");
        EXPECT_EQ(user.get().suggestedName, L"suggested.jpg");
    }
    EXPECT_EQ(dialog.LastError(), 0) << "cancelling is no failure";
    EXPECT_TRUE(dialog.Title().empty() && dialog.Mask().empty() && !dialog.hwndOwner() && !dialog.Flags() &&
                dialog.DialogMode() == 1);

    // The platform's own title, no suggested name, the default filter.
    auto again = UserAt(L"Open", {L"", IDCANCEL});
    EXPECT_EQ(FileNameText(dialog.FileName()), L"");
    const test::FileDialogSeen seen = again.get();
    EXPECT_TRUE(seen.shown && seen.suggestedName.empty());
    EXPECT_EQ(seen.fileType, L"All Files (*.*)");
}

}  // namespace
}  // namespace tpr::win
