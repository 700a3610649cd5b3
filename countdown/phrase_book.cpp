#include "countdown/phrase_book.h"

#include <algorithm>
#include <iterator>

#include "countdown/phrase_books/phrase_books.h"

namespace morvane {

namespace {

// English first: the phrases for every language that has none.
constexpr const PhraseBook* kPhraseBooks[] = {
    &phrase_books::kEnglish, &phrase_books::kGerman,  &phrase_books::kFrench,
    &phrase_books::kSpanish, &phrase_books::kItalian, &phrase_books::kPortuguese,
    &phrase_books::kPolish,  &phrase_books::kRussian, &phrase_books::kJapanese,
    &phrase_books::kChinese, &phrase_books::kKorean};

const PhraseBook* Find(std::uint16_t language) {
  const auto book = std::find_if(std::begin(kPhraseBooks), std::end(kPhraseBooks),
                                 [&](const PhraseBook* b) { return b->language == language; });
  return book == std::end(kPhraseBooks) ? nullptr : *book;
}

}  // namespace

const char* PluralForms::For(PluralCategory category) const {
  const char* form = category == PluralCategory::One    ? one
                     : category == PluralCategory::Few  ? few
                     : category == PluralCategory::Many ? many
                                                        : other;
  return form != nullptr ? form : other;
}

bool HasPhraseBook(std::uint16_t language) { return Find(language) != nullptr; }

const PhraseBook& PhrasesIn(std::uint16_t language) {
  const PhraseBook* book = Find(language);
  return book != nullptr ? *book : *kPhraseBooks[0];
}

}  // namespace morvane
