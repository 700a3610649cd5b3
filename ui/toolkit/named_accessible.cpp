#include "ui/toolkit/named_accessible.h"

#include <servprov.h>

#include <utility>

#include "platform/com.h"
#include "ui/toolkit/accessibility_library.h"

namespace morvane::toolkit {

namespace {

// CHILDID_SELF, or no child at all, as a late-bound client may leave it out.
bool IsSelf(const VARIANT& child) {
  return (child.vt == VT_I4 && child.lVal == CHILDID_SELF) || child.vt == VT_EMPTY ||
         (child.vt == VT_ERROR && child.scode == DISP_E_PARAMNOTFOUND);
}

// IAccessible's type description, from the accessibility type library that
// Windows registers with oleacc; nullptr if it cannot be read.
platform::com_ptr<ITypeInfo> AccessibleTypeInfo() {
  ITypeLib* library = nullptr;
  if (FAILED(
          Accessibility().load_type_library(LIBID_Accessibility, 1, 1, LOCALE_NEUTRAL, &library))) {
    return nullptr;
  }
  ITypeInfo* info = nullptr;
  library->GetTypeInfoOfGuid(IID_IAccessible, &info);
  library->Release();
  return platform::com_ptr<ITypeInfo>(info);
}

// The control's standard accessible object with its own name replaced:
// everything else (role, state, value, location, navigation, its window, its
// children, its services) is the standard object's answer. Only where the
// name annotation is refused.
class NamedAccessible final : public RefCounted<IAccessible, IServiceProvider> {
 public:
  NamedAccessible(IAccessible* standard, std::shared_ptr<NameSource> source)
      : standard_(standard), source_(std::move(source)) {}
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  // IUnknown: every interface the standard object has. Those that cannot
  // lead to the name (its window, its children, its identity) are its own.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
      *object = static_cast<IAccessible*>(this);
    } else if (iid == IID_IServiceProvider && StandardServices()) {
      *object = static_cast<IServiceProvider*>(this);
    } else {
      return standard_->QueryInterface(iid, object);
    }
    AddRef();
    return S_OK;
  }

  // IServiceProvider: asked for the accessible object itself, it gives this
  // one; every other service is the standard object's.
  HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override {
    if (service == IID_IAccessible) {
      return QueryInterface(iid, object);
    }
    const platform::com_ptr<IServiceProvider> standard = StandardServices();
    if (!standard) {
      return E_NOINTERFACE;
    }
    return standard->QueryService(service, iid, object);
  }

  // IDispatch, from the interface's type description: a late-bound call
  // comes back to this object's own methods, not the standard object's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) {
      return E_POINTER;
    }
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (info == nullptr) {
      return E_POINTER;
    }
    if (index != 0) {
      *info = nullptr;
      return DISP_E_BADINDEX;
    }
    *info = AccessibleTypeInfo().release();
    return *info != nullptr ? S_OK : TYPE_E_CANTLOADLIBRARY;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (iid != IID_NULL) {
      return DISP_E_UNKNOWNINTERFACE;
    }
    const platform::com_ptr<ITypeInfo> info = AccessibleTypeInfo();
    return info ? info->GetIDsOfNames(names, count, ids) : TYPE_E_CANTLOADLIBRARY;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override {
    if (iid != IID_NULL) {
      return DISP_E_UNKNOWNINTERFACE;
    }
    const platform::com_ptr<ITypeInfo> info = AccessibleTypeInfo();
    if (!info) {
      return TYPE_E_CANTLOADLIBRARY;
    }
    return info->Invoke(static_cast<IAccessible*>(this), id, flags, parameters, result, exception,
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
    *name = NameFrom(*source_);
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
  ~NamedAccessible() override { standard_->Release(); }

  // nullptr when the standard object offers no services.
  platform::com_ptr<IServiceProvider> StandardServices() const {
    void* provider = nullptr;
    standard_->QueryInterface(IID_IServiceProvider, &provider);
    return platform::com_ptr<IServiceProvider>(static_cast<IServiceProvider*>(provider));
  }

  IAccessible* standard_;  // one reference, ours
  std::shared_ptr<NameSource> source_;
};

}  // namespace

IAccessible* NewNamedAccessible(IAccessible* standard, std::shared_ptr<NameSource> source) {
  return new NamedAccessible(standard, std::move(source));
}

}  // namespace morvane::toolkit
