// The access letters of the items a program adds to a menu that has items of
// its own, such as the system menu. A key pressed in a menu lands on the
// first item whose letter it is, so a letter one of the menu's own items
// holds too would reach that item instead (Close, in the system menu): each
// added item takes the first of its candidate letters that no item holds,
// the menu's own first, then the added ones in the order they came. Portable:
// the case rules are the caller's, which on Windows are the system's.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane::toolkit {

// A letter as the menu compares it with a key, whatever its case.
using CapitalOf = wchar_t (*)(wchar_t);

// The letter an item's text marks as its access letter, after a "&" ("&&" is
// a "&" shown); 0 for none.
wchar_t MarkedLetter(std::wstring_view text);

class AccessLetters {
 public:
  // `taken`: the letters the menu's own items hold, greyed ones too.
  AccessLetters(std::wstring_view taken, CapitalOf capital);

  // `text` as the menu is given it: a "&" of its own shown as one, and a "&"
  // before the first occurrence, ahead of any tab, of the first of
  // `candidates` (letters of its words) that no item holds yet, which the
  // item holds from then on. With every candidate held it has no access
  // letter rather than one that lands elsewhere.
  std::wstring Mark(std::wstring_view text, std::wstring_view candidates);

 private:
  // Where the item's letter goes in `words`, its text ahead of any tab;
  // npos for nowhere.
  std::size_t PlaceOfFreeLetter(std::wstring_view words, std::wstring_view candidates) const;

  std::wstring taken_;  // as capitals
  CapitalOf capital_;
};

}  // namespace morvane::toolkit
