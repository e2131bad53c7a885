// The traps: how an error climbs to its event handler, and what reaches the log and the report dialog.
#include <gtest/gtest.h>

#include <new>
#include <optional>
#include <stdexcept>

#include "core/errors/error_framework.h"
#include "core/errors/error_report.h"
#include "core/errors/trap.h"
#include "error_number.h"
#include "fake_error_services.h"

namespace tpr::err::testing {
namespace {

// The error a call raised; the test fails (bad_optional_access) when it raised none.
template <class Call>
RuntimeError RaisedBy(Call&& call) { return ErrorRaisedBy(call).value(); }

struct CommandBarControl {};
std::wstring ErrTypeName(const CommandBarControl&) { return L"CommandBarControl"; }

// A failure three calls below an event handler, as the program's traps
// carry it.
int32_t Spliting(const std::wstring& sFullPath, int32_t point) {
    return LeafTrap(
        L"mCommon.Spliting(sFullPath,point)", [&]() -> int32_t { Raise(kErrInvalidCall); }, sFullPath, point);
}
std::wstring SplitingFileName(const std::wstring& sFullPath) {
    return LeafTrap(
        L"mCommon.SplitingFileName(sFullPath)", [&] { return std::to_wstring(Spliting(sFullPath, 92)); },
        sFullPath);
}
void BnOpen() {
    LeafTrap(L"Form1.bnOpen", [] { SplitingFileName(L"C:\\Photos\\x.jpg"); });
}

class TrapTest : public ::testing::Test, protected InstalledFakeErrorServices {};

TEST_F(TrapTest, FailureThreeCallsBelowAHandlerGivesOneReportLoggedAndShownOnce) {
    SetLastOsErrorReader([] { return uint32_t{5}; });
    TopLevelTrap(
        L"Form1.CommandBars1_Execute(Control)", [] { BnOpen(); }, CommandBarControl{});

    // The header lines are error_report_test's; here: the failed procedure is
    // the method, the OS error is read at the failure, each trap adds its line.
    const std::wstring report = ErrLastReport();
    EXPECT_EQ(report.find(L"Invalid procedure call or argument \r\n"), 0u);
    EXPECT_NE(report.find(L"\r\n  Method: mCommon.Spliting \r\n"), std::wstring::npos);
    EXPECT_EQ(report.substr(report.find(L"  API Error:")),
              L"  API Error: (5) Access is denied.\r\n"
              L"  Call Stack: mCommon.Spliting(sFullPath='C:\\Photos\\x.jpg', point=92) " + Dashes(30) +
                  L"\r\n  Call Stack: mCommon.SplitingFileName(sFullPath='C:\\Photos\\x.jpg') " + Dashes(32) +
                  L"\r\n  Call Stack: Form1.bnOpen() " + Dashes(71) +
                  L"\r\n  Call Stack: Form1.CommandBars1_Execute(Control={CommandBarControl}) " + Dashes(30) +
                  L"\r\n");
    EXPECT_NE(files.files[kLogPath].find(report), std::wstring::npos);
    EXPECT_EQ(dialogs.shownModal, std::vector<bool>{true});
}

TEST_F(TrapTest, LeafTrapRaisesTheRecordedErrorWithTheReportSoFar) {
    SetLastOsErrorReader([] { return uint32_t{87}; });
    RuntimeError inner(kErrFileNotFound);
    inner.helpFile = L"photo.hlp";
    inner.helpContext = 4021;
    inner.line = 12;
    const RuntimeError e = RaisedBy([&] { LeafTrap(L"mDrive.GetDriveNames()", [&] { throw inner; }); });
    EXPECT_TRUE(e.number == kErrFileNotFound && e.source == kErrorInSource && e.helpFile == L"photo.hlp" &&
                e.helpContext == 4021 && e.lastOsError == 87u);
    // The line belongs to the failed procedure's own call-stack line.
    EXPECT_EQ(e.line, 0);
    EXPECT_EQ(e.description, ErrLastReport());
    EXPECT_EQ(e.description.substr(e.description.rfind(L"  Call Stack:")),
              L"  Call Stack: mDrive.GetDriveNames()  at Line 12 " + Dashes(51) + L"\r\n");
}

TEST_F(TrapTest, CallerContinuesTheReportWithoutASecondHeader) {
    const RuntimeError inner = RaisedBy([] { LeafTrap(L"Form1.SetNoImage", [] { Raise(kErrOverflow); }); });
    const RuntimeError outer = RaisedBy([&] {
        LeafTrap(
            L"mMain.FileExist(FilePath)", [&] { throw inner; }, L"a.jpg");
    });
    EXPECT_EQ(outer.number, kErrOverflow);
    EXPECT_EQ(outer.description,
              inner.description + L"  Call Stack: mMain.FileExist(FilePath='a.jpg') " + Dashes(52) + L"\r\n");
}

TEST(Traps, QuietErrorsClimbUnchangedOthersAreLoggedAndShown) {
    const struct { int32_t number; bool quiet; } cases[] = {
        {kQuietErrorFirst - 1, false}, {kQuietErrorFirst, true}, {kQuietErrorLast, true},
        {ERRMAP_APP_FIRST, false}, {5, false}};
    for (const auto& c : cases) {
        const InstalledFakeErrorServices services;
        const RuntimeError passed = RaisedBy([&] {
            LeafTrap(L"Form1.bnSave", [&] { throw RuntimeError(c.number, L"cancelled", L"Form1"); });
        });
        EXPECT_EQ(passed.number, c.number);
        EXPECT_EQ(passed.description == L"cancelled" && passed.source == L"Form1", c.quiet) << c.number;

        TopLevelTrap(L"Form1.Form_Activate", [&] { throw passed; });
        const bool reported = !ErrLastReport().empty();
        EXPECT_EQ(reported, !c.quiet) << c.number;
        EXPECT_TRUE(services.files.files.size() == reported && services.dialogs.shownModal.size() == reported)
            << c.number << ": logged and shown once when reported";
    }
}

TEST(Traps, TheDialogFollowsTheLogAndEachCanFailAlone) {
    const struct { const char* what; bool services, mainWindowLoaded, failToShow; int failingOpens;
                   bool unattended, logged; std::vector<bool> shownModal; } cases[] = {
        {"modal over the main window", true, true, false, 0, false, true, {true}},
        {"modeless while the main window is not loaded", true, false, false, 0, false, true, {false}},
        {"logged before a dialog that fails", true, true, true, 0, false, true, {}},
        {"shown though the log stays locked", true, true, false, -1, false, false, {true}},
        {"without services the event still ends", false, true, false, 0, false, false, {}},
        {"unattended (the session ends): logged, no dialog", true, true, false, 0, true, true, {}},
    };
    for (const auto& c : cases) {
        InstalledFakeErrorServices services;
        services.dialogs.mainWindowLoaded = c.mainWindowLoaded;
        services.dialogs.failToShow = c.failToShow;
        services.files.failingOpens = c.failingOpens;
        if (!c.services) InstallErrorServices({});
        std::optional<UnattendedReports> unattended;
        if (c.unattended) unattended.emplace();
        TopLevelTrap(L"Form11.Label55_Click", [] { Raise(kErrFileNotFound); });
        const std::wstring& log = services.files.files[kLogPath];
        EXPECT_EQ(log.find(L"  Method: Form11.Label55_Click") != std::wstring::npos, c.logged) << c.what;
        EXPECT_EQ(services.dialogs.shownModal, c.shownModal) << c.what;
        // The event ended normally, and the error with it: the next starts afresh.
        EXPECT_EQ(CurrentError().number, 0) << c.what;
        EXPECT_FALSE(ErrorContext().saved) << c.what;
    }
}

TEST(Traps, StandardExceptionsBecomeClassicErrors) {
    const struct { void (*thrower)(); int32_t number; const wchar_t* description; } cases[] = {
        {[] { throw std::bad_alloc(); }, 7, L"Out of memory"},
        {[] { throw std::length_error("vector"); }, 7, L"Out of memory"},
        {[] { throw std::out_of_range("at"); }, 9, L"Subscript out of range"},
        {[] { throw std::runtime_error("disk on fire"); }, 51, L"Internal error: disk on fire"},
        {[] { throw 42; }, 51, L"Internal error"},
    };
    for (const auto& c : cases) {
        const InstalledFakeErrorServices services;
        const RuntimeError e = RaisedBy([&] { LeafTrap(L"Form1.bnOpen", c.thrower); });
        EXPECT_EQ(e.number, c.number) << c.description;
        const std::wstring line = L"  Description: " + std::wstring(c.description) + L"\r\n";
        EXPECT_NE(e.description.find(line), std::wstring::npos) << c.description;
    }
}

TEST_F(TrapTest, ErrorInRecordsLostInformationAndReraisesOnlyWhenAsked) {
    EXPECT_FALSE(ErrorIn(L"Form1.Form_Load", {}, kTopLevelTrapOptions).empty());
    EXPECT_EQ(CurrentError().number, ERRMAP_APP_FIRST);
    EXPECT_EQ(CurrentError().source, kErrorInSource);

    ResetErrorFramework();
    CurrentError().number = kErrTypeMismatch;
    CurrentError().description = L"Type mismatch";
    const RuntimeError e = RaisedBy([] { ErrorIn(L"Form1.bnOpen", {}, EI_RERAISE); });
    EXPECT_EQ(e.number, kErrTypeMismatch);
    EXPECT_EQ(e.description, L"Type mismatch");
    EXPECT_EQ(ErrLastReport(), L"");
}

TEST_F(TrapTest, PreserveKeepsTheFirstCopyAndRecallRestoresIt) {
    CurrentError() = {kErrFileNotFound, L"mMain", L"File not found", L"a.hlp", 77, 2, 30};
    EXPECT_FALSE(ErrRetryQuery());
    CurrentError() = {kErrOverflow, L"other", L"Overflow", L"", 0, 0, 0};
    ErrPreserve();
    const ErrorContextRecord& saved = ErrorContext();
    EXPECT_TRUE(saved.saved && saved.helpContext == L"77" && saved.line == 30 && saved.lastOsError == 2u);

    ErrRecall();
    const ErrorRecord& e = CurrentError();
    EXPECT_TRUE(e.number == kErrFileNotFound && e.source == L"mMain" && e.description == L"File not found" &&
                e.helpFile == L"a.hlp" && e.helpContext == 77);
}

}  // namespace
}  // namespace tpr::err::testing
