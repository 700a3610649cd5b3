// The stand-ins for the system's speech, in one library that the tests
// register in the Wine prefix: a voice in place of the system's SpVoice
// where that one says nothing (Wine 8), and an engine behind the voice
// tokens where the system's SpVoice speaks through one (Wine 10). Both write
// the same transcript, one line for each thing asked of them, in the file
// that MORVANE_STAND_IN_VOICE_LOG names, and are made missing, broken or
// slow as the test asks.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <string>

namespace stand_in {

std::string Utf8(const wchar_t* text);

void WriteDown(const std::string& line);

// The voice a token stands for, by the last element of its id: Wine 8 gives
// the name of the token's key, Wine 10 and Windows its whole path.
std::string VoiceName(const wchar_t* token_id);

// Makes one stand-in each time, or none. The process's first
// MORVANE_STAND_IN_VOICE_MISSING are not made, as where no voice is
// installed ("(no voice)" is written down), and the first
// MORVANE_STAND_IN_VOICE_FAILS made are broken, as a voice whose audio has
// gone is. Each takes MORVANE_STAND_IN_VOICE_MAKING_TAKES milliseconds to be
// made ("(being made)" is written down first), as one stuck in its driver.
class Factory final : public IClassFactory {
 public:
  using Maker = IUnknown* (*)(bool broken);
  explicit Factory(Maker make) : make_(make) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // one for the process, never destroyed
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  const Maker make_;
  int made_ = 0;
  int broken_ = 0;
};

// A voice, or an engine, that fails every sentence when broken.
IUnknown* NewVoice(bool broken);
IUnknown* NewEngine(bool broken);

// The engine's class, which the tests' voice tokens name.
constexpr CLSID kEngineClass{
    0x6d3e9b2a, 0x5c41, 0x4f7e, {0x9a, 0x0b, 0x2e, 0x7c, 0x8d, 0x1f, 0x4a, 0x63}};

}  // namespace stand_in
