// What a user's disk really holds, handed to the program as a user would hand
// it: on the command line and through the Open dialog, then saved. A photo
// that cannot be read, or a file that cannot be written, is one entry in
// ErrorReport.txt and the report dialog; the program never crashes or hangs,
// stays usable, keeps the photo it showed and leaves no file damaged or
// half-written.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "linux_side.h"
#include "program_path.h"

namespace tpr::e2e {
namespace {

constexpr WPARAM kOpenCommand = 1;
constexpr WPARAM kSaveCommand = 2;
// After a failed load at start-up the window shows no picture at all.
constexpr wchar_t kNothingShown[] = L"Photo resolution: 0x0  ";
// The corpus's good photo is 800 x 600, the first run's work area too.
constexpr wchar_t kGoodPhotoShown[] = L"Photo resolution: 800x600  ";

struct BadInput {
    const wchar_t* name;
    int error;                 // the number reported when it cannot be opened; 0 when it opens
    const wchar_t* shown;      // panel 2 once it is open
    bool whiteCorner = false;  // transparent there: saved white, as shown
};

// The expected outcome of each input of the corpus.
const BadInput kInputs[] = {
    {L"zero-bytes.jpg", 481, nullptr},
    {L"text-file.jpg", 481, nullptr},
    {L"truncated.jpg", 481, nullptr},
    {L"broken-data.gif", 481, nullptr},
    {L"claims-60000x60000.bmp", 481, nullptr},
    {L"one-pixel.jpg", 0, L"Photo resolution: 1x1  "},
    {L"strip-1x20000.jpg", 0, L"Photo resolution: 1x600  "},
    {L"transparent.gif", 0, L"Photo resolution: 120x90  ", true},
    {L"\u0444\u043e\u0442\u043e_\u5199\u771f.jpg", 0, kGoodPhotoShown},
};

// The corpus of bad and awkward inputs, made by scripts/make-bad-inputs.py.
std::wstring BadInputsFolder() {
    std::wstring folder = TPR_BAD_INPUTS;
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    return folder;
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// The log's entries written since `before` was read.
std::string NewLogEntries(const std::string& before) {
    const std::string log = ReadFileBytes(ErrorLogPath());
    if (log.compare(0, before.size(), before) != 0) return "the log was rewritten, not appended to";
    return log.substr(before.size());
}

// The report dialog, closed with OK as the user does; then the main window
// must be enabled and answer.
void AcknowledgeReport(const RunningProgram& program) {
    const HWND dialog = program.WaitForWindow(L"Program Error");
    ASSERT_NE(dialog, nullptr) << "the report dialog is shown";
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil(5000, [&] { return !::IsWindow(dialog); }));
    EXPECT_TRUE(::IsWindowEnabled(program.MainWindow()));
}

bool Responds(const RunningProgram& program) {
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(program.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

// Saves what is shown through the Save dialog; the user answers Yes to the
// overwrite question when the target exists.
void SaveAs(const RunningProgram& program, const std::wstring& target) {
    ::PostMessageW(program.MainWindow(), WM_COMMAND, kSaveCommand, 0);
    test::FileDialogAnswer answer{target};
    if (FileExists(target)) answer.overwriteAnswer = IDYES;
    ASSERT_TRUE(test::AnswerFileDialog(program.ProcessId(), L"Save photo", answer).shown);
}

// Saves the shown photo and checks the file is the view: a JPEG of the size in
// panel 2.
void ExpectSavedAsShown(const RunningProgram& program, const std::wstring& target, bool whiteCorner = false) {
    SaveAs(program, target);
    ASSERT_TRUE(WaitUntil(10000, [&] { return ImageFileSize(target).cx != 0; })) << "saved";
    const SIZE size = ImageFileSize(target);
    EXPECT_EQ(L"Photo resolution: " + std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy) + L"  ",
              program.StatusText(2));
    EXPECT_EQ(ReadFileBytes(target).substr(0, 2), "\xFF\xD8");
    if (whiteCorner) EXPECT_EQ(ImageFilePixel(target, 2, 2) & 0xF0F0F0, 0xF0F0F0u) << "white, as shown";
}

// Closes the program as the user does: it must end, cleanly.
void ExpectClosesCleanly(RunningProgram& program) {
    EXPECT_TRUE(Responds(program)) << "no hang";
    program.Close();
    ASSERT_TRUE(program.WaitForExit(10000)) << "no hang on closing";
    EXPECT_EQ(program.ExitCode(), 0u) << "no crash";
}

// The corpus itself is never changed by opening it.
class BadInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        for (const BadInput& input : kInputs) corpus_.push_back(ReadFileBytes(InCorpus(input.name)));
    }
    void TearDown() override {
        for (size_t i = 0; i < std::size(kInputs); ++i)
            EXPECT_EQ(ReadFileBytes(InCorpus(kInputs[i].name)), corpus_[i]) << "the input is left as it was";
    }
    static std::wstring InCorpus(const std::wstring& name) { return BadInputsFolder() + L"\\" + name; }

