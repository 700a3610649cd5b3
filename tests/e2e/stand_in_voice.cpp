// A stand-in for the system's voice (the speech API's SpVoice), registered in
// its place in the tests' Wine prefix: it says nothing, and writes down each
// Speak it is asked for, as a line of the file that
// MORVANE_STAND_IN_VOICE_LOG names: "failed " when it answered with a
// failure, the flags as a number, and the text ("(nothing)" for none); each
// SetVoice as "voice " and the voice's id (Wine's is the name of its key). Its
// default voice is MORVANE_STAND_IN_VOICE_DEFAULT's. Others answer E_NOTIMPL.
//
// The process's first MORVANE_STAND_IN_VOICE_MISSING voices are not made, as
// where no voice is installed ("(no voice)" is written down), and the first
// MORVANE_STAND_IN_VOICE_FAILS voices made fail every Speak, as a voice whose
// audio has gone does: only a voice made again speaks. Each voice takes
// MORVANE_STAND_IN_VOICE_MAKING_TAKES milliseconds to be made ("(being made)"
// is written down first), as one stuck in its driver does.
#include <windows.h>

#include <sapi.h>

#include <cstdlib>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
  utf8.pop_back();  // the terminating null
  return utf8;
}

void WriteDown(const std::string& line) {
  const wchar_t* path = _wgetenv(L"MORVANE_STAND_IN_VOICE_LOG");
  if (path == nullptr) {
    return;
  }
  HANDLE file = ::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return;
  }
  const std::string text = line + "\n";
  DWORD written = 0;
  ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  ::CloseHandle(file);
}

// Whether this is one of the first that the variable counts.
bool AmongTheFirst(const wchar_t* variable, int& so_far) {
  const wchar_t* count = _wgetenv(variable);
  return count != nullptr && so_far++ < _wtoi(count);
}

class StandInVoice final : public ISpVoice {
 public:
  explicit StandInVoice(bool broken) : broken_(broken) {}

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
    WriteDown((broken_ ? "failed " : "") + std::to_string(flags) + " " +
              (text != nullptr ? Utf8(text) : "(nothing)"));
    if (stream != nullptr) {
      *stream = 1;
    }
    return broken_ ? E_FAIL : S_OK;
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
  HRESULT STDMETHODCALLTYPE SetNotifyWin32Event() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE WaitForNotifyEvent(DWORD) override { return E_NOTIMPL; }
  HANDLE STDMETHODCALLTYPE GetNotifyEventHandle() override { return nullptr; }
  // ISpEventSource
  HRESULT STDMETHODCALLTYPE SetInterest(ULONGLONG, ULONGLONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetEvents(ULONG, SPEVENT*, ULONG*) override { return E_NOTIMPL; }
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
    WriteDown("voice " + Utf8(id));
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
  HANDLE STDMETHODCALLTYPE SpeakCompleteEvent() override { return nullptr; }
  HRESULT STDMETHODCALLTYPE IsUISupported(LPCWSTR, void*, ULONG, BOOL*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DisplayUI(HWND, LPCWSTR, LPCWSTR, void*, ULONG) override {
    return E_NOTIMPL;
  }

 private:
  const bool broken_;
  long references_ = 1;
};

// One factory for the process, never destroyed.
class Factory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    *object = nullptr;
    if (outer != nullptr) {
      return CLASS_E_NOAGGREGATION;
    }
    if (const wchar_t* takes = _wgetenv(L"MORVANE_STAND_IN_VOICE_MAKING_TAKES")) {
      WriteDown("(being made)");
      ::Sleep(static_cast<DWORD>(_wtoi(takes)));
    }
    static int made = 0;
    if (AmongTheFirst(L"MORVANE_STAND_IN_VOICE_MISSING", made)) {
      WriteDown("(no voice)");
      return REGDB_E_CLASSNOTREG;
    }
    static int broken = 0;
    auto* voice = new StandInVoice(AmongTheFirst(L"MORVANE_STAND_IN_VOICE_FAILS", broken));
    const HRESULT result = voice->QueryInterface(iid, object);
    voice->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  static Factory factory;
  if (clsid != __uuidof(SpVoice)) {
    *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return factory.QueryInterface(iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }
