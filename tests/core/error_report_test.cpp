// The error report's text line by line, the argument values it shows, and the log it is appended to.
#include "core/errors/error_report.h"

#include <gtest/gtest.h>

#include <limits>

#include "fake_error_services.h"

namespace tpr::err::testing {
namespace {

using namespace std::string_literals;

// The lines of a text split at CR LF, without the empty piece after the last.
std::vector<std::wstring> LinesOf(const std::wstring& text) {
    std::vector<std::wstring> lines;
    for (size_t start = 0, end; start < text.size(); start = end + 2) {
        end = std::min(text.find(L"\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

TEST(ErrFormatValue, WritesEachKindOfValue) {
    const std::pair<ErrValue, const wchar_t*> cases[] = {
        {ErrValue::Array(), L"{Array}"}, {ErrValue::Empty(), L"{Empty}"}, {ErrValue::Null(), L"{Null}"},
        {ErrValue::Omitted(), L""}, {ErrValue::Other(), L"{?}"}, {ErrValue::Object(L"Pic"), L"{Pic}"},
        {ErrValue::Date(L"12/6/2026 2:05:09 PM"), L"'12/6/2026 2:05:09 PM'"}, {ToErrValue(L"a'b"), L"'a'b'"},
        {ToErrValue(true), L"True"}, {ToErrValue(false), L"False"}, {ToErrValue(uint8_t{255}), L"255"},
        {ToErrValue(int16_t{-32768}), L"-32768"}, {ToErrValue(-2.25f), L"-2.25"}, {ToErrValue(100.0), L"100"},
        {ToErrValue(-0.0), L"0"}, {ToErrValue(0.1), L"0.1"}, {ToErrValue(2.0 / 3.0), L"0.666666666666667"},
        // Fifteen significant digits; an exponent from 1E+15 and below 0.0001.
        {ToErrValue(123456789012345.0), L"123456789012345"}, {ToErrValue(1e15), L"1E+15"},
        {ToErrValue(0.0001), L"0.0001"}, {ToErrValue(0.00001), L"1E-05"},
        {ToErrValue(-1.25e-300), L"-1.25E-300"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(ErrFormatValue(value), text);
}

TEST(ErrFormatArgs, PairsNamesWithValuesAndDefersLongValues) {
    const std::wstring s38(38, L'x'), s39(39, L'y');
    const struct { const wchar_t* names; ErrArgs args; std::wstring items, deferred; } cases[] = {
        {L"a,b", {ToErrValue(1), ToErrValue(s38)}, L"a=1, b='" + s38 + L"'", L""},
        {L"a", {ToErrValue(1), ToErrValue(2)}, L"a=1, 2", L""},  // values beyond the names go unnamed
        {L"", {}, L"", L""},
        {L"sFullPath,Body", {ToErrValue(s39), ToErrValue(L"one\r\ntwo")},
         L"sFullPath={Text}, Body={Text}",
         L"    Value Of sFullPath:\r\n      '" + s39 +
             L"'\r\n    Value Of Body:\r\n      'one\r\n      two'"},
    };
    for (const auto& c : cases) {
        const InstalledFakeErrorServices services;
        EXPECT_EQ(ErrFormatArgs(c.names, c.args), c.items) << c.names;
        EXPECT_EQ(ErrorContext().deferredValues, c.deferred) << c.names;
    }
}

// The lines of the report a top-level trap makes of an error raised in it.
std::vector<std::wstring> ReportLines(int32_t number, std::wstring_view procedure = L"Form1.bnOpen",
                                      const ErrArgs& args = {}, uint32_t lastOsError = 0) {
    CurrentError() = ErrorRecord{number, L"Form1", L"100% done at %Time% %Descr%", L"", 0, lastOsError, 0};
    return LinesOf(ErrorIn(procedure, args, kTopLevelTrapOptions));
}

TEST(ErrorReport, HeaderLines) {
    const std::wstring lost(kLostErrorDescription);
    // An empty line is not looked at.
    const struct { const char* what; void (*arrange)(InstalledFakeErrorServices&); int32_t number;
                   std::vector<std::wstring> header; } cases[] = {
        {"percent signs of values are kept", [](auto& s) { s.platform.computerName = L"LAB%nl%"; }, 5,
         {L"100% done at %Time% %Descr% ",
          L"  Time='12/06/26 14:05:09' App='Tessaly Photo Resizer:2.0.0' ADO-version='?' Computer='LAB%nl%' ",
          L"  Method: Form1.bnOpen ", L"", L"  Source: Form1 ",
          L"  Description: 100% done at %Time% %Descr%"}},
        {"the user's separators and the component version",
         [](auto& s) {
             s.platform.dateSeparator = s.platform.timeSeparator = L".";
             s.platform.now = {2009, 3, 1, 7, 0, 59};
             s.platform.version = {2, 11, 305};
             s.platform.adoVersion = L"2.8";
         },
         5, {L"",
          L"  Time='03.01.09 07.00.59' App='Tessaly Photo Resizer:2.11.305' ADO-version='2.8' "
          L"Computer='PHOTOLAB' "}},
        {"without services the header stops at the first fact", [](auto&) { InstallErrorServices({}); }, 5,
         {L"%Descr% ", L"  Time='%Time%' App='%App%:%Ver%' ADO-version='%ADOVersion%' Computer='%Comp%' ",
          L"  Method: Form1.bnOpen ",
          L"  Number: %ErrNum% = &H%ErrHex% = vbObjectError %ErrNumRel1% = ERRMAP_APP_FIRST %ErrNumRel2% "
          L"%ErrStd%",
          L"  Source: %Source% ", L"  Description: %Descr%", L"  Call Stack: Form1.bnOpen() " + Dashes(71)}},
        {"lost information", [](auto&) {}, 0,
         {lost + L" ", L"", L"",
          L"  Number: -2147216306 = &H8004144E = vbObjectError + 5198 = ERRMAP_APP_FIRST + 0 = ERR_GENERAL",
          L"", L"  Description: " + lost}},
    };
    for (const auto& c : cases) {
        InstalledFakeErrorServices services;
        c.arrange(services);
        const std::vector<std::wstring> lines = ReportLines(c.number);
        ASSERT_GE(lines.size(), c.header.size()) << c.what;
        for (size_t i = 0; i < c.header.size(); ++i) {
            if (!c.header[i].empty()) { EXPECT_EQ(lines[i], c.header[i]) << c.what; }
        }
    }
}

TEST(ErrorReport, NumberLineRelatesTheNumberToBothBases) {
    const std::pair<int32_t, const wchar_t*> cases[] = {
        {vbObjectError + 13, L"-2147221491 = &H8004000D = vbObjectError + 13 = ERRMAP_APP_FIRST - 5185 "},
        {-1, L"-1 = &HFFFFFFFF = vbObjectError + 2147221503 = ERRMAP_APP_FIRST + 2147216305 "},
        // Beyond 32 bits from the bases: still written in full.
        {300000, L"300000 = &H493E0 = vbObjectError + 2147521504 = ERRMAP_APP_FIRST + 2147516306 "},
        {std::numeric_limits<int32_t>::min(),
         L"-2147483648 = &H80000000 = vbObjectError - 262144 = ERRMAP_APP_FIRST - 267342 "},
    };
    for (const auto& [number, line] : cases) {
        const InstalledFakeErrorServices services;
        EXPECT_EQ(ReportLines(number).at(3), L"  Number: "s + line);
    }
}

TEST(ErrorReport, ApiErrorLineOnlyForCodesThatMeanSomething) {
    const std::wstring noApiError = L"  Call Stack: Form1.bnOpen() " + Dashes(71);
    const std::pair<uint32_t, std::wstring> cases[] = {
        {5, L"  API Error: (5) Access is denied."},
        {32, L"  API Error: (32) The process cannot access the file because it is being used."},
        {0x80070005u, L"  API Error: (-2147024891) "}, {0, noApiError}, {203, noApiError},
    };
    for (const auto& [code, line] : cases) {
        InstalledFakeErrorServices services;
        services.platform.osMessages[32] =
            L"The process cannot access the file\r\n because it is being used.\r\n\0"s;
        EXPECT_EQ(ReportLines(5, L"Form1.bnOpen", {}, code).at(6), line) << code;
    }
}

TEST(ErrorReport, CallStackLinesArePaddedToOneHundredAndFollowedByLongValues) {
    const std::wstring path = L"C:\\Documents and Settings\\ann\\My Pictures\\holiday.jpg", v20(20, L'v');
    const struct { std::wstring procedure; ErrArgs args; std::vector<std::wstring> lines; } cases[] = {
        {L"m.P(a)", {ToErrValue(v20)}, {L"  Call Stack: m.P(a='" + v20 + L"') " + Dashes(56)}},
        {L"mDrive.GetDriveNames()", {}, {L"  Call Stack: mDrive.GetDriveNames() " + Dashes(63)}},
        {L"Broken(", {}, {L"  Call Stack: Broken() " + Dashes(77)}},
        {L"", {}, {L"  Call Stack: () " + Dashes(83)}},
        // A longer line stays as it is.
        {L"Form1.DockCommandBarRightOf(BarToDock,BarOnLeft)",
         {ErrValue::Object(L"CommandBarDockedAtTopOfForm1"),
          ErrValue::Object(L"CommandBarDockedLeftOfTheFirst")},
         {L"  Call Stack: Form1.DockCommandBarRightOf(BarToDock={CommandBarDockedAtTopOfForm1}, "
          L"BarOnLeft={CommandBarDockedLeftOfTheFirst}) "}},
        {L"mMain.FileExist(FilePath)", {ToErrValue(path)},
         {L"  Call Stack: mMain.FileExist(FilePath={Text}) " + Dashes(53), L"    Value Of FilePath:",
          L"      '" + path + L"'"}},
    };
    for (const auto& c : cases) {
        const InstalledFakeErrorServices services;
        const std::vector<std::wstring> lines = ReportLines(5, c.procedure, c.args);
        EXPECT_EQ(std::vector<std::wstring>(lines.begin() + 6, lines.end()), c.lines) << c.procedure;
        EXPECT_EQ(ErrorContext().deferredValues, L"") << c.procedure << ": written once";
    }
}

TEST(ErrLastReport, FallsBackToTheDescriptionOfARecordedError) {
    const InstalledFakeErrorServices services;
    EXPECT_EQ(ErrLastReport(), L"");
    ErrorContext().source = kErrorInSource;
    CurrentError().description = L"report carried by the error";
    EXPECT_EQ(ErrLastReport(), L"report carried by the error");
    ErrorContext().reportText = L"report text";
    EXPECT_EQ(ErrLastReport(), L"report text");
}

// The log entry of the report "r": the report and the facts of the machine.
std::wstring Entry(const std::wstring& os = L"Windows XP 5.1 build 2600 (Service Pack 3)") {
    return L"r\r\n\r\nProgram path: C:\\Program Files\\Tessaly Photo Resizer\r\n"
           L"Error report path: C:\\Users\\ann\\Documents\\Tessaly Photo Resizer\r\nOS: " + os +
           L"\r\n\r\n\r\n";
}

TEST(ErrWriteLog, AppendsTheReportToTheLogFile) {
    const std::wstring name(kErrorReportFileName), elsewhere = L"D:\\logs\\errors.txt";
    // A new log opens with the support request and a line of one blank.
    const std::wstring newLog = FakePlatform().supportLine + L"\r\n \r\n";
    // before: the file's content, after: what was written; empty when there is none.
    const struct { const char* what; std::wstring fileName, path, before; int fails; std::wstring after;
                   int attempts, sleeps; } cases[] = {
        {"a new log opens with the support request", name, kLogPath, L"", 0, newLog + Entry(), 1, 0},
        {"later entries follow the earlier", name, kLogPath, L"old\r\n", 0, L"old\r\n" + Entry(), 1, 0},
        {"a name with a folder is the path", elsewhere, elsewhere, L"old\r\n", 0, L"old\r\n" + Entry(), 1, 0},
        {"a locked file is tried for a second", name, kLogPath, L"", -1, L"", 6, 6},
        {"a file freed within the second is written", name, kLogPath, L"", 5, newLog + Entry(), 6, 5},
    };
    for (const auto& c : cases) {
        InstalledFakeErrorServices services;
        FakeFileSystem& files = services.files;
        if (!c.before.empty()) files.files[c.path] = c.before;
        files.failingOpens = c.fails;
        ErrorContext().reportText = L"r\r\n";

        EXPECT_EQ(ErrWriteLog(c.fileName), !c.after.empty()) << c.what;
        EXPECT_EQ(files.files.count(c.path) ? files.files[c.path] : L"", c.after) << c.what;
        EXPECT_EQ(files.files.size(), c.before.empty() && c.after.empty() ? 0u : 1u) << c.what;
        EXPECT_EQ(files.folders.count(kLogFolder), 1u) << c.what;
        EXPECT_EQ(files.openAttempts, c.attempts) << c.what;
        EXPECT_EQ(files.sleeps, std::vector<uint32_t>(c.sleeps, 200)) << c.what;
        EXPECT_EQ(files.openWriters, 0) << c.what;
    }

    // Nothing without a report; a failed version query prints empty fields.
    InstalledFakeErrorServices services;
    services.platform.os = {};
    EXPECT_FALSE(ErrWriteLog(name));
    EXPECT_EQ(services.files.openAttempts + services.files.folders.count(kLogFolder), 0u);
    ErrorContext().reportText = L"r\r\n";
    EXPECT_TRUE(ErrWriteLog(name));
    EXPECT_EQ(services.files.files[kLogPath], newLog + Entry(L"  build  ()"));
}

}  // namespace
}  // namespace tpr::err::testing
