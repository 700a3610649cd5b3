// The sentences in each language: the plural rules, and each phrase book's words put together.
#include "countdown/phrase_book.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "countdown/row_answers.h"

namespace morvane {
namespace {

TEST(PluralRulesTest, EachFamilyPutsTheNumbersInItsCategories) {
  const std::int64_t numbers[] = {0, 1, 2, 4, 5, 11, 12, 21, 22, 25, 101, 111};
  const struct {
    PluralRule rule;
    const char* categories;  // one letter a number: One, Few, Many, or X for other
  } cases[] = {
      {PluralRule::OneForOne, "XOXXXXXXXXXX"},  {PluralRule::OneForZeroAndOne, "OOXXXXXXXXXX"},
      {PluralRule::EastSlavic, "MOFFMMMOFMOM"}, {PluralRule::Polish, "MOFFMMMMFMMM"},
      {PluralRule::None, "XXXXXXXXXXXX"},
  };
  for (const auto& c : cases) {
    std::string categories;
    for (const std::int64_t number : numbers) {
      categories += "OFMX"[static_cast<int>(PluralCategoryOf(c.rule, number))];
    }
    EXPECT_EQ(categories, c.categories) << static_cast<int>(c.rule);
  }
}

TEST(PhraseBookTest, EachLanguageSaysAListAndTimesInItsOwnWay) {
  const ExpiredRow three[] = {{1, "Aldric"}, {2, "Brenna"}, {3, "Corvin"}};
  const NamedStanding hours{1, "Aldric", {RowStanding::State::Counting, 2 * 3600 + 24 * 60 + 30}};
  const NamedStanding second{1, "Aldric", {RowStanding::State::Counting, 1}};
  const struct {
    std::uint16_t language;
    const char* names;
    const char* hours_left;
    const char* second_left;
  } cases[] = {
      {0x09, "Aldric, Brenna and Corvin, time is up", "Aldric, 2 hours 25 minutes left",
       "Aldric, 1 second left"},
      {0x07, "Aldric, Brenna und Corvin, Zeit ist um", "Aldric, noch 2 Stunden und 25 Minuten",
       "Aldric, noch 1 Sekunde"},
      {0x0C, "Aldric, Brenna et Corvin, temps écoulé", "Aldric, il reste 2 heures 25 minutes",
       "Aldric, il reste 1 seconde"},
      {0x0A, "Aldric, Brenna y Corvin, se acabó el tiempo", "Aldric, quedan 2 horas y 25 minutos",
       "Aldric, queda 1 segundo"},
      {0x10, "Aldric, Brenna e Corvin, tempo scaduto", "Aldric, mancano 2 ore e 25 minuti",
       "Aldric, manca 1 secondo"},
      {0x16, "Aldric, Brenna e Corvin, acabou o tempo", "Aldric, faltam 2 horas e 25 minutos",
       "Aldric, falta 1 segundo"},
      {0x15, "Aldric, Brenna i Corvin, czas minął", "Aldric, zostały 2 godziny i 25 minut",
       "Aldric, została 1 sekunda"},
      {0x19, "Aldric, Brenna и Corvin, время вышло", "Aldric, до конца 2 часа 25 минут",
       "Aldric, до конца 1 секунда"},
      {0x11, "Aldric、BrennaとCorvin、時間切れ", "Aldric、残り2時間25分", "Aldric、残り1秒"},
      {0x04, "Aldric、Brenna和Corvin，时间到了", "Aldric，还剩2小时25分钟", "Aldric，还剩1秒"},
      {0x12, "Aldric, Brenna 및 Corvin, 시간 종료", "Aldric, 2시간 25분 남음", "Aldric, 1초 남음"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    const PhraseBook& book = PhrasesIn(c.language);
    EXPECT_EQ(TimeIsUpSentence(book, three), c.names);
    EXPECT_EQ(RowAnswer(book, hours), c.hours_left);
    EXPECT_EQ(RowAnswer(book, second), c.second_left);
  }
}

}  // namespace
}  // namespace morvane
