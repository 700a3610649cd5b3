// The voice on its own thread: the window goes on while the system's voice is
// made and speaks, and the voice is handed each sentence once it has said the
// one before. Wine's voice says nothing and cannot tell when it is done: a
// stand-in engine writes down what it is asked, and says it until the test
// says it is said.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/kernel_handle.h"
#include "platform/speech_thread.h"
#include "platform/text_encoding.h"
#include "platform/voice.h"
#include "tests/windows/reminders_fixture.h"

namespace morvane::testing {
namespace {

using namespace std::chrono_literals;

// What the stand-in was asked, shared with the voice's thread.
struct Heard {
  std::mutex lock;
  std::vector<std::string> lines;  // each sentence; "(busy) ..." when asked while speaking
  // Set while the stand-in has said all it was given.
  platform::unique_handle said{::CreateEventW(nullptr, TRUE, TRUE, nullptr)};
  std::atomic<bool> making = false;

  std::vector<std::string> Lines() {
    const std::lock_guard hold(lock);
    return lines;
  }
};

// Held by the voice's thread too, which may still wait on its event.
class StandInEngine : public platform::SpeechEngine {
 public:
  explicit StandInEngine(std::shared_ptr<Heard> heard) : heard_(std::move(heard)) {}
  bool Speak(const wchar_t* text, bool) override {
    const bool busy = ::WaitForSingleObject(heard_->said.get(), 0) != WAIT_OBJECT_0;
    ::ResetEvent(heard_->said.get());
    const std::lock_guard hold(heard_->lock);
    heard_->lines.push_back((busy ? "(busy) " : "") + platform::Narrow(text));
    return true;
  }
  HANDLE SaidEvent() override { return heard_->said.get(); }

 private:
  std::shared_ptr<Heard> heard_;
};

// Made in `making_takes`, as the system's voice may take a while to load.
platform::Voice StandInVoice(const std::shared_ptr<Heard>& heard, DWORD making_takes = 0) {
  return platform::VoiceOnItsOwnThread([heard, making_takes] {
    heard->making = true;
    ::Sleep(making_takes);
    heard->making = false;
    return std::make_unique<StandInEngine>(heard);
  });
}

// A sentence the same in every language.
platform::Sentence Fixed(std::string text) { return [text](platform::Language) { return text; }; }

// Waits for `done` without a window, five seconds at most, which only keeps
// a failing test from waiting for ever.
bool Soon(const std::function<bool()>& done) {
  for (int waited = 0; !done(); waited += 10) {
    if (waited > 5000) return false;
    ::Sleep(10);
  }
  return true;
}

TEST(SpeechThreadTest, HandsTheNextSentenceOnceTheLastIsSaidAndAnAnswerFirst) {
  const auto heard = std::make_shared<Heard>();
  const platform::Voice voice = StandInVoice(heard);
  voice.say(platform::SentenceKind::Expiry, Fixed("Aldric, time is up"), 0);
  ASSERT_TRUE(Soon([&] { return heard->Lines().size() == 1; }));
  voice.say(platform::SentenceKind::Expiry, Fixed("Brenna, time is up"), 0);
  voice.say(platform::SentenceKind::Answer, Fixed("Corvin, not started"), 0);
  for (std::size_t said = 2; said <= 3; ++said) {
    ::SetEvent(heard->said.get());
    ASSERT_TRUE(Soon([&] { return heard->Lines().size() >= said; }));
  }
  EXPECT_EQ(heard->Lines(), (std::vector<std::string>{"Aldric, time is up", "Corvin, not started",
                                                     "Brenna, time is up"}));
}

// A stand-in that tells it has said a sentence with a message, posted in
// Speak and already looked at there, as a call into COM inside Speak may do:
// a thread that waits only for messages it has not seen never hears it.
LRESULT CALLBACK SetTheSaidEvent(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_APP) ::SetEvent(reinterpret_cast<HANDLE>(lparam));
  return ::DefWindowProcW(window, message, wparam, lparam);
}

TEST(SpeechThreadTest, DeliversTheMessagesThatTheEngineHasAlreadyLookedAt) {
  struct Engine final : StandInEngine {
    explicit Engine(std::shared_ptr<Heard> heard) : StandInEngine(std::move(heard)) {
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SetTheSaidEvent));
    }
    bool Speak(const wchar_t* text, bool cut) override {
      StandInEngine::Speak(text, cut);
      ::PostMessageW(window, WM_APP, 0, reinterpret_cast<LPARAM>(SaidEvent()));
      MSG seen;
      ::PeekMessageW(&seen, nullptr, 0, 0, PM_NOREMOVE);
      return true;
    }
    HWND window = ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    nullptr, nullptr);
  };
  const auto heard = std::make_shared<Heard>();
  const platform::Voice voice =
      platform::VoiceOnItsOwnThread([heard] { return std::make_unique<Engine>(heard); });
  voice.say(platform::SentenceKind::Expiry, Fixed("Aldric, time is up"), 0);
  voice.say(platform::SentenceKind::Expiry, Fixed("Brenna, time is up"), 0);
  EXPECT_TRUE(Soon([&] { return heard->Lines().size() == 2; }));
}

