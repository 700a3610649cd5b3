#include "platform/voice.h"

#include <windows.h>

#include <sapi.h>

#include <memory>
#include <utility>

#include "platform/com.h"
#include "platform/installed_voices.h"
#include "platform/speech_thread.h"

namespace morvane::platform {

namespace {

class SpeechApiEngine final : public SpeechEngine {
 public:
  SpeechApiEngine(com_ptr<ISpVoice> voice, Language language)
      : voice_(std::move(voice)), language_(language) {}

  // Asynchronous: the engine speaks on a thread of its own. Plain text, never
  // the voice's markup: a name such as <volume level='0'/> is read out, not
  // obeyed.
  bool Speak(const wchar_t* text, bool cut) override {
    const DWORD flags = SPF_ASYNC | (text != nullptr ? SPF_IS_NOT_XML : 0) |
                        (cut ? SPF_PURGEBEFORESPEAK : 0);
    return SUCCEEDED(voice_->Speak(text, flags, nullptr));
  }

  HANDLE SaidEvent() override { return voice_->SpeakCompleteEvent(); }

  Language Speaks() const override { return language_; }

 private:
  com_ptr<ISpVoice> voice_;
  Language language_;
};

}  // namespace

Voice SystemVoice(SpokenLanguages spoken) {
  return VoiceOnItsOwnThread([spoken = std::move(spoken)]() -> std::unique_ptr<SpeechEngine> {
    // The identifiers by __uuidof, as for the taskbar: CLSID_SpVoice would
    // bring MinGW-w64's whole uuid object along.
    auto voice = CreateInProcess<ISpVoice>(__uuidof(SpVoice), __uuidof(ISpVoice));
    if (!voice) {
      return nullptr;
    }
    const Language language = SetChosenVoice(*voice, spoken);
    return std::make_unique<SpeechApiEngine>(std::move(voice), language);
  });
}

}  // namespace morvane::platform
