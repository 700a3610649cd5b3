#include "ui/toolkit/accessibility/accessible_name.h"

#include <initguid.h>  // before oleacc.h, as it asks: defines the annotation's property ids
#include <oleacc.h>

#include <utility>

#include "ui/toolkit/accessibility/accessibility_library.h"
#include "ui/toolkit/accessibility/named_accessible.h"

namespace morvane::toolkit {

namespace {

// The properties annotated: the name as MSAA clients read it, and UI
// Automation's name property (Name_Property_GUID of uiautomationclient.h,
// written out here: MinGW's headers lack it), which Windows 7 and later let
// a program annotate too.
const MSAAPROPID kAnnotated[] = {
    PROPID_ACC_NAME,
    {0xc3a6921b, 0x4a99, 0x44f1, {0xbc, 0xa6, 0x61, 0x18, 0x70, 0x52, 0xc4, 0x31}}};
const MSAAPROPID& kUiAutomationName = kAnnotated[1];

// The name annotation: Windows' own objects for the control ask it for the
// name whenever a client reads it, in whatever state the control is then.
class NameServer final : public platform::RefCounted<IAccPropServer> {
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
    if ((property != PROPID_ACC_NAME && property != kUiAutomationName) || !*source_) {
      return S_OK;
    }
    value->bstrVal = platform::NewComString((*source_)());
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
//
// Both kinds of object are handed out from a single-threaded apartment only,
// where every call to them comes on this thread, between its messages. A
// thread already in a multithreaded apartment (a host's, never the program's
// own, which joins a single-threaded one) would take calls on any thread, at
// any time: rather than make the counts atomic and the name's source safe
// against its detach, such a thread hands out nothing, and its controls keep
// their standard names.
std::optional<LRESULT> AccessibleName::OnGetObject(WPARAM flags, LPARAM object_id) {
  if (!*source_ || Accessibility().create_standard == nullptr ||
      !platform::JoinSingleThreadedApartment()) {
    return std::nullopt;
  }
  if (!annotations_ && !annotation_refused_) {
    Annotate();
  }
  if (annotations_ || static_cast<DWORD>(object_id) != static_cast<DWORD>(OBJID_CLIENT)) {
    return std::nullopt;
  }
  IAccessible* standard = nullptr;
  if (FAILED(Accessibility().create_standard(control_, OBJID_CLIENT, IID_IAccessible,
                                             reinterpret_cast<void**>(&standard)))) {
    return std::nullopt;
  }
  IAccessible* named = NewNamedAccessible(control_, standard, source_);
  const LRESULT result =
      Accessibility().result_from_object(IID_IAccessible, flags, named);
  named->Release();
  if (result <= 0) {
    return std::nullopt;
  }
  return result;
}

// A service that refuses the name says so for good; one that could not be
// reached is tried again on the next request. UI Automation's name is asked
// for apart and at best: a service that does not know that property refuses
// a whole request naming it, and only MSAA's name, which Windows' objects
// serve to both kinds of client, decides whether the control falls back.
void AccessibleName::Annotate() {
  auto services =
      platform::CreateInProcess<IAccPropServices>(CLSID_AccPropServices, IID_IAccPropServices);
  if (!services) {
    return;
  }
  auto* server = new NameServer(source_);
  const auto annotate = [&](const MSAAPROPID& property) {
    return services->SetHwndPropServer(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       &property, 1, server, ANNO_THIS);
  };
  if (FAILED(annotate(PROPID_ACC_NAME))) {
    annotation_refused_ = true;
  } else {
    annotate(kUiAutomationName);
    annotations_ = std::move(services);
  }
  server->Release();
}

void AccessibleName::Detach() {
  *source_ = nullptr;
  if (annotations_) {
    annotations_->ClearHwndProps(control_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 kAnnotated, 2);
    annotations_.reset();
  }
  control_ = nullptr;
}

}  // namespace morvane::toolkit
