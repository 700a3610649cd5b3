// Which installed voice reads the English sentences.
#include "platform/voice_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace morvane::platform {
namespace {

TEST(VoiceChoiceTest, KeepsAnEnglishDefaultElseTakesTheFirstEnglishVoice) {
  struct Case {
    const char* what;
    std::wstring default_voice;
    std::vector<std::wstring> installed;
    std::optional<std::size_t> taken;
  };
  const Case cases[] = {
      {"English default", L"409", {L"407", L"409"}, std::nullopt},
      {"Canadian default", L"1009", {L"1009", L"407"}, std::nullopt},
      {"German default, English second", L"407", {L"407", L"809", L"409"}, 1},
      {"none English", L"40c", {L"40c", L"407", L"419"}, std::nullopt},
      {"lists", L"407;7", {L"407;7", L"40c;409", L"C09;9"}, 1},
      {"unreadable", L"", {L"", L"0x409", L"409 ", L"10409", L"\u0434\u0430\u0439", L"c09"}, 5},
      {"no voices", L"407", {}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(EnglishVoiceChoice(c.default_voice, c.installed), c.taken);
  }
}

}  // namespace
}  // namespace morvane::platform
