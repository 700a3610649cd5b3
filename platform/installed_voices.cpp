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

// The voices that Windows' Settings add for a language, which the speech
// API's category (SPCAT_VOICES) does not list.
constexpr wchar_t kSettingsVoices[] =
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech_OneCore\\Voices";

// Adds the voices of the category `id` to `voices`, in the order the system
// lists them; none where it cannot.
void AddVoicesOf(const wchar_t* id, std::vector<com_ptr<ISpObjectToken>>& voices) {
  const auto category = CreateInProcess<ISpObjectTokenCategory>(__uuidof(SpObjectTokenCategory),
                                                                __uuidof(ISpObjectTokenCategory));
  IEnumSpObjectTokens* raw_tokens = nullptr;
  // No attributes asked for: Wine ignores them and lists every voice anyway,
  // so the languages are read here.
  if (!category || FAILED(category->SetId(id, FALSE)) ||
      FAILED(category->EnumTokens(nullptr, nullptr, &raw_tokens))) {
    return;
  }
  const com_ptr<IEnumSpObjectTokens> tokens(raw_tokens);
  ISpObjectToken* voice = nullptr;
  while (tokens->Next(1, &voice, nullptr) == S_OK) {
    voices.emplace_back(voice);
  }
}

}  // namespace

Language SetChosenVoice(ISpVoice& voice, const SpokenLanguages& spoken) {
  // The default voice is the one a voice has until it is given another.
  ISpObjectToken* raw_default_voice = nullptr;
  if (FAILED(voice.GetVoice(&raw_default_voice)) || raw_default_voice == nullptr) {
    return kEnglish;
  }
  const com_ptr<ISpObjectToken> default_voice(raw_default_voice);
  std::vector<com_ptr<ISpObjectToken>> installed;
  AddVoicesOf(SPCAT_VOICES, installed);
  AddVoicesOf(kSettingsVoices, installed);
  std::vector<std::wstring> languages;
  for (const com_ptr<ISpObjectToken>& installed_voice : installed) {
    languages.push_back(LanguagesOf(*installed_voice));
  }
  const VoiceChoice choice = ChooseVoice(LanguagesOf(*default_voice), languages, spoken);
  if (choice.voice) {
    // One that refuses it speaks with the default voice, in English still.
    voice.SetVoice(installed[*choice.voice].get());
  }
  return choice.language;
}

}  // namespace morvane::platform
