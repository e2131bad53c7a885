// The platform's narrow version query, for the gate and the error log.
#pragma once

#include "core/common/os_version.h"

namespace tpr::win {

// The platform's version query on the 148-byte narrow record; returns what
// the platform returned (only exactly 1 counts as success).
int QueryVersionExA(VersionRecord& record);

}  // namespace tpr::win
