// Every language the voice speaks, one file each.
#pragma once

#include "countdown/phrase_book.h"

namespace morvane::phrase_books {

extern const PhraseBook kEnglish;
extern const PhraseBook kGerman;
extern const PhraseBook kFrench;
extern const PhraseBook kSpanish;
extern const PhraseBook kItalian;
extern const PhraseBook kPortuguese;
extern const PhraseBook kPolish;
extern const PhraseBook kRussian;
extern const PhraseBook kJapanese;
extern const PhraseBook kChinese;
extern const PhraseBook kKorean;

}  // namespace morvane::phrase_books
