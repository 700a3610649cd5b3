// A stand-in for Windows' annotation service (IAccPropServices), which Wine
// only stubs: for the life of the object it is the service's class in the
// creating thread's apartment, found by the program's own CoCreateInstance
// before the system's. It records what it is asked, keeps the name servers
// it is given, as the service does, and refuses what the test says, as
// Wine's refuses everything.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <ostream>
#include <string>
#include <vector>

namespace morvane::testing {

// UI Automation's name property (Name_Property_GUID).
inline constexpr GUID kUiAutomationName{
    0xc3a6921b, 0x4a99, 0x44f1, {0xbc, 0xa6, 0x61, 0x18, 0x70, 0x52, 0xc4, 0x31}};

// An annotation asked for or cleared (then of scope ANNO_THIS).
struct AnnotationRequest {
  HWND window;
  DWORD object;
  DWORD child;
  std::vector<GUID> properties;
  AnnoScope scope = ANNO_THIS;
  bool operator==(const AnnotationRequest&) const = default;
};
void PrintTo(const AnnotationRequest& request, std::ostream* out);

class StandInAnnotationService {
 public:
  // Refuses, with E_NOTIMPL, any request that names one of `refused`.
  explicit StandInAnnotationService(std::vector<GUID> refused = {});
  ~StandInAnnotationService();
  StandInAnnotationService(const StandInAnnotationService&) = delete;
  StandInAnnotationService& operator=(const StandInAnnotationService&) = delete;

  // Every annotation by server asked for, granted or refused, in order.
  const std::vector<AnnotationRequest>& Asked() const;
  const std::vector<AnnotationRequest>& Cleared() const;
  // What the server annotating `property` of `window`'s client area answers
  // now, as Windows' objects ask it when a client reads the property.
  std::wstring Served(HWND window, const GUID& property) const;

 private:
  class Service;
  Service* service_;  // one reference, ours
  DWORD registration_ = 0;
};

}  // namespace morvane::testing
