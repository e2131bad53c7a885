// Any error climbing through leaf traps to a top-level trap, with any names, values and machine facts:
// only tpr::RuntimeError travels, with one number; a quiet error climbs unchanged and unreported; any
// other gets a report that starts with its description, to which each trap only appends its call-stack
// line (at least 100 characters) and long values, and which is logged (the dialog: the core table).
#include <cstring>
#include <vector>

#include "core/errors/error_report.h"
#include "core/errors/trap.h"
#include "fake_error_services.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

using err::ErrArgs;
using err::ErrValue;

// The qualified name never holds a line break, as the program's names.
struct Procedure { std::wstring qualifiedName; ErrArgs args; };

ErrValue ConsumeValue(FuzzedDataProvider& input) {
    // Any bit pattern: infinities, NaNs and subnormals included.
    const uint64_t bits = input.ConsumeIntegral<uint64_t>();
    double number;
    std::memcpy(&number, &bits, sizeof number);
    return input.PickValueInArray(
        {ErrValue::Empty(), ErrValue::Omitted(), ErrValue::Object(ConsumeText(input, 32)),
         ErrValue::Date(ConsumeText(input, 32)), err::ToErrValue(number),
         err::ToErrValue(static_cast<int64_t>(bits)), err::ToErrValue(ConsumeText(input))});
}

Procedure ConsumeProcedure(FuzzedDataProvider& input) {
    Procedure procedure{ConsumeText(input, 64), {}};
    for (wchar_t& c : procedure.qualifiedName) c = c == L'\r' || c == L'\n' ? L'_' : c;
    for (size_t count = input.ConsumeIntegralInRange(0, 3); count > 0; --count) {
        procedure.args.push_back(ConsumeValue(input));
    }
    return procedure;
}

std::wstring BareName(std::wstring_view qualifiedName) {
    return std::wstring(qualifiedName.substr(0, qualifiedName.find(L'(')));
}

// Runs `body` in `trap`, named as the procedure and given its arguments one
// by one, as a procedure passes its own.
template <class Trap, class Body>
void InTrap(Trap&& trap, const Procedure& p, Body&& body) {
    const ErrArgs& a = p.args;
    if (a.empty()) return trap(p.qualifiedName, body);
    if (a.size() == 1) return trap(p.qualifiedName, body, a[0]);
    if (a.size() == 2) return trap(p.qualifiedName, body, a[0], a[1]);
    trap(p.qualifiedName, body, a[0], a[1], a[2]);
}

constexpr auto kLeafTrap = [](std::wstring_view name, auto& body, const auto&... args) {
    err::LeafTrap(name, body, args...);
};
constexpr auto kTopLevelTrap = [](std::wstring_view name, auto& body, const auto&... args) {
    err::TopLevelTrap(name, body, args...);
};

