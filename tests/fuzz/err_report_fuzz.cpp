// An error climbing through leaf traps to a top-level trap, with any error,
// any qualified names, any argument values and any facts of the machine.
// Between the traps only tpr::RuntimeError travels, with one number; a quiet
// error climbs unchanged and is neither reported, logged nor shown; any other
// gets a report that starts with its description, to which each trap only
// appends its call-stack line (at least 100 characters) and long values, and
// which is logged once and shown once.
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#include "core/errors/error_report.h"
#include "core/errors/trap.h"
#include "fake_error_services.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

using err::ErrArgs;
using err::ErrValue;

struct Procedure {
    std::wstring qualifiedName;
    ErrArgs args;
};

// How the failing statement fails: with the program's runtime error, or with
// an exception the first trap must translate.
enum class FailureKind { Runtime, BadAlloc, OutOfRange, OtherStandard, NotStandard, kMaxValue = NotStandard };

struct Scenario {
    FailureKind failure = FailureKind::Runtime;
    RuntimeError raised{0};
    std::vector<Procedure> leaves;  // innermost first
    Procedure topLevel;
};

ErrValue ConsumeValue(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 7)) {
        case 0:
            return input.PickValueInArray({ErrValue::Empty(), ErrValue::Null(), ErrValue::Omitted(),
                                           ErrValue::Array(), ErrValue::Other()});
        case 1:
            return ErrValue::Object(ConsumeText(input, 32));
        case 2:
            return ErrValue::Date(ConsumeText(input, 32));
        case 3:
            return err::ToErrValue(input.ConsumeIntegral<int64_t>());
        case 4: {
            // Any bit pattern: infinities, NaNs and subnormals included.
            const uint64_t bits = input.ConsumeIntegral<uint64_t>();
            double number;
            std::memcpy(&number, &bits, sizeof number);
            return err::ToErrValue(number);
        }
        case 5:
            return err::ToErrValue(input.ConsumeBool());
        default:
            return err::ToErrValue(ConsumeText(input));
    }
}

Procedure ConsumeProcedure(FuzzedDataProvider& input) {
    // The program's names are identifiers: they never hold a line break.
    Procedure procedure{ConsumeText(input, 64), {}};
    for (wchar_t& c : procedure.qualifiedName) c = c == L'\r' || c == L'\n' ? L'_' : c;
    for (size_t count = input.ConsumeIntegralInRange(0, 3); count > 0; --count) {
        procedure.args.push_back(ConsumeValue(input));
    }
    return procedure;
}

Scenario ConsumeScenario(FuzzedDataProvider& input, err::testing::InstalledFakeErrorServices& services) {
    Scenario scenario;
    scenario.failure = input.ConsumeEnum<FailureKind>();
    // Numbers near the framework's own as often as anywhere else.
    const int32_t number =
        input.ConsumeBool()
            ? input.ConsumeIntegralInRange(err::kQuietErrorFirst - 2, err::ERRMAP_APP_FIRST + 2)
            : input.PickValueInArray({0, 5, input.ConsumeIntegral<int32_t>()});
    const std::wstring description = ConsumeText(input);
    const std::wstring source =
        input.ConsumeBool() ? std::wstring(err::kErrorInSource) : ConsumeText(input, 32);
    scenario.raised = RuntimeError(number, description, source);
    scenario.raised.lastOsError = input.PickValueInArray({0u, 5u, 203u, input.ConsumeIntegral<uint32_t>()});
    scenario.raised.line = input.ConsumeBool() ? 0 : input.ConsumeIntegral<int32_t>();

    err::testing::FakePlatform& platform = services.platform;
    platform.osMessages[scenario.raised.lastOsError] = ConsumeText(input, 64);
    platform.computerName = ConsumeText(input, 32);
    platform.appName = ConsumeText(input, 32);
    platform.dateSeparator = ConsumeText(input, 4);
    if (input.ConsumeBool()) platform.adoVersion = ConsumeText(input, 16);
    services.files.failingOpens = input.PickValueInArray({0, 2, -1});
    services.dialogs.mainWindowLoaded = input.ConsumeBool();
    services.dialogs.failToShow = input.ConsumeBool();

    for (size_t leaves = input.ConsumeIntegralInRange(0, 4); leaves > 0; --leaves) {
        scenario.leaves.push_back(ConsumeProcedure(input));
    }
    scenario.topLevel = ConsumeProcedure(input);
    return scenario;
}

[[noreturn]] void Fail(const Scenario& scenario) {
    switch (scenario.failure) {
        case FailureKind::Runtime:
            throw scenario.raised;
        case FailureKind::BadAlloc:
            throw std::bad_alloc();
        case FailureKind::OutOfRange:
            throw std::out_of_range("position");
        case FailureKind::OtherStandard:
            throw std::runtime_error("\r\n%Descr%\b");
        case FailureKind::NotStandard:
            break;
    }
    throw scenario.leaves.size();
}

// Runs `body` in `trap`, named as the procedure and given its arguments one
// by one, as a procedure passes its own.
template <class Trap, class Body>
void InTrap(Trap&& trap, const Procedure& p, Body&& body) {
    const ErrArgs& a = p.args;
    switch (a.size()) {
        case 0:
            return trap(p.qualifiedName, body);
        case 1:
            return trap(p.qualifiedName, body, a[0]);
        case 2:
            return trap(p.qualifiedName, body, a[0], a[1]);
        default:
            return trap(p.qualifiedName, body, a[0], a[1], a[2]);
    }
}

