#include "countdown/plural_rules.h"

namespace morvane {

namespace {

// Few: 2-4, 22-24, 102-104..., but not 12-14.
bool EndsInTwoToFour(std::int64_t number) {
  return number % 10 >= 2 && number % 10 <= 4 && (number % 100 < 12 || number % 100 > 14);
}

}  // namespace

PluralCategory PluralCategoryOf(PluralRule rule, std::int64_t number) {
  switch (rule) {
    case PluralRule::OneForOne:
      return number == 1 ? PluralCategory::One : PluralCategory::Other;
    case PluralRule::OneForZeroAndOne:
      return number == 0 || number == 1 ? PluralCategory::One : PluralCategory::Other;
    case PluralRule::EastSlavic:
      if (number % 10 == 1 && number % 100 != 11) {
        return PluralCategory::One;
      }
      return EndsInTwoToFour(number) ? PluralCategory::Few : PluralCategory::Many;
    case PluralRule::Polish:
      if (number == 1) {
        return PluralCategory::One;
      }
      return EndsInTwoToFour(number) ? PluralCategory::Few : PluralCategory::Many;
    case PluralRule::None:
      break;
  }
  return PluralCategory::Other;
}

}  // namespace morvane
