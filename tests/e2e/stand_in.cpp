#include "tests/e2e/stand_in.h"

#include <sapi.h>

#include <cstdlib>
#include <cwchar>

namespace stand_in {

namespace {

// Whether this is one of the first that the variable counts.
bool AmongTheFirst(const wchar_t* variable, int& so_far) {
  const wchar_t* count = _wgetenv(variable);
  return count != nullptr && so_far++ < _wtoi(count);
}

}  // namespace

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

std::string VoiceName(const wchar_t* token_id) {
  const wchar_t* last_separator = std::wcsrchr(token_id, L'\\');
  return Utf8(last_separator != nullptr ? last_separator + 1 : token_id);
}

HRESULT STDMETHODCALLTYPE Factory::QueryInterface(REFIID iid, void** object) {
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IClassFactory)) {
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE Factory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  *object = nullptr;
  if (outer != nullptr) {
    return CLASS_E_NOAGGREGATION;
  }
  if (const wchar_t* takes = _wgetenv(L"MORVANE_STAND_IN_VOICE_MAKING_TAKES")) {
    WriteDown("(being made)");
    ::Sleep(static_cast<DWORD>(_wtoi(takes)));
  }
  if (AmongTheFirst(L"MORVANE_STAND_IN_VOICE_MISSING", made_)) {
    WriteDown("(no voice)");
    return REGDB_E_CLASSNOTREG;
  }
  IUnknown* made = make_(AmongTheFirst(L"MORVANE_STAND_IN_VOICE_FAILS", broken_));
  const HRESULT result = made->QueryInterface(iid, object);
  made->Release();
  return result;
}

}  // namespace stand_in

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  static stand_in::Factory voices(&stand_in::NewVoice);
  static stand_in::Factory engines(&stand_in::NewEngine);
  if (clsid == __uuidof(SpVoice)) {
    return voices.QueryInterface(iid, object);
  }
  if (clsid == stand_in::kEngineClass) {
    return engines.QueryInterface(iid, object);
  }
  *object = nullptr;
  return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }
