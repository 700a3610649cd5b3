#include "platform/voice_choice.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

namespace morvane::platform {

namespace {

constexpr std::uint16_t kLanguageBits = 0x3FF;  // the rest is the country

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::optional<Language> LanguageOf(std::wstring_view identifier) {
  while (!identifier.empty() && IsBlank(identifier.front())) {
    identifier.remove_prefix(1);
  }
  while (!identifier.empty() && IsBlank(identifier.back())) {
    identifier.remove_suffix(1);
  }
  std::string digits;
  for (const wchar_t c : identifier) {
    // Narrowed, a character beyond ASCII could pass for a digit.
    if (static_cast<std::uint32_t>(c) > 0x7F) {
      return std::nullopt;
    }
    digits += static_cast<char>(c);
  }
  std::uint16_t identifier_value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), identifier_value, 16);
  if (error != std::errc{} || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return static_cast<Language>(identifier_value & kLanguageBits);
}

// The languages that can be read, in the order given.
std::vector<Language> LanguagesIn(std::wstring_view languages) {
  std::vector<Language> read;
  for (std::size_t start = 0; start <= languages.size();) {
    const std::size_t end = std::min(languages.find(L';', start), languages.size());
    if (const auto language = LanguageOf(languages.substr(start, end - start))) {
      read.push_back(*language);
    }
    start = end + 1;
  }
  return read;
}

bool SpeaksEnglish(std::wstring_view languages) {
  const std::vector<Language> read = LanguagesIn(languages);
  return std::find(read.begin(), read.end(), kEnglish) != read.end();
}

}  // namespace

VoiceChoice ChooseVoice(std::wstring_view default_languages,
                        std::span<const std::wstring> installed_languages,
                        const SpokenLanguages& spoken) {
  const std::vector<Language> defaults = LanguagesIn(default_languages);
  const auto own = std::find_if(defaults.begin(), defaults.end(), spoken);
  if (own != defaults.end()) {
    return {std::nullopt, *own};
  }
  if (defaults.empty()) {
    return {std::nullopt, kEnglish};
  }
  const auto english =
      std::find_if(installed_languages.begin(), installed_languages.end(),
                   [](const std::wstring& languages) { return SpeaksEnglish(languages); });
  if (english == installed_languages.end()) {
    return {std::nullopt, kEnglish};
  }
  return {static_cast<std::size_t>(english - installed_languages.begin()), kEnglish};
}

}  // namespace morvane::platform
