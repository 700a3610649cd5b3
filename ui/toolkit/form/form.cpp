#include "ui/toolkit/form/form.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/dpi.h"
#include "ui/toolkit/controls/child_window.h"
#include "ui/toolkit/controls/reflected_message.h"
#include "ui/toolkit/form/form_error.h"

namespace morvane::toolkit {

namespace {

// Control ids start above the dialog manager's IDOK and IDCANCEL.
constexpr int kFirstControlId = 100;

void RegisterFormClass(HINSTANCE instance, const FormDesign& design, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  if (::GetClassInfoExW(instance, design.class_name, &window_class)) {
    return;
  }
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = design.class_name;
  if (!::RegisterClassExW(&window_class)) {
    throw FormError("cannot register a window class");
  }
}

POINT PointOf(LPARAM lparam) {
  return POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
}

template <typename Map>
auto& Find(const Map& controls, std::string_view name) {
  const auto found = controls.find(name);
  if (found == controls.end()) {
    throw FormError("no control named " + std::string(name));
  }
  return *found->second;
}

}  // namespace

Form::Form(const FormDesign& design, std::span<const ControlDesign> controls, FormContext context)
    : instance_(context.instance),
      design_(design),
      controls_(controls.begin(), controls.end()),
      fonts_(context.fonts),
      dpi_(platform::SystemDpi()),
      font_(fonts_.At(dpi_)),
      back_(design.back),
      clock_(std::move(context.clock)),
      on_destroyed_(std::move(context.on_destroyed)),
      attention_(std::move(context.foreground)),
      contrast_(std::move(context.high_contrast)),
      frame_(design, [this](int dpi) { ScaleTo(dpi); }) {
  LoadBackground();
  RegisterFormClass(instance_, design_, WindowProc);

  const DpiFrame::FirstPlace place = frame_.FirstPlaceAt(dpi_);
  // WM_NCCREATE attaches this object to the window before anything else runs.
  ::CreateWindowExW(frame_.ex_style(), design_.class_name, design_.caption.c_str(), frame_.style(),
                    place.at.x, place.at.y, place.size.cx, place.size.cy, context.owner, nullptr,
                    instance_, this);
  if (hwnd_ == nullptr) {
    throw FormError("cannot create a window");
  }
  system_menu_.emplace(hwnd_);
  hot_keys_.emplace(hwnd_);
  taskbar_badge_.emplace(hwnd_, instance_, dpi_, std::move(context.taskbar_overlay));
  icons_.Apply(hwnd_, instance_, design_.icon, dpi_);
  if (design_.taskbar_button) {
    taskbar_badge_->HearButtonCreated();
  }
  CreateControls();
  frame_.FitMonitor(hwnd_, dpi_);
}

Form::~Form() {
  if (hwnd_ != nullptr) {
    on_destroyed_ = nullptr;
    ::DestroyWindow(hwnd_);
  }
}

void Form::CreateControls() {
  std::vector<const ControlDesign*> in_tab_order;
  for (const auto& control : controls_) {
    in_tab_order.push_back(&control);
  }
  std::stable_sort(in_tab_order.begin(), in_tab_order.end(),
                   [](const ControlDesign* a, const ControlDesign* b) {
                     return a->tab_index < b->tab_index;
                   });
  int id = kFirstControlId;
  for (const ControlDesign* control : in_tab_order) {
    AddControl(*control, id++);
  }
}

void Form::AddControl(const ControlDesign& design, int id) {
  HWND tab_stop = nullptr;
  switch (design.kind) {
    case ControlKind::TextBox: {
      auto box = std::make_unique<EditBox>(hwnd_, design, id, dpi_, font_, brushes_, contrast_);
      tab_stop = box->hwnd();
      text_boxes_.emplace(design.name, std::move(box));
      break;
    }
    case ControlKind::PushButton: {
      auto button = std::make_unique<ButtonControl>(hwnd_, design, id, dpi_, font_);
      tab_stop = button->hwnd();
      button_by_id_[static_cast<UINT_PTR>(id)] = button.get();
      buttons_.emplace(design.name, std::move(button));
      break;
    }
    case ControlKind::Label:
      labels_.emplace_back(design, dpi_, contrast_);
      break;
    case ControlKind::Picture:
      pictures_.push_back(std::make_unique<Picture>(instance_, design, dpi_));
      break;
    case ControlKind::Timer: {
      auto timer = std::make_unique<WindowTimer>(
          hwnd_, static_cast<UINT_PTR>(id), std::chrono::milliseconds{design.interval_ms}, clock_);
      timer_by_id_[timer->id()] = timer.get();
      timers_.emplace(design.name, std::move(timer));
      break;
    }
  }
  if (tab_stop != nullptr) {
    child_windows_.emplace_back(tab_stop, &design);
  }
  if (first_tab_stop_ == nullptr) {
    first_tab_stop_ = tab_stop;
  }
}

// Everything the window shows, made again for `dpi`. The window's own size
// is its caller's business.
void Form::ScaleTo(int dpi) {
  dpi_ = dpi;
  font_ = fonts_.At(dpi);
  LoadBackground();
  for (const auto& [child, design] : child_windows_) {
    PlaceChild(child, *design, dpi, font_);
  }
  for (auto& label : labels_) {
    label.ScaleTo(dpi);
  }
  for (auto& picture : pictures_) {
    picture->ScaleTo(dpi);
  }
  icons_.Apply(hwnd_, instance_, design_.icon, dpi);
  // A dpi change can come while the window is being created, before the
  // badge is: the badge is then made at the dpi set here.
  if (taskbar_badge_) {
    taskbar_badge_->ScaleTo(dpi);
  }
  ::InvalidateRect(hwnd_, nullptr, FALSE);
}

// The background picture as drawn for the window's dpi, its transparent
// pixels showing the back colour.
void Form::LoadBackground() {
  if (design_.background_picture != 0) {
    background_.emplace(instance_, design_.background_picture,
                        SIZE{design_.client_width, design_.client_height}, dpi_,
                        platform::ToColorRef(back_));
  }
}

EditBox& Form::TextBoxNamed(std::string_view name) const { return Find(text_boxes_, name); }
ButtonControl& Form::ButtonNamed(std::string_view name) const { return Find(buttons_, name); }
WindowTimer& Form::TimerNamed(std::string_view name) const { return Find(timers_, name); }

Picture& Form::PictureNamed(std::string_view name) const {
  const auto found = std::find_if(pictures_.begin(), pictures_.end(),
                                  [name](const auto& picture) { return picture->Name() == name; });
  if (found == pictures_.end()) {
    throw FormError("no picture named " + std::string(name));
  }
  return **found;
}

void Form::Show() {
  if (hwnd_ == nullptr) {
    return;
  }
  attention_.BringForward(hwnd_);
}

void Form::Alert() {
  if (hwnd_ != nullptr) {
    attention_.Alert(hwnd_);
  }
}

void Form::Hide() {
  if (hwnd_ != nullptr) {
    ::ShowWindow(hwnd_, SW_HIDE);
  }
}

void Form::SetAlwaysOnTop(bool on) {
  ::SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// GWLP_HWNDPARENT names a top-level window's owner, not a parent.
void Form::SetOwner(HWND owner) {
  ::SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

void Form::Unload() {
  if (hwnd_ != nullptr) {
    ::DestroyWindow(hwnd_);
  }
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Form* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (self == nullptr) {
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel; erasing first would flicker
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT:  // a copy of the window's own drawing, for whoever asks
      PaintContent(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // what a read-only edit box sends
      return OnControlColour(message, wparam, lparam);
    case WM_COMMAND:
      OnCommand(wparam);
      return 0;
    case WM_SYSCOMMAND:
      if (system_menu_ && system_menu_->Run(wparam)) {
        return 0;
      }
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      OnSystemColoursChanged();
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wparam));
      return 0;
    case platform::kGetDpiScaledSizeMessage:
    case WM_DPICHANGED:
      return frame_.OnDpiMessage(hwnd_, message, wparam, lparam);
    case WM_ACTIVATE:
      OnActivate(wparam);
      return 0;
    case WM_ACTIVATEAPP:
      if (wparam != FALSE) {
        attention_.ProgramActivated(hwnd_);
      }
      return 0;
    case WM_SETFOCUS:
      FocusRemembered();
      return 0;
    case WM_LBUTTONDOWN:
      OnMouseDown(PointOf(lparam));
      return 0;
    case WM_LBUTTONUP:
      OnMouseUp(PointOf(lparam));
      return 0;
    case WM_CAPTURECHANGED:
      pressed_picture_ = nullptr;
      return 0;
    case WM_HOTKEY:
      if (hot_keys_) {
        hot_keys_->Pressed(wparam);
      }
      return 0;
    case WM_DESTROY:
      if (hot_keys_) {
        hot_keys_->Release();
      }
      if (on_destroyed_) {
        on_destroyed_();
      }
      return 0;
    default:
      if (message == TaskbarBadge::ButtonCreatedMessage() && taskbar_badge_) {
        taskbar_badge_->ButtonCreated();
        return 0;
      }
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

// Painted into a memory bitmap and copied in one go, so that nothing flickers.
void Form::OnPaint() {
  const platform::PaintDc dc(hwnd_);
  RECT client;
  ::GetClientRect(hwnd_, &client);
  const platform::unique_hdc buffer_dc(::CreateCompatibleDC(dc.get()));
  const platform::unique_hbitmap buffer(
      ::CreateCompatibleBitmap(dc.get(), client.right, client.bottom));
  const platform::SelectedObject selected(buffer_dc.get(), buffer.get());
  PaintContent(buffer_dc.get());
  ::BitBlt(dc.get(), 0, 0, client.right, client.bottom, buffer_dc.get(), 0, 0, SRCCOPY);
}

void Form::PaintContent(HDC dc) const {
  RECT client;
  ::GetClientRect(hwnd_, &client);
  {
    const platform::SavedDcState saved(dc);
    ::SetBkColor(dc, contrast_.On() ? ::GetSysColor(kHighContrastWindowColours.back)
                                    : platform::ToColorRef(back_));
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
  }
  if (background_ && !contrast_.On()) {
    background_->Draw(dc, 0, 0);
  }
  for (const auto& label : labels_) {
    label.Paint(dc, font_);
  }
  for (const auto& picture : pictures_) {
    picture->Paint(dc);
  }
}

// The control that asks for its colours answers for itself; one that has no
// colours of its own gets the system's.
LRESULT Form::OnControlColour(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND control = reinterpret_cast<HWND>(lparam);
  if (const LRESULT brush = ReflectToControl(control, message, wparam, lparam)) {
    return brush;
  }
  return ::DefWindowProcW(hwnd_, message, wparam, lparam);
}

void Form::OnCommand(WPARAM wparam) {
  const UINT_PTR id = LOWORD(wparam);
  if (id == IDOK) {
    ClickFocusedControl();
    return;
  }
  if (HIWORD(wparam) != BN_CLICKED) {
    return;
  }
  const auto found = button_by_id_.find(id);
  if (found != button_by_id_.end()) {
    found->second->Clicked();
  }
}

// Enter: the dialog manager found no default button. Enter does what a click
// does on the focused push button or text box (a name box's acknowledgement
// of a red name); elsewhere it does nothing.
void Form::ClickFocusedControl() const {
  HWND focus = ::GetFocus();
  if (focus == nullptr || !::IsChild(hwnd_, focus)) {
    return;
  }
  const auto button = button_by_id_.find(static_cast<UINT_PTR>(::GetDlgCtrlID(focus)));
  if (button != button_by_id_.end()) {
    button->second->Clicked();
    return;
  }
  for (const auto& [name, box] : text_boxes_) {
    if (box->hwnd() == focus) {
      box->Clicked();
      return;
    }
  }
}

// High contrast may have been switched, or its colours changed: everything
// is drawn again in the colours of the moment.
void Form::OnSystemColoursChanged() {
  contrast_.Reread();
  ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::OnTimer(UINT_PTR id) const {
  const auto found = timer_by_id_.find(id);
  if (found != timer_by_id_.end()) {
    found->second->Elapsed();
  }
}

// A plain window does not keep its focused control across activation as a
// dialog does: remember it when the window is left, and put it back.
void Form::OnActivate(WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(hwnd_, focus)) {
      remembered_focus_ = focus;
    }
    return;
  }
  FocusRemembered();
}

void Form::FocusRemembered() {
  HWND target = remembered_focus_;
  if (target == nullptr || !::IsChild(hwnd_, target)) {
    target = first_tab_stop_;
  }
  if (target != nullptr) {
    ::SetFocus(target);
  }
}

void Form::OnMouseDown(POINT at) {
  for (const auto& picture : pictures_) {
    if (picture->Contains(at)) {
      ::SetCapture(hwnd_);
      pressed_picture_ = picture.get();
      return;
    }
  }
}

void Form::OnMouseUp(POINT at) {
  const Picture* pressed = std::exchange(pressed_picture_, nullptr);
  if (pressed == nullptr) {
    return;
  }
  ::ReleaseCapture();
  // Last: the click may destroy this window (the Exit picture does).
  if (pressed->Contains(at)) {
    pressed->Clicked();
  }
}

}  // namespace morvane::toolkit
