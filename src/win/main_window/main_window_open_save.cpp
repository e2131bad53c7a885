// Open and Save: a photo comes in, upright, through the Open dialog (or any
// other way in) and goes out, as shown, through the Save dialog as a JPEG file.
#include "core/common/path_helpers.h"
#include "core/common/ui_texts.h"
#include "core/errors/trap.h"
#include "core/imaging/exif_orientation.h"
#include "core/runtime/picture_format.h"
#include "core/main_window/photo_masks.h"
#include "core/main_window/photo_messages.h"
#include "core/main_window/save_name.h"
#include "core/runtime/conversions.h"
#include "win/dialogs/file_dialog.h"
#include "win/imaging/gdi_rotate.h"
#include "win/imaging/opaque_picture.h"
#include "win/imaging/save_jpg.h"
#include "win/main_window/main_window.h"
#include "win/main_window/program_state.h"
#include "win/runtime/file_bytes.h"
#include "win/runtime/message_box.h"

namespace tpr::win {

namespace {

// What the start of a photo file tells: its format and, for a JPEG, its metadata.
struct PhotoFileStart {
    PictureFormat format = PictureFormat::Unknown;
    JpegMetadata metadata;
};

// A file that cannot be read tells nothing: its loading reports why.
PhotoFileStart ReadPhotoFileStart(const std::wstring& path) {
    PhotoFileStart told;
    if (const std::optional<std::vector<uint8_t>> start = ReadFileBytes(path, kMetadataBytes)) {
        told.format = PictureFormatOf(start->data(), start->size());
        if (told.format == PictureFormat::Jpeg) told.metadata = ReadJpegMetadata(start->data(), start->size());
    }
    return told;
}

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

bool Form1::ShowPhotoFile(const std::wstring& path) {
    PhotoFileStart told = ReadPhotoFileStart(path);
    // Formats the program knows but cannot decode are no program error: it
    // says so plainly, and the photo on show stays.
    if (const std::wstring message = UnopenablePhotoMessage(told.format); !message.empty()) {
        MsgBox(message, MB_ICONINFORMATION | MB_OK, hwnd());
        return false;
    }
    // The name changes only once the photo has loaded: a failed load keeps
    // the previous name with the previous picture. A photo that its camera
    // stored turned or mirrored is laid upright before it is fitted.
    Picture photo = OpaqueOn(LoadPicture(path), kViewBackground);
    picImage.SetPicture(
        UprightPicture(std::move(photo), ExifOrientation(told.metadata).value_or(Orientation::Upright)));
    Program().CurrentPhotoFileName = SplitingFolder(path, L"\\");
    Program().CurrentPhotoFacts = std::move(told.metadata);
    ResizePhotoInProperties();
    return true;
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
