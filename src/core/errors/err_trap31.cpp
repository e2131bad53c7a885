// Placeholder until the error framework lands: leaf traps pass the error on
// unchanged and top-level traps end it.
#include "errors/trap.h"

namespace tpr::err {

void LeafTrapCaught(std::wstring_view, const ErrArgs&) { throw; }

void TopLevelTrapCaught(std::wstring_view, const ErrArgs&) noexcept {}

}  // namespace tpr::err
