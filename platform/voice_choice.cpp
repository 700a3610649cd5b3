#include "platform/voice_choice.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

namespace morvane::platform {

namespace {

// A language identifier's low ten bits are its language, the rest its
// country: English is English in any country (409, 809, c09, 1009...).
constexpr std::uint16_t kLanguageBits = 0x3FF;
constexpr std::uint16_t kEnglish = 0x09;

bool IsEnglish(std::wstring_view identifier) {
  std::string digits;
  for (const wchar_t c : identifier) {
    // Narrowed, a character beyond ASCII could pass for a digit.
    if (static_cast<std::uint32_t>(c) > 0x7F) {
      return false;
    }
    digits += static_cast<char>(c);
  }
  std::uint16_t language = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), language, 16);
  return error == std::errc{} && end == digits.data() + digits.size() &&
         (language & kLanguageBits) == kEnglish;
}

bool SpeaksEnglish(std::wstring_view languages) {
  for (std::size_t start = 0; start <= languages.size();) {
    const std::size_t end = std::min(languages.find(L';', start), languages.size());
    if (IsEnglish(languages.substr(start, end - start))) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

}  // namespace

std::optional<std::size_t> EnglishVoiceChoice(std::wstring_view default_languages,
                                              std::span<const std::wstring> installed_languages) {
  if (SpeaksEnglish(default_languages)) {
    return std::nullopt;
  }
  const auto english =
      std::find_if(installed_languages.begin(), installed_languages.end(),
                   [](const std::wstring& languages) { return SpeaksEnglish(languages); });
  if (english == installed_languages.end()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(english - installed_languages.begin());
}

}  // namespace morvane::platform
