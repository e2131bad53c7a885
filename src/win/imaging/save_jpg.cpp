// SaveJPG (module mSaveJPG): a picture written as a JPEG file at a quality.
#include "win/imaging/save_jpg.h"

#include "core/runtime/runtime_error.h"
#include "win/imaging/jpeg_writer.h"
#include "win/imaging/platform_capabilities.h"

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

// The save's own GDI+ session. Its start-up status matters, unlike the
// resampling's: it is the first status the error can report.
class SaveSession {
public:
    SaveSession() {
        GdiplusStartupInput input;  // version 1, no debug callback, background thread and codecs on
        status_ = GdiplusStartup(&token_, &input, nullptr);
    }
    SaveSession(const SaveSession&) = delete;
    SaveSession& operator=(const SaveSession&) = delete;
    ~SaveSession() {
        if (status_ == Ok) GdiplusShutdown(token_);
    }
    Status status() const { return status_; }

private:
    ULONG_PTR token_ = 0;
    Status status_ = Ok;
};

// The file being written, in the target's folder under a name not in use;
// removed unless it has taken the target's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& target) {
        const size_t slash = target.find_last_of(L"\\/");
        const std::wstring folder =
            slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
        const std::wstring stem = folder + L"~tpr" + std::to_wstring(::GetCurrentProcessId()) + L"-";
        for (unsigned n = 0; path_.empty(); ++n) {
            std::wstring candidate = stem + std::to_wstring(n) + L".tmp";
            // Anything but an existing file will do: a missing folder fails
            // the write, with the encoder's status.
            if (::GetFileAttributesW(candidate.c_str()) == INVALID_FILE_ATTRIBUTES)
                path_ = std::move(candidate);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!path_.empty()) ::DeleteFileW(path_.c_str());
    }
    const std::wstring& path() const { return path_; }

    // False, with the platform's error, when it cannot replace the target.
    bool Replace(const std::wstring& target) {
        if (!::MoveFileExW(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return false;
        path_.clear();
        return true;
    }

private:
    std::wstring path_;
};

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

void SaveJPG(const Picture& picture, const std::wstring& fileName, int32_t quality) {
    TemporaryFile written(fileName);
    Status status = Ok;
    {
        const SaveSession session;
        status = session.status();
        if (status == Ok) status = EncodeBitmap(picture.Handle(), written.path(), quality);
    }
    if (status != Ok) RaiseSaveError(status);
    if (!written.Replace(fileName)) RaiseSaveError(Win32Error);
}

}  // namespace tpr::win
