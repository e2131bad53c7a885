// Splitting paths at a separator and at the last dot.
#include "core/common/path_helpers.h"

#include <gtest/gtest.h>

#include "error_number.h"

namespace tpr {
namespace {

TEST(Spliting, LastPieceAfterTheSeparator) {
    // "." leads whatever the separator; without it: empty, not the whole name;
    // separators are taken from the left.
    const struct { std::wstring path, point, spliting, folder; } cases[] = {
        {L"C:\\Photos\\cat.jpg", L".", L".jpg", L"jpg"}, {L"C:\\P\\cat.jpg", L"\\", L".cat.jpg", L"cat.jpg"},
        {L"cat", L".", L"", L""}, {L"", L".", L"", L""}, {L"cat.", L".", L".", L""},
        {L"C:\\my.photos\\cat", L".", L".photos\\cat", L"photos\\cat"}, {L"cat.jpg", L"\\", L"", L""},
        {L"C:\\Photos\\", L"\\", L".", L""}, {L"cat.jpg", L"", L"", L""}, {L"a...b", L"..", L"..b", L".b"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Spliting(c.path, c.point), c.spliting) << c.path << L" " << c.point;
        EXPECT_EQ(SplitingFolder(c.path, c.point), c.folder) << c.path << L" " << c.point;
    }
}

TEST(SplitingFileName, EverythingBeforeTheLastDotThatIsNotTheFirstCharacter) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\Photos\\cat.jpg", L"C:\\Photos\\cat"}, {L"C:\\my.photos\\cat", L"C:\\my"}, {L"a.b.c", L"a.b"},
        {L".profile", L".profile"}, {L"cat", L"cat"}, {L"cat.", L"cat"}, {L"", L""}, {L"..", L"."},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(SplitingFileName(path), expected) << path;

    // Dot positions are 16-bit: character 32767 is the last one allowed.
    EXPECT_EQ(SplitingFileName(std::wstring(32766, L'a') + L".jpg"), std::wstring(32766, L'a'));
    EXPECT_EQ(ErrorNumberOf([] { SplitingFileName(std::wstring(32767, L'a') + L".jpg"); }), kErrOverflow);
    EXPECT_EQ(SplitingFileName(std::wstring(40000, L'a')).size(), 40000u);
}

}  // namespace
}  // namespace tpr
