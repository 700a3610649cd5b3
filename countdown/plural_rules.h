// How a language's words follow a number: the cardinal plural rules of the
// Unicode CLDR, for the whole numbers the voice says.
#pragma once

#include <cstdint>

namespace morvane {

enum class PluralRule {
  OneForOne,         // one: 1; other: the rest (English, German, Spanish, Italian)
  OneForZeroAndOne,  // one: 0 and 1; other: the rest (French, Brazilian Portuguese)
  EastSlavic,        // one: 1, 21, 31, not 11; few: 2-4, 22-24, not 12-14; many: the rest (Russian)
  Polish,            // one: 1; few: 2-4, 22-24, not 12-14; many: the rest
  None,              // one form for every number (Japanese, Chinese, Korean)
};

enum class PluralCategory { One, Few, Many, Other };

PluralCategory PluralCategoryOf(PluralRule rule, std::int64_t number);

}  // namespace morvane
