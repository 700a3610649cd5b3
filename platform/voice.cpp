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

// A sentence is said when the voice tells the end of its input stream, by
// the number its Speak gave it. The voice's completion event is no sign of
// that: it tells that nothing is pending, and the speech API does not say
// that an asynchronous Speak has cleared it when it returns, so the last
// sentence's may still be set. A voice that tells no events (Wine's) cannot
// tell, and each sentence counts as said once handed over.
class SpeechApiEngine final : public SpeechEngine {
 public:
  SpeechApiEngine(com_ptr<ISpVoice> voice, Language language)
      : voice_(std::move(voice)), language_(language) {
    constexpr ULONGLONG kStreamEnds = SPFEI(SPEI_END_INPUT_STREAM);
    if (SUCCEEDED(voice_->SetInterest(kStreamEnds, kStreamEnds)) &&
        SUCCEEDED(voice_->SetNotifyWin32Event())) {
      news_ = voice_->GetNotifyEventHandle();
    }
  }

  // Asynchronous: the engine speaks on a thread of its own. Plain text, never
  // the voice's markup: a name such as <volume level='0'/> is read out, not
  // obeyed.
  bool Speak(const wchar_t* text, bool cut) override {
    const DWORD flags = SPF_ASYNC | (text != nullptr ? SPF_IS_NOT_XML : 0) |
                        (cut ? SPF_PURGEBEFORESPEAK : 0);
    ULONG stream = 0;
    if (FAILED(voice_->Speak(text, flags, &stream))) {
      return false;
    }
    if (text != nullptr) {
      last_stream_ = stream;
      said_all_ = false;
    }
    return true;
  }

  HANDLE SaidEvent() override { return news_ == INVALID_HANDLE_VALUE ? nullptr : news_; }

  // Streams are numbered in the order they were handed over.
  bool SaidAll() override {
    SPEVENT event{};
    ULONG fetched = 0;
    while (SUCCEEDED(voice_->GetEvents(1, &event, &fetched)) && fetched == 1) {
      said_all_ |= event.eEventId == SPEI_END_INPUT_STREAM && event.ulStreamNum >= last_stream_;
    }
    return said_all_;
  }

  Language Speaks() const override { return language_; }

 private:
  com_ptr<ISpVoice> voice_;
  Language language_;
  HANDLE news_ = nullptr;  // the voice's own
  ULONG last_stream_ = 0;
  bool said_all_ = true;
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
