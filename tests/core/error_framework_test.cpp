#include <new>
#include <stdexcept>

#include "core/errors/error_report.h"
#include "core/errors/trap.h"
#include "fake_error_services.h"

namespace tpr::err::testing {
namespace {

std::wstring Dashes(size_t count) { return std::wstring(count, L'-'); }

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
void CommandBarsExecute(const CommandBarControl& control) {
    TopLevelTrap(
        L"Form1.CommandBars1_Execute(Control)", [] { BnOpen(); }, control);
}

using ErrTrap31Test = ErrorFrameworkTest;

TEST_F(ErrTrap31Test, FailureThreeCallsBelowAHandlerGivesOneReportLoggedAndShownOnce) {
    SetLastOsErrorReader([] { return uint32_t{5}; });
    CommandBarsExecute(CommandBarControl{});

    const std::wstring report =
        L"Invalid procedure call or argument \r\n"
        L"  Time='12/06/26 14:05:09' App='Tessaly Photo Resizer:2.0.0' ADO-version='?' Computer='PHOTOLAB' "
        L"\r\n"
        L"  Method: mCommon.Spliting \r\n"
        L"  Number: 5 = &H5 = vbObjectError + 2147221509 = ERRMAP_APP_FIRST + 2147216311 \r\n"
        L"  Source:  \r\n"
        L"  Description: Invalid procedure call or argument\r\n"
        L"  API Error: (5) Access is denied.\r\n"
        L"  Call Stack: mCommon.Spliting(sFullPath='C:\\Photos\\x.jpg', point=92) " +
        Dashes(30) + L"\r\n" + L"  Call Stack: mCommon.SplitingFileName(sFullPath='C:\\Photos\\x.jpg') " +
        Dashes(32) + L"\r\n" + L"  Call Stack: Form1.bnOpen() " + Dashes(71) + L"\r\n" +
        L"  Call Stack: Form1.CommandBars1_Execute(Control={CommandBarControl}) " + Dashes(30) + L"\r\n";
    EXPECT_EQ(ErrLastReport(), report);
    EXPECT_EQ(files.files[kLogPath],
              L"Please send this file to support@tessaly.example\r\n \r\n" + report +
                  L"\r\n"
                  L"Program path: C:\\Program Files\\Tessaly Photo Resizer\r\n"
                  L"Error report path: C:\\Users\\ann\\Documents\\Tessaly Photo Resizer\r\n"
                  L"OS: Windows XP 5.1 build 2600 (Service Pack 3)\r\n\r\n\r\n");
    EXPECT_EQ(dialogs.shownModal, std::vector<bool>{true});
    // The event ended normally, and the error with it.
    EXPECT_EQ(CurrentError().number, 0);
    EXPECT_FALSE(ErrorContext().saved);
}

TEST_F(ErrTrap31Test, LeafTrapRaisesTheRecordedErrorWithTheReportSoFar) {
    SetLastOsErrorReader([] { return uint32_t{87}; });
    const RuntimeError e = RaisedBy([] {
        LeafTrap(L"mDrive.GetDriveNames()", [] {
            RuntimeError inner(kErrFileNotFound);
            inner.helpFile = L"photo.hlp";
            inner.helpContext = 4021;
            inner.line = 12;
            throw inner;
        });
    });
    EXPECT_EQ(e.number, kErrFileNotFound);
    EXPECT_EQ(e.source, L"ErrTrap.ErrorIn");
    EXPECT_EQ(e.helpFile, L"photo.hlp");
    EXPECT_EQ(e.helpContext, 4021);
    EXPECT_EQ(e.lastOsError, 87u);
    // The line belongs to the failed procedure's own call-stack line.
    EXPECT_EQ(e.line, 0);
    EXPECT_EQ(e.description, ErrLastReport());
    const std::wstring callStack =
        L"  Call Stack: mDrive.GetDriveNames()  at Line 12 " + Dashes(51) + L"\r\n";
    ASSERT_GE(e.description.size(), callStack.size());
    EXPECT_EQ(e.description.substr(e.description.size() - callStack.size()), callStack);
}

TEST_F(ErrTrap31Test, ProceduresWithoutParametersShowEmptyParentheses) {
    for (const wchar_t* name : {L"mDrive.GetDriveNames()", L"Form1.Form_Load"}) {
        ResetErrorFramework();
        const RuntimeError e = RaisedBy([&] { LeafTrap(name, [] { Raise(kErrOverflow); }); });
        const std::wstring bare = ErrSplitName(name).bareName;
        EXPECT_NE(e.description.find(L"  Call Stack: " + bare + L"() --"), std::wstring::npos) << name;
    }
}

TEST_F(ErrTrap31Test, CallerContinuesTheReportWithoutASecondHeader) {
    const RuntimeError e = RaisedBy([] {
        LeafTrap(
            L"mMain.FileExist(FilePath)", [] { LeafTrap(L"Form1.SetNoImage", [] { Raise(kErrOverflow); }); },
            L"a.jpg");
    });
    const std::wstring& report = e.description;
    EXPECT_EQ(report.find(L"  Method: "), report.rfind(L"  Method: "));
    const size_t inner = report.find(L"  Call Stack: Form1.SetNoImage() ");
    const size_t outer = report.find(L"  Call Stack: mMain.FileExist(FilePath='a.jpg') ");
    ASSERT_NE(inner, std::wstring::npos);
    ASSERT_NE(outer, std::wstring::npos);
    EXPECT_LT(inner, outer);
}

TEST_F(ErrTrap31Test, QuietErrorsClimbUnchangedWithoutLogOrDialog) {
    for (const int32_t number : {kQuietErrorFirst, kQuietErrorLast}) {
        ResetErrorFramework();
        const RuntimeError passed = RaisedBy(
            [&] { LeafTrap(L"Form1.bnSave", [&] { throw RuntimeError(number, L"cancelled", L"Form1"); }); });
        EXPECT_EQ(passed.number, number);
        EXPECT_EQ(passed.description, L"cancelled");
        EXPECT_EQ(passed.source, L"Form1");

        TopLevelTrap(L"Form1.Form_Activate", [&] { LeafTrap(L"Form1.bnSave", [&] { Raise(number); }); });
        EXPECT_EQ(ErrLastReport(), L"");
    }
    EXPECT_TRUE(files.files.empty());
    EXPECT_EQ(files.folders.count(kLogFolder), 0u);
    EXPECT_TRUE(dialogs.shownModal.empty());
}

TEST_F(ErrTrap31Test, QuietRangeBounds) {
    const struct {
        int32_t number;
        bool quiet;
    } cases[] = {{kQuietErrorFirst - 1, false},
                 {kQuietErrorFirst, true},
                 {kQuietErrorLast, true},
                 {ERRMAP_APP_FIRST, false},
                 {5, false},
                 {vbObjectError + 4500, true}};
    for (const auto& c : cases) {
        ErrorContext().number = c.number;
        EXPECT_EQ(ErrIsQuiet(), c.quiet) << c.number;
    }
}

TEST_F(ErrTrap31Test, ErrorInWithNothingAtHandReportsLostInformation) {
    const std::wstring report = ErrorIn(L"Form1.Form_Load", {}, kTopLevelTrapOptions);
    const std::wstring lost =
        L"ErrorIn: Error information was lost. To fix: call ErrPreserve before doing anything in error "
        L"handler.";
    EXPECT_EQ(report, lost +
                          L" \r\n"
                          L"  Time='12/06/26 14:05:09' App='Tessaly Photo Resizer:2.0.0' ADO-version='?' "
                          L"Computer='PHOTOLAB' \r\n"
                          L"  Method: Form1.Form_Load \r\n"
                          L"  Number: -2147216306 = &H8004144E = vbObjectError + 5198 = ERRMAP_APP_FIRST + 0 "
                          L"= ERR_GENERAL\r\n"
                          L"  Source:  \r\n"
                          L"  Description: " +
                          lost + L"\r\n" + L"  Call Stack: Form1.Form_Load() " + Dashes(68) + L"\r\n");
    EXPECT_EQ(CurrentError().number, ERRMAP_APP_FIRST);
    EXPECT_EQ(CurrentError().source, L"ErrTrap.ErrorIn");
}

TEST_F(ErrTrap31Test, ErrorInWithoutReportOptionOnlyReraises) {
    CurrentError().number = kErrTypeMismatch;
    CurrentError().description = L"Type mismatch";
    const RuntimeError e = RaisedBy([] { ErrorIn(L"Form1.bnOpen", {}, EI_RERAISE); });
    EXPECT_EQ(e.number, kErrTypeMismatch);
    EXPECT_EQ(e.description, L"Type mismatch");
    EXPECT_EQ(ErrLastReport(), L"");
}

TEST_F(ErrTrap31Test, PreserveKeepsTheFirstCopyAndRecallRestoresIt) {
    CurrentError() = {kErrFileNotFound, L"mMain", L"File not found", L"a.hlp", 77, 2, 30};
    EXPECT_FALSE(ErrRetryQuery());
    CurrentError() = {kErrOverflow, L"other", L"Overflow", L"", 0, 0, 0};
    ErrPreserve();
    const ErrorContextRecord& saved = ErrorContext();
    EXPECT_TRUE(saved.saved);
    EXPECT_EQ(saved.number, kErrFileNotFound);
    EXPECT_EQ(saved.helpContext, L"77");
    EXPECT_EQ(saved.line, 30);
    EXPECT_EQ(saved.lastOsError, 2u);

    ErrRecall();
    const ErrorRecord& current = CurrentError();
    EXPECT_EQ(current.number, kErrFileNotFound);
    EXPECT_EQ(current.source, L"mMain");
    EXPECT_EQ(current.description, L"File not found");
    EXPECT_EQ(current.helpFile, L"a.hlp");
    EXPECT_EQ(current.helpContext, 77);
}

TEST_F(ErrTrap31Test, StandardExceptionsBecomeClassicErrors) {
    const struct {
        void (*thrower)();
        int32_t number;
        const wchar_t* description;
    } cases[] = {
        {[] { throw std::bad_alloc(); }, 7, L"Out of memory"},
        {[] { throw std::length_error("vector"); }, 7, L"Out of memory"},
        {[] { throw std::out_of_range("at"); }, 9, L"Subscript out of range"},
        {[] { throw std::runtime_error("disk on fire"); }, 51, L"Internal error: disk on fire"},
        {[] { throw 42; }, 51, L"Internal error"},
    };
    for (const auto& c : cases) {
        ResetErrorFramework();
        const RuntimeError e = RaisedBy([&] { LeafTrap(L"Form1.bnOpen", c.thrower); });
        EXPECT_EQ(e.number, c.number) << c.description;
        EXPECT_NE(e.description.find(L"  Description: " + std::wstring(c.description) + L"\r\n"),
                  std::wstring::npos)
            << c.description;
    }
}

TEST_F(ErrTrap31Test, DialogIsModelessWhileTheMainWindowIsNotLoaded) {
    dialogs.mainWindowLoaded = false;
    TopLevelTrap(L"mMain.Main", [] { Raise(kErrInvalidPicture); });
    EXPECT_EQ(dialogs.shownModal, std::vector<bool>{false});
}

TEST_F(ErrTrap31Test, EachReportIsLoggedBeforeItsDialog) {
    dialogs.failToShow = true;
    TopLevelTrap(L"Form11.Label55_Click", [] { Raise(kErrFileNotFound); });
    EXPECT_NE(files.files[kLogPath].find(L"  Method: Form11.Label55_Click"), std::wstring::npos);
}

TEST_F(ErrTrap31Test, FailuresOfTheServicesEndTheEventAndLeaveTheFrameworkReady) {
    InstallErrorServices({});
    TopLevelTrap(L"Form1.Form_Resize", [] { Raise(kErrOverflow); });
    // The header stopped at the first fact it could not get; the call-stack
    // line still followed.
    EXPECT_EQ(ErrLastReport(),
              L"%Descr% \r\n"
              L"  Time='%Time%' App='%App%:%Ver%' ADO-version='%ADOVersion%' Computer='%Comp%' \r\n"
              L"  Method: Form1.Form_Resize \r\n"
              L"  Number: %ErrNum% = &H%ErrHex% = vbObjectError %ErrNumRel1% = ERRMAP_APP_FIRST %ErrNumRel2% "
              L"%ErrStd%\r\n"
              L"  Source: %Source% \r\n"
              L"  Description: %Descr%\r\n"
              L"  Call Stack: Form1.Form_Resize() " +
                  Dashes(66) + L"\r\n");
    EXPECT_FALSE(ErrorContext().saved);

    InstallErrorServices({&platform, &files, &dialogs});
    TopLevelTrap(L"Form1.Form_Load", [] { Raise(kErrFileNotFound); });
    EXPECT_EQ(ErrLastReport().rfind(L"File not found \r\n", 0), 0u);
    EXPECT_EQ(dialogs.shownModal.size(), 1u);
}

}  // namespace
}  // namespace tpr::err::testing