    TempFolder saved;

private:
    std::vector<std::string> corpus_;
};

TEST_F(BadInputTest, EachInputOnTheCommandLineIsShownOrReportedAndTheViewCanBeSaved) {
    size_t opened = 0;
    for (const BadInput& input : kInputs) {
        SCOPED_TRACE(input.name);
        const std::string before = ReadFileBytes(ErrorLogPath());
        RunningProgram program(Quoted(InCorpus(input.name)));
        ASSERT_NE(program.MainWindow(), nullptr);
        const std::wstring target = saved.File(L"saved-" + std::to_wstring(opened + 1) + L".jpg");
        if (input.error) {
            AcknowledgeReport(program);
            const std::string entry = NewLogEntries(before);
            EXPECT_NE(entry.find("  Number: " + std::to_string(input.error) + " = "), std::string::npos) << entry;
            EXPECT_NE(entry.find("  Call Stack: mMain.Main() ---"), std::string::npos) << entry;
            EXPECT_EQ(program.StatusText(2), kNothingShown);
            // With nothing shown there is nothing to save: that is reported, and no file is written.
            SaveAs(program, target);
            AcknowledgeReport(program);
            EXPECT_FALSE(FileExists(target));
        } else {
            EXPECT_EQ(program.StatusText(2), input.shown);
            EXPECT_EQ(program.TopLevelWindows().size(), 1u) << "no report";
            ExpectSavedAsShown(program, target, input.whiteCorner);
            ++opened;
            EXPECT_EQ(NewLogEntries(before), "") << "nothing logged";
        }
        ExpectClosesCleanly(program);
    }
    EXPECT_EQ(saved.Names().size(), opened) << "one file per save, no temporary file left";
}

TEST_F(BadInputTest, EachInputThroughOpenIsShownOrReportedKeepingThePhotoShownBefore) {
    RunningProgram program(Quoted(InCorpus(L"good.jpg")));
    ASSERT_NE(program.MainWindow(), nullptr);
    ASSERT_EQ(program.StatusText(2), kGoodPhotoShown);
    int number = 0;
    for (const BadInput& input : kInputs) {
        SCOPED_TRACE(input.name);
        // Each input opens over the good photo.
        ::PostMessageW(program.MainWindow(), WM_COMMAND, kOpenCommand, 0);
        ASSERT_TRUE(test::AnswerFileDialog(program.ProcessId(), L"Select photo",
                                           test::FileDialogAnswer{InCorpus(L"good.jpg")}).shown);
        ASSERT_TRUE(WaitUntil(10000, [&] { return program.StatusText(2) == kGoodPhotoShown; }));

        const std::string before = ReadFileBytes(ErrorLogPath());
        ::PostMessageW(program.MainWindow(), WM_COMMAND, kOpenCommand, 0);
        ASSERT_TRUE(test::AnswerFileDialog(program.ProcessId(), L"Select photo",
                                           test::FileDialogAnswer{InCorpus(input.name)}).shown);
        const std::wstring target = saved.File(L"saved-" + std::to_wstring(++number) + L".jpg");
        if (input.error) {
            AcknowledgeReport(program);
            const std::string entry = NewLogEntries(before);
            EXPECT_NE(entry.find("  Number: " + std::to_string(input.error) + " = "), std::string::npos) << entry;
            EXPECT_NE(entry.find("  Call Stack: Form1.bnOpen() ---"), std::string::npos) << entry;
            EXPECT_EQ(program.StatusText(2), kGoodPhotoShown);
            // The photo shown before is what is saved: its dark upper-left corner.
            SaveAs(program, target);
            ASSERT_TRUE(WaitUntil(10000, [&] { return ImageFileSize(target).cx == 800; }));
            EXPECT_LT(GetGValue(ImageFilePixel(target, 20, 20)), 60);
        } else {
            ASSERT_TRUE(WaitUntil(10000, [&] { return program.StatusText(2) == input.shown; }))
                << program.StatusText(2);
            EXPECT_EQ(program.TopLevelWindows().size(), 1u) << "no report";
            EXPECT_EQ(NewLogEntries(before), "") << "nothing logged";
            ExpectSavedAsShown(program, target, input.whiteCorner);
        }
    }
    ExpectClosesCleanly(program);
}

TEST_F(BadInputTest, PhotoInAMissingFolderOnTheCommandLineIsReportedAsPathNotFound) {
    // The Open dialog itself refuses a missing folder; only a command line can name one.
    const std::string before = ReadFileBytes(ErrorLogPath());
    RunningProgram program(Quoted(saved.File(L"no such folder\\photo.jpg")));
    ASSERT_NE(program.MainWindow(), nullptr);
    AcknowledgeReport(program);
    const std::string entry = NewLogEntries(before);
    EXPECT_NE(entry.find("  Number: 76 = &H4C "), std::string::npos) << entry;
    EXPECT_EQ(program.StatusText(2), kNothingShown);
    ExpectClosesCleanly(program);
}

// Saves that cannot be written: each is reported, the file it would have
// replaced stays byte for byte, and nothing half-written is left.
class FailedSaveTest : public BadInputTest {
protected:
    void SetUp() override {
        BadInputTest::SetUp();
        program_.emplace(Quoted(InCorpus(L"good.jpg")));
        ASSERT_EQ(program_->StatusText(2), kGoodPhotoShown);
    }
    void TearDown() override {
        ExpectClosesCleanly(*program_);
        program_.reset();
        BadInputTest::TearDown();
    }

public:
    // Saves to target and checks the failure is reported as error 5 under
    // Form1.bnSave; the window still saves afterwards.
    void ExpectSaveReported(const std::wstring& target) {
        const std::string before = ReadFileBytes(ErrorLogPath());
        SaveAs(*program_, target);
        AcknowledgeReport(*program_);
        const std::string entry = NewLogEntries(before);
        EXPECT_NE(entry.find("  Number: 5 = &H5 "), std::string::npos) << entry;
        EXPECT_NE(entry.find("Cannot save the image. GDI+ Error:"), std::string::npos) << entry;
        EXPECT_NE(entry.find("  Call Stack: Form1.bnSave() ---"), std::string::npos) << entry;
        EXPECT_EQ(program_->StatusText(2), kGoodPhotoShown);
        ExpectSavedAsShown(*program_, saved.File(L"after-the-failure.jpg"));
    }

private:
    std::optional<RunningProgram> program_;
};

TEST_F(FailedSaveTest, TargetHeldOpenByAnotherProgramIsReportedAndKept) {
    TempFolder folder;
    const std::wstring target = folder.File(L"holiday.jpg");
    WriteFileBytes(target, "the photo another program is showing");
    {
        const HANDLE held = ::CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        ExpectSaveReported(target);
        ::CloseHandle(held);
    }
    EXPECT_EQ(ReadFileBytes(target), "the photo another program is showing");
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"holiday.jpg"}) << "no temporary file left";
}

