// The program's two windows, one instance of each at most, created on first
// use. The main window's end is the program's end.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "countdown/cue.h"
#include "countdown/time_text.h"
#include "platform/clock.h"
#include "platform/foreground.h"
#include "platform/high_contrast.h"
#include "platform/taskbar_overlay.h"
#include "platform/voice.h"
#include "ui/about/form2.h"
#include "ui/main/form1.h"
#include "ui/toolkit/form/default_fonts.h"
#include "ui/toolkit/form/form_registry.h"
#include "ui/toolkit/form/unique_window.h"

namespace morvane {

// What the windows need from the system, replaceable in tests.
struct SystemServices {
  platform::Clock clock;
  std::function<void(Cue)> play_cue;
  std::function<DateOrder()> date_order;
  platform::HighContrastQuery high_contrast;
  platform::ForegroundRequests foreground;
  platform::TaskbarOverlay taskbar_overlay;
  // The system's voice is released with the registry's copy of the services,
  // at the end of the program while its thread is still in its COM apartment.
  platform::Voice voice;
};

SystemServices RealSystemServices();

class WindowRegistry final : public toolkit::FormRegistry {
 public:
  WindowRegistry(HINSTANCE instance, SystemServices services);
  WindowRegistry(const WindowRegistry&) = delete;
  WindowRegistry& operator=(const WindowRegistry&) = delete;
  ~WindowRegistry();

  void Show(toolkit::FormName form) override;
  void Hide(toolkit::FormName form) override;
  void Unload(toolkit::FormName form) override;
  void SetMainWindowOnTop(bool on) override;

  // The window's one instance, created first if it does not exist.
  main_window::Form1& Form1();
  about_window::Form2& Form2();

  // The instance if its window exists; nullptr otherwise. Creates nothing.
  toolkit::Form* Existing(toolkit::FormName form) const;

 private:
  toolkit::Form& Use(toolkit::FormName form);
  HWND HiddenOwner();
  bool MainWindowOnTop() const;
  void KeepAboutAboveMainWindow(bool on);

  HINSTANCE instance_;
  SystemServices services_;
  // The windows' font at each dpi they are shown at; it outlives them.
  toolkit::DefaultFonts fonts_;
  // The About window's owner, unless the main window is kept on top: it keeps
  // that window off the taskbar without tying it to the main window, so
  // either can be in front of the other.
  toolkit::unique_hwnd hidden_owner_;
  // A destroyed window's object is let go at the next use by name, never
  // while one of its own handlers may still be on the stack.
  std::unique_ptr<main_window::Form1> form1_;
  std::unique_ptr<about_window::Form2> form2_;
};

}  // namespace morvane
