// The controls speak UTF-16; the rest of the program speaks UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace morvane::platform {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace morvane::platform
