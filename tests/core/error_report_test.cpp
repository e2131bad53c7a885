#include "core/errors/error_report.h"

#include <cmath>
#include <limits>

#include "core/errors/trap.h"
#include "fake_error_services.h"

namespace tpr::err::testing {
namespace {

using namespace std::string_literals;

std::wstring Dashes(size_t count) { return std::wstring(count, L'-'); }

// The lines of a text split at CR LF, without the empty piece after the last.
std::vector<std::wstring> LinesOf(const std::wstring& text) {
    std::vector<std::wstring> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class ErrReportTest : public ErrorFrameworkTest {
protected:
    // The report a top-level trap makes of an error raised in it.
    std::wstring ReportFor(int32_t number, const std::wstring& description,
                           std::wstring_view name = L"Form1.bnOpen", const ErrArgs& args = {},
                           uint32_t lastOsError = 0) {
        CurrentError() = ErrorRecord{number, L"Form1", description, L"", 0, lastOsError, 0};
        return ErrorIn(name, args, kTopLevelTrapOptions);
    }
};

TEST(ErrSplitName, SplitsBareNameAndParameterList) {
    const struct {
        const wchar_t* name;
        const wchar_t* bare;
        const wchar_t* parameters;
    } cases[] = {
        {L"mCommon.Spliting(sFullPath,point)", L"mCommon.Spliting", L"sFullPath,point"},
        {L"mDrive.GetDriveNames()", L"mDrive.GetDriveNames", L""},
        {L"Form1.bnOpen", L"Form1.bnOpen", L""},
        {L"", L"", L""},
        {L"Broken(", L"Broken", L""},
    };
    for (const auto& c : cases) {
        const SplitName split = ErrSplitName(c.name);
        EXPECT_EQ(split.bareName, c.bare) << c.name;
        EXPECT_EQ(split.parameterNames, c.parameters) << c.name;
    }
}

TEST(ErrFormatValue, WritesEachKindOfValue) {
    const struct {
        ErrValue value;
        const wchar_t* text;
    } cases[] = {
        {ErrValue::Array(), L"{Array}"},
        {ErrValue::Empty(), L"{Empty}"},
        {ErrValue::Null(), L"{Null}"},
        {ErrValue::Omitted(), L""},
        {ErrValue::Other(), L"{?}"},
        {ErrValue::Object(L"PictureBox"), L"{PictureBox}"},
        {ErrValue::Date(L"12/6/2026 2:05:09 PM"), L"'12/6/2026 2:05:09 PM'"},
        {ToErrValue(L"a'b"), L"'a'b'"},
        {ToErrValue(true), L"True"},
        {ToErrValue(false), L"False"},
        {ToErrValue(int16_t{-32768}), L"-32768"},
        {ToErrValue(uint8_t{255}), L"255"},
        {ToErrValue(1.5), L"1.5"},
        {ToErrValue(-2.25f), L"-2.25"},
        {ToErrValue(100.0), L"100"},
        {ToErrValue(-0.0), L"0"},
        {ToErrValue(0.1), L"0.1"},
        {ToErrValue(1.0 / 3.0), L"0.333333333333333"},
        {ToErrValue(2.0 / 3.0), L"0.666666666666667"},
        {ToErrValue(123456789012345.0), L"123456789012345"},
        {ToErrValue(1e15), L"1E+15"},
        {ToErrValue(0.0001), L"0.0001"},
        {ToErrValue(0.00001), L"1E-05"},
        {ToErrValue(-1.25e-300), L"-1.25E-300"},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrFormatValue(c.value), c.text);
}

TEST_F(ErrReportTest, ArgumentsPairWithNamesAndLongValuesAreDeferred) {
    const std::wstring s38(38, L'x');
    const std::wstring s39(39, L'y');
    EXPECT_EQ(ErrFormatArgs(L"a,b", {ToErrValue(1), ToErrValue(s38)}), L"a=1, b='" + s38 + L"'");
    EXPECT_EQ(ErrorContext().deferredValues, L"");

    // Fewer names than values: the rest print without a name.
    EXPECT_EQ(ErrFormatArgs(L"a", {ToErrValue(1), ToErrValue(2)}), L"a=1, 2");
    EXPECT_EQ(ErrFormatArgs(L"", {}), L"");

    EXPECT_EQ(ErrFormatArgs(L"sFullPath,Body", {ToErrValue(s39), ToErrValue(L"one\r\ntwo")}),
              L"sFullPath={Text}, Body={Text}");
    EXPECT_EQ(ErrorContext().deferredValues,
              L"    Value Of sFullPath:\r\n"
              L"      '" +
                  s39 +
                  L"'\r\n"
                  L"    Value Of Body:\r\n"
                  L"      'one\r\n"
                  L"      two'");
}

TEST_F(ErrReportTest, DeferredValueFollowsItsCallStackLine) {
    const std::wstring path = L"C:\\Documents and Settings\\ann\\My Pictures\\holiday.jpg";
    const std::vector<std::wstring> lines = LinesOf(
        ReportFor(kErrFileNotFound, L"File not found", L"mMain.FileExist(FilePath)", {ToErrValue(path)}));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[6], L"  Call Stack: mMain.FileExist(FilePath={Text}) " + Dashes(53));
    EXPECT_EQ(lines[7], L"    Value Of FilePath:");
    EXPECT_EQ(lines[8], L"      '" + path + L"'");
    EXPECT_EQ(ErrorContext().deferredValues, L"");
}

TEST_F(ErrReportTest, CallStackLinesArePaddedToOneHundredOnly) {
    const std::wstring name = L"m.P(a)";
    const struct {
        size_t valueLength;  // string argument without its quotes
        size_t padding;
    } cases[] = {{20, 100 - 44}, {2, 100 - 26}};
    for (const auto& c : cases) {
        ResetErrorFramework();
        const std::wstring value(c.valueLength, L'v');
        const std::vector<std::wstring> lines = LinesOf(ReportFor(5, L"x", name, {ToErrValue(value)}));
        EXPECT_EQ(lines.back(), L"  Call Stack: m.P(a='" + value + L"') " + Dashes(c.padding));
    }

    // A line already longer than 100 characters stays as it is.
    ResetErrorFramework();
    const std::wstring longName = L"Form1.DockCommandBarRightOf(BarToDock,BarOnLeft)";
    const ErrArgs bars{ErrValue::Object(L"CommandBarDockedAtTopOfForm1"),
                       ErrValue::Object(L"CommandBarDockedLeftOfTheFirst")};
    const std::wstring expected =
        L"  Call Stack: Form1.DockCommandBarRightOf(BarToDock={CommandBarDockedAtTopOfForm1}, "
        L"BarOnLeft={CommandBarDockedLeftOfTheFirst}) ";
    ASSERT_GT(expected.size(), 100u);
    EXPECT_EQ(LinesOf(ReportFor(5, L"x", longName, bars)).back(), expected);

    EXPECT_EQ(ErrPadRight(std::wstring(100, L'a'), L'-', 100), std::wstring(100, L'a'));
    EXPECT_EQ(ErrPadRight(L"ab", L'*', 5), L"ab***");
}

TEST_F(ErrReportTest, NumberLineRelatesTheNumberToBothBases) {
    const struct {
        int32_t number;
        const wchar_t* line;
    } cases[] = {
        {vbObjectError + 13,
         L"  Number: -2147221491 = &H8004000D = vbObjectError + 13 = ERRMAP_APP_FIRST - 5185 "},
        {-1, L"  Number: -1 = &HFFFFFFFF = vbObjectError + 2147221503 = ERRMAP_APP_FIRST + 2147216305 "},
        {481, L"  Number: 481 = &H1E1 = vbObjectError + 2147221985 = ERRMAP_APP_FIRST + 2147216787 "},
        // Beyond 32 bits from the bases: still written in full.
        {300000, L"  Number: 300000 = &H493E0 = vbObjectError + 2147521504 = ERRMAP_APP_FIRST + 2147516306 "},
        {std::numeric_limits<int32_t>::min(),
         L"  Number: -2147483648 = &H80000000 = vbObjectError - 262144 = ERRMAP_APP_FIRST - 267342 "},
    };
    for (const auto& c : cases) {
        ResetErrorFramework();
        EXPECT_EQ(LinesOf(ReportFor(c.number, L"x"))[3], c.line);
    }
}

TEST_F(ErrReportTest, PercentSignsOfValuesAreKept) {
    platform.computerName = L"LAB%nl%";
    const std::vector<std::wstring> lines = LinesOf(ReportFor(5, L"100% done at %Time% %Descr%"));
    EXPECT_EQ(lines[0], L"100% done at %Time% %Descr% ");
    EXPECT_EQ(
        lines[1],
        L"  Time='12/06/26 14:05:09' App='Tessaly Photo Resizer:2.0.0' ADO-version='?' Computer='LAB%nl%' ");
    EXPECT_EQ(lines[5], L"  Description: 100% done at %Time% %Descr%");
}

TEST_F(ErrReportTest, HeaderTakesTheUsersSeparatorsAndTheComponentVersion) {
    platform.dateSeparator = L".";
    platform.timeSeparator = L".";
    platform.now = {2009, 3, 1, 7, 0, 59};
    platform.version = {2, 11, 305};
    platform.adoVersion = L"2.8";
    EXPECT_EQ(LinesOf(ReportFor(5, L"x"))[1],
              L"  Time='03.01.09 07.00.59' App='Tessaly Photo Resizer:2.11.305' ADO-version='2.8' "
              L"Computer='PHOTOLAB' ");
}

TEST_F(ErrReportTest, ApiErrorLineOnlyForCodesThatMeanSomething) {
    platform.osMessages[32] = L"The process cannot access the file\r\n because it is being used.\r\n\0"s;
    const struct {
        uint32_t code;
        const wchar_t* line;  // the line after the header, or nothing
    } cases[] = {
        {5, L"  API Error: (5) Access is denied."},
        {32, L"  API Error: (32) The process cannot access the file because it is being used."},
        {0x80070005u, L"  API Error: (-2147024891) "},
        {0, nullptr},
        {203, nullptr},
    };
    for (const auto& c : cases) {
        ResetErrorFramework();
        const std::vector<std::wstring> lines = LinesOf(ReportFor(5, L"x", L"Form1.bnOpen", {}, c.code));
        const std::wstring afterHeader = lines.at(6);
        if (c.line) {
            EXPECT_EQ(afterHeader, c.line);
        } else {
            EXPECT_EQ(afterHeader.rfind(L"  Call Stack: ", 0), 0u) << c.code;
        }
    }
}

TEST_F(ErrReportTest, QuietErrorAddsNoLines) {
    ErrorContext().number = kQuietErrorFirst;
    ErrorContext().reportText = L"kept";
    ErrAddLine(L"more");
    EXPECT_EQ(ErrorContext().reportText, L"kept");
}

TEST_F(ErrReportTest, LastReportFallsBackToTheRecordedError) {
    EXPECT_EQ(ErrLastReport(), L"");
    ErrorContext().source = L"ErrTrap.ErrorIn";
    CurrentError().description = L"report carried by the error";
    EXPECT_EQ(ErrLastReport(), L"report carried by the error");
    ErrorContext().reportText = L"report text";
    EXPECT_EQ(ErrLastReport(), L"report text");
}

// The log file.

const wchar_t kEntryTail[] =
    L"\r\n"
    L"Program path: C:\\Program Files\\Tessaly Photo Resizer\r\n"
    L"Error report path: C:\\Users\\ann\\Documents\\Tessaly Photo Resizer\r\n"
    L"OS: Windows XP 5.1 build 2600 (Service Pack 3)\r\n\r\n\r\n";

TEST_F(ErrReportTest, FirstEntryOpensTheFileWithTheSupportRequest) {
    ErrorContext().reportText = L"first\r\n";
    EXPECT_TRUE(ErrWriteLog(L"ErrorReport.txt"));
    EXPECT_EQ(files.folders.count(kLogFolder), 1u);
    EXPECT_EQ(
        files.files[kLogPath],
        std::wstring(L"Please send this file to support@tessaly.example\r\n \r\nfirst\r\n") + kEntryTail);

    ErrorContext().reportText = L"second\r\n";
    platform.os = {};  // a failed version query prints empty fields
    EXPECT_TRUE(ErrWriteLog(L"ErrorReport.txt"));
    EXPECT_EQ(files.files[kLogPath],
              std::wstring(L"Please send this file to support@tessaly.example\r\n \r\nfirst\r\n") +
                  kEntryTail +
                  L"second\r\n\r\n"
                  L"Program path: C:\\Program Files\\Tessaly Photo Resizer\r\n"
                  L"Error report path: C:\\Users\\ann\\Documents\\Tessaly Photo Resizer\r\n"
                  L"OS:   build  ()\r\n\r\n\r\n");
    EXPECT_EQ(files.openWriters, 0);
    EXPECT_TRUE(files.sleeps.empty());
}

TEST_F(ErrReportTest, FileNameWithAFolderIsTheWholePath) {
    ErrorContext().reportText = L"r\r\n";
    files.files[L"D:\\logs\\errors.txt"] = L"old\r\n";
    EXPECT_TRUE(ErrWriteLog(L"D:\\logs\\errors.txt"));
    EXPECT_EQ(files.files[L"D:\\logs\\errors.txt"], std::wstring(L"old\r\nr\r\n") + kEntryTail);
    EXPECT_EQ(files.files.count(kLogPath), 0u);
}

TEST_F(ErrReportTest, NothingIsWrittenWithoutAReport) {
    EXPECT_FALSE(ErrWriteLog(L"ErrorReport.txt"));
    EXPECT_EQ(files.openAttempts, 0);
    EXPECT_TRUE(files.files.empty());
}

TEST_F(ErrReportTest, LockedFileIsTriedForASecondThenSkipped) {
    files.failingOpens = -1;
    TopLevelTrap(L"Form1.Form_Activate", [] { Raise(kErrPermissionDenied); });
    EXPECT_EQ(files.openAttempts, 6);
    EXPECT_EQ(files.sleeps, std::vector<uint32_t>(6, 200));
    EXPECT_TRUE(files.files.empty());
    EXPECT_EQ(dialogs.shownModal.size(), 1u);
}

TEST_F(ErrReportTest, FileFreedWithinTheSecondIsWritten) {
    files.failingOpens = 5;  // the sixth attempt, one second after the first
    ErrorContext().reportText = L"r\r\n";
    EXPECT_TRUE(ErrWriteLog(L"ErrorReport.txt"));
    EXPECT_EQ(files.openAttempts, 6);
    EXPECT_EQ(files.sleeps.size(), 5u);
    EXPECT_NE(files.files[kLogPath].find(L"r\r\n\r\nProgram path: "), std::wstring::npos);
}

}  // namespace
}  // namespace tpr::err::testing
