// The stand-in engine, behind the voice tokens the tests register where the
// system's own SpVoice speaks through the token's engine (Wine 10): it makes
// no sound, and writes down what that voice hands it as the stand-in voice
// does. Given its token it writes "voice " and the voice's name ("failed"
// then, and refuses it, when broken); each sentence it is handed lasts a
// while, and "(cut)" is written when the voice aborts it.
#include <windows.h>

#include <sapi.h>

#include <string>

#include "tests/e2e/stand_in.h"

namespace stand_in {

// The engine's side of the speech API (its sapiddk.h), which MinGW-w64 does
// not ship. Outside the unnamed namespace: there, with nothing here
// implementing the site, the compiler may take every call to it for one
// that cannot happen.
struct TextFragment {
  const TextFragment* next;
  SPVSTATE state;
  const wchar_t* text;
  ULONG length;
  ULONG offset_in_source;
};

constexpr DWORD kAbort = 1;  // SPVES_ABORT
constexpr GUID kWaveFormat{  // SPDFID_WaveFormatEx
    0xc31adbae, 0x527f, 0x4ff5, {0xa2, 0x30, 0xf6, 0x2b, 0xb6, 0x1f, 0xf7, 0x0c}};

struct EngineSite : ISpEventSink {
  virtual DWORD STDMETHODCALLTYPE GetActions() = 0;
  virtual HRESULT STDMETHODCALLTYPE Write(const void* audio, ULONG size, ULONG* written) = 0;
  // GetRate, GetVolume, GetSkipInfo and CompleteSkip follow, unused.
};

constexpr IID kTextToSpeechEngine{
    0xa74d7c8e, 0x4cc5, 0x4f2f, {0xa6, 0xeb, 0x80, 0x4d, 0xee, 0x18, 0x50, 0x0e}};
struct TextToSpeechEngine : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Speak(DWORD flags, REFGUID format, const WAVEFORMATEX* wave,
                                          const TextFragment* fragments, EngineSite* site) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetOutputFormat(const GUID* target_format,
                                                    const WAVEFORMATEX* target_wave,
                                                    GUID* format, WAVEFORMATEX** wave) = 0;
};

namespace {

// Long enough for the program's next request to come while it is said.
constexpr DWORD kSentenceLasts = 3000;  // ms
constexpr DWORD kStep = 10;  // ms

class StandInEngine final : public TextToSpeechEngine, public ISpObjectWithToken {
 public:
  explicit StandInEngine(bool broken) : broken_(broken) {}
  StandInEngine(const StandInEngine&) = delete;
  StandInEngine& operator=(const StandInEngine&) = delete;
  ~StandInEngine() {
    if (token_ != nullptr) token_->Release();
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == __uuidof(IUnknown) || iid == kTextToSpeechEngine) {
      *object = static_cast<TextToSpeechEngine*>(this);
    } else if (iid == __uuidof(ISpObjectWithToken)) {
      *object = static_cast<ISpObjectWithToken*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  // Called from the voice's threads as well as the program's.
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // Silence, a step at a time, as an engine writes its sound: the voice
  // stops it by asking it to abort, or by refusing the sound.
  HRESULT STDMETHODCALLTYPE Speak(DWORD, REFGUID, const WAVEFORMATEX* wave,
                                  const TextFragment* fragments, EngineSite* site) override {
    std::wstring sentence;
    for (const TextFragment* fragment = fragments; fragment != nullptr; fragment = fragment->next) {
      if (fragment->state.eAction == SPVA_Speak) sentence.append(fragment->text, fragment->length);
    }
    WriteDown(Utf8(sentence.c_str()));
    const std::string silence(wave->nAvgBytesPerSec / (1000 / kStep), '\0');
    for (DWORD said = 0; said < kSentenceLasts; said += kStep) {
      ULONG written = 0;
      if ((site->GetActions() & kAbort) != 0 ||
          FAILED(site->Write(silence.data(), static_cast<ULONG>(silence.size()), &written))) {
        WriteDown("(cut)");
        break;
      }
      ::Sleep(kStep);
    }
    return S_OK;
  }

  // The format asked for, whatever it is: nothing is written in it.
  HRESULT STDMETHODCALLTYPE GetOutputFormat(const GUID*, const WAVEFORMATEX* target_wave,
                                            GUID* format, WAVEFORMATEX** wave) override {
    static constexpr WAVEFORMATEX kSixteenKilohertzMono{WAVE_FORMAT_PCM, 1, 16000, 32000, 2, 16, 0};
    const WAVEFORMATEX& chosen = target_wave != nullptr ? *target_wave : kSixteenKilohertzMono;
    const size_t size = sizeof(WAVEFORMATEX) + chosen.cbSize;
    *wave = static_cast<WAVEFORMATEX*>(::CoTaskMemAlloc(size));
    if (*wave == nullptr) return E_OUTOFMEMORY;
    ::CopyMemory(*wave, &chosen, size);
    *format = kWaveFormat;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE SetObjectToken(ISpObjectToken* token) override {
    wchar_t* id = nullptr;
    if (token == nullptr || FAILED(token->GetId(&id))) return E_INVALIDARG;
    WriteDown("voice " + VoiceName(id));
    ::CoTaskMemFree(id);
    if (broken_) {
      WriteDown("failed");
      return E_FAIL;
    }
    token->AddRef();
    token_ = token;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetObjectToken(ISpObjectToken** token) override {
    *token = token_;
    if (token_ == nullptr) return S_FALSE;
    token_->AddRef();
    return S_OK;
  }

 private:
  const bool broken_;
  LONG references_ = 1;
  ISpObjectToken* token_ = nullptr;
};

}  // namespace

IUnknown* NewEngine(bool broken) {
  return static_cast<TextToSpeechEngine*>(new StandInEngine(broken));
}

}  // namespace stand_in
