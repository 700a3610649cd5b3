// The program's windows, reached by name. There is at most one instance of
// each; using a window that does not exist creates it first.
#pragma once

namespace morvane::toolkit {

enum class FormName {
  Form1,  // the main window
  Form2,  // the About window
};

class FormRegistry {
 public:
  virtual void Show(FormName form) = 0;
  virtual void Hide(FormName form) = 0;
  virtual void Unload(FormName form) = 0;
  // Keeps the main window above every window that is not kept on top itself,
  // and the About window above the main window; or puts both back among the
  // others.
  virtual void SetMainWindowOnTop(bool on) = 0;

 protected:
  ~FormRegistry() = default;
};

}  // namespace morvane::toolkit
