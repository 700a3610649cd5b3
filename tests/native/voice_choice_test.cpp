// Which installed voice reads the sentences, and in which language.
#include "platform/voice_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvane::platform {
namespace {

constexpr Language kGerman = 0x07, kFrench = 0x0C;

TEST(VoiceChoiceTest, KeepsADefaultWithPhrasesElseTakesTheFirstEnglishVoice) {
  const auto spoken = [](Language l) { return l == kEnglish || l == kGerman || l == kFrench; };
  const struct {
    const char* what;
    std::wstring default_voice;
    std::vector<std::wstring> installed;  // the speech API's, then the Settings' voices
    VoiceChoice chosen;
  } cases[] = {
      {"German default, Austrian", L"c07", {L"409", L"c07"}, {std::nullopt, kGerman}},
      {"Dutch default, English second", L"413", {L"413", L"1009", L"409"}, {1, kEnglish}},
      {"English in the Settings' only", L"413", {L"413", L"407", L"809"}, {2, kEnglish}},
      {"neither", L"413", {L"413", L"407"}, {std::nullopt, kEnglish}},
      {"default without a language", L"", {L"413", L"409"}, {std::nullopt, kEnglish}},
      {"default unreadable", L"0x407", {L"409"}, {std::nullopt, kEnglish}},
      {"the first with phrases, mid-list", L"413;40c;407", {L"409"}, {std::nullopt, kFrench}},
      {"English in the middle of a list", L"413;zz", {L"413;809;40c"}, {0, kEnglish}},
      {"a one-digit entry past the ;", L"413", {L"413", L"407;9"}, {1, kEnglish}},
      {"blanks around", L" 413 ;\t40c ", {L"409"}, {std::nullopt, kFrench}},
      {"unreadable", L"413", {L"10409", L"4 09", L"\u0434\u0430\u0439", L"9"}, {3, kEnglish}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const VoiceChoice chosen = ChooseVoice(c.default_voice, c.installed, spoken);
    EXPECT_EQ(chosen.voice, c.chosen.voice);
    EXPECT_EQ(chosen.language, c.chosen.language);
  }
}

}  // namespace
}  // namespace morvane::platform
