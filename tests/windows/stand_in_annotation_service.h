// A stand-in for Windows' annotation service (IAccPropServices), which Wine
// only stubs: for the life of the object it is the service's class in the
// creating thread's apartment, found by the program's own CoCreateInstance
// before the system's. It records what it is asked, keeps the name servers
// it is given, as the service does, and refuses what the test says, as
// Wine's refuses everything.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/com.h"

namespace morvane::testing {

// UI Automation's name property (Name_Property_GUID).
inline constexpr GUID kUiAutomationName{
    0xc3a6921b, 0x4a99, 0x44f1, {0xbc, 0xa6, 0x61, 0x18, 0x70, 0x52, 0xc4, 0x31}};

// An annotation by server asked for, or one cleared (then of scope ANNO_THIS).
struct AnnotationRequest {
  HWND window;
  DWORD object;
  DWORD child;
  std::vector<GUID> properties;
  AnnoScope scope = ANNO_THIS;

  bool operator==(const AnnotationRequest&) const = default;
  bool Names(const GUID& property) const {
    return std::find(properties.begin(), properties.end(), property) != properties.end();
  }
  friend void PrintTo(const AnnotationRequest& request, std::ostream* out) {
    *out << "{window " << request.window << ", object " << static_cast<LONG>(request.object)
         << ", child " << request.child << ", scope " << request.scope << ", properties";
    for (const GUID& property : request.properties) {
      *out << (property == PROPID_ACC_NAME     ? " MSAA name"
               : property == kUiAutomationName ? " UI Automation name"
                                               : " another");
    }
    *out << "}";
  }
};

class StandInAnnotationService {
 public:
  // Refuses, with E_NOTIMPL, any request that names one of `refused`.
  explicit StandInAnnotationService(std::vector<GUID> refused = {})
      : service_(new Service(std::move(refused))) {
    EXPECT_EQ(::CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(service_),
                                      CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &registration_),
              S_OK)
        << "the stand-in annotation service is not registered";
  }
  ~StandInAnnotationService() {
    ::CoRevokeClassObject(registration_);
    service_->Release();
  }
  StandInAnnotationService(const StandInAnnotationService&) = delete;
  StandInAnnotationService& operator=(const StandInAnnotationService&) = delete;

  // Every annotation by server asked for, granted or refused, in order.
  const std::vector<AnnotationRequest>& Asked() const { return service_->asked; }
  const std::vector<AnnotationRequest>& Cleared() const { return service_->cleared; }

  // What the server annotating `property` of `window`'s client area answers
  // now, as Windows' objects ask it when a client reads the property.
  std::wstring Served(HWND window, const GUID& property) const {
    for (const auto& [request, server] : service_->granted) {
      if (request.window != window || request.object != static_cast<DWORD>(OBJID_CLIENT) ||
          !request.Names(property)) {
        continue;
      }
      VARIANT value{};
      BOOL has_value = FALSE;
      std::wstring text = L"(no value)";
      if (SUCCEEDED(server->GetPropValue(nullptr, 0, property, &value, &has_value)) && has_value &&
          value.vt == VT_BSTR) {
        text.assign(value.bstrVal, ::SysStringLen(value.bstrVal));
      }
      ::VariantClear(&value);
      return text;
    }
    return L"(no annotation)";
  }

 private:
  // One object is both the class and the service: every client gets the
  // same service.
  class Service final : public platform::RefCounted<IClassFactory, IAccPropServices> {
   public:
    explicit Service(std::vector<GUID> refused) : refused_(std::move(refused)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
      *object = nullptr;
      if (iid == IID_IUnknown || iid == IID_IClassFactory) {
        *object = static_cast<IClassFactory*>(this);
      } else if (iid == IID_IAccPropServices) {
        *object = static_cast<IAccPropServices*>(this);
      } else {
        return E_NOINTERFACE;
      }
      AddRef();
      return S_OK;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
      return outer != nullptr ? CLASS_E_NOAGGREGATION : QueryInterface(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND hwnd, DWORD object, DWORD child,
                                                const MSAAPROPID* properties, int count,
                                                IAccPropServer* server, AnnoScope scope) override {
      AnnotationRequest request{hwnd, object, child, {properties, properties + count}, scope};
      asked.push_back(request);
      if (std::any_of(refused_.begin(), refused_.end(),
                      [&](const GUID& refused) { return request.Names(refused); })) {
        return E_NOTIMPL;
      }
      server->AddRef();
      granted.emplace_back(std::move(request), platform::com_ptr<IAccPropServer>(server));
      return S_OK;
    }
    // Ends the annotations of those properties and lets their servers go.
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND hwnd, DWORD object, DWORD child,
                                             const MSAAPROPID* properties, int count) override {
      const AnnotationRequest& clearing = cleared.emplace_back(
          AnnotationRequest{hwnd, object, child, {properties, properties + count}});
      std::erase_if(granted, [&](const auto& annotation) {
        return annotation.first.window == hwnd &&
               std::any_of(clearing.properties.begin(), clearing.properties.end(),
                           [&](const GUID& property) { return annotation.first.Names(property); });
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

    std::vector<AnnotationRequest> asked;
    std::vector<AnnotationRequest> cleared;
    // The annotations in force, with their servers.
    std::vector<std::pair<AnnotationRequest, platform::com_ptr<IAccPropServer>>> granted;

   private:
    std::vector<GUID> refused_;
  };

  Service* service_;  // one reference, ours
  DWORD registration_ = 0;
};

}  // namespace morvane::testing
