#include "ui/toolkit/accessible_name.h"

#include <oleacc.h>

#include <utility>

#include "platform/com.h"
#include "platform/system_library.h"
#include "platform/text_encoding.h"

namespace morvane::toolkit {

namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

struct AccessibilityFunctions {
  decltype(&::CreateStdAccessibleObject) create_standard = nullptr;
  decltype(&::LresultFromObject) result_from_object = nullptr;
  decltype(&::SysAllocString) allocate_string = nullptr;
};

// Most runs of the program meet no screen reader, so the accessibility
// libraries are loaded when the first client asks, not at start. Everything
// is nullptr when any of it is missing.
const AccessibilityFunctions& Accessibility() {
  static const AccessibilityFunctions functions = []() -> AccessibilityFunctions {
    HMODULE oleacc = platform::SystemLibrary(L"oleacc.dll");
    AccessibilityFunctions found{
        platform::FunctionIn<decltype(found.create_standard)>(oleacc, "CreateStdAccessibleObject"),
        platform::FunctionIn<decltype(found.result_from_object)>(oleacc, "LresultFromObject"),
        platform::FunctionIn<decltype(found.allocate_string)>(
            platform::SystemLibrary(L"oleaut32.dll"), "SysAllocString")};
    if (!found.create_standard || !found.result_from_object || !found.allocate_string) {
      return {};
    }
    return found;
  }();
  return functions;
}

// The control's standard accessible object with its own name replaced:
// everything else (role, state, value, location, navigation) is the
// standard object's answer.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* standard, std::shared_ptr<AccessibleName::Source> source)
      : standard_(standard), source_(std::move(source)) {}
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) {
      delete this;
    }
    return left;
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override {
    return standard_->Invoke(id, iid, locale, flags, parameters, result, exception,
                             argument_error);
  }

  // IAccessible: the name is ours, the rest the standard object's.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child) || !*source_) {
      return standard_->get_accName(child, name);
    }
    if (name == nullptr) {
      return E_POINTER;
    }
    // The library is loaded: this object came from it.
    *name = Accessibility().allocate_string(platform::Widen((*source_)()).c_str());
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return standard_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return standard_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return standard_->accDoDefaultAction(child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~NamedAccessible() { standard_->Release(); }

  ULONG references_ = 1;
  IAccessible* standard_;  // one reference, ours
  std::shared_ptr<AccessibleName::Source> source_;
};

}  // namespace

AccessibleName::AccessibleName(HWND control)
    : control_(control), source_(std::make_shared<Source>()) {}

AccessibleName::~AccessibleName() { Detach(); }

void AccessibleName::SetSource(Source source) {
  *source_ = std::move(source);
  announced_ = (*source_)();
}

void AccessibleName::Refresh() {
  if (!*source_) {
    return;
  }
  std::string name = (*source_)();
  if (name != announced_) {
    announced_ = std::move(name);
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control_, OBJID_CLIENT, CHILDID_SELF);
  }
}

// A new wrapper for every request, as the interface allows: the client's
// reference is the only one kept, so the object lives exactly as long as the
// client holds it.
std::optional<LRESULT> AccessibleName::OnGetObject(WPARAM flags, LPARAM object_id) const {
  if (static_cast<DWORD>(object_id) != static_cast<DWORD>(OBJID_CLIENT) || !*source_) {
    return std::nullopt;
  }
  // The object handed out is marshalled from this thread, which COM allows
  // only in an apartment.
  const AccessibilityFunctions& accessibility = Accessibility();
  IAccessible* standard = nullptr;
  if (accessibility.create_standard == nullptr || !platform::JoinComApartment() ||
      FAILED(accessibility.create_standard(control_, OBJID_CLIENT, IID_IAccessible,
                                           reinterpret_cast<void**>(&standard)))) {
    return std::nullopt;
  }
  auto* named = new NamedAccessible(standard, source_);
  const LRESULT result = accessibility.result_from_object(IID_IAccessible, flags, named);
  named->Release();
  if (result <= 0) {
    return std::nullopt;
  }
  return result;
}

void AccessibleName::Detach() {
  *source_ = nullptr;
  control_ = nullptr;
}

}  // namespace morvane::toolkit
