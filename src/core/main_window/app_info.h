// The program's version and the About window's texts built from it.
#pragma once

#include <string>

#include "core/runtime/product.h"

namespace tpr {

// "Version 2.00": the minor number with at least two digits.
std::wstring VersionLineText(int major, int minor);

// Subject of a mail to technical support: "Tessaly Photo Resizer v2.0", the
// minor number as it is.
std::wstring MailSubject(int major, int minor);

}  // namespace tpr
