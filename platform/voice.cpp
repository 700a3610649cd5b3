#include "platform/voice.h"

#include <windows.h>

#include <sapi.h>

#include <memory>
#include <string>

#include "platform/com.h"
#include "platform/text_encoding.h"

namespace morvane::platform {

namespace {

class SpeechVoice {
 public:
  void Say(std::string_view sentence) {
    if (!voice_) {
      // The identifiers by __uuidof, as for the taskbar: CLSID_SpVoice would
      // bring MinGW-w64's whole uuid object along.
      voice_ = CreateInProcess<ISpVoice>(__uuidof(SpVoice), __uuidof(ISpVoice));
      if (!voice_) {
        return;
      }
    }
    const std::wstring text = Widen(sentence);
    // Asynchronous: the window goes on while it speaks. Plain text, never the
    // voice's markup: a name such as <volume level='0'/> is read out, not obeyed.
    if (FAILED(voice_->Speak(text.c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr))) {
      voice_.reset();
    }
  }

  void Silence() const {
    if (voice_) {
      voice_->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
    }
  }

 private:
  com_ptr<ISpVoice> voice_;
};

}  // namespace

Voice SystemVoice() {
  const auto voice = std::make_shared<SpeechVoice>();
  return Voice{[voice](std::string_view sentence) { voice->Say(sentence); },
               [voice] { voice->Silence(); }};
}

}  // namespace morvane::platform
