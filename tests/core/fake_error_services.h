// The fixture that installs the fakes of the error framework's services
// around each test.
#pragma once

#include <gtest/gtest.h>

#include "core/errors/error_framework.h"
#include "error_service_fakes.h"

namespace tpr::err::testing {

inline constexpr wchar_t kLogFolder[] = L"C:\\Users\\ann\\Documents\\Tessaly Photo Resizer";
inline constexpr wchar_t kLogPath[] = L"C:\\Users\\ann\\Documents\\Tessaly Photo Resizer\\ErrorReport.txt";

// Each test starts from a fresh framework with the fakes installed.
class ErrorFrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetErrorFramework();
        InstallErrorServices({&platform, &files, &dialogs});
    }
    void TearDown() override {
        InstallErrorServices({});
        ResetErrorFramework();
        SetLastOsErrorReader(nullptr);
    }

    // The error a call raised; the test fails when it raised none.
    template <class Call>
    static RuntimeError RaisedBy(Call&& call) {
        try {
            call();
        } catch (const RuntimeError& e) {
            return e;
        }
        ADD_FAILURE() << "no error was raised";
        return RuntimeError(0);
    }

    FakePlatform platform;
    FakeFileSystem files;
    FakeDialogs dialogs;
};

}  // namespace tpr::err::testing
