// Which installed voice reads the English sentences.
#include "platform/voice_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvane::platform {
namespace {

TEST(VoiceChoiceTest, KeepsAnEnglishDefaultElseTakesTheFirstEnglishVoice) {
  const struct {
    const char* what;
    std::wstring default_voice;
    std::vector<std::wstring> installed;
    std::optional<std::size_t> taken;
  } cases[] = {
      {"English default", L"c09", {L"407", L"409"}, std::nullopt},
      {"German default, English second", L"407", {L"407", L"1009", L"409"}, 1},
      {"none English", L"40c", {L"40c", L"407", L"419"}, std::nullopt},
      {"lists", L"407;7", {L"407;7", L"40c;409", L"809;9"}, 1},
      {"unreadable", L"", {L"", L"0x409", L"409 ", L"10409", L"\u0434\u0430\u0439", L"9"}, 5},
      {"no voices", L"407", {}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(EnglishVoiceChoice(c.default_voice, c.installed), c.taken);
  }
}

}  // namespace
}  // namespace morvane::platform