// The leaf traps from `level` down, the first raising `raised` (other exceptions become runtime errors
// in the first trap, as the core table pins); `passed` receives the error each raised, innermost first.
void Climb(const std::vector<Procedure>& leaves, size_t level, const RuntimeError& raised,
           std::vector<RuntimeError>& passed) {
    const std::optional<RuntimeError> error = RaisedBy([&] {
        InTrap(kLeafTrap, leaves[level],
               [&] { level == 0 ? throw raised : Climb(leaves, level - 1, raised, passed); });
    });
    TPR_FUZZ_CHECK(error.has_value());
    passed.push_back(*error);
    throw *error;
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    using namespace tpr::err;
    FuzzedDataProvider input(data, size);
    testing::InstalledFakeErrorServices services;

    // The error, numbers near the framework's own as often as anywhere else.
    const int32_t number = input.ConsumeBool()
                               ? input.ConsumeIntegralInRange(kQuietErrorFirst - 2, ERRMAP_APP_FIRST + 2)
                               : input.PickValueInArray({0, 5, input.ConsumeIntegral<int32_t>()});
    const std::wstring description = ConsumeText(input);
    tpr::RuntimeError raised(number, description,
                             input.ConsumeBool() ? std::wstring(kErrorInSource) : ConsumeText(input, 32));
    raised.lastOsError = input.PickValueInArray({0u, 5u, 203u, input.ConsumeIntegral<uint32_t>()});
    raised.line = input.ConsumeBool() ? 0 : input.ConsumeIntegral<int32_t>();
    // The machine.
    services.platform.osMessages[raised.lastOsError] = ConsumeText(input, 64);
    services.platform.computerName = ConsumeText(input, 32);
    services.platform.dateSeparator = ConsumeText(input, 4);
    if (input.ConsumeBool()) services.platform.adoVersion = ConsumeText(input, 16);
    services.files.failingOpens = input.PickValueInArray({0, 2, -1});
    services.dialogs.failToShow = input.ConsumeBool();
    // The procedures, innermost first.
    std::vector<Procedure> leaves(input.ConsumeIntegralInRange(0, 4));
    for (Procedure& leaf : leaves) leaf = ConsumeProcedure(input);
    const Procedure topLevel = ConsumeProcedure(input);

    std::vector<tpr::RuntimeError> passed;
    InTrap(kTopLevelTrap, topLevel,
           [&] { leaves.empty() ? throw raised : Climb(leaves, leaves.size() - 1, raised, passed); });
    // The event ends normally, and with it the error.
    TPR_FUZZ_CHECK(CurrentError().number == 0);
    for (const tpr::RuntimeError& error : passed) TPR_FUZZ_CHECK(error.number == passed.front().number);

    const testing::FakeFileSystem& files = services.files;
    if (number >= kQuietErrorFirst && number <= kQuietErrorLast) {
        for (const tpr::RuntimeError& error : passed) {
            TPR_FUZZ_CHECK(error.source == raised.source && error.description == raised.description);
        }
        TPR_FUZZ_CHECK(ErrLastReport().empty() && files.files.empty() && services.dialogs.shownModal.empty());
        return 0;
    }

    std::vector<std::wstring> reports;
    for (const tpr::RuntimeError& error : passed) {
        TPR_FUZZ_CHECK(error.source == kErrorInSource);
        reports.push_back(error.description);
    }
    reports.push_back(ErrLastReport());
    // The first report continues the one the error carries, or starts a header
    // with the description as recorded (an error without a number has lost its
    // information; a field marker, character 8, shows as "%").
    std::wstring start = number == 0 ? std::wstring(kLostErrorDescription) : raised.description;
    if (raised.source != kErrorInSource) {
        for (wchar_t& c : start) c = c == L'\b' ? L'%' : c;
        start += L" \r\n  Time='";
    }
    TPR_FUZZ_CHECK(StartsWith(reports.front(), start));
    const Procedure& innermost = leaves.empty() ? topLevel : leaves.front();
    TPR_FUZZ_CHECK(reports.front().find(L"  Call Stack: " + BareName(innermost.qualifiedName) + L"(") !=
                   std::wstring::npos);
    // Each trap after it only appends, its call-stack line first.
    for (size_t i = 1; i < reports.size(); ++i) {
        TPR_FUZZ_CHECK(StartsWith(reports[i], reports[i - 1]));
        const std::wstring_view appended = std::wstring_view(reports[i]).substr(reports[i - 1].size());
        const Procedure& procedure = i < leaves.size() ? leaves[i] : topLevel;
        TPR_FUZZ_CHECK(StartsWith(appended, L"  Call Stack: " + BareName(procedure.qualifiedName) + L"("));
        TPR_FUZZ_CHECK(appended.find(L"\r\n") >= 100 && EndsWith(appended, L"\r\n"));
    }

    // Logged whole unless the log stayed locked.
    TPR_FUZZ_CHECK(files.failingOpens == -1
                       ? files.files.empty()
                       : files.files.begin()->second.find(reports.back()) != std::wstring::npos);
    return 0;
}
