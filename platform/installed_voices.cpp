#include "platform/installed_voices.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/com.h"
#include "platform/voice_choice.h"

namespace morvane::platform {

namespace {

std::wstring LanguagesOf(ISpObjectToken& voice) {
  ISpDataKey* raw_attributes = nullptr;
  if (FAILED(voice.OpenKey(L"Attributes", &raw_attributes))) {
    return {};
  }
  const com_ptr<ISpDataKey> attributes(raw_attributes);
  wchar_t* raw_languages = nullptr;
  if (FAILED(attributes->GetStringValue(L"Language", &raw_languages))) {
    return {};
  }
  return com_memory<wchar_t>(raw_languages).get();
}

// In the order the system lists them; none where it cannot.
std::vector<com_ptr<ISpObjectToken>> InstalledVoices() {
  const auto category = CreateInProcess<ISpObjectTokenCategory>(__uuidof(SpObjectTokenCategory),
                                                                __uuidof(ISpObjectTokenCategory));
  IEnumSpObjectTokens* raw_tokens = nullptr;
  // No attributes asked for: Wine ignores them and lists every voice anyway,
  // so the languages are read here.
  if (!category || FAILED(category->SetId(SPCAT_VOICES, FALSE)) ||
      FAILED(category->EnumTokens(nullptr, nullptr, &raw_tokens))) {
    return {};
  }
  const com_ptr<IEnumSpObjectTokens> tokens(raw_tokens);
  std::vector<com_ptr<ISpObjectToken>> voices;
  ISpObjectToken* voice = nullptr;
  while (tokens->Next(1, &voice, nullptr) == S_OK) {
    voices.emplace_back(voice);
  }
  return voices;
}

}  // namespace

void ChooseEnglishVoice(ISpVoice& voice) {
  // The default voice is the one a voice has until it is given another.
  ISpObjectToken* raw_default_voice = nullptr;
  if (FAILED(voice.GetVoice(&raw_default_voice)) || raw_default_voice == nullptr) {
    return;
  }
  const com_ptr<ISpObjectToken> default_voice(raw_default_voice);
  const std::vector<com_ptr<ISpObjectToken>> installed = InstalledVoices();
  std::vector<std::wstring> languages;
  for (const com_ptr<ISpObjectToken>& installed_voice : installed) {
    languages.push_back(LanguagesOf(*installed_voice));
  }
  if (const auto english = EnglishVoiceChoice(LanguagesOf(*default_voice), languages)) {
    // One that refuses it speaks with the default voice.
    voice.SetVoice(installed[*english].get());
  }
}

}  // namespace morvane::platform
