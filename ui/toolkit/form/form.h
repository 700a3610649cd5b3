// A top-level window built from a form's design: its settings and its table
// of controls. Text boxes and push buttons are child windows, created in
// tab-index order so that the dialog manager's Tab walk follows that order;
// labels and pictures are windowless and painted by the form beneath them.
//
// The window's life and the object's life are apart: a destroyed window
// leaves its Form behind, reporting !Exists(), until its owner lets it go.
// That keeps every handler on the stack safe when a click destroys its form.
//
// Everything is laid out at the dpi of the monitor the window is on: places
// and sizes from the design's twips, the default font and the artwork made
// for that dpi. When the window moves to a monitor of another dpi, all of it
// is laid out again.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/foreground.h"
#include "platform/taskbar_overlay.h"
#include "ui/artwork/artwork_bitmap.h"
#include "ui/toolkit/accessibility/contrast_mode.h"
#include "ui/toolkit/controls/brush_cache.h"
#include "ui/toolkit/controls/button_control.h"
#include "ui/toolkit/controls/control_design.h"
#include "ui/toolkit/controls/edit_box.h"
#include "ui/toolkit/controls/label.h"
#include "ui/toolkit/controls/picture.h"
#include "ui/toolkit/form/default_fonts.h"
#include "ui/toolkit/form/dpi_frame.h"
#include "ui/toolkit/form/form_design.h"
#include "ui/toolkit/timing/window_timer.h"
#include "ui/toolkit/window_services/window_hot_keys.h"
#include "ui/toolkit/window_services/system_menu.h"
#include "ui/toolkit/window_services/taskbar_badge.h"
#include "ui/toolkit/window_services/window_attention.h"
#include "ui/toolkit/window_services/window_icons.h"

namespace morvane::toolkit {

struct FormContext {
  HINSTANCE instance;
  DefaultFonts& fonts;   // shared by the program's windows, one per dpi
  HWND owner = nullptr;  // a hidden owner keeps a window off the taskbar
  platform::Clock clock;               // the time source of the form's interval timers
  std::function<void()> on_destroyed;  // the window is being destroyed
  platform::HighContrastQuery high_contrast;  // the colours to draw with follow it
  platform::ForegroundRequests foreground;    // how Show and Alert bring the window forward
  platform::TaskbarOverlay taskbar_overlay;   // what shows a badge on its taskbar button
};

class Form {
 public:
  Form(const FormDesign& design, std::span<const ControlDesign> controls, FormContext context);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND hwnd() const { return hwnd_; }
  bool Exists() const { return hwnd_ != nullptr; }
  // The dpi the window is laid out at.
  int Dpi() const { return dpi_; }
  // The font every box, button and label of the window shows its text in.
  HFONT Font() const { return font_; }

  // Makes the window visible (restoring it when minimised) and brings it, or
  // the modal window that disables it, forward; see BringForward.
  void Show();
  // Brings the window to the user for an alarm: as Show does, except while
  // the user is in a full-screen program or a presentation, where it stays
  // where it is and flashes; see WindowAttention::Alert.
  void Alert();
  // Makes the window invisible; it keeps its state and its place.
  void Hide();
  // Keeps the window above every window that is not kept on top itself.
  void SetAlwaysOnTop(bool on);
  // The window it stays in front of, and that keeps it off the taskbar.
  void SetOwner(HWND owner);
  // Destroys the window with its controls and everything typed into them.
  void Unload();

  EditBox& TextBoxNamed(std::string_view name) const;
  ButtonControl& ButtonNamed(std::string_view name) const;
  WindowTimer& TimerNamed(std::string_view name) const;
  Picture& PictureNamed(std::string_view name) const;

  // The commands and options at the foot of the window's system menu.
  SystemMenuCommands& SystemMenu() { return *system_menu_; }
  // The badge over the window's taskbar button.
  TaskbarBadge& Badge() { return *taskbar_badge_; }
  // The keys that reach the window from any program, none until registered.
  toolkit::WindowHotKeys& HotKeys() { return *hot_keys_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  void CreateControls();
  void AddControl(const ControlDesign& design, int id);
  void ScaleTo(int dpi);
  void LoadBackground();

  void OnPaint();
  void PaintContent(HDC dc) const;
  void OnCommand(WPARAM wparam);
  void ClickFocusedControl() const;
  void OnSystemColoursChanged();
  LRESULT OnControlColour(UINT message, WPARAM wparam, LPARAM lparam);
  void OnActivate(WPARAM wparam);
  void OnMouseDown(POINT at);
  void OnMouseUp(POINT at);
  void OnTimer(UINT_PTR id) const;
  void FocusRemembered();

  HINSTANCE instance_;
  const FormDesign design_;
  const std::vector<ControlDesign> controls_;
  HWND hwnd_ = nullptr;
  DefaultFonts& fonts_;
  int dpi_;
  HFONT font_;
  Colour back_;
  std::optional<artwork::ArtworkBitmap> background_;
  WindowIcons icons_;
  platform::Clock clock_;
  std::function<void()> on_destroyed_;
  WindowAttention attention_;
  BrushCache brushes_;
  ContrastMode contrast_;
  DpiFrame frame_;
  // From the window's creation on.
  std::optional<SystemMenuCommands> system_menu_;
  std::optional<TaskbarBadge> taskbar_badge_;
  std::optional<toolkit::WindowHotKeys> hot_keys_;

  // Each control is owned once, in the map of its kind; the by-id maps only
  // point into them, for routing messages.
  std::map<std::string, std::unique_ptr<EditBox>, std::less<>> text_boxes_;
  std::map<std::string, std::unique_ptr<ButtonControl>, std::less<>> buttons_;
  std::map<std::string, std::unique_ptr<WindowTimer>, std::less<>> timers_;
  std::vector<Label> labels_;
  std::vector<std::unique_ptr<Picture>> pictures_;
  // The boxes and buttons with their designs, to place them at a new dpi.
  std::vector<std::pair<HWND, const ControlDesign*>> child_windows_;
  std::map<UINT_PTR, const ButtonControl*> button_by_id_;
  std::map<UINT_PTR, WindowTimer*> timer_by_id_;

  HWND first_tab_stop_ = nullptr;
  HWND remembered_focus_ = nullptr;
  const Picture* pressed_picture_ = nullptr;
};

}  // namespace morvane::toolkit
