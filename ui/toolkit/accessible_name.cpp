#include "ui/toolkit/accessible_name.h"

#include <initguid.h>  // before oleacc.h, as it asks: defines the annotation's property ids
#include <oleacc.h>
#include <servprov.h>

#include <utility>

#include "platform/system_library.h"
#include "platform/text_encoding.h"

namespace morvane::toolkit {

namespace {

// CHILDID_SELF, or no child at all, as a late-bound client may leave it out.
bool IsSelf(const VARIANT& child) {
  return (child.vt == VT_I4 && child.lVal == CHILDID_SELF) || child.vt == VT_EMPTY ||
         (child.vt == VT_ERROR && child.scode == DISP_E_PARAMNOTFOUND);
}

struct AccessibilityFunctions {
  decltype(&::CreateStdAccessibleObject) create_standard = nullptr;
  decltype(&::LresultFromObject) result_from_object = nullptr;
  decltype(&::SysAllocString) allocate_string = nullptr;
  decltype(&::LoadRegTypeLib) load_type_library = nullptr;
};

// Most runs of the program meet no screen reader, so the accessibility
// libraries are loaded when the first client asks, not at start. Everything
// is nullptr when any of it is missing.
const AccessibilityFunctions& Accessibility() {
  static const AccessibilityFunctions functions = []() -> AccessibilityFunctions {
    HMODULE oleacc = platform::SystemLibrary(L"oleacc.dll");
    HMODULE oleaut32 = platform::SystemLibrary(L"oleaut32.dll");
    AccessibilityFunctions found{
        platform::FunctionIn<decltype(found.create_standard)>(oleacc, "CreateStdAccessibleObject"),
        platform::FunctionIn<decltype(found.result_from_object)>(oleacc, "LresultFromObject"),
        platform::FunctionIn<decltype(found.allocate_string)>(oleaut32, "SysAllocString"),
        platform::FunctionIn<decltype(found.load_type_library)>(oleaut32, "LoadRegTypeLib")};
    if (!found.create_standard || !found.result_from_object || !found.allocate_string ||
        !found.load_type_library) {
      return {};
    }
    return found;
  }();
  return functions;
}

// The name as a new string for a client, who frees it; nullptr when memory
// runs out. The libraries are loaded: the caller came from them.
BSTR NameFrom(const AccessibleName::Source& source) {
  return Accessibility().allocate_string(platform::Widen(source()).c_str());
}

// The reference count of a COM object of ours, which lives exactly as long
// as its holders keep it.
template <typename... Interfaces>
class RefCounted : public Interfaces... {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) {
      delete this;
    }
    return left;
  }

 protected:
  RefCounted() = default;
  virtual ~RefCounted() = default;

 private:
  ULONG references_ = 1;
};

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
  NamedAccessible(IAccessible* standard, std::shared_ptr<AccessibleName::Source> source)
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
  std::shared_ptr<AccessibleName::Source> source_;
};

// The name annotation: Windows' own objects for the control ask it for the
// name whenever a client reads it, in whatever state the control is then.
class NameServer final : public RefCounted<IAccPropServer> {
 public:
  explicit NameServer(std::shared_ptr<AccessibleName::Source> source)
      : source_(std::move(source)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    if (iid != IID_IUnknown && iid != IID_IAccPropServer) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IAccPropServer*>(this);
    AddRef();
    return S_OK;
  }

  // Once the control is gone, the standard name.
  HRESULT STDMETHODCALLTYPE GetPropValue(const BYTE*, DWORD, MSAAPROPID property, VARIANT* value,
                                         BOOL* has_value) override {
    if (value == nullptr || has_value == nullptr) {
      return E_POINTER;
    }
    value->vt = VT_EMPTY;
    *has_value = FALSE;
    if (property != PROPID_ACC_NAME || !*source_) {
      return S_OK;
    }
    value->bstrVal = NameFrom(*source_);
    if (value->bstrVal == nullptr) {
      return E_OUTOFMEMORY;
    }
    value->vt = VT_BSTR;
    *has_value = TRUE;
    return S_OK;
  }

 private:
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

// The annotation reads the name when asked, so it never needs updating:
// clients only need telling that it changed.
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

// Any first request annotates, UI Automation's included, which asks with an
// object id of its own; the annotation is made before the request goes on,
// so the client that sent it already reads the name.
//
// Without the annotation, a new wrapper for every request, as the interface
// allows: the client's reference is the only one kept, so the object lives
// exactly as long as the client holds it.
std::optional<LRESULT> AccessibleName::OnGetObject(WPARAM flags, LPARAM object_id) {
  if (!*source_ || Accessibility().create_standard == nullptr) {
    return std::nullopt;
  }
  if (!annotations_ && !annotation_refused_) {
    Annotate();
  }
  if (annotations_ || static_cast<DWORD>(object_id) != static_cast<DWORD>(OBJID_CLIENT)) {
    return std::nullopt;
  }
  // The object handed out is marshalled from this thread, which COM allows
  // only in an apartment.
  IAccessible* standard = nullptr;
  if (!platform::JoinComApartment() ||
      FAILED(Accessibility().create_standard(control_, OBJID_CLIENT, IID_IAccessible,
                                             reinterpret_cast<void**>(&standard)))) {
    return std::nullopt;
  }
  auto* named = new NamedAccessible(standard, source_);
  const LRESULT result =
      Accessibility().result_from_object(IID_IAccessible, flags, static_cast<IAccessible*>(named));
  named->Release();
  if (result <= 0) {
    return std::nullopt;
  }
  return result;
}

// A service that refuses says so for good; one that could not be reached (no
// apartment yet) is tried again on the next request.
void AccessibleName::Annotate() {
  auto services =
      platform::CreateInProcess<IAccPropServices>(CLSID_AccPropServices, IID_IAccPropServices);
  if (!services) {
    return;
  }
  auto* server = new NameServer(source_);
  const HRESULT result =
      services->SetHwndPropServer(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                  &PROPID_ACC_NAME, 1, server, ANNO_THIS);
  server->Release();
  if (FAILED(result)) {
    annotation_refused_ = true;
    return;
  }
  annotations_ = std::move(services);
}

void AccessibleName::Detach() {
  *source_ = nullptr;
  if (annotations_) {
    annotations_->ClearHwndProps(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 &PROPID_ACC_NAME, 1);
    annotations_.reset();
  }
  control_ = nullptr;
}

}  // namespace morvane::toolkit