constexpr auto kLeafTrap = [](std::wstring_view name, auto& body, const auto&... args) {
    err::LeafTrap(name, body, args...);
};
constexpr auto kTopLevelTrap = [](std::wstring_view name, auto& body, const auto&... args) {
    err::TopLevelTrap(name, body, args...);
};

std::wstring BareName(std::wstring_view qualifiedName) {
    return std::wstring(qualifiedName.substr(0, qualifiedName.find(L'(')));
}

// The leaf trap `level` and those below it; `passed` receives the error each
// of them raised, innermost first.
void Climb(const Scenario& scenario, size_t level, std::vector<RuntimeError>& passed) {
    const std::optional<RuntimeError> error = RaisedBy([&] {
        InTrap(kLeafTrap, scenario.leaves[level], [&] {
            if (level == 0) Fail(scenario);
            Climb(scenario, level - 1, passed);
        });
    });
    TPR_FUZZ_CHECK(error.has_value());
    passed.push_back(*error);
    throw *error;
}

// The report the first trap starts from: the description of the error as
// recorded (an error without a number has lost its information), as is when
// it carries a report already, else heading a new header (a field marker in
// it, character 8, shows as "%").
std::wstring FirstReportStart(const RuntimeError& raised) {
    std::wstring description =
        raised.number == 0 ? std::wstring(err::kLostErrorDescription) : raised.description;
    if (raised.source == err::kErrorInSource) return description;
    for (wchar_t& c : description) c = c == L'\b' ? L'%' : c;
    return description + L" \r\n  Time='";
}

// A trap only appends to the report it received, its call-stack line first.
void CheckAppended(std::wstring_view before, std::wstring_view after, const Procedure& procedure) {
    TPR_FUZZ_CHECK(StartsWith(after, before));
    const std::wstring_view appended = after.substr(before.size());
    TPR_FUZZ_CHECK(StartsWith(appended, L"  Call Stack: " + BareName(procedure.qualifiedName) + L"("));
    const size_t lineEnd = appended.find(L"\r\n");
    TPR_FUZZ_CHECK(lineEnd != std::wstring_view::npos && lineEnd >= 100 && EndsWith(appended, L"\r\n"));
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    using namespace tpr::err;
    FuzzedDataProvider input(data, size);
    testing::InstalledFakeErrorServices services;
    const Scenario scenario = ConsumeScenario(input, services);

    std::vector<tpr::RuntimeError> passed;
    InTrap(kTopLevelTrap, scenario.topLevel, [&] {
        if (scenario.leaves.empty()) Fail(scenario);
        Climb(scenario, scenario.leaves.size() - 1, passed);
    });
    // The event ends normally, and with it the error.
    TPR_FUZZ_CHECK(CurrentError().number == 0);
    for (const tpr::RuntimeError& error : passed) TPR_FUZZ_CHECK(error.number == passed.front().number);

    const int32_t number = scenario.raised.number;
    if (scenario.failure == FailureKind::Runtime && number >= kQuietErrorFirst && number <= kQuietErrorLast) {
        for (const tpr::RuntimeError& error : passed) {
            TPR_FUZZ_CHECK(error.source == scenario.raised.source &&
                           error.description == scenario.raised.description);
        }
        TPR_FUZZ_CHECK(ErrLastReport().empty() && services.files.files.empty() &&
                       services.dialogs.shownModal.empty());
        return 0;
    }

    std::vector<std::wstring> reports;
    for (const tpr::RuntimeError& error : passed) {
        TPR_FUZZ_CHECK(error.source == kErrorInSource);
        reports.push_back(error.description);
    }
    const std::wstring finished = ErrLastReport();
    reports.push_back(finished);
    // Only the program's own errors have a description to start from.
    if (scenario.failure == FailureKind::Runtime) {
        TPR_FUZZ_CHECK(StartsWith(reports.front(), FirstReportStart(scenario.raised)));
    }
    const Procedure& innermost = scenario.leaves.empty() ? scenario.topLevel : scenario.leaves.front();
    TPR_FUZZ_CHECK(reports.front().find(L"  Call Stack: " + BareName(innermost.qualifiedName) + L"(") !=
                   std::wstring::npos);
    for (size_t i = 1; i < reports.size(); ++i) {
        CheckAppended(reports[i - 1], reports[i],
                      i < scenario.leaves.size() ? scenario.leaves[i] : scenario.topLevel);
    }

    // Logged once unless the log stayed locked; shown once unless the dialog
    // failed, modal while the main window is loaded.
    const testing::FakeFileSystem& files = services.files;
    TPR_FUZZ_CHECK(files.failingOpens == -1 ? files.files.empty()
                                            : files.files.size() == 1 && files.files.begin()->second.find(
                                                                             finished) != std::wstring::npos);
    TPR_FUZZ_CHECK(files.openWriters == 0);
    const testing::FakeDialogs& dialogs = services.dialogs;
    TPR_FUZZ_CHECK(dialogs.shownModal ==
                   (dialogs.failToShow ? std::vector<bool>{} : std::vector<bool>{dialogs.mainWindowLoaded}));
    return 0;
}
