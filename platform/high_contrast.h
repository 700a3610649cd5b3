// Windows' high-contrast mode, as the system reports it.
#pragma once

#include <functional>

namespace morvane::platform {

// Whether high contrast is on; the system's answer, or a test's.
using HighContrastQuery = std::function<bool()>;
bool SystemHighContrast();

}  // namespace morvane::platform
