#include "tests/windows/stand_in_annotation_service.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include <gtest/gtest.h>

#include "platform/com.h"

namespace morvane::testing {

namespace {

bool Names(const AnnotationRequest& request, const GUID& property) {
  return std::find(request.properties.begin(), request.properties.end(), property) !=
         request.properties.end();
}

}  // namespace

void PrintTo(const AnnotationRequest& request, std::ostream* out) {
  *out << "{window " << request.window << ", object " << static_cast<LONG>(request.object)
       << ", child " << request.child << ", scope " << request.scope << ", properties";
  for (const GUID& property : request.properties) {
    *out << (property == PROPID_ACC_NAME     ? " MSAA name"
             : property == kUiAutomationName ? " UI Automation name"
                                             : " another");
  }
  *out << "}";
}

// One object is both the class and the service, as every client gets the
// same service.
class StandInAnnotationService::Service final
    : public platform::RefCounted<IClassFactory, IAccPropServices> {
 public:
  explicit Service(std::vector<GUID> refused) : refused_(std::move(refused)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *object = static_cast<IClassFactory*>(this);
    } else if (iid == IID_IAccPropServices) {
      *object = static_cast<IAccPropServices*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (outer != nullptr) {
      *object = nullptr;
      return CLASS_E_NOAGGREGATION;
    }
    return QueryInterface(iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND hwnd, DWORD object, DWORD child,
                                              const MSAAPROPID* properties, int count,
                                              IAccPropServer* server, AnnoScope scope) override {
    AnnotationRequest request{hwnd, object, child, {properties, properties + count}, scope};
    asked_.push_back(request);
    for (const GUID& refused : refused_) {
      if (Names(request, refused)) {
        return E_NOTIMPL;
      }
    }
    server->AddRef();
    granted_.push_back({std::move(request), platform::com_ptr<IAccPropServer>(server)});
    return S_OK;
  }
  // Ends the annotations of those properties and lets their servers go.
  HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND hwnd, DWORD object, DWORD child,
                                           const MSAAPROPID* properties, int count) override {
    cleared_.push_back({hwnd, object, child, {properties, properties + count}});
    std::erase_if(granted_, [&](const Granted& granted) {
      return granted.request.window == hwnd &&
             std::any_of(properties, properties + count,
                         [&](const GUID& property) { return Names(granted.request, property); });
    });
    return S_OK;
  }

  // The rest of the service: nothing the program uses.
  HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int,
                                          IAccPropServer*, AnnoScope) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND, DWORD, DWORD, MSAAPROPID, LPCWSTR) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**,
                                                      DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*,
                                                        DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int,
                                               IAccPropServer*, AnnoScope) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*,
                                                         DWORD*) override {
    return E_NOTIMPL;
  }

  struct Granted {
    AnnotationRequest request;
    platform::com_ptr<IAccPropServer> server;
  };
  std::vector<GUID> refused_;
  std::vector<AnnotationRequest> asked_;
  std::vector<AnnotationRequest> cleared_;
  std::vector<Granted> granted_;
};

StandInAnnotationService::StandInAnnotationService(std::vector<GUID> refused)
    : service_(new Service(std::move(refused))) {
  const HRESULT registered = ::CoRegisterClassObject(
      CLSID_AccPropServices, static_cast<IClassFactory*>(service_), CLSCTX_INPROC_SERVER,
      REGCLS_MULTIPLEUSE, &registration_);
  EXPECT_EQ(registered, S_OK) << "the stand-in annotation service is not registered";
}

StandInAnnotationService::~StandInAnnotationService() {
  ::CoRevokeClassObject(registration_);
  service_->Release();
}

const std::vector<AnnotationRequest>& StandInAnnotationService::Asked() const {
  return service_->asked_;
}

const std::vector<AnnotationRequest>& StandInAnnotationService::Cleared() const {
  return service_->cleared_;
}

std::wstring StandInAnnotationService::Served(HWND window, const GUID& property) const {
  for (const Service::Granted& granted : service_->granted_) {
    if (granted.request.window != window ||
        granted.request.object != static_cast<DWORD>(OBJID_CLIENT) ||
        !Names(granted.request, property)) {
      continue;
    }
    VARIANT value{};
    BOOL has_value = FALSE;
    if (FAILED(granted.server->GetPropValue(nullptr, 0, property, &value, &has_value)) ||
        !has_value || value.vt != VT_BSTR) {
      ::VariantClear(&value);
      return L"(no value)";
    }
    std::wstring text(value.bstrVal, ::SysStringLen(value.bstrVal));
    ::VariantClear(&value);
    return text;
  }
  return L"(no annotation)";
}

}  // namespace morvane::testing
