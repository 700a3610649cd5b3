// The stand-in voice, registered in place of the speech API's SpVoice where
// Wine's says nothing: it says nothing either, and writes down each Speak
// it is asked for as the sentence, after "(cut)" when it purges what was
// said before, "(waits) " when it is not asynchronous and "(markup) " when
// not told that the text is plain; "failed" when broken; each SetVoice as
// "voice " and the voice's name. Its default voice is
// MORVANE_STAND_IN_VOICE_DEFAULT's. Each Speak's stream ends at once, told
// as the speech API's end-of-stream event, or never with
// MORVANE_STAND_IN_VOICE_NEVER_DONE set; its completion event is set
// throughout, as the API's documentation allows the last sentence's to be
// when Speak returns. Others answer E_NOTIMPL.
#include <windows.h>

#include <sapi.h>

#include <cstdlib>
#include <deque>
#include <string>

#include "tests/e2e/stand_in.h"

namespace stand_in {

namespace {

class StandInVoice final : public ISpVoice {
 public:
  explicit StandInVoice(bool broken) : broken_(broken) {}
  StandInVoice(const StandInVoice&) = delete;
  StandInVoice& operator=(const StandInVoice&) = delete;
  ~StandInVoice() {
    ::CloseHandle(news_);
    ::CloseHandle(complete_);
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == __uuidof(IUnknown) || iid == __uuidof(ISpNotifySource) ||
        iid == __uuidof(ISpEventSource) || iid == __uuidof(ISpVoice)) {
      *object = static_cast<ISpVoice*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --references_;
    if (left == 0) {
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE Speak(LPCWSTR text, DWORD flags, ULONG* stream) override {
    if (broken_) {
      WriteDown("failed");
      return E_FAIL;
    }
    if ((flags & SPF_PURGEBEFORESPEAK) != 0) {
      WriteDown("(cut)");
    }
    if (text != nullptr) {
      WriteDown(std::string((flags & SPF_ASYNC) != 0 ? "" : "(waits) ") +
                ((flags & SPF_IS_NOT_XML) != 0 ? "" : "(markup) ") + Utf8(text));
    }
    ++streams_;
    if (stream != nullptr) {
      *stream = streams_;
    }
    if (_wgetenv(L"MORVANE_STAND_IN_VOICE_NEVER_DONE") == nullptr) {
      ended_.push_back(streams_);
      ::SetEvent(news_);
    }
    return S_OK;
  }

  // ISpNotifySource
  HRESULT STDMETHODCALLTYPE SetNotifySink(ISpNotifySink*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetNotifyWindowMessage(HWND, UINT, WPARAM, LPARAM) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetNotifyCallbackFunction(SPNOTIFYCALLBACK*, WPARAM, LPARAM) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetNotifyCallbackInterface(ISpNotifyCallback*, WPARAM,
                                                       LPARAM) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetNotifyWin32Event() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE WaitForNotifyEvent(DWORD) override { return E_NOTIMPL; }
  HANDLE STDMETHODCALLTYPE GetNotifyEventHandle() override { return news_; }
  // ISpEventSource: the ends of the streams, whatever the interest.
  HRESULT STDMETHODCALLTYPE SetInterest(ULONGLONG, ULONGLONG) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetEvents(ULONG count, SPEVENT* events, ULONG* fetched) override {
    *fetched = 0;
    for (; *fetched < count && !ended_.empty(); ++*fetched) {
      events[*fetched] = SPEVENT{};
      events[*fetched].eEventId = SPEI_END_INPUT_STREAM;
      events[*fetched].ulStreamNum = ended_.front();
      ended_.pop_front();
    }
    return *fetched == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE GetInfo(SPEVENTSOURCEINFO*) override { return E_NOTIMPL; }
  // ISpVoice, but Speak
  HRESULT STDMETHODCALLTYPE SetOutput(IUnknown*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetOutputObjectToken(ISpObjectToken**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetOutputStream(ISpStreamFormat**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Pause() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Resume() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetVoice(ISpObjectToken* voice) override {
    wchar_t* id = nullptr;
    voice->GetId(&id);
    WriteDown("voice " + VoiceName(id));
    ::CoTaskMemFree(id);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetVoice(ISpObjectToken** voice) override {
    ::CoCreateInstance(__uuidof(SpObjectToken), nullptr, CLSCTX_INPROC_SERVER,
                       __uuidof(ISpObjectToken), reinterpret_cast<void**>(voice));
    return (*voice)->SetId(nullptr, _wgetenv(L"MORVANE_STAND_IN_VOICE_DEFAULT"), FALSE);
  }
  HRESULT STDMETHODCALLTYPE SpeakStream(IStream*, DWORD, ULONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetStatus(SPVOICESTATUS*, LPWSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Skip(LPCWSTR, LONG, ULONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetPriority(SPVPRIORITY) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPriority(SPVPRIORITY*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetAlertBoundary(SPEVENTENUM) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAlertBoundary(SPEVENTENUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetRate(LONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRate(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetVolume(USHORT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetVolume(USHORT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE WaitUntilDone(ULONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetSyncSpeakTimeout(ULONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSyncSpeakTimeout(ULONG*) override { return E_NOTIMPL; }
  HANDLE STDMETHODCALLTYPE SpeakCompleteEvent() override { return complete_; }
  HRESULT STDMETHODCALLTYPE IsUISupported(LPCWSTR, void*, ULONG, BOOL*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DisplayUI(HWND, LPCWSTR, LPCWSTR, void*, ULONG) override {
    return E_NOTIMPL;
  }

 private:
  const bool broken_;
  long references_ = 1;
  ULONG streams_ = 0;
  std::deque<ULONG> ended_;
  const HANDLE news_ = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
  const HANDLE complete_ = ::CreateEventW(nullptr, TRUE, TRUE, nullptr);
};

}  // namespace

IUnknown* NewVoice(bool broken) { return static_cast<ISpVoice*>(new StandInVoice(broken)); }

}  // namespace stand_in
