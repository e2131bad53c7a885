// The error framework's fake services for one fuzz input: installed on
// construction over a framework reset to its start-up state, removed on
// destruction, so that nothing of one input (report, log, saved error)
// carries over to the next.
#pragma once

#include "core/errors/error_framework.h"
#include "error_service_fakes.h"

namespace tpr::fuzz {

class FakeErrorServices {
public:
    FakeErrorServices() {
        err::ResetErrorFramework();
        err::InstallErrorServices({&platform, &files, &dialogs});
    }
    ~FakeErrorServices() {
        err::InstallErrorServices({});
        err::ResetErrorFramework();
    }
    FakeErrorServices(const FakeErrorServices&) = delete;
    FakeErrorServices& operator=(const FakeErrorServices&) = delete;

    err::testing::FakePlatform platform;
    err::testing::FakeFileSystem files;
    err::testing::FakeDialogs dialogs;
};

}  // namespace tpr::fuzz
