// Copy and Paste: the photo on show goes to the clipboard as a bitmap and as
// a JPEG file; a bitmap or a file list on the clipboard comes in as the photo.
#include "core/common/ui_texts.h"
#include "core/errors/trap.h"
#include "core/main_window/save_name.h"
#include "core/runtime/conversions.h"
#include "win/imaging/clipboard_bitmap.h"
#include "win/imaging/save_jpg.h"
#include "win/main_window/main_window.h"
#include "win/main_window/photo_copies.h"
#include "win/main_window/program_state.h"
#include "win/runtime/clipboard.h"

namespace tpr::win {
namespace {

// The bitmap on the open clipboard; none when it holds none that can be read.
// The form that can declare alpha goes first; the system hands any bitmap
// out in either form, a device-dependent one converted.
Picture ClipboardBitmap() {
    for (const UINT format : {CF_DIBV5, CF_DIB}) {
        const HANDLE data = ::IsClipboardFormatAvailable(format) ? ::GetClipboardData(format) : nullptr;
        if (!data) continue;
        const LockedGlobal bytes(data);
        if (bytes.bytes()) return PictureFromPackedDib(bytes.bytes(), bytes.size(), format == CF_DIBV5);
    }
    return {};
}

}  // namespace

// Only the placeholder has no name: a photo gets its name once it is in.
bool Form1::HasPhoto() const { return !Program().CurrentPhotoFileName.empty(); }

// The bitmap holds exactly the pixels Save writes; the file is written as
// Save writes it, under the name Save suggests, so that a program that takes
// files attaches the small JPEG rather than a large encoding of the bitmap.
TransferData Form1::PhotoTransferData() {
    const Picture& shown = picBox.GetPicture();
    const std::wstring path = PhotoCopyPath(SuggestedSaveName(Program().CurrentPhotoFileName));
    // Through its decimal text, as Save converts the quality.
    SaveJPG(shown, path, TextToByte(std::to_wstring(Program().JpegQuality)), Program().CurrentPhotoFacts);
    TransferData data = FileListTransfer(path);
    data.push_back({CF_DIB, PackedDibOf(shown)});
    return data;
}

// With no photo there is nothing to copy, and the clipboard keeps what it holds.
void Form1::CopyPhoto() {
    err::LeafTrap(L"Form1.CopyPhoto", [&] {
        if (!HasPhoto()) return;
        TransferData data = PhotoTransferData();
        OpenedClipboard(hwnd()).Replace(std::move(data));
    });
}

// A file list opens its first file as a drop does; a bitmap comes in at its
// full size as "Pasted photo". Anything else, or nothing, changes nothing.
void Form1::PastePhoto() {
    err::LeafTrap(L"Form1.PastePhoto", [&] {
        std::vector<std::wstring> files;
        Picture pasted;
        {
            // Closed again before the photo opens, which may report an error.
            const OpenedClipboard clipboard(hwnd());
            if (const HANDLE list = ::GetClipboardData(CF_HDROP)) files = FilesOf(static_cast<HDROP>(list));
            if (files.empty()) pasted = ClipboardBitmap();
        }
        if (!files.empty()) {
            OpenFirstFile(files);
        } else if (pasted) {
            picImage.SetPicture(std::move(pasted));
            Program().CurrentPhotoFileName = texts::PastedPhotoName;
            Program().CurrentPhotoFacts = {};  // a bitmap carries no facts of a photo
            ResizePhotoInProperties();
        }
    });
}

}  // namespace tpr::win
