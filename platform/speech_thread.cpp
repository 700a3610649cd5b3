#include "platform/speech_thread.h"

#include <memory>
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

// Its state is the thread's as much as the window's: the thread holds it
// too, so that a thread still inside the engine when the program ends finds
// it there for as long as it runs on.
class SpeechThread {
 public:
  explicit SpeechThread(SpeechEngineMaker make) : make_(std::move(make)) {}
  SpeechThread(const SpeechThread&) = delete;
  SpeechThread& operator=(const SpeechThread&) = delete;

  // Asks the thread to end, and waits for it a moment: an engine that is
  // still being made, or is stuck in its driver, must not hold the program's
  // end for as long as it takes. A thread that ends later releases its
  // engine itself.
  void End() {
    if (!thread_) {
      return;
    }
    {
      const std::lock_guard lock(lock_);
      ending_ = true;
    }
    ::SetEvent(wake_.get());
    ::WaitForSingleObject(thread_.get(), kLongestWaitAtTheEnd);
  }

  // `self` is this, held: the thread holds it too.
  void Say(SentenceKind kind, Sentence sentence, Subjects about,
           const std::shared_ptr<SpeechThread>& self) {
    {
      const std::lock_guard lock(lock_);
      queue_.Add(kind, std::move(sentence), about);
    }
    if (!thread_) {
      Begin(self);
    }
    ::SetEvent(wake_.get());
  }

  Subjects Withdraw(Subjects about) {
    const std::lock_guard lock(lock_);
    return queue_.Withdraw(about);
  }

  // Before the first sentence there is nothing to silence.
  void SilenceTheNames() {
    if (!thread_) {
      return;
    }
    {
      const std::lock_guard lock(lock_);
      queue_.SilenceTheNames();
    }
    ::SetEvent(wake_.get());
  }

 private:
  static constexpr DWORD kLongestWaitAtTheEnd = 1000;  // ms

  void Begin(const std::shared_ptr<SpeechThread>& self) {
    wake_.reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    auto held = std::make_unique<std::shared_ptr<SpeechThread>>(self);
    thread_.reset(::CreateThread(nullptr, 0, &Run, held.get(), 0, nullptr));
    if (thread_) {
      held.release();  // the thread's now
    }
  }

  static DWORD WINAPI Run(void* held) {
    const std::unique_ptr<std::shared_ptr<SpeechThread>> self(
        static_cast<std::shared_ptr<SpeechThread>*>(held));
    (*self)->Serve();
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
  // failed; a cut alone needs none. The sentence is made in the engine's
  // language, known once the engine is.
  void Perform(const SpeechQueue::Step& step, std::unique_ptr<SpeechEngine>& engine) {
    if (step.say && !engine) {
      engine = make_();
    }
    bool said_when_handed = true;
    if (engine) {
      const std::wstring text = step.say ? Widen(step.say(engine->Speaks())) : std::wstring();
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
  // thread in a single-threaded apartment delivers its messages meanwhile,
  // those that a call into the engine has already looked at included.
  void WaitForWork(SpeechEngine* engine) {
    HANDLE events[] = {wake_.get(), nullptr};
    DWORD count = 1;
    {
      const std::lock_guard lock(lock_);
      if (queue_.Speaking()) {
        events[count++] = engine->SaidEvent();
      }
    }
    const DWORD woken = ::MsgWaitForMultipleObjectsEx(count, events, INFINITE, QS_ALLINPUT,
                                                      MWMO_INPUTAVAILABLE);
    if (count == 2 && woken == WAIT_OBJECT_0 + 1 && engine->SaidAll()) {
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

// The last copy of the Voice ends the thread.
struct ThreadEnder {
  explicit ThreadEnder(std::shared_ptr<SpeechThread> started) : thread(std::move(started)) {}
  ThreadEnder(const ThreadEnder&) = delete;
  ThreadEnder& operator=(const ThreadEnder&) = delete;
  ~ThreadEnder() { thread->End(); }
  const std::shared_ptr<SpeechThread> thread;
};

}  // namespace

Voice VoiceOnItsOwnThread(SpeechEngineMaker make) {
  const auto ender =
      std::make_shared<ThreadEnder>(std::make_shared<SpeechThread>(std::move(make)));
  return Voice{[ender](SentenceKind kind, Sentence sentence, Subjects about) {
                 ender->thread->Say(kind, std::move(sentence), about, ender->thread);
               },
               [ender](Subjects about) { return ender->thread->Withdraw(about); },
               [ender] { ender->thread->SilenceTheNames(); }};
}

}  // namespace morvane::platform
