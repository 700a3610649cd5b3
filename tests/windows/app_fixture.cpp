#include "tests/windows/app_fixture.h"

#include <utility>

#include "app/message_loop.h"
#include "platform/gdi.h"

namespace morvane::testing {

platform::Voice QueuedVoice::Voice() {
  using platform::SentenceKind;
  return platform::Voice{
      [this](SentenceKind kind, const platform::Sentence& sentence, platform::Subjects about) {
        std::string marked = kind == SentenceKind::Reminder ? "(reminder) "
                             : kind == SentenceKind::Answer ? "(answer) "
                             : kind == SentenceKind::Notice ? "(notice) "
                                                            : "";
        marked += sentence(platform::kEnglish);
        queue_.Add(kind, [marked](auto) { return marked; }, about);
        Speak();
      },
      [this](platform::Subjects about) { return queue_.Withdraw(about); },
      [this] {
        said_.emplace_back("(silenced)");
        queue_.SilenceTheNames();
        Speak();
      }};
}

void QueuedVoice::HoldSaying(std::string answer) {
  held_ = true;
  Voice().say(platform::SentenceKind::Answer, [answer](auto) { return answer; }, 0);
}

void QueuedVoice::Release() {
  held_ = false;
  queue_.Said();
  Speak();
}

void QueuedVoice::Speak() {
  for (auto step = queue_.Next(); step.say; step = queue_.Next()) {
    said_.push_back(step.say(platform::kEnglish));
    if (held_) return;
    queue_.Said();
  }
}

AppFixture::AppFixture(std::optional<platform::Voice> voice)
    : windows_(::GetModuleHandleW(nullptr),
               SystemServices{clock_.AsClock(), [this](Cue cue) { cues_.push_back(cue); },
                              [this] { return date_order_; }, [this] { return high_contrast_; },
                              TestForeground(), TestTaskbar(),
                              voice ? std::move(*voice) : voice_.Voice()}) {}

platform::TaskbarOverlay AppFixture::TestTaskbar() {
  return platform::TaskbarOverlay{
      [this](HWND window, HICON icon, const wchar_t* description) {
        ICONINFO info{};
        BITMAP mask{};
        if (icon != nullptr && ::GetIconInfo(icon, &info)) {
          ::GetObjectW(info.hbmMask, sizeof mask, &mask);
          ::DeleteObject(info.hbmColor);
          ::DeleteObject(info.hbmMask);
        }
        badges_.push_back(
            Badge{window, static_cast<int>(mask.bmWidth), description ? description : L""});
      },
      [this](HWND window, UINT message) { let_through_.emplace_back(window, message); }};
}

// A flash on a timer goes on until it is stopped; any other stops by itself.
platform::ForegroundRequests AppFixture::TestForeground() {
  return platform::ForegroundRequests{
      [this](HWND window) {
        if (!foreground_refused_) ::SetForegroundWindow(window);
      },
      [this](const FLASHWINFO& flash) {
        flashes_.push_back(flash);
        if (flash.cbSize == sizeof flash && flash.dwFlags == FLASHW_STOP) {
          flashing_.erase(flash.hwnd);
        } else if (flash.cbSize == sizeof flash && (flash.dwFlags & FLASHW_TRAY) != 0 &&
                   (flash.dwFlags & (FLASHW_TIMER | FLASHW_TIMERNOFG)) != 0) {
          flashing_.insert(flash.hwnd);
        }
      },
      [this] { return notification_state_; },
      [this] {
        const HWND front = ::GetForegroundWindow();
        MONITORINFO monitor{};
        if (front == nullptr || !platform::MonitorOf(front, monitor)) return false;
        monitor.rcWork = work_area_.value_or(monitor.rcWork);
        return platform::ShowsFullScreen(front, monitor);
      }};
}

OtherProgramInFront::OtherProgramInFront(const WindowRegistry& windows) : windows_(windows) {
  // Wine hands a thread its X focus events late: a window of this thread
  // activated just before would take the activation back once they arrive.
  DeliverMessagesUntil(windows_, [] { return false; }, std::chrono::milliseconds{50});
  thread_ = ::CreateThread(nullptr, 0, &Run, this, 0, &thread_id_);
  // Activation crosses threads as sent messages, which this thread must take.
  DeliverMessagesUntil(
      windows_, [this] { return window_ != nullptr && ::GetForegroundWindow() == window_; },
      std::chrono::seconds{5});
  // When its X focus events do arrive, Wine sets Ctrl, Shift and Alt as X
  // has them, up: a key sent with them held at that moment loses them.
  DeliverMessagesUntil(windows_, [] { return false; }, std::chrono::milliseconds{250});
}

OtherProgramInFront::~OtherProgramInFront() {
  ::PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
  while (::MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    PumpMessages(windows_);
  }
  ::CloseHandle(thread_);
}

DWORD WINAPI OtherProgramInFront::Run(void* self) {
  auto& other = *static_cast<OtherProgramInFront*>(self);
  HWND window = ::CreateWindowExW(0, L"STATIC", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  ::SetForegroundWindow(window);
  other.window_ = window;
  ::PostThreadMessageW(other.creator_, WM_NULL, 0, 0);  // wakes the waiting creator
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::DispatchMessageW(&message);
  }
  ::DestroyWindow(window);
  return 0;
}

bool IsInFront(HWND upper, HWND lower) {
  for (HWND below = ::GetWindow(upper, GW_HWNDNEXT); below != nullptr;
       below = ::GetWindow(below, GW_HWNDNEXT)) {
    if (below == lower) return true;
  }
  return false;
}

AppFixture::~AppFixture() {
  // Whatever the test did, leave no WM_QUIT behind for the next one. Paint
  // messages must be dispatched: one that is only removed comes back.
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) {
      ::DispatchMessageW(&message);
    }
  }
}

