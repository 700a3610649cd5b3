#include "platform/speech_thread.h"

#include <mutex>
#include <string>
#include <utility>

#include "platform/com.h"
#include "platform/kernel_handle.h"
#include "platform/speech_queue.h"
#include "platform/text_encoding.h"

namespace morvane::platform {

namespace {

// The system's lock, which cannot fail: std::mutex reports a failure to lock
// by throwing, which brings the standard exceptions and their strings along,
// some 100 KB of the executable (see app/runtime_errors.cpp).
class SlimLock {
 public:
  void lock() { ::AcquireSRWLockExclusive(&lock_); }
  void unlock() { ::ReleaseSRWLockExclusive(&lock_); }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
};

class SpeechThread {
 public:
  explicit SpeechThread(SpeechEngineMaker make) : make_(std::move(make)) {}
  SpeechThread(const SpeechThread&) = delete;
  SpeechThread& operator=(const SpeechThread&) = delete;

  ~SpeechThread() {
    if (!thread_) {
      return;
    }
    {
      const std::lock_guard lock(lock_);
      ending_ = true;
    }
    ::SetEvent(wake_.get());
    ::WaitForSingleObject(thread_.get(), INFINITE);
  }

  void Say(SentenceKind kind, std::string_view sentence) {
    {
      const std::lock_guard lock(lock_);
      queue_.Add(kind, std::string(sentence));
    }
    if (!thread_) {
      wake_.reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
      thread_.reset(::CreateThread(nullptr, 0, &Run, this, 0, nullptr));
    }
    ::SetEvent(wake_.get());
  }

  // Before the first sentence there is nothing to silence.
  void Silence() {
    if (!thread_) {
      return;
    }
    {
      const std::lock_guard lock(lock_);
      queue_.Silence();
    }
    ::SetEvent(wake_.get());
  }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<SpeechThread*>(self)->Serve();
    return 0;
  }

  void Serve() {
    std::unique_ptr<SpeechEngine> engine;
    for (;;) {
      SpeechQueue::Step step;
      {
        const std::lock_guard lock(lock_);
        if (ending_) {
          break;
        }
        step = queue_.Next();
      }
      if (step.cut || step.say) {
        Perform(step, engine);
      } else {
        WaitForWork(engine.get());
      }
    }
    engine.reset();
    LeaveComApartment();
  }

  // The engine is made for the first sentence after none, or after one that
  // failed; a cut alone needs none.
  void Perform(const SpeechQueue::Step& step, std::unique_ptr<SpeechEngine>& engine) {
    if (step.say && !engine) {
      engine = make_();
    }
    bool said_when_handed = true;
    if (engine) {
      const std::wstring text = step.say ? Widen(*step.say) : std::wstring();
      if (!engine->Speak(step.say ? text.c_str() : nullptr, step.cut)) {
        engine.reset();
      } else {
        said_when_handed = engine->SaidEvent() == nullptr;
      }
    }
    if (step.say && said_when_handed) {
      const std::lock_guard lock(lock_);
      queue_.Said();
    }
  }

  // Until a request comes, or the engine has said what it was handed; a
  // thread in a single-threaded apartment delivers its messages meanwhile.
  void WaitForWork(SpeechEngine* engine) {
    HANDLE events[] = {wake_.get(), nullptr};
    DWORD count = 1;
    {
      const std::lock_guard lock(lock_);
      if (queue_.Speaking()) {
        events[count++] = engine->SaidEvent();
      }
    }
    const DWORD woken = ::MsgWaitForMultipleObjects(count, events, FALSE, INFINITE, QS_ALLINPUT);
    if (count == 2 && woken == WAIT_OBJECT_0 + 1) {
      const std::lock_guard lock(lock_);
      queue_.Said();
    } else if (woken == WAIT_OBJECT_0 + count) {
      MSG message;
      while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&message);
      }
    }
  }

  const SpeechEngineMaker make_;
  unique_handle thread_;  // from the first sentence on
  unique_handle wake_;    // set for each request
  SlimLock lock_;         // over what follows, which both threads touch
  SpeechQueue queue_;
  bool ending_ = false;
};

}  // namespace

Voice VoiceOnItsOwnThread(SpeechEngineMaker make) {
  const auto thread = std::make_shared<SpeechThread>(std::move(make));
  return Voice{
      [thread](SentenceKind kind, std::string_view sentence) { thread->Say(kind, sentence); },
      [thread] { thread->Silence(); }};
}

}  // namespace morvane::platform
