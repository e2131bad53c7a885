// Open and Save: a photo comes in through the Open dialog and goes out, as
// shown, through the Save dialog as a JPEG file.
#include "core/common/path_helpers.h"
#include "core/common/ui_texts.h"
#include "core/errors/trap.h"
#include "core/imaging/picture_format.h"
#include "core/main_window/photo_masks.h"
#include "core/main_window/save_name.h"
#include "core/runtime/conversions.h"
#include "win/dialogs/file_dialog.h"
#include "win/imaging/opaque_picture.h"
#include "win/imaging/save_jpg.h"
#include "win/main_window/main_window.h"
#include "win/main_window/program_state.h"
#include "win/runtime/file_bytes.h"
#include "win/runtime/message_box.h"

namespace tpr::win {

namespace {

// A JPEG's facts sit in its first segments; a megabyte holds them with any colour profile in use.
constexpr size_t kPhotoFileStart = 1 << 20;

}  // namespace

void Form1::bnOpen() {
    err::LeafTrap(L"Form1.bnOpen", [&] {
        std::wstring path;
        {
            CFileDialog dialog;
            dialog.SetDialogMode(kDialogModeOpen);
            dialog.SethwndOwner(hwnd());
            dialog.SetMask(OpenPhotoMask());
            dialog.SetTitle(texts::SelectPhotoTitle);
            path = FileNameText(dialog.FileName());
        }
        if (path.empty()) return;
        ShowPhotoFile(path);
    });
}

void Form1::ShowPhotoFile(const std::wstring& path) {
    // A file that cannot be read is left to the loader, which reports why.
    const std::vector<uint8_t> start = ReadFileBytes(path, kPhotoFileStart).value_or(std::vector<uint8_t>{});
    const PictureFormat format = PictureFormatOf(start.data(), start.size());
    // Formats the program knows but cannot decode are no program error: it
    // says so plainly, and the photo on show stays.
    if (const std::wstring message = UnopenablePhotoMessage(format); !message.empty()) {
        MsgBox(message, MB_ICONINFORMATION | MB_OK, hwnd());
        return;
    }
    // The name changes only once the photo has loaded: a failed load keeps
    // the previous name with the previous picture.
    picImage.SetPicture(OpaqueOn(LoadPicture(path), kViewBackground));
    Program().CurrentPhotoFileName = SplitingFolder(path, L"\\");
    Program().CurrentPhotoFacts =
        format == PictureFormat::Jpeg ? ReadJpegMetadata(start.data(), start.size()) : JpegMetadata{};
    ResizePhotoInProperties();
}

std::wstring Form1::GetReportPath() {
    return err::LeafTrap(L"Form1.GetReportPath", [&] {
        CFileDialog dialog;
        dialog.SetDialogMode(kDialogModeSave);
        dialog.SethwndOwner(hwnd());
        dialog.SetFileName(SuggestedSaveName(Program().CurrentPhotoFileName));
        dialog.SetExtension(L"jpg");
        dialog.SetMask(SavePhotoMask());
        dialog.SetTitle(texts::SavePhotoTitle);
        return FileNameText(dialog.FileName());
    });
}

void Form1::bnSave() {
    err::LeafTrap(L"Form1.bnSave", [&] {
        const std::wstring path = GetReportPath();
        if (path.empty()) return;
        // Through its decimal text, as the quality was always converted:
        // outside 0 to 255 is an overflow, and nothing is written.
        const int32_t quality = TextToByte(std::to_wstring(Program().JpegQuality));
        SaveJPG(picBox.GetPicture(), path, quality, Program().CurrentPhotoFacts);
    });
}

}  // namespace tpr::win
