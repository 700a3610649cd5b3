// A control's standard accessible object with its own name replaced, for
// systems whose annotation service refuses names (see accessible_name.h):
// every other answer, and every other interface, is the standard object's.
#pragma once

#include <oleacc.h>

#include <functional>
#include <memory>
#include <string>

namespace morvane::toolkit {

// The name, UTF-8; empty (no function) once the control is gone, when the
// standard name is given again.
using NameSource = std::function<std::string()>;

// Takes over the caller's reference to `standard`; the new object carries
// one reference, the caller's.
IAccessible* NewNamedAccessible(IAccessible* standard, std::shared_ptr<NameSource> source);

}  // namespace morvane::toolkit
