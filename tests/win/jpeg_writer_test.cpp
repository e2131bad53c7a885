// The program's own JPEG encoder: files that decode to the picture, sizes
// and an independent decoder's reading that follow the quality, and the
// statuses it gives.
#include "imaging/jpeg_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/gdiplus_resize.h"
#include "runtime/text.h"
#include "test_pictures.h"

namespace tpr::win {
namespace {

// A folder of this test's own under the Linux /tmp (Wine's Z:), so that
// Linux tools can read what is written there.
class LinuxTempFolder {
public:
    LinuxTempFolder() : unixPath_("/tmp/tpr-jpeg-" + std::to_string(::GetCurrentProcessId())) {
        ::CreateDirectoryW(Windows(unixPath_).c_str(), nullptr);
    }
    ~LinuxTempFolder() {
        for (const std::string& name : written_) ::DeleteFileW(Windows(unixPath_ + "/" + name).c_str());
        ::RemoveDirectoryW(Windows(unixPath_).c_str());
    }
    std::wstring File(const std::string& name) {
        written_.push_back(name);
        return Windows(unixPath_ + "/" + name);
    }
    std::string UnixFile(const std::string& name) const { return unixPath_ + "/" + name; }

    static std::wstring Windows(const std::string& unixPath) {
        std::wstring path = L"Z:" + ToWide(unixPath);
        for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
        return path;
    }

private:
    std::string unixPath_;
    std::vector<std::string> written_;
};

std::string ReadBytes(const std::wstring& path) {
    const UniqueFile file(
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (file && ::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read)
        bytes.append(buffer, read);
    return bytes;
}

// What a Linux shell command line prints, run from the Windows side as Wine
// allows. Wine gives no handle to wait on for a Linux process: the output
// is moved into place when complete, and waited for.
std::string LinuxShellOutput(LinuxTempFolder& folder, const std::string& command) {
    static int calls = 0;
    const std::string output = "shell" + std::to_string(++calls) + ".txt";
    const std::wstring done = folder.File(output);
    folder.File(output + ".part");
    std::wstring line = L"sh -c \"" +
                        ToWide(command + " > " + folder.UnixFile(output + ".part") + " && mv " +
                               folder.UnixFile(output + ".part") + " " + folder.UnixFile(output)) +
                        L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return {};
    }
    if (process.hThread) ::CloseHandle(process.hThread);
    if (process.hProcess) ::CloseHandle(process.hProcess);
    for (int waited = 0; waited < 300 && ::GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++waited) {
        ::Sleep(100);
    }
    return ReadBytes(done);
}

// Rows from the top, as WriteJpegWithQuality takes them.
template <class Fill>
std::vector<uint32_t> PixelsOf(int width, int height, Fill fill) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = fill(x, y);
            pixels.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        }
    }
    return pixels;
}

// A photo-like picture: smooth light, some texture.
COLORREF Scene(int x, int y) {
    const int texture = ((x * 7919 + y * 104729) >> 3) % 40;
    return RGB((x * 255 / 320 + texture) % 256, (y * 255 / 240 + texture / 2) % 256, 120 + texture);
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

class JpegWriterTest : public ::testing::Test {
protected:
    GdiPlusSession session_;
    LinuxTempFolder folder_;
};

TEST_F(JpegWriterTest, WritesAJpegThatDecodesToThePicture) {
    const auto pixels =
        PixelsOf(64, 48, [](int x, int) { return x < 32 ? RGB(220, 30, 30) : RGB(30, 30, 220); });
    const std::wstring path = folder_.File("halves.jpg");
    ASSERT_EQ(WriteJpegWithQuality(pixels.data(), 64, 48, 90, path), Gdiplus::Ok);

    Gdiplus::GpBitmap* decoded = nullptr;
    ASSERT_EQ(Gdiplus::DllExports::GdipCreateBitmapFromFile(path.c_str(), &decoded), Gdiplus::Ok);
    const UniqueGdipImage image(decoded);
    UINT width = 0, height = 0;
    Gdiplus::DllExports::GdipGetImageWidth(decoded, &width);
    Gdiplus::DllExports::GdipGetImageHeight(decoded, &height);
    EXPECT_EQ(width, 64u);
    EXPECT_EQ(height, 48u);
    Gdiplus::ARGB left = 0, right = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(decoded, 8, 24, &left);
    Gdiplus::DllExports::GdipBitmapGetPixel(decoded, 56, 24, &right);
    const auto asColour = [](Gdiplus::ARGB c) { return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); };
    EXPECT_TRUE(test::Near(asColour(left), RGB(220, 30, 30), 24));
    EXPECT_TRUE(test::Near(asColour(right), RGB(30, 30, 220), 24));
}

TEST_F(JpegWriterTest, SizeAndAnIndependentDecodersEstimateFollowTheQuality) {
    const auto pixels = PixelsOf(320, 240, Scene);
    long long previousSize = 0;
    for (int quality : {10, 70, 100}) {
        const std::string name = "q" + std::to_string(quality) + ".jpg";
        const std::wstring path = folder_.File(name);
        ASSERT_EQ(WriteJpegWithQuality(pixels.data(), 320, 240, quality, path), Gdiplus::Ok);
        const long long size = FileSize(path);
        EXPECT_GT(size, previousSize) << "quality " << quality;
        previousSize = size;

        // ImageMagick estimates the quality from the file's quantisation tables.
        const std::string text = LinuxShellOutput(
            folder_, "identify -verbose " + folder_.UnixFile(name) + " | sed -n 's/^ *Quality: //p'");
        ASSERT_FALSE(text.empty()) << "identify gave no quality";
        EXPECT_NEAR(std::stoi(text), quality, 5) << "identify's estimate";
    }
}

TEST_F(JpegWriterTest, QualityOutsideTheRangeIsTakenAsItsEnd) {
    const auto pixels = PixelsOf(80, 60, Scene);
    const auto bytesAt = [&](int quality) {
        const std::wstring path = folder_.File("at" + std::to_string(quality) + ".jpg");
        EXPECT_EQ(WriteJpegWithQuality(pixels.data(), 80, 60, quality, path), Gdiplus::Ok);
        return ReadBytes(path);
    };
    EXPECT_EQ(bytesAt(0), bytesAt(1)) << "0 is the smallest, not the encoder's default";
    EXPECT_EQ(bytesAt(-5), bytesAt(1));
    EXPECT_EQ(bytesAt(250), bytesAt(100));
    EXPECT_NE(bytesAt(1), bytesAt(100));
}

TEST_F(JpegWriterTest, AFileThatCannotBeWrittenGivesTheWriteFailureStatus) {
    const uint32_t pixel = 0x808080;
    const std::wstring path = LinuxTempFolder::Windows("/tmp/tpr-no-such-folder/x.jpg");
    EXPECT_EQ(WriteJpegWithQuality(&pixel, 1, 1, 70, path), Gdiplus::Win32Error);
    EXPECT_EQ(FileSize(path), -1);
    EXPECT_EQ(WriteJpegWithQuality(&pixel, 0, 1, 70, folder_.File("empty.jpg")), Gdiplus::GenericError)
        << "nothing to encode";
}

}  // namespace
}  // namespace tpr::win
