// Bad files on the command line and drives that refuse a save: reported once, no crash, no hang, no damage.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/main_window/commands.h"
#include "e2e_support.h"
#include "linux_side.h"
#include "program_path.h"

namespace tpr::e2e {
namespace {

struct BadInput {
    const wchar_t* name;
    SIZE shown;  // its size in the status bar once open; 0 x 0 when it is reported instead
    const char* number = "481 = &H1E1";  // the error reported, as the log writes it
};

// The corpus made by scripts/make-bad-inputs.py; its good photo is 800 x 600.
const BadInput kInputs[] = {
    {L"zero-bytes.jpg", {0, 0}},         {L"text-file.jpg", {0, 0}},
    {L"truncated.jpg", {0, 0}},          {L"broken-data.gif", {0, 0}},
    {L"claims-60000x60000.bmp", {0, 0}}, {L"claims-65535x65535.jpg", {0, 0}, "7 = &H7"},
    {L"one-pixel.jpg", {1, 1}},          {L"strip-1x20000.jpg", {1, 600}},
    {L"transparent.gif", {120, 90}},     {L"\u0444\u043e\u0442\u043e_\u5199\u771f.jpg", {800, 600}},
};

std::wstring InCorpus(const std::wstring& name) {
    std::wstring path = TPR_BAD_INPUTS L"\\" + name;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// Saves what is shown through the Save dialog; the user answers Yes to the
// overwrite question when the target exists.
void SaveAs(const RunningProgram& program, const std::wstring& target) {
    ::PostMessageW(program.MainWindow(), WM_COMMAND, kCommandSave, 0);
    test::FileDialogAnswer answer{target};
    if (FileExists(target)) answer.overwriteAnswer = IDYES;
    ASSERT_TRUE(test::AnswerFileDialog(program.ProcessId(), texts::SavePhotoTitle, answer).shown);
}

// Closes the program as the user does: it must end, cleanly.
void ExpectClosesCleanly(RunningProgram& program) {
    EXPECT_TRUE(program.Responds()) << "no hang";
    program.Close();
    ASSERT_TRUE(program.WaitForExit(10000)) << "no hang on closing";
    EXPECT_EQ(program.ExitCode(), 0u) << "no crash";
}

TEST(BadInputTest, EachInputIsShownAndSavedAsShownOrReported) {
    std::vector<std::string> corpus;
    for (const BadInput& input : kInputs) corpus.push_back(ReadFileBytes(InCorpus(input.name)));
    const TempFolder saved;
    size_t opened = 0;
    for (const BadInput& input : kInputs) {
        SCOPED_TRACE(input.name);
        ClearSettings();
        const ErrorLogWatch log;
        RunningProgram program(Quoted(InCorpus(input.name)));
        ASSERT_NE(program.MainWindow(), nullptr);
        if (input.shown.cx == 0) {
            // The report as the user meets it: one entry in the log, the
            // dialog modal over the main window, which is usable once it closes.
            const HWND dialog = program.WaitForWindow(texts::ProgramErrorTitle);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(::GetWindow(dialog, GW_OWNER), program.MainWindow());
            EXPECT_FALSE(::IsWindowEnabled(program.MainWindow()));
            EXPECT_NE(::FindWindowExW(dialog, nullptr, nullptr, texts::ErrorOccurredText.c_str()), nullptr);
            const std::string entry = log.NewEntries();
            EXPECT_NE(entry.find("  Number: " + std::string(input.number) + " "), std::string::npos) << entry;
            EXPECT_EQ(CountOf(entry, "Program path: "), 1u) << entry;
            EXPECT_EQ(CountOf(entry, "  Call Stack: "), 1u) << entry;
            EXPECT_NE(entry.find("  Call Stack: mMain.Main() ---"), std::string::npos) << entry;
            EXPECT_TRUE(AcknowledgeReport(program));
            EXPECT_TRUE(::IsWindowEnabled(program.MainWindow()));
        } else {
            EXPECT_EQ(program.TopLevelWindows().size(), 1u) << "no report";
            const std::wstring target = saved.File(std::to_wstring(++opened) + L".jpg");
            SaveAs(program, target);
            ASSERT_TRUE(WaitUntil(10000, [&] { return ImageFileSize(target).cx != 0; })) << "saved";
            const SIZE size = ImageFileSize(target);
            EXPECT_EQ(size.cx, input.shown.cx);
            EXPECT_EQ(size.cy, input.shown.cy);
            EXPECT_EQ(log.NewEntries(), "") << "nothing logged";
        }
        EXPECT_EQ(program.StatusText(2), PhotoResolutionText(input.shown.cx, input.shown.cy));
        ExpectClosesCleanly(program);
    }
    EXPECT_EQ(saved.Names().size(), opened) << "one file per save, no temporary file left";
    for (size_t i = 0; i < std::size(kInputs); ++i)
        EXPECT_EQ(ReadFileBytes(InCorpus(kInputs[i].name)), corpus[i]) << "the input is left as it was";
}

// A filesystem of 1 MiB of the test's own, mounted on the Linux side as Wine
// drive T:, holding a photo saved there last week, then spoilt by a shell
// command on its mount point $M; removed with the object.
class SpoiltDrive {
public:
    explicit SpoiltDrive(const std::string& spoil) : mountPoint_(Shell("mktemp -d /tmp/tpr-drive-XXXXXX")) {
        mountPoint_.erase(mountPoint_.find_last_not_of('\n') + 1);
        mounted_ = Shell("M=" + mountPoint_ + "; mount -t tmpfs -o size=1m tmpfs $M && printf '" + kLastWeeks +
                         "' >$M/holiday.jpg && " + spoil + " && ln -sfn $M " + kDrive + " && echo mounted") ==
                   "mounted\n";
    }
    ~SpoiltDrive() { Shell("rm -f " + std::string(kDrive) + "; umount " + mountPoint_ + "; rmdir " + mountPoint_); }
    SpoiltDrive(const SpoiltDrive&) = delete;
    SpoiltDrive& operator=(const SpoiltDrive&) = delete;
    bool Mounted() const { return mounted_; }
    static constexpr char kLastWeeks[] = "the photo saved last week";

private:
    static constexpr char kDrive[] = "\"$WINEPREFIX/dosdevices/t:\"";
    static std::string Shell(const std::string& command) { return test::LinuxShellOutput(test::kLinuxTmp, command); }

    std::string mountPoint_;
    bool mounted_ = false;
};

// Run as root, a read-only attribute does not stop a write; a read-only
// filesystem does, and so does a full one. The save is reported, the photo
// saved there before keeps every byte, and nothing is left beside it.
TEST(BadInputTest, SaveToADriveThatCannotTakeItIsReportedAndKeepsTheFileItWouldReplace) {
    for (const char* spoil : {"mount -o remount,ro $M", "{ dd if=/dev/zero of=$M/filler bs=4k 2>/dev/null || true; }"}) {
        SCOPED_TRACE(spoil);
        ClearSettings();
        const SpoiltDrive drive(spoil);
        if (!drive.Mounted()) GTEST_SKIP() << "mounting a small filesystem needs root on the Linux side";
        RunningProgram program(Quoted(InCorpus(L"good.jpg")));
        ASSERT_EQ(program.StatusText(2), PhotoResolutionText(800, 600));
        const ErrorLogWatch log;
        SaveAs(program, L"T:\\holiday.jpg");
        EXPECT_TRUE(AcknowledgeReport(program));
        const std::string entry = log.NewEntries();
        EXPECT_NE(entry.find("  Number: 5 = &H5 "), std::string::npos) << entry;
        EXPECT_NE(entry.find("  Call Stack: Form1.bnSave() ---"), std::string::npos) << entry;
        EXPECT_EQ(program.StatusText(2), PhotoResolutionText(800, 600));
        ExpectClosesCleanly(program);
        EXPECT_EQ(ReadFileBytes(L"T:\\holiday.jpg"), SpoiltDrive::kLastWeeks);
        WIN32_FIND_DATAW found{};
        const HANDLE search = ::FindFirstFileW(L"T:\\~tpr*", &found);
        EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "no temporary file left";
        if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
    }
}

}  // namespace
}  // namespace tpr::e2e
