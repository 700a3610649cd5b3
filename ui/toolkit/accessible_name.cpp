#include "ui/toolkit/accessible_name.h"

#include <initguid.h>  // before oleacc.h, as it asks: defines the annotation's property ids
#include <oleacc.h>

#include <utility>

#include "ui/toolkit/accessibility_library.h"
#include "ui/toolkit/named_accessible.h"

namespace morvane::toolkit {

namespace {

// The name annotation: Windows' own objects for the control ask it for the
// name whenever a client reads it, in whatever state the control is then.
class NameServer final : public RefCounted<IAccPropServer> {
 public:
  explicit NameServer(std::shared_ptr<NameSource> source) : source_(std::move(source)) {}

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
  std::shared_ptr<NameSource> source_;
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
  IAccessible* named = NewNamedAccessible(standard, source_);
  const LRESULT result =
      Accessibility().result_from_object(IID_IAccessible, flags, named);
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
