// The order of day, month and year in the user's short dates, as the
// current locale writes them.
#pragma once

#include "countdown/time_text.h"

namespace morvane {

DateOrder UserShortDateOrder();

}  // namespace morvane
