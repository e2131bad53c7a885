// SaveJPG (module mSaveJPG): a picture written as a JPEG file at a quality.
#include "win/imaging/save_jpg.h"

#include "core/runtime/runtime_error.h"
#include "win/imaging/jpeg_writer.h"
#include "win/imaging/platform_capabilities.h"
#include "win/runtime/file_bytes.h"
#include "win/runtime/gdiplus_session.h"

namespace tpr::win {

using namespace Gdiplus;

namespace {

constexpr wchar_t kJpegEncoder[] = L"{557CF401-1A04-11D3-9A73-0000F81EF32E}";
constexpr wchar_t kQualityParameter[] = L"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";

GUID GuidFromText(const wchar_t* text) {
    GUID guid{};
    ::CLSIDFromString(text, &guid);
    return guid;
}

// A name in the target's folder not in use yet.
std::wstring UnusedNameBeside(const std::wstring& target) {
    const size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    const std::wstring stem = folder + L"~tpr" + std::to_wstring(::GetCurrentProcessId()) + L"-";
    for (unsigned n = 0;; ++n) {
        std::wstring candidate = stem + std::to_wstring(n) + L".tmp";
        // Anything but an existing file will do: a missing folder fails the
        // write, with the encoder's status.
        if (::GetFileAttributesW(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) return candidate;
    }
}

// A file that is removed when it goes out of scope, unless released.
class ScopedFile {
public:
    explicit ScopedFile(std::wstring path) : path_(std::move(path)) {}
    ScopedFile(const ScopedFile&) = delete;
    ScopedFile& operator=(const ScopedFile&) = delete;
    ~ScopedFile() {
        if (!path_.empty()) ::DeleteFileW(path_.c_str());
    }
    const std::wstring& path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::wstring path_;
};

// Puts the written file in the target's place; false, with the platform's
// error, when it cannot. An existing target is replaced in place, so that
// it keeps its attributes and security; its old content is kept aside until
// the new one is in, and put back should the exchange fail halfway.
bool ReplaceTarget(ScopedFile& written, const std::wstring& target) {
    const DWORD targetAttributes = ::GetFileAttributesW(target.c_str());
    // Nothing there yet, or a folder, which nothing may replace: a plain move.
    if (targetAttributes == INVALID_FILE_ATTRIBUTES || (targetAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (!::MoveFileExW(written.path().c_str(), target.c_str(), 0)) return false;
        written.Release();
        return true;
    }
    ScopedFile oldContent(UnusedNameBeside(target));
    if (::ReplaceFileW(target.c_str(), written.path().c_str(), oldContent.path().c_str(),
                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        written.Release();
        // Not every ReplaceFileW carries the attributes over (Wine's does
        // not); giving them again changes nothing where it does.
        constexpr DWORD kSettable = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                    FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if (const DWORD kept = targetAttributes & kSettable) ::SetFileAttributesW(target.c_str(), kept);
        return true;
    }
    const DWORD error = ::GetLastError();
    // The target was moved aside but the new file could not take its name:
    // the old content goes back under the target's name or, failing that,
    // stays where it is; it is never removed.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        ::MoveFileExW(oldContent.path().c_str(), target.c_str(), 0);
        oldContent.Release();
    }
    ::SetLastError(error);
    return false;
}

Status EncodeBitmap(OLE_HANDLE handle, const std::wstring& path, int32_t quality) {
    GpBitmap* created = nullptr;
    const Status status = DllExports::GdipCreateBitmapFromHBITMAP(
        reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), nullptr, &created);
    const UniqueGdipImage bitmap(created);
    if (status != Ok) return status;
    // Where the platform's encoder ignores the quality, the program's own
    // writes the file.
    return JpegQualityHonoured() ? WriteJpeg(created, path, quality)
                                 : WriteJpegWithQuality(created, quality, path);
}

// Puts the source's facts into the JPEG file the encoder wrote.
Status AddFacts(const std::wstring& path, const JpegMetadata& source, SIZE size) {
    const std::vector<uint8_t> segments =
        SavedMetadataSegments(source, static_cast<uint32_t>(size.cx), static_cast<uint32_t>(size.cy));
    if (segments.empty()) return Ok;
    const std::optional<std::vector<uint8_t>> jpeg = ReadFileBytes(path, SIZE_MAX);
    return jpeg && WriteFileBytes(path, WithSegments(*jpeg, segments)) ? Ok : Win32Error;
}

[[noreturn]] void RaiseSaveError(Status status) {
    Raise(kErrInvalidCall, L"Cannot save the image. GDI+ Error:" + std::to_wstring(static_cast<int>(status)));
}

}  // namespace

EncoderParameters JpegQualityParameters(const int32_t& quality) {
    EncoderParameters parameters{};
    parameters.Count = 1;
    parameters.Parameter[0].Guid = GuidFromText(kQualityParameter);
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Type = EncoderParameterValueTypeLong;
    parameters.Parameter[0].Value = const_cast<int32_t*>(&quality);  // only read by the encoder
    return parameters;
}

Status WriteJpeg(GpBitmap* bitmap, const std::wstring& path, int32_t quality) {
    const CLSID encoder = GuidFromText(kJpegEncoder);
    const EncoderParameters parameters = JpegQualityParameters(quality);
    return DllExports::GdipSaveImageToFile(bitmap, path.c_str(), &encoder, &parameters);
}

void SaveJPG(const Picture& picture, const std::wstring& fileName, int32_t quality, const JpegMetadata& source) {
    ScopedFile written(UnusedNameBeside(fileName));
    Status status = Ok;
    {
        // The save's own session, whose start-up status matters, unlike the
        // resampling's: it is the first status the error can report.
        const GdiplusSession session;
        status = session.status();
        if (status == Ok) status = EncodeBitmap(picture.Handle(), written.path(), quality);
    }
    if (status == Ok) status = AddFacts(written.path(), source, picture.PixelSize());
    if (status != Ok) RaiseSaveError(status);
    if (!ReplaceTarget(written, fileName)) RaiseSaveError(Win32Error);
}

}  // namespace tpr::win
