#include "platform/wave_out.h"

#include <windows.h>
// after windows.h, whose types it uses
#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "platform/system_library.h"

namespace morvane::platform {

namespace {

// How often a playing sound is asked whether it is over: the device is
// closed this long after the sound ends at the latest.
constexpr UINT kDoneCheckMs = 250;

// The multimedia library is looked up by name on the first sound, not
// linked: loading it brings up the audio drivers, which most starts of the
// program never need.
struct WaveOutLibrary {
  decltype(&::waveOutOpen) open;
  decltype(&::waveOutPrepareHeader) prepare;
  decltype(&::waveOutWrite) write;
  decltype(&::waveOutReset) reset;
  decltype(&::waveOutUnprepareHeader) unprepare;
  decltype(&::waveOutClose) close;
};

const WaveOutLibrary* Library() {
  static const WaveOutLibrary library = [] {
    const HMODULE winmm = SystemLibrary(L"winmm.dll");
    return WaveOutLibrary{
        FunctionIn<decltype(&::waveOutOpen)>(winmm, "waveOutOpen"),
        FunctionIn<decltype(&::waveOutPrepareHeader)>(winmm, "waveOutPrepareHeader"),
        FunctionIn<decltype(&::waveOutWrite)>(winmm, "waveOutWrite"),
        FunctionIn<decltype(&::waveOutReset)>(winmm, "waveOutReset"),
        FunctionIn<decltype(&::waveOutUnprepareHeader)>(winmm, "waveOutUnprepareHeader"),
        FunctionIn<decltype(&::waveOutClose)>(winmm, "waveOutClose")};
  }();
  const bool complete = library.open && library.prepare && library.write && library.reset &&
                        library.unprepare && library.close;
  return complete ? &library : nullptr;
}

// One sound at a time, on an open device until it is over or cut short.
class WavePlayer {
 public:
  WavePlayer() = default;
  WavePlayer(const WavePlayer&) = delete;
  WavePlayer& operator=(const WavePlayer&) = delete;
  ~WavePlayer() { Close(); }

  void Play(std::span<const std::byte> format, std::span<const std::byte> samples) {
    Close();
    const WaveOutLibrary* library = samples.empty() ? nullptr : Library();
    if (library == nullptr) {
      return;
    }
    // A 16-byte format has no cbSize; a zero there is what it means.
    std::vector<std::byte> whole_format(std::max(format.size(), sizeof(WAVEFORMATEX)));
    std::copy(format.begin(), format.end(), whole_format.begin());
    HWAVEOUT device = nullptr;
    if (library->open(&device, WAVE_MAPPER,
                      reinterpret_cast<const WAVEFORMATEX*>(whole_format.data()), 0, 0,
                      CALLBACK_NULL) != MMSYSERR_NOERROR) {
      return;
    }
    device_ = device;
    samples_.assign(samples.begin(), samples.end());
    header_ = WAVEHDR{};
    header_.lpData = reinterpret_cast<LPSTR>(samples_.data());
    header_.dwBufferLength = static_cast<DWORD>(samples_.size());
    prepared_ = library->prepare(device_, &header_, sizeof header_) == MMSYSERR_NOERROR;
    if (!prepared_ || library->write(device_, &header_, sizeof header_) != MMSYSERR_NOERROR) {
      Close();
      return;
    }
    done_check_ = ::SetTimer(nullptr, 0, kDoneCheckMs, &CloseWhenDone);
  }

 private:
  static void CALLBACK CloseWhenDone(HWND, UINT, UINT_PTR, DWORD);

  // An open device, even silent, holds the audio output: it is closed as
  // soon as the sound is over.
  void CloseIfDone() {
    if ((header_.dwFlags & WHDR_DONE) != 0) {
      Close();
    }
  }

  void Close() {
    if (done_check_ != 0) {
      ::KillTimer(nullptr, done_check_);
      done_check_ = 0;
    }
    if (device_ == nullptr) {
      return;
    }
    const WaveOutLibrary* library = Library();  // found, since a device is open
    library->reset(device_);  // stops a sound still playing and hands its buffer back
    if (prepared_) {
      library->unprepare(device_, &header_, sizeof header_);
      prepared_ = false;
    }
    library->close(device_);
    device_ = nullptr;
    samples_ = {};
  }

  HWAVEOUT device_ = nullptr;
  std::vector<std::byte> samples_;
  WAVEHDR header_{};
  bool prepared_ = false;
  UINT_PTR done_check_ = 0;
};

WavePlayer& Player() {
  static WavePlayer player;
  return player;
}

void CALLBACK WavePlayer::CloseWhenDone(HWND, UINT, UINT_PTR, DWORD) { Player().CloseIfDone(); }

}  // namespace

void PlayWave(std::span<const std::byte> format, std::span<const std::byte> samples) {
  Player().Play(format, samples);
}

}  // namespace morvane::platform
