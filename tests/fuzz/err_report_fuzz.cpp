// An error climbing through leaf traps to a top-level trap, with any error
// record, any qualified names, any argument values and any facts of the
// machine. Between the traps only tpr::RuntimeError travels; each trap only
// appends to the report, its call-stack line first, at least 100 characters
// long; the header starts with the description; a quiet error climbs
// unchanged and is neither logged nor shown; any other is logged and shown
// once.
#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#include "core/errors/error_report.h"
#include "core/errors/trap.h"
#include "fuzz_error_services.h"
#include "fuzz_support.h"

namespace tpr::fuzz {
namespace {

using err::ErrArgs;
using err::ErrValue;

constexpr size_t kCallStackLineWidth = 100;
constexpr size_t kMostArguments = 3;
constexpr size_t kMostLeafTraps = 4;

struct Procedure {
    std::wstring qualifiedName;
    ErrArgs args;
};

// How the failing statement fails: with the program's runtime error, or with
// an exception of the standard library the first trap must translate.
enum class FailureKind {
    Runtime,
    BadAlloc,
    OutOfRange,
    LengthError,
    OtherStandard,
    NotStandard,
    kMaxValue = NotStandard,
};

struct Scenario {
    FailureKind failure = FailureKind::Runtime;
    RuntimeError raised{0};
    std::vector<Procedure> leaves;  // innermost first
    Procedure topLevel;
};

std::wstring ConsumeQualifiedName(FuzzedDataProvider& input) {
    if (input.ConsumeBool()) return L"mCommon.SendMail(lhWnd,Address,Subject,Body,CC,bcc,Attachement)";
    // The program's names are identifiers: they never hold a line break.
    std::wstring name = ConsumeText(input, 64);
    name.erase(std::remove_if(name.begin(), name.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }),
               name.end());
    return name;
}

ErrValue ConsumeValue(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 10)) {
        case 0:
            return ErrValue::Empty();
        case 1:
            return ErrValue::Null();
        case 2:
            return ErrValue::Omitted();
        case 3:
            return ErrValue::Array();
        case 4:
            return ErrValue::Other();
        case 5:
            return ErrValue::Object(ConsumeText(input, 32));
        case 6:
            return ErrValue::Date(ConsumeText(input, 32));
        case 7:
            return err::ToErrValue(input.ConsumeIntegral<int64_t>());
        case 8: {
            // Any bit pattern: infinities, NaNs and subnormals included.
            const uint64_t bits = input.ConsumeIntegral<uint64_t>();
            double number;
            std::memcpy(&number, &bits, sizeof number);
            return err::ToErrValue(number);
        }
        case 9:
            return err::ToErrValue(input.ConsumeBool());
        default:
            return err::ToErrValue(ConsumeText(input));
    }
}

Procedure ConsumeProcedure(FuzzedDataProvider& input) {
    Procedure procedure{ConsumeQualifiedName(input), {}};
    const size_t count = input.ConsumeIntegralInRange<size_t>(0, kMostArguments);
    for (size_t i = 0; i < count; ++i) procedure.args.push_back(ConsumeValue(input));
    return procedure;
}

// Error numbers near the framework's own as often as anywhere else.
int32_t ConsumeErrorNumber(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return input.ConsumeIntegralInRange(err::kQuietErrorFirst - 2, err::ERRMAP_APP_FIRST + 2);
        case 1:
            return input.ConsumeIntegralInRange(0, 1000);
        case 2:
            return 0;
        default:
            return input.ConsumeIntegral<int32_t>();
    }
}