toolkit::EditBox& AppFixture::NameBox(int row) {
  return Main().TextBoxNamed("Text" + std::to_string(row));
}
toolkit::EditBox& AppFixture::TimeBox(int row) {
  return Main().TextBoxNamed("txtTime" + std::to_string(row));
}
toolkit::EditBox& AppFixture::GoldBox(int row) {
  return Main().TextBoxNamed("Gold" + std::to_string(row));
}
toolkit::ButtonControl& AppFixture::Button(int row) {
  return Main().ButtonNamed("cmdStart" + std::to_string(row));
}
toolkit::WindowTimer& AppFixture::Timer(int row) {
  return Main().TimerNamed("tmrCrono" + std::to_string(row));
}

void AppFixture::StartRow(int row, const char* time) {
  TimeBox(row).SetText(time);
  ClickButton(Button(row));
}

void AppFixture::Tick(int row) {
  PassOneSecond();
  DeliverTimerMessage(row);
}

void AppFixture::PassOneSecond() { clock_.now += std::chrono::milliseconds{1000}; }

void AppFixture::DeliverTimerMessage(int row) {
  ::SendMessageW(Main().hwnd(), WM_TIMER, Timer(row).id(), 0);
}

bool PumpMessages(const WindowRegistry& windows) {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (message.message == WM_QUIT) {
      return true;
    }
    ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
    DeliverMessage(windows, message);
  }
  return false;
}

bool DeliverMessagesUntil(const WindowRegistry& windows, const std::function<bool()>& done,
                          std::chrono::milliseconds limit) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(limit.count());
  while (!done()) {
    const ULONGLONG now = ::GetTickCount64();
    if (now >= end || PumpMessages(windows)) {
      return done();
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
  }
  return true;
}

void ClickButton(const toolkit::ButtonControl& button) {
  ::SendMessageW(button.hwnd(), BM_CLICK, 0, 0);
}

void ClickAt(HWND window, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  ::SendMessageW(window, WM_LBUTTONUP, 0, where);
}

void PressKey(const WindowRegistry& windows, WPARAM virtual_key) {
  PostKey(virtual_key);
  PumpMessages(windows);
}

void PostKey(WPARAM virtual_key) {
  HWND focus = ::GetFocus();
  const UINT scan = ::MapVirtualKeyW(static_cast<UINT>(virtual_key), MAPVK_VK_TO_VSC);
  ::PostMessageW(focus, WM_KEYDOWN, virtual_key, static_cast<LPARAM>(1 | (scan << 16)));
  ::PostMessageW(focus, WM_KEYUP, virtual_key,
                 static_cast<LPARAM>(1 | (scan << 16) | (1u << 30) | (1u << 31)));
}

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

SIZE ClientSize(HWND hwnd) {
  RECT client;
  ::GetClientRect(hwnd, &client);
  return SIZE{client.right, client.bottom};
}

RECT ClientRectOf(HWND control) {
  RECT rect;
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

ClientPixels::ClientPixels(HWND hwnd)
    : ClientPixels(ClientSize(hwnd).cx, ClientSize(hwnd).cy, [hwnd](HDC dc) {
        ::SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
      }) {}

ClientPixels::ClientPixels(int width, int height, const std::function<void(HDC)>& paint)
    : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const platform::unique_hdc dc(::CreateCompatibleDC(nullptr));
  const platform::unique_hbitmap bitmap(
      ::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    const platform::SelectedObject selected(dc.get(), bitmap.get());
    paint(dc.get());
    ::GdiFlush();
  }
  const auto* words = static_cast<const std::uint32_t*>(bits);
  pixels_.assign(words, words + static_cast<size_t>(width_) * static_cast<size_t>(height_));
}

SIZE InkedSize(HFONT font, const std::wstring& text) {
  TEXTMETRICW metrics{};
  SIZE advance{};
  {
    const platform::unique_hdc dc(::CreateCompatibleDC(nullptr));
    const platform::SelectedObject selected(dc.get(), font);
    ::GetTextMetricsW(dc.get(), &metrics);
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &advance);
  }
  const ClientPixels pixels(advance.cx + 2 * metrics.tmHeight, metrics.tmHeight, [&](HDC dc) {
    const platform::SelectedObject selected(dc, font);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SetBkColor(dc, RGB(0, 0, 0));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, nullptr, text.c_str(), static_cast<UINT>(text.size()),
                  nullptr);
  });
  int inked = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    for (int x = inked; x < pixels.Width(); ++x) {
      if (pixels.At(x, y) != 0) inked = x + 1;
    }
  }
  return SIZE{inked, metrics.tmHeight};
}

Colour ClientPixels::At(int x, int y) const {
  return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] &
         0xFFFFFF;
}

}  // namespace morvane::testing
