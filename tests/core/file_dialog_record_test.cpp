#include "core/dialogs/file_dialog_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "error_number.h"

namespace tpr {
namespace {

using namespace std::string_literals;

std::wstring Padded(const std::wstring& text, size_t size) {
    return text + std::wstring(size - text.size(), L'\0');
}

TEST(DialogModeFlags, OpenAndSaveHaveTheirDefaultsEveryOtherModeNone) {
    const std::pair<int32_t, uint32_t> cases[] = {{1, 530444}, {2, 534542}, {0, 0}, {3, 0}, {-1, 0}};
    for (const auto& [mode, flags] : cases) EXPECT_EQ(DialogModeFlags(mode), flags) << mode;
}

TEST(PrepareForDialog, NewRecordGetsEmptyBuffersTheDefaultFilterAndTheModesFlags) {
    FileDialogRecord record;
    PrepareForDialog(record, kDialogModeOpen);
    EXPECT_EQ(record.fileTitle, std::wstring(260, L'\0'));
    EXPECT_EQ(record.file, std::wstring(260, L'\0'));
    EXPECT_EQ(record.filter, L"All Files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(record.flags, 530444u);

    FileDialogRecord save;
    PrepareForDialog(save, kDialogModeSave);
    EXPECT_EQ(save.flags, 534542u);
    FileDialogRecord none;
    PrepareForDialog(none, 3);
    EXPECT_EQ(none.flags, 0u);
}

TEST(PrepareForDialog, KeepsTheSuggestedNameTheMaskAndFlagsThatWereSet) {
    FileDialogRecord record;
    record.file = L"cat_resized.jpg";
    record.filter = L"A|*.a|B|*.b";
    record.flags = 0x6;  // set after the mode: overrides its defaults
    PrepareForDialog(record, kDialogModeSave);
    EXPECT_EQ(record.file, Padded(L"cat_resized.jpg", 260));
    EXPECT_EQ(record.filter, L"A\0*.a\0B\0*.b\0\0"s);
    EXPECT_EQ(record.flags, 0x6u);
}

TEST(PrepareForDialog, FileBufferSizes) {
    struct Case {
        const char* what;
        std::wstring file;
        uint32_t flags;
        std::wstring expected;
    };
    const std::wstring longName(300, L'n');
    const Case cases[] = {
        {"multiple selection", L"", kFlagsAllowMultiSelect | kFlagsExplorer, std::wstring(1024, L'\0')},
        {"a name filling the buffer keeps a NUL", std::wstring(260, L'x'), 0,
         std::wstring(260, L'x') + L'\0'},
        {"a longer name is not cut", longName, 0, longName + L'\0'},
        {"a previous result loses what followed its NUL", L"C:\\a.jpg\0old.jpg\0"s, 0,
         Padded(L"C:\\a.jpg", 260)},
    };
    for (const auto& c : cases) {
        FileDialogRecord record;
        record.file = c.file;
        record.flags = c.flags;
        PrepareForDialog(record, kDialogModeOpen);
        EXPECT_EQ(record.file, c.expected) << c.what;
    }
}

// A record as the platform leaves it after a chosen file.
FileDialogRecord ChosenRecord(const std::wstring& path, uint16_t fileOffset, uint16_t fileExtension) {
    FileDialogRecord record;
    PrepareForDialog(record, kDialogModeOpen);
    record.file = Padded(path, 260);
    record.fileTitle = Padded(path.substr(fileOffset), 260);
    record.fileOffset = fileOffset;
    record.fileExtension = fileExtension;
    return record;
}

TEST(TakeDialogResults, SplitsTheChosenPathIntoFolderNameAndExtension) {
    struct Case {
        std::wstring path;
        uint16_t fileOffset, fileExtension;
        std::wstring folder, title, extension;
    };
    const Case cases[] = {
        {L"C:\\Photos\\cat.jpg", 10, 14, L"C:\\Photos\\", L"cat.jpg", L"jpg"},
        {L"C:\\IMG_0001.JPEG", 3, 12, L"C:\\", L"IMG_0001.JPEG", L"JPEG"},
        {L"Z:\\tmp\\notes", 7, 12, L"Z:\\tmp\\", L"notes", L""},  // the offset of the closing NUL
        {L"Z:\\tmp\\dot.", 7, 0, L"Z:\\tmp\\", L"dot.", L""},     // 0: no extension, not the whole path
        // Offsets count UTF-16 characters.
        {L"C:\\\x0444\x043E\x0442\x043E\\\x5199\x771F.jpg", 8, 11, L"C:\\\x0444\x043E\x0442\x043E\\",
         L"\x5199\x771F.jpg", L"jpg"},
    };
    for (const auto& c : cases) {
        FileDialogRecord record = ChosenRecord(c.path, c.fileOffset, c.fileExtension);
        TakeDialogResults(record);
        EXPECT_EQ(record.file, c.path);
        EXPECT_EQ(record.initialDir, c.folder) << c.path;
        EXPECT_EQ(record.fileTitle, c.title) << c.path;
        EXPECT_EQ(record.defaultExtension, c.extension) << c.path;
        EXPECT_EQ(std::get<std::wstring>(ChosenFileName(record)), c.path);
    }
}

TEST(ChosenFileName, MultipleSelectionGivesTheFilesAndTheirFolder) {
    FileDialogRecord several;
    several.flags = kFlagsAllowMultiSelect | kFlagsExplorer;
    PrepareForDialog(several, kDialogModeOpen);
    several.file = Padded(L"C:\\Photos\0a.jpg\0b.jpg\0\0"s, 1024);
    several.fileOffset = 10;
    several.fileExtension = 0;
    TakeDialogResults(several);
    EXPECT_EQ(several.fileTitle, L"");
    EXPECT_EQ(ChosenFileName(several),
              FileNameValue(std::vector<std::wstring>{L"C:\\Photos\\a.jpg", L"C:\\Photos\\b.jpg"}));
    EXPECT_EQ(several.initialDir, L"C:\\Photos");

    FileDialogRecord one;
    one.flags = kFlagsAllowMultiSelect | kFlagsExplorer;
    one.initialDir = L"D:\\start";
    one.file = Padded(L"C:\\Photos\\cat.jpg", 1024);
    one.fileOffset = 10;
    one.fileExtension = 14;
    EXPECT_EQ(ChosenFileName(one), FileNameValue(std::vector<std::wstring>{L"C:\\Photos\\cat.jpg"}));
    EXPECT_EQ(one.initialDir, L"D:\\start") << "one file leaves the Path alone";

    FileDialogRecord unsplittable;
    unsplittable.flags = kFlagsAllowMultiSelect;
    unsplittable.file = L"C:\\Photos";
    unsplittable.fileOffset = 40;
    EXPECT_TRUE(std::holds_alternative<std::monostate>(ChosenFileName(unsplittable)));
}

TEST(FileNameText, PathOrNothingAsTextAListIsATypeMismatch) {
    EXPECT_EQ(FileNameText(std::monostate{}), L"");
    EXPECT_EQ(FileNameText(L"C:\\a.jpg"s), L"C:\\a.jpg");
    EXPECT_EQ(ErrorNumberOf([] { FileNameText(std::vector<std::wstring>{L"C:\\a.jpg"}); }), kErrTypeMismatch);
}

}  // namespace
}  // namespace tpr
