// SplitingFileName with any path: the piece its rule names, and the one error it raises (a dot beyond
// what a 16-bit position holds) is Overflow, passed on by the procedure's trap. The separator helpers'
// pieces are pinned by the core table.
#include "core/common/path_helpers.h"
#include "fake_error_services.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

// SplitingFileName holds the dot's 1-based position in 16 bits.
constexpr size_t kLastDotPosition = 32767;

// SplitingFileName: everything before the last "." that is not the first
// character, else the whole path.
void CheckFileName(const std::wstring& path) {
    std::wstring name;
    const std::optional<RuntimeError> error = RaisedBy([&] { name = SplitingFileName(path); });
    const size_t lastDot = path.rfind(L'.');
    TPR_FUZZ_CHECK(error.has_value() == (lastDot != std::wstring::npos && lastDot >= kLastDotPosition));
    if (error) {
        TPR_FUZZ_CHECK(error->number == kErrOverflow && error->source == err::kErrorInSource);
        TPR_FUZZ_CHECK(
            error->description.find(L"\r\n  Call Stack: mCommon.SplitingFileName(sFullPath={Text}) ") !=
            std::wstring::npos);
    } else if (name == path) {
        TPR_FUZZ_CHECK(path.find(L'.', 1) == std::wstring::npos);
    } else {
        TPR_FUZZ_CHECK(!name.empty() && lastDot == name.size() && StartsWith(path, name));
    }
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    FuzzedDataProvider input(data, size);
    const tpr::err::testing::InstalledFakeErrorServices services;

    std::wstring path = ConsumeText(input);
    // Now and then (they are slow) a path whose dot lands on either side of the last 16-bit position.
    if (input.ConsumeIntegralInRange(0, 15) == 15) {
        path.insert(path.size() / 2,
                    input.ConsumeIntegralInRange<size_t>(kLastDotPosition - 600, kLastDotPosition + 100),
                    L'a');
    }
    CheckFileName(path);
    return 0;
}
