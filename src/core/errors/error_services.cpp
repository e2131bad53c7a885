// The installed error services and the error raised when none is installed.
#include "core/errors/error_services.h"

#include "core/runtime/runtime_error.h"

namespace tpr::err {
namespace {

ErrorServices g_services;

template <class Service>
Service& Installed(Service* service) {
    if (!service) Raise(kErrObjectNotSet);
    return *service;
}

}  // namespace

void InstallErrorServices(const ErrorServices& services) { g_services = services; }

ErrorPlatform& Platform() { return Installed(g_services.platform); }
LogFileSystem& Files() { return Installed(g_services.files); }
ReportDialogHost& Dialogs() { return Installed(g_services.dialogs); }

}  // namespace tpr::err
