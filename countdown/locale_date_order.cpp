#include "countdown/locale_date_order.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <string_view>

#include "countdown/date_order.h"

namespace morvane {

DateOrder UserShortDateOrder() {
  // Read afresh each time: the user may change the format while rows run.
  std::array<wchar_t, 128> pattern{};
  const int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTDATE,
                                       pattern.data(), static_cast<int>(pattern.size()));
  if (length <= 0) {
    return DateOrder::MonthDayYear;
  }
  // The length counts the terminating null.
  return DateOrderFromShortDatePattern(
      std::wstring_view(pattern.data(), static_cast<std::size_t>(length) - 1));
}

}  // namespace morvane