// A filesystem of 1 MiB of the test's own, mounted on the Linux side and
// mapped as Wine drive T:; removed with the object.
class SmallDrive {
public:
    SmallDrive() : mountPoint_("/tmp/tpr-drive-" + std::to_string(::GetCurrentProcessId())) {
        mounted_ = Shell("mkdir -p " + mountPoint_ + " && mount -t tmpfs -o size=1m tmpfs " + mountPoint_ +
                         " && ln -sfn " + mountPoint_ + " " + kDrive + " && echo mounted") == "mounted\n";
    }
    ~SmallDrive() { Shell("rm -f " + std::string(kDrive) + "; umount " + mountPoint_ + "; rmdir " + mountPoint_); }
    SmallDrive(const SmallDrive&) = delete;
    SmallDrive& operator=(const SmallDrive&) = delete;
    bool Mounted() const { return mounted_; }
    // Fills what is left.
    void Fill() { Shell("dd if=/dev/zero of=" + mountPoint_ + "/filler bs=4k 2>/dev/null; true"); }
    // From now on nothing on it can be written, not even by root.
    void MakeReadOnly() { Shell("mount -o remount,ro " + mountPoint_); }

private:
    static constexpr char kDrive[] = "\"$WINEPREFIX/dosdevices/t:\"";
    static std::string Shell(const std::string& command) { return test::LinuxShellOutput(test::kLinuxTmp, command); }

    std::string mountPoint_;
    bool mounted_ = false;
};


// No file beside the target is left over from the save.
void ExpectNothingLeftOnT() {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(L"T:\\~tpr*", &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "no temporary file left";
    if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
}

// A save to drive T:, spoilt after an earlier photo was saved there, is
// reported; the earlier photo keeps every byte.
void ExpectSaveToASpoiltDriveReported(FailedSaveTest& test, void (SmallDrive::*spoil)()) {
    SmallDrive drive;
    if (!drive.Mounted()) GTEST_SKIP() << "mounting a small filesystem needs root on the Linux side";
    const std::wstring target = L"T:\\holiday.jpg";
    WriteFileBytes(target, "the photo saved last week");
    (drive.*spoil)();
    test.ExpectSaveReported(target);
    EXPECT_EQ(ReadFileBytes(target), "the photo saved last week");
    ExpectNothingLeftOnT();
}

TEST_F(FailedSaveTest, DriveThatCannotBeWrittenIsReportedAndTheFileItWouldReplaceIsKept) {
    // Run as root, a read-only attribute does not stop a write; a read-only
    // filesystem does. (The kernel's process folders, the other place root
    // cannot write, are refused or mislisted by the Save dialog itself.)
    ExpectSaveToASpoiltDriveReported(*this, &SmallDrive::MakeReadOnly);
}

TEST_F(FailedSaveTest, FullDiskIsReportedAndTheFileItWouldReplaceIsKept) {
    ExpectSaveToASpoiltDriveReported(*this, &SmallDrive::Fill);
}

}  // namespace
}  // namespace tpr::e2e
