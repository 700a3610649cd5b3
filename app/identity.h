// Who the program is, where the code needs it; the version record itself is
// in Morvane.rc.
#pragma once

namespace morvane {

// The title of any message box that names none.
inline constexpr wchar_t kApplicationTitle[] = L"Morvane";

}  // namespace morvane