Scenario ConsumeScenario(FuzzedDataProvider& input, FakeErrorServices& services) {
    Scenario scenario;
    scenario.failure = input.ConsumeEnum<FailureKind>();
    const int32_t number = ConsumeErrorNumber(input);
    const std::wstring description = ConsumeText(input);
    const std::wstring source =
        input.ConsumeBool() ? std::wstring(err::kErrorInSource) : ConsumeText(input, 32);
    scenario.raised = RuntimeError(number, description, source);
    scenario.raised.helpFile = ConsumeText(input, 32);
    scenario.raised.helpContext = input.ConsumeIntegral<int32_t>();
    scenario.raised.lastOsError =
        input.ConsumeBool() ? input.PickValueInArray({0u, 5u, 203u}) : input.ConsumeIntegral<uint32_t>();
    scenario.raised.line = input.ConsumeBool() ? 0 : input.ConsumeIntegral<int32_t>();

    err::testing::FakePlatform& platform = services.platform;
    platform.osMessages[scenario.raised.lastOsError] = ConsumeText(input, 64);
    platform.computerName = ConsumeText(input, 32);
    platform.appName = ConsumeText(input, 32);
    platform.dateSeparator = ConsumeText(input, 4);
    platform.timeSeparator = ConsumeText(input, 4);
    if (input.ConsumeBool()) platform.adoVersion = ConsumeText(input, 16);
    services.files.failingOpens = input.PickValueInArray({0, 2, -1});
    services.dialogs.mainWindowLoaded = input.ConsumeBool();
    services.dialogs.failToShow = input.ConsumeBool();

    const size_t leaves = input.ConsumeIntegralInRange<size_t>(0, kMostLeafTraps);
    for (size_t i = 0; i < leaves; ++i) scenario.leaves.push_back(ConsumeProcedure(input));
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
        case FailureKind::LengthError:
            throw std::length_error("size");
        case FailureKind::OtherStandard:
            throw std::runtime_error("\r\n%Descr%\b");
        case FailureKind::NotStandard:
            break;
    }
    throw scenario.leaves.size();
}

// Runs `body` in `trap`, a leaf or top-level trap, named as the procedure and
// given its arguments one by one, as a procedure passes its own.
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

// Runs `call`, which must fail with a runtime error; keeps that error and
// raises it on.
template <class Call>
[[noreturn]] void PassOn(Call&& call, std::vector<RuntimeError>& passed) {
    const std::optional<RuntimeError> error = RaisedBy(call);
    TPR_FUZZ_CHECK(error.has_value());
    passed.push_back(*error);
    throw *error;
}

// The leaf trap `level` and the ones below it; `passed` receives the error
// each of them raised, innermost first.
void Climb(const Scenario& scenario, size_t level, std::vector<RuntimeError>& passed) {
    InTrap(kLeafTrap, scenario.leaves[level], [&] {
        if (level == 0) Fail(scenario);
        PassOn([&] { Climb(scenario, level - 1, passed); }, passed);
    });
}

// What the first trap records of the raised error: an error without a number
// has lost its information.
RuntimeError RecordedError(const RuntimeError& raised) {
    if (raised.number != 0) return raised;
    RuntimeError lost = raised;
    lost.number = err::ERRMAP_APP_FIRST;
    lost.description = err::kLostErrorDescription;
    return lost;
}

// The number every trap passes on: the classic number that fits a failure
// of the standard library best.
int32_t RecordedNumber(const Scenario& scenario) {
    switch (scenario.failure) {
        case FailureKind::Runtime:
            return RecordedError(scenario.raised).number;
        case FailureKind::BadAlloc:
        case FailureKind::LengthError:
            return kErrOutOfMemory;
        case FailureKind::OutOfRange:
            return kErrSubscriptOutOfRange;
        case FailureKind::OtherStandard:
        case FailureKind::NotStandard:
            break;
    }
    return kErrInternal;
}

// The report text the first trap starts from: the description of an error
// recorded before, else the header and API error line, made by the builders
// themselves for the same error.
std::wstring FirstReportStart(const RuntimeError& recorded, std::wstring_view bareName) {
    err::ErrorContextRecord& context = err::ErrorContext();
    if (recorded.source == err::kErrorInSource) return recorded.description;
    const err::ErrorContextRecord kept = context;
    context.number = recorded.number;
    context.source = recorded.source;
    context.description = recorded.description;
    context.lastOsError = recorded.lastOsError;
    err::ErrWriteHeader(bareName);
    err::ErrAddApiErrorLine();
    std::wstring start = context.reportText;
    context = kept;

    // A field marker (character 8) in the description shows as "%".
    std::wstring shown = recorded.description;
    std::replace(shown.begin(), shown.end(), L'\b', L'%');
    TPR_FUZZ_CHECK(StartsWith(start, shown + L" \r\n  Time='"));
    return start;
}

std::wstring_view BareName(std::wstring_view qualifiedName) {
    return qualifiedName.substr(0, qualifiedName.find(L'('));
}