// The system's voice, while it lives: the end-to-end tests' stand-in,
// registered in its place, which writes down each Speak (the sentence,
// after "(cut)" for a purge) and never ends a stream, while its completion
// event is set throughout.
class StandInSystemVoice {
 public:
  StandInSystemVoice() {
    DWORD size = sizeof(system_voice_);
    ::RegGetValueW(HKEY_LOCAL_MACHINE, kServer, nullptr, RRF_RT_REG_SZ, nullptr, system_voice_,
                   &size);
    wchar_t stand_in[MAX_PATH];
    ::GetFullPathNameW(platform::Widen(MORVANE_STAND_IN_VOICE_DLL).c_str(), MAX_PATH, stand_in,
                       nullptr);
    SetServer(stand_in);
    _wputenv((L"MORVANE_STAND_IN_VOICE_LOG=" + transcript_).c_str());
    _wputenv(L"MORVANE_STAND_IN_VOICE_NEVER_DONE=1");
  }
  ~StandInSystemVoice() {
    SetServer(system_voice_);
    _wputenv(L"MORVANE_STAND_IN_VOICE_LOG=");
    _wputenv(L"MORVANE_STAND_IN_VOICE_NEVER_DONE=");
    ::DeleteFileW(transcript_.c_str());
  }
  StandInSystemVoice(const StandInSystemVoice&) = delete;
  StandInSystemVoice& operator=(const StandInSystemVoice&) = delete;

  std::vector<std::string> Lines() const {
    std::ifstream file(transcript_.c_str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }

 private:
  static constexpr const wchar_t* kServer =
      L"Software\\Classes\\CLSID\\{96749377-3391-11D2-9EE3-00C04F797396}\\InprocServer32";

  static void SetServer(const wchar_t* path) {
    ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, kServer, nullptr, REG_SZ, path,
                      static_cast<DWORD>((std::wcslen(path) + 1) * sizeof(wchar_t)));
  }

  wchar_t system_voice_[MAX_PATH] = L"";
  std::wstring transcript_ = [] {
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"morvane-stand-in-voice-" +
           std::to_wstring(::GetCurrentProcessId()) + L".txt";
  }();
};

// The end of a sentence is the end of its stream, which the voice tells as
// an event: its completion event may still be set from the sentence before
// when Speak returns, and the next answer must then still cut the first.
TEST(SpeechThreadTest, ASentenceLastsUntilTheVoiceTellsTheEndOfItsStream) {
  const StandInSystemVoice stand_in;
  {
    const platform::Voice voice = platform::SystemVoice([](platform::Language) { return true; });
    voice.say(platform::SentenceKind::Answer, Fixed("Aldric, not started"), 0);
    ASSERT_TRUE(Soon([&] { return stand_in.Lines().size() == 1; }));
    voice.say(platform::SentenceKind::Answer, Fixed("Corvin, not started"), 0);
    ASSERT_TRUE(Soon([&] { return stand_in.Lines().size() == 3; }));
  }
  EXPECT_EQ(stand_in.Lines(), (std::vector<std::string>{"Aldric, not started", "(cut)",
                                                       "Corvin, not started"}));
}

// There before the fixture's windows, which hold the voice.
struct SlowlyMadeStandIn {
  std::shared_ptr<Heard> heard_ = std::make_shared<Heard>();
};

// Made inside the alarm's timer on the window's thread, as it once was, the
// voice held the window still for as long as it took.
class VoiceMadeSlowlyTest : protected SlowlyMadeStandIn, public RemindersFixture {
 protected:
  VoiceMadeSlowlyTest() : RemindersFixture(StandInVoice(heard_, 2000)) {}
};

TEST_F(VoiceMadeSlowlyTest, TheWindowKeepsAnsweringWhileTheVoiceIsMade) {
  Main().Show();
  NameBox(1).SetText("Aldric");
  Choose(L"Say the names aloud");
  Expire(1);
  std::atomic<int> asked = 0;  // while the voice was made
  std::atomic<int> unanswered = 0;
  std::atomic<bool> made = false;
  const HWND window = Main().hwnd();
  std::thread user([&] {
    for (DWORD_PTR result = 0; !made; ::Sleep(50)) {
      const bool making = heard_->making;
      asked += making;
      unanswered += making && !::SendMessageTimeoutW(window, WM_NULL, 0, 0, 0, 100, &result);
    }
  });
  clock_.now += 2s;  // the alarm's two seconds
  ::SendMessageW(window, WM_TIMER, Main().TimerNamed("tmrSayNames").id(), 0);
  EXPECT_TRUE(DeliverMessagesUntil(windows_, [&] { return !heard_->Lines().empty(); }, 10s));
  made = true;
  user.join();
  EXPECT_EQ(heard_->Lines(), std::vector<std::string>{"Aldric, time is up"});
  EXPECT_GT(asked, 5);
  EXPECT_EQ(unanswered, 0);
}

}  // namespace
}  // namespace morvane::testing
