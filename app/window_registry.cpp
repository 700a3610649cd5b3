#include "app/window_registry.h"

#include <utility>

#include "app/identity.h"
#include "countdown/locale_date_order.h"
#include "countdown/phrase_book.h"
#include "countdown/sound_cues.h"

namespace morvane {

using toolkit::FormName;

SystemServices RealSystemServices() {
  return SystemServices{platform::UptimeClock(), &PlayCue, &UserShortDateOrder,
                        &platform::SystemHighContrast, platform::SystemForegroundRequests(),
                        platform::SystemTaskbarOverlay(), platform::SystemVoice(&HasPhraseBook)};
}

WindowRegistry::WindowRegistry(HINSTANCE instance, SystemServices services)
    : instance_(instance), services_(std::move(services)) {}

// A hidden About window does not outlive the program: it goes with it here,
// before its owner does.
WindowRegistry::~WindowRegistry() {
  form2_.reset();
  form1_.reset();
}

main_window::Form1& WindowRegistry::Form1() {
  if (!form1_ || !form1_->Exists()) {
    form1_.reset();
    toolkit::FormContext context{instance_, fonts_, nullptr, services_.clock,
                                 [] { ::PostQuitMessage(0); }, services_.high_contrast,
                                 services_.foreground, services_.taskbar_overlay};
    form1_ = std::make_unique<main_window::Form1>(
        std::move(context),
        main_window::Form1Services{*this, services_.play_cue, services_.date_order,
                                   kApplicationTitle, services_.voice});
  }
  return *form1_;
}

about_window::Form2& WindowRegistry::Form2() {
  if (!form2_ || !form2_->Exists()) {
    form2_.reset();
    form2_ = std::make_unique<about_window::Form2>(
        toolkit::FormContext{instance_, fonts_, HiddenOwner(), services_.clock, nullptr,
                             services_.high_contrast, services_.foreground,
                             services_.taskbar_overlay});
    if (MainWindowOnTop()) {
      KeepAboutAboveMainWindow(true);
    }
  }
  return *form2_;
}

toolkit::Form& WindowRegistry::Use(FormName form) {
  if (form == FormName::Form1) {
    return Form1();
  }
  return Form2();
}

toolkit::Form* WindowRegistry::Existing(FormName form) const {
  toolkit::Form* instance =
      form == FormName::Form1 ? static_cast<toolkit::Form*>(form1_.get()) : form2_.get();
  return instance != nullptr && instance->Exists() ? instance : nullptr;
}

void WindowRegistry::Show(FormName form) { Use(form).Show(); }

void WindowRegistry::Hide(FormName form) { Use(form).Hide(); }

// Unloading a window that does not exist changes nothing: creating it only
// to destroy it would run its load handler for no one.
void WindowRegistry::Unload(FormName form) {
  if (toolkit::Form* instance = Existing(form)) {
    instance->Unload();
  }
}

void WindowRegistry::SetMainWindowOnTop(bool on) {
  Form1().SetAlwaysOnTop(on);
  if (Existing(FormName::Form2) != nullptr) {
    KeepAboutAboveMainWindow(on);
  }
}

bool WindowRegistry::MainWindowOnTop() const {
  const toolkit::Form* main = Existing(FormName::Form1);
  return main != nullptr && (::GetWindowLongW(main->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// An About window opened over a main window kept on top would open beneath
// it. Owned by the main window, it stays in front of it, and in the band of
// windows kept on top with it; back with its hidden owner, it leaves that band.
void WindowRegistry::KeepAboutAboveMainWindow(bool on) {
  form2_->SetOwner(on ? form1_->hwnd() : HiddenOwner());
  form2_->SetAlwaysOnTop(on);
}

HWND WindowRegistry::HiddenOwner() {
  if (!hidden_owner_) {
    hidden_owner_.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                          nullptr, instance_, nullptr));
  }
  return hidden_owner_.get();
}

}  // namespace morvane
