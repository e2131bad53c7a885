// The path splitting helpers with any path and any separator: their results
// are the pieces of the path their rules name, and the one error they raise
// (a dot beyond what a 16-bit position holds) comes back as a trapped report.
#include "core/common/path_helpers.h"
#include "fuzz_error_services.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

// SplitingFileName holds the dot's 1-based position in 16 bits.
constexpr size_t kLastDotPosition = 32767;

// Spliting and SplitingFolder: the text after the last separator, the first
// with "." before it; nothing when the separator does not occur.
void CheckSplitting(const std::wstring& path, const std::wstring& point) {
    const std::wstring extension = Spliting(path, point);
    const std::wstring lastPiece = SplitingFolder(path, point);
    const bool occurs = !point.empty() && path.find(point) != std::wstring::npos;

    TPR_FUZZ_CHECK(extension.empty() == !occurs);
    TPR_FUZZ_CHECK(extension.empty() || extension == L"." + lastPiece);
    TPR_FUZZ_CHECK(occurs || lastPiece.empty());
    if (!occurs) return;
    // The piece is the whole rest after a separator, and no separator is left in it.
    TPR_FUZZ_CHECK(EndsWith(path, lastPiece));
    TPR_FUZZ_CHECK(EndsWith(std::wstring_view(path).substr(0, path.size() - lastPiece.size()), point));
    TPR_FUZZ_CHECK(lastPiece.find(point) == std::wstring::npos);
}

// SplitingFileName: everything before the last "." that is not the first
// character, else the whole path; error 6 when that dot lies beyond the
// 16-bit position.
void CheckFileName(const std::wstring& path) {
    std::wstring name;
    const std::optional<RuntimeError> error = RaisedBy([&] { name = SplitingFileName(path); });
    const size_t lastDot = path.rfind(L'.');
    const bool dotBeyondPosition =
        lastDot != std::wstring::npos && lastDot > 0 && lastDot >= kLastDotPosition;
    TPR_FUZZ_CHECK(error.has_value() == dotBeyondPosition);
    if (error) {
        // Passed on by the procedure's trap, with its call-stack line.
        TPR_FUZZ_CHECK(error->number == kErrOverflow);
        TPR_FUZZ_CHECK(error->source == err::kErrorInSource);
        TPR_FUZZ_CHECK(StartsWith(error->description, L"Overflow \r\n"));
        TPR_FUZZ_CHECK(
            error->description.find(L"\r\n  Call Stack: mCommon.SplitingFileName(sFullPath={Text}) ") !=
            std::wstring::npos);
        return;
    }
    if (name == path) {
        TPR_FUZZ_CHECK(path.find(L'.', 1) == std::wstring::npos);
        return;
    }
    TPR_FUZZ_CHECK(!name.empty() && name.size() < path.size());
    TPR_FUZZ_CHECK(StartsWith(path, name));
    TPR_FUZZ_CHECK(path[name.size()] == L'.');
    TPR_FUZZ_CHECK(path.find(L'.', name.size() + 1) == std::wstring::npos);
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    FuzzedDataProvider input(data, size);
    const FakeErrorServices services;

    std::wstring path = ConsumeText(input);
    // Now and then (they are slow) a path long enough for its dot to pass
    // the 16-bit position, landing on either side of it.
    if (input.ConsumeIntegralInRange(0, 15) == 15) {
        const size_t fill =
            input.ConsumeIntegralInRange<size_t>(kLastDotPosition - 600, kLastDotPosition + 100);
        path.insert(path.size() / 2, fill, L'a');
    }
    std::wstring point;
    switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0:
            point = L".";
            break;
        case 1:
            point = L"\\";
            break;
        default:
            point = ConsumeText(input, 8);
            break;
    }

    CheckSplitting(path, point);
    CheckFileName(path);
    return 0;
}
