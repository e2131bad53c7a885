// The file dialog's record and texts: the filter and buffers it is given, the path or files it gives back.
#include <gtest/gtest.h>

#include "core/dialogs/file_dialog_record.h"
#include "core/dialogs/file_dialog_text.h"
#include "error_number.h"

namespace tpr {
namespace {

using namespace std::string_literals;

std::wstring Padded(const std::wstring& text, size_t size) {
    return text + std::wstring(size - text.size(), L'\0');
}

TEST(ConvertFilter, BarsBecomeNulsAndTheListEndsWithTwo) {
    EXPECT_EQ(ConvertFilter(L"A|*.a|B|*.b"), L"A\0*.a\0B\0*.b\0\0"s);
    EXPECT_EQ(ConvertFilter(L"  JPEG (*.jpg)|*.jpg  "), L"JPEG (*.jpg)\0*.jpg\0\0"s);
    EXPECT_EQ(ConvertFilter(L""), L"");
    EXPECT_EQ(ConvertFilter(L"   "), L"\0\0"s);
    EXPECT_EQ(DefaultFilter(), L"All Files (*.*)\0*.*\0\0"s);
}

TEST(PrepareForDialog, GivesTheModesFlagsTheFilterAndPaddedBuffers) {
    const std::pair<int32_t, uint32_t> modes[] = {{1, 530444}, {2, 534542}, {0, 0}, {3, 0}, {-1, 0}};
    for (const auto& [mode, flags] : modes) {
        FileDialogRecord record;
        PrepareForDialog(record, mode);
        EXPECT_EQ(record.flags, flags) << mode;
        EXPECT_TRUE(record.fileTitle == std::wstring(260, L'\0') && record.file == record.fileTitle) << mode;
        EXPECT_EQ(record.filter, DefaultFilter());
    }

    // A suggested name, a mask and flags set before are kept.
    FileDialogRecord record;
    record.file = L"cat_resized.jpg";
    record.filter = L"A|*.a|B|*.b";
    record.flags = 0x6;
    PrepareForDialog(record, kDialogModeSave);
    EXPECT_EQ(record.file, Padded(L"cat_resized.jpg", 260));
    EXPECT_EQ(record.filter, L"A\0*.a\0B\0*.b\0\0"s);
    EXPECT_EQ(record.flags, 0x6u);
}

TEST(PrepareForDialog, FileBufferSizes) {
    const std::wstring longName(300, L'n'), fullName(260, L'x');
    const struct { const char* what; std::wstring file; uint32_t flags; std::wstring expected; } cases[] = {
        {"multiple selection", L"", kFlagsAllowMultiSelect | kFlagsExplorer, std::wstring(1024, L'\0')},
        {"a name filling the buffer keeps a NUL", fullName, 0, fullName + L'\0'},
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

TEST(TakeDialogResults, SplitsTheChosenPathIntoFolderNameAndExtension) {
    const struct { std::wstring path; uint16_t offset, ext; std::wstring folder, title, type; } cases[] = {
        {L"C:\\Photos\\cat.jpg", 10, 14, L"C:\\Photos\\", L"cat.jpg", L"jpg"},
        {L"C:\\IMG_0001.JPEG", 3, 12, L"C:\\", L"IMG_0001.JPEG", L"JPEG"},
        {L"Z:\\tmp\\notes", 7, 12, L"Z:\\tmp\\", L"notes", L""},  // the offset of the closing NUL
        {L"Z:\\tmp\\dot.", 7, 0, L"Z:\\tmp\\", L"dot.", L""},     // 0: no extension, not the whole path
        // Offsets count UTF-16 characters.
        {L"C:\\\x0444\x043E\x0442\x043E\\\x5199\x771F.jpg", 8, 11, L"C:\\\x0444\x043E\x0442\x043E\\",
         L"\x5199\x771F.jpg", L"jpg"},
    };
    for (const auto& c : cases) {
        FileDialogRecord record;
        PrepareForDialog(record, kDialogModeOpen);
        record.file = Padded(c.path, 260);
        record.fileTitle = Padded(c.path.substr(c.offset), 260);
        record.fileOffset = c.offset;
        record.fileExtension = c.ext;
        TakeDialogResults(record);
        EXPECT_EQ(record.file, c.path);
        EXPECT_EQ(record.initialDir, c.folder) << c.path;
        EXPECT_EQ(record.fileTitle, c.title) << c.path;
        EXPECT_EQ(record.defaultExtension, c.type) << c.path;
        EXPECT_EQ(std::get<std::wstring>(ChosenFileName(record)), c.path);
    }
}

TEST(SplitMultiSelection, SplitsFolderAndNames) {
    const std::wstring pad(20, L'\0');
    // path: nothing when there is no selection at all.
    const struct { std::wstring file; int32_t offset, ext; bool explorer; std::optional<std::wstring> path;
                   std::vector<std::wstring> files; } cases[] = {
        {L"", 0, 0, true, std::nullopt, {}},
        {L"C:\\P\\cat.jpg\0"s + pad, 5, 9, true, L"", {L"C:\\P\\cat.jpg"}},  // one file
        {L"C:\\P\0a.jpg\0b b.jpg\0"s + pad, 5, 0, true, L"C:\\P", {L"C:\\P\\a.jpg", L"C:\\P\\b b.jpg"}},
        {L"C:\\\0a.jpg\0b.jpg\0"s + pad, 4, 0, true, L"C:\\", {L"C:\\a.jpg", L"C:\\b.jpg"}},  // drive root
        {L"C:\\P A.JPG B.JPG\0"s + pad, 5, 0, false, L"C:\\P", {L"C:\\P\\A.JPG", L"C:\\P\\B.JPG"}},
        // Older buffer content after the list's end is not read as names.
        {L"C:\\P A.JPG B.JPG\0my old name.jpg\0"s, 5, 0, false, L"C:\\P", {L"C:\\P\\A.JPG", L"C:\\P\\B.JPG"}},
        {L"C:\\P\0a.jpg\0\0old.jpg\0"s, 5, 0, true, L"C:\\P", {L"C:\\P\\a.jpg"}},
        {L"C:\\P\0a.jpg\0b"s, 5, 0, true, L"C:\\P", {L"C:\\P\\a.jpg", L"C:\\P\\b"}},  // the last without NUL
        {L"C:\\P\0\0"s, 5, 0, true, L"C:\\P", {}},
        {L"C:\\P\0a.jpg\0\0"s, 0, 0, true, std::nullopt, {}},
        {L"C:\\P\0"s, 5, 0, true, std::nullopt, {}},  // the offset at the end
    };
    for (const auto& c : cases) {
        const auto selection = SplitMultiSelection(c.file, c.offset, c.ext, c.explorer);
        ASSERT_EQ(selection.has_value(), c.path.has_value()) << "case " << &c - cases;
        if (selection) {
            EXPECT_TRUE(selection->path == *c.path && selection->files == c.files) << "case " << &c - cases;
        }
    }
}

TEST(ChosenFileName, MultipleSelectionGivesTheFilesAndTheirFolder) {
    FileDialogRecord several;
    several.flags = kFlagsAllowMultiSelect | kFlagsExplorer;
    PrepareForDialog(several, kDialogModeOpen);
    several.file = Padded(L"C:\\Photos\0a.jpg\0b.jpg\0\0"s, 1024);
    several.fileOffset = 10;
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
    EXPECT_EQ(ChosenFileName(unsplittable), FileNameValue());

    // As a path: nothing is empty, a list of files is a type mismatch.
    EXPECT_EQ(FileNameText(std::monostate{}), L"");
    EXPECT_EQ(FileNameText(L"C:\\a.jpg"s), L"C:\\a.jpg");
    EXPECT_EQ(ErrorNumberOf([] { FileNameText(std::vector<std::wstring>{L"C:\\a.jpg"}); }), kErrTypeMismatch);
}

}  // namespace
}  // namespace tpr
