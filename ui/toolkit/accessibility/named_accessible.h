// A control's standard accessible object with its own name replaced, for
// systems whose annotation service refuses names (see accessible_name.h).
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <memory>
#include <string>

namespace morvane::toolkit {

// The name, UTF-8; empty (no function) once the control is gone, when the
// standard name is given again.
using NameSource = std::function<std::string()>;

// Takes over the caller's reference to `standard`, the standard object of
// `control`'s client area; the new object carries one reference, the
// caller's.
IAccessible* NewNamedAccessible(HWND control, IAccessible* standard,
                                std::shared_ptr<NameSource> source);

}  // namespace morvane::toolkit