// A trap only appends to the report it received: its call-stack line, at
// least 100 characters, then any long argument values.
void CheckAppended(std::wstring_view before, std::wstring_view after, const Procedure& procedure) {
    TPR_FUZZ_CHECK(StartsWith(after, before));
    const std::wstring_view appended = after.substr(before.size());
    TPR_FUZZ_CHECK(
        StartsWith(appended, L"  Call Stack: " + std::wstring(BareName(procedure.qualifiedName)) + L"("));
    const size_t lineEnd = appended.find(L"\r\n");
    TPR_FUZZ_CHECK(lineEnd != std::wstring_view::npos && lineEnd >= kCallStackLineWidth);
    TPR_FUZZ_CHECK(EndsWith(appended, L"\r\n"));
}

void CheckQuietClimb(const Scenario& scenario, const std::vector<RuntimeError>& passed,
                     const FakeErrorServices& services) {
    for (const RuntimeError& error : passed) {
        TPR_FUZZ_CHECK(error.source == scenario.raised.source);
        TPR_FUZZ_CHECK(error.description == scenario.raised.description);
    }
    TPR_FUZZ_CHECK(err::ErrLastReport().empty());
    TPR_FUZZ_CHECK(services.files.files.empty());
    TPR_FUZZ_CHECK(services.dialogs.shownModal.empty());
}

void CheckReportedClimb(const Scenario& scenario, const std::vector<RuntimeError>& passed,
                        const FakeErrorServices& services) {
    std::vector<std::wstring> reports;
    for (const RuntimeError& error : passed) {
        TPR_FUZZ_CHECK(error.source == err::kErrorInSource);
        reports.push_back(error.description);
    }
    const std::wstring finished = err::ErrLastReport();
    reports.push_back(finished);

    std::vector<const Procedure*> procedures;
    for (const Procedure& leaf : scenario.leaves) procedures.push_back(&leaf);
    procedures.push_back(&scenario.topLevel);
    // Only the program's own errors have a record the header can be made of again.
    if (scenario.failure == FailureKind::Runtime) {
        const RuntimeError recorded = RecordedError(scenario.raised);
        const std::wstring start = FirstReportStart(recorded, BareName(procedures.front()->qualifiedName));
        CheckAppended(start, reports.front(), *procedures.front());
    }
    for (size_t i = 1; i < reports.size(); ++i) CheckAppended(reports[i - 1], reports[i], *procedures[i]);

    // Logged once, unless the log stayed locked; shown once, unless the
    // dialog failed; modal while the main window is loaded.
    const err::testing::FakeFileSystem& files = services.files;
    if (files.failingOpens == -1) {
        TPR_FUZZ_CHECK(files.files.empty());
    } else {
        TPR_FUZZ_CHECK(files.files.size() == 1 &&
                       files.files.begin()->second.find(finished) != std::wstring::npos);
    }
    TPR_FUZZ_CHECK(files.openWriters == 0);
    const err::testing::FakeDialogs& dialogs = services.dialogs;
    if (dialogs.failToShow) {
        TPR_FUZZ_CHECK(dialogs.shownModal.empty());
    } else {
        TPR_FUZZ_CHECK(dialogs.shownModal == std::vector<bool>{dialogs.mainWindowLoaded});
    }
}

}  // namespace
}  // namespace tpr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tpr::fuzz;
    FuzzedDataProvider input(data, size);
    FakeErrorServices services;
    const Scenario scenario = ConsumeScenario(input, services);

    std::vector<tpr::RuntimeError> passed;
    InTrap(kTopLevelTrap, scenario.topLevel, [&] {
        if (scenario.leaves.empty()) Fail(scenario);
        PassOn([&] { Climb(scenario, scenario.leaves.size() - 1, passed); }, passed);
    });
    // The event ends normally, and with it the error.
    TPR_FUZZ_CHECK(tpr::err::CurrentError().number == 0);

    const int32_t number = RecordedNumber(scenario);
    for (const tpr::RuntimeError& error : passed) TPR_FUZZ_CHECK(error.number == number);
    const bool quiet = number >= tpr::err::kQuietErrorFirst && number <= tpr::err::kQuietErrorLast;
    if (quiet) {
        CheckQuietClimb(scenario, passed, services);
    } else {
        CheckReportedClimb(scenario, passed, services);
    }
    return 0;
}
