// The main window as a screen reader, a keyboard alone and high contrast meet
// it: the names a screen reader reads, where Windows' annotation service
// takes them (through a stand-in for the service) and where it refuses them
// (read back through the accessibility interface, MSAA, and through a UI
// Automation client where the system has one), the About window
// from the system menu, Enter on a red name, and the system's colours while
// high contrast is on.
#include <windows.h>

#include <oleacc.h>
#include <servprov.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <ostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/com.h"
#include "platform/gdi.h"
#include "platform/text_encoding.h"
#include "tests/windows/app_fixture.h"
#include "tests/windows/com_apartment.h"
#include "tests/windows/stand_in_annotation_service.h"
#include "ui/main/form1_layout.h"

namespace morvane::testing {

// UI Automation's client, as far as reading a name goes, which MinGW-w64's
// headers do not declare: the methods before those used hold their places.
// Outside the unnamed namespace: there, with nothing here implementing them,
// the compiler may take every call to them for one that cannot happen.
constexpr GUID kUiAutomationClass{
    0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
constexpr GUID kUiAutomationInterface{
    0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};

struct UiAutomationElement : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(void*) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirst(int, void*, void*) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAll(int, void*, void*) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache(int, void*, void*, void*) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(int, void*, void*, void*) = 0;
  virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache(void*, void*) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(int, VARIANT*) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValueEx(int, BOOL, VARIANT*) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValue(int, VARIANT*) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValueEx(int, BOOL, VARIANT*) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPatternAs(int, REFIID, void**) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPatternAs(int, REFIID, void**) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPattern(int, IUnknown**) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPattern(int, IUnknown**) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedParent(void*) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedChildren(void*) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentProcessId(int*) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentControlType(int*) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentLocalizedControlType(BSTR*) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CurrentName(BSTR*) = 0;
};

struct UiAutomation : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CompareElements(void*, void*, BOOL*) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds(void*, void*, BOOL*) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRootElement(void*) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(HWND, UiAutomationElement**) = 0;
};

namespace {

using main_window::kRowCount;
using platform::com_ptr;
using toolkit::FormName;
using AccessiblePtr = com_ptr<IAccessible>;

// What a screen reader gets for a control: its client area's object.
AccessiblePtr ClientObject(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return AccessiblePtr(object);
}

// The object's own name; empty if it has none or gives none.
std::wstring NameOf(IAccessible& object) {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (object.get_accName(self, &name) != S_OK || name == nullptr) {
    return {};
  }
  std::wstring text(name, ::SysStringLen(name));
  ::SysFreeString(name);
  return text;
}

std::wstring AccessibleNameOf(HWND control) {
  const AccessiblePtr object = ClientObject(control);
  return object ? NameOf(*object) : L"(no accessible object)";
}

// The name of Windows' own object for the control, made here and not asked
// of the control.
std::wstring StandardNameOf(HWND control) {
  IAccessible* standard = nullptr;
  if (FAILED(::CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&standard)))) {
    return L"(no standard object)";
  }
  return NameOf(*AccessiblePtr(standard));
}

com_ptr<UiAutomation> NewUiAutomationClient() {
  void* client = nullptr;
  ::CoCreateInstance(kUiAutomationClass, nullptr, CLSCTX_INPROC_SERVER, kUiAutomationInterface,
                     &client);
  return com_ptr<UiAutomation>(static_cast<UiAutomation*>(client));
}

// A screen reader asks from a process of its own: the client here asks from
// a thread of its own, in a multithreaded apartment, while the windows'
// thread delivers the messages its questions bring.
std::wstring UiAutomationNameOf(const WindowRegistry& windows, HWND control) {
  std::wstring name = L"(no element)";
  std::atomic<bool> answered = false;
  const DWORD windows_thread = ::GetCurrentThreadId();
  std::thread reader([&] {
    const ComApartment apartment(COINIT_MULTITHREADED);
    UiAutomationElement* raw_element = nullptr;
    const com_ptr<UiAutomation> client = NewUiAutomationClient();
    if (client && SUCCEEDED(client->ElementFromHandle(control, &raw_element)) &&
        raw_element != nullptr) {
      const com_ptr<UiAutomationElement> element(raw_element);
      BSTR current = nullptr;
      name = L"(no name)";
      if (SUCCEEDED(element->get_CurrentName(&current)) && current != nullptr) {
        name.assign(current, ::SysStringLen(current));
      }
      ::SysFreeString(current);
    }
    answered = true;
    ::PostThreadMessageW(windows_thread, WM_NULL, 0, 0);  // wakes the windows' thread to see it
  });
  DeliverMessagesUntil(windows, [&] { return answered.load(); }, std::chrono::seconds(10));
  reader.join();
  return name;
}

// The controls whose name-change events reached a screen reader's hook.
class NameChangeListener {
 public:
  NameChangeListener() {
    current_ = this;
    hook_ = ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &OnEvent,
                              ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  }
  ~NameChangeListener() {
    ::UnhookWinEvent(hook_);
    current_ = nullptr;
  }
  // The controls announced since the last call, in order.
  std::vector<HWND> Take(const WindowRegistry& windows) {
    PumpMessages(windows);  // out-of-context events come as messages
    return std::exchange(announced_, {});
  }

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD,
                               DWORD) {
    if (current_ != nullptr && object == OBJID_CLIENT && child == CHILDID_SELF) {
      current_->announced_.push_back(hwnd);
    }
  }

  static inline NameChangeListener* current_ = nullptr;
  HWINEVENTHOOK hook_;
  std::vector<HWND> announced_;
};

class AccessibilityTest : public AppFixture {
 protected:
  const ComApartment apartment_;  // the test reads names as a client, which needs one
};

// How a screen reader comes to a control's name: through the control's
// annotation, where the service takes it (Windows 7 to 11), or through the
// object the control answers with where the service refuses (Wine), as
// MSAA reads it or as a UI Automation client does.
enum class NamePath { kAnnotation, kObject, kUiAutomation };

class ScreenReaderNameTest : public AccessibilityTest,
                             public ::testing::WithParamInterface<NamePath> {
 protected:
  // The name read now. A client asks the control for its object first,
  // which is when the control annotates.
  std::wstring NameRead(HWND control) {
    if (GetParam() == NamePath::kUiAutomation) {
      return UiAutomationNameOf(windows_, control);
    }
    const AccessiblePtr object = ClientObject(control);
    if (GetParam() == NamePath::kAnnotation) {
      return annotations_.Served(control, PROPID_ACC_NAME);
    }
    return object ? NameOf(*object) : L"(no accessible object)";
  }

  // Wine 8 registers no UI Automation client: nothing is tested there.
  void SetUp() override {
    if (GetParam() == NamePath::kUiAutomation && !NewUiAutomationClient()) {
      GTEST_SKIP() << "no UI Automation client on this system";
    }
  }

  StandInAnnotationService annotations_{GetParam() == NamePath::kAnnotation
                                            ? std::vector<GUID>{}
                                            : std::vector<GUID>{PROPID_ACC_NAME}};
};

std::string PathName(const ::testing::TestParamInfo<NamePath>& path) {
  constexpr std::array kNames{"Annotation", "Object", "UiAutomation"};
  return kNames[static_cast<std::size_t>(path.param)];
}

INSTANTIATE_TEST_SUITE_P(, ScreenReaderNameTest,
                         ::testing::Values(NamePath::kAnnotation, NamePath::kObject,
                                           NamePath::kUiAutomation),
                         PathName);

TEST_P(ScreenReaderNameTest, EveryBoxAndButtonIsNamedAfterItsRow) {
  for (int row = 1; row <= kRowCount; ++row) {
    const std::wstring character = L"Character " + std::to_wstring(row);
    EXPECT_EQ(NameRead(NameBox(row).hwnd()), character + L" name");
    EXPECT_EQ(NameRead(TimeBox(row).hwnd()), character + L" time left");
    EXPECT_EQ(NameRead(GoldBox(row).hwnd()), character + L" gold");
    EXPECT_EQ(NameRead(Button(row).hwnd()), L"Start character " + std::to_wstring(row));
  }
}

TEST_P(ScreenReaderNameTest, NamesFollowTheRowAndEachChangeIsAnnounced) {
  Main().Show();
  NameChangeListener listener;
  HWND name = NameBox(3).hwnd();
  HWND button = Button(3).hwnd();

  StartRow(3, "0:0:1");
  EXPECT_EQ(NameRead(button), L"Stop character 3");
  EXPECT_EQ(Button(3).Caption(), "Stop");  // the caption itself stays the row's state
  EXPECT_EQ(listener.Take(windows_), std::vector<HWND>{button});

  Tick(3);  // expires: caption back to Start, name red, gold green
  EXPECT_EQ(NameRead(button), L"Start character 3");
  EXPECT_EQ(NameRead(name), L"Character 3 name, time is up");
  EXPECT_EQ(NameRead(GoldBox(3).hwnd()), L"Character 3 gold");
  EXPECT_EQ(listener.Take(windows_), (std::vector<HWND>{button, name}));

  NameBox(3).Focus();
  PressKey(windows_, VK_RETURN);  // acknowledged from the keyboard
  EXPECT_EQ(NameRead(name), L"Character 3 name");
  EXPECT_EQ(listener.Take(windows_), std::vector<HWND>{name});
}

// The name is annotated on the control's client area alone, and so, in a
// request of its own, is UI Automation's, which the same server answers;
// clients keep getting Windows' own object, and both annotations end with
// the window. A refused UI Automation name changes nothing else.
TEST_F(AccessibilityTest, TheNamesAreAnnotatedOnWindowsOwnObjectUntilTheWindowGoes) {
  struct Case {
    const char* what;
    std::vector<GUID> refused;
    std::wstring ui_automation_name;
  };
  for (const Case& c : {Case{"both taken", {}, L"Start character 3"},
                        Case{"UI Automation's refused", {kUiAutomationName}, L"(no annotation)"}}) {
    SCOPED_TRACE(c.what);
    const StandInAnnotationService annotations(c.refused);
    HWND button = Button(3).hwnd();
    ClientObject(button);  // a client's first request

    const auto client_area = [button](std::vector<GUID> properties) {
      return AnnotationRequest{button, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                               std::move(properties), ANNO_THIS};
    };
    EXPECT_EQ(annotations.Asked(),
              (std::vector{client_area({PROPID_ACC_NAME}), client_area({kUiAutomationName})}));
    EXPECT_EQ(annotations.Served(button, kUiAutomationName), c.ui_automation_name);
    EXPECT_EQ(AccessibleNameOf(button), StandardNameOf(button)) << "a client got another object";

    Main().Unload();  // the window's destruction ends the annotations at once
    EXPECT_EQ(annotations.Cleared(),
              std::vector{client_area({PROPID_ACC_NAME, kUiAutomationName})});
  }
}

// Where the service refuses, the control answers with an object of its own.
class FallbackObjectTest : public AccessibilityTest {
 protected:
  const StandInAnnotationService annotations_{{PROPID_ACC_NAME}};
};

// Whatever interface a client reaches from the object leads back to that
// same object, as COM's identity rules want, and so to the row's name.
TEST_F(FallbackObjectTest, EveryInterfaceTheObjectAnswersLeadsBackToItAndTheRowsName) {
  const AccessiblePtr object = ClientObject(NameBox(3).hwnd());
  ASSERT_NE(object, nullptr);
  IUnknown* identity = nullptr;
  object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
  const com_ptr<IUnknown> held_identity(identity);
  struct Interface {
    const char* what;
    const IID& iid;
  };
  for (const Interface& i :
       {Interface{"IUnknown", IID_IUnknown}, Interface{"IDispatch", IID_IDispatch},
        Interface{"IAccessible", IID_IAccessible}, Interface{"IOleWindow", IID_IOleWindow},
        Interface{"IEnumVARIANT", IID_IEnumVARIANT},
        Interface{"IServiceProvider", IID_IServiceProvider},
        Interface{"IAccIdentity", IID_IAccIdentity}}) {
    IUnknown* answer = nullptr;
    if (object->QueryInterface(i.iid, reinterpret_cast<void**>(&answer)) != S_OK) {
      continue;
    }
    const com_ptr<IUnknown> held(answer);
    IUnknown* back = nullptr;
    answer->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back));
    EXPECT_EQ(com_ptr<IUnknown>(back).get(), identity) << i.what;
    IAccessible* accessible = nullptr;
    answer->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&accessible));
    EXPECT_EQ(accessible ? NameOf(*AccessiblePtr(accessible)) : L"(none)", L"Character 3 name")
        << i.what;
  }
}

// A screen reader may keep an object after its window has gone; the object
// must neither answer for the control nor outlive the client's reference.
// It is read while the window's form and boxes still live, as they do until
// the form's next use, so that only the window's destruction can silence it.
TEST_F(FallbackObjectTest, AnObjectHeldPastItsWindowNoLongerAnswersAndGoesWithItsClient) {
  AccessiblePtr held = ClientObject(NameBox(1).hwnd());
  ASSERT_NE(held, nullptr);
  Main().Unload();
  PumpMessages(windows_);
  EXPECT_EQ(NameOf(*held), L"");
  EXPECT_EQ(held.release()->Release(), 0u) << "a reference was left behind";
}

// A thread already in a multithreaded apartment (a host's, say) would take
// calls to the objects it hands out on any thread: it hands out none, and
// the controls keep their standard names.
TEST(AccessibilityInAnotherApartmentTest, AThreadInAMultithreadedApartmentHandsOutNoObjects) {
  std::wstring name = L"(not read)";
  std::wstring standard_name;
  std::vector<AnnotationRequest> asked;
  std::thread([&] {
    if (FAILED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
      return;
    }
    {
      const StandInAnnotationService annotations({PROPID_ACC_NAME});
      WindowRegistry windows(::GetModuleHandleW(nullptr), RealSystemServices());
      HWND box = windows.Form1().TextBoxNamed("Text2").hwnd();
      name = AccessibleNameOf(box);
      standard_name = StandardNameOf(box);
      asked = annotations.Asked();
    }
    ::CoUninitialize();
  }).join();
  EXPECT_EQ(name, standard_name);
  EXPECT_EQ(asked, std::vector<AnnotationRequest>{});
}

// The keyboard's way to the About picture (the items' letters are checked
// with the options').
TEST_F(AccessibilityTest, TheSystemMenusAboutItemOpensTheAboutWindowThePictureOpens) {
  Main().Show();
  HMENU menu = ::GetSystemMenu(Main().hwnd(), FALSE);
  UINT about_command = 0;
  std::array<wchar_t, 64> text{};
  for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
    ::GetMenuStringW(menu, static_cast<UINT>(index), text.data(), 64, MF_BYPOSITION);
    if (std::wstring(text.data()) == L"Ab&out Morvane\u2026") {
      about_command = ::GetMenuItemID(menu, index);
    }
  }
  ASSERT_NE(about_command, 0u) << "no About item in the system menu";

  ::SendMessageW(Main().hwnd(), WM_SYSCOMMAND, about_command, 0);
  toolkit::Form* about = windows_.Existing(FormName::Form2);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(::IsWindowVisible(about->hwnd()));
  ClickAt(Main().hwnd(), POINT{256 + 36, 376 + 11});  // the About picture
  EXPECT_EQ(windows_.Existing(FormName::Form2), about);
}

TEST_F(AccessibilityTest, EnterOnARedNameTurnsItWhiteAndChangesNothingElse) {
  Main().Show();
  PumpMessages(windows_);
  StartRow(5, "0:0:1");
  Tick(5);
  ASSERT_EQ(NameBox(5).TextColour(), kRed);
  struct Case {
    toolkit::EditBox* box;
    Colour before, after;
  };
  for (const Case& c : {Case{&NameBox(5), kRed, kWhite}, Case{&NameBox(5), kWhite, kWhite},
                        Case{&GoldBox(5), kGreen, kGreen}, Case{&TimeBox(5), kWhite, kWhite}}) {
    ASSERT_EQ(c.box->TextColour(), c.before);
    c.box->Focus();
    PressKey(windows_, VK_RETURN);
    EXPECT_EQ(c.box->TextColour(), c.after);
  }
  EXPECT_EQ(Button(5).Caption(), "Start");
  EXPECT_EQ(GoldBox(5).TextColour(), kGreen);
  EXPECT_EQ(TimeBox(5).Text(), "00:00:00");
}

// System colours set for the test, and put back as they were whatever happens:
// they outlive the test in the Wine session.
class SystemColours {
 public:
  SystemColours(std::vector<int> indexes, std::vector<COLORREF> colours)
      : indexes_(std::move(indexes)) {
    for (const int index : indexes_) {
      saved_.push_back(::GetSysColor(index));
    }
    ::SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), colours.data());
  }
  ~SystemColours() {
    ::SetSysColors(static_cast<int>(indexes_.size()), indexes_.data(), saved_.data());
  }

 private:
  std::vector<int> indexes_;
  std::vector<COLORREF> saved_;
};

struct Painted {
  Colour text, back, brush;
};

// What a box is painted with: its answer to the colour message it sends.
Painted PaintedColours(HWND form, const toolkit::EditBox& box, UINT message) {
  const platform::unique_hdc dc(::CreateCompatibleDC(nullptr));
  const auto brush = reinterpret_cast<HBRUSH>(::SendMessageW(
      form, message, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(box.hwnd())));
  LOGBRUSH logbrush{};
  ::GetObjectW(brush, sizeof logbrush, &logbrush);
  return {platform::FromColorRef(::GetTextColor(dc.get())),
          platform::FromColorRef(::GetBkColor(dc.get())), platform::FromColorRef(logbrush.lbColor)};
}

bool operator==(const Painted& a, const Painted& b) {
  return a.text == b.text && a.back == b.back && a.brush == b.brush;
}
std::ostream& operator<<(std::ostream& out, const Painted& p) {
  return out << std::hex << "text " << p.text << ", back " << p.back << ", brush " << p.brush;
}

// In high contrast the window is the scheme's window colours: its background
// picture is not drawn, its picture buttons are; an expired name or gold
// amount is in the scheme's hot-light colour, not in the selection's.
TEST_F(AccessibilityTest, HighContrastPaintsTheWindowInTheSystemsColoursAndExpiryInHotLight) {
  constexpr Colour kWindow = 0x102030, kWindowText = 0xE0D0C0, kHotLight = 0xFFFF80;
  constexpr POINT kArt{380, 200};  // the background picture, beside the rows
  constexpr POINT kAboutPicture{256 + 36, 376 + 11};
  Main().Show();
  StartRow(1, "0:0:1");
  Tick(1);                 // name red, gold green
  StartRow(2, "1:00:00");  // locked: its boxes ask as read-only ones do
  const Colour art = ClientPixels(Main().hwnd()).At(kArt.x, kArt.y);
  ASSERT_NE(art, kWindow);
  high_contrast_ = true;
  const SystemColours colours({COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HOTLIGHT},
                              {platform::ToColorRef(kWindow), platform::ToColorRef(kWindowText),
                               platform::ToColorRef(kHotLight)});
  PumpMessages(windows_);

  struct Case {
    const char* what;
    toolkit::EditBox* box;
    UINT message;
    Painted expected;
  };
  const Painted plain{kWindowText, kWindow, kWindow};
  const Painted expired{kHotLight, kWindow, kWindow};
  for (const Case& c : {Case{"expired name", &NameBox(1), WM_CTLCOLOREDIT, expired},
                        Case{"expired gold", &GoldBox(1), WM_CTLCOLOREDIT, expired},
                        Case{"time", &TimeBox(1), WM_CTLCOLOREDIT, plain},
                        Case{"locked name", &NameBox(2), WM_CTLCOLORSTATIC, plain},
                        Case{"locked gold", &GoldBox(2), WM_CTLCOLORSTATIC, plain}}) {
    EXPECT_EQ(PaintedColours(Main().hwnd(), *c.box, c.message), c.expected) << c.what;
  }
  const ClientPixels pixels(Main().hwnd());
  int caption_text = 0;
  int caption_back = 0;
  for (int y = 102; y < 115; ++y) {  // the "Time" caption, above the boxes
    for (int x = 224; x < 249; ++x) {
      caption_text += pixels.At(x, y) == kWindowText ? 1 : 0;
      caption_back += pixels.At(x, y) == kWindow ? 1 : 0;
    }
  }
  EXPECT_GT(caption_text, 10);
  EXPECT_GT(caption_back, 100);
  EXPECT_EQ(pixels.At(kArt.x, kArt.y), kWindow) << "the background";
  EXPECT_NE(pixels.At(kAboutPicture.x, kAboutPicture.y), kWindow) << "the About picture";
  ClickAt(Main().hwnd(), kAboutPicture);
  EXPECT_NE(windows_.Existing(FormName::Form2), nullptr) << "the About picture clicks";

  high_contrast_ = false;  // switched off: told by a settings change
  ::RedrawWindow(Main().hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  ::SendMessageW(Main().hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  EXPECT_TRUE(::GetUpdateRect(Main().hwnd(), nullptr, FALSE)) << "the window is painted again";
  EXPECT_TRUE(::GetUpdateRect(NameBox(1).hwnd(), nullptr, FALSE)) << "and so are its boxes";
  EXPECT_EQ(PaintedColours(Main().hwnd(), NameBox(1), WM_CTLCOLOREDIT),
            (Painted{kRed, 0x808080, 0x808080}));
  EXPECT_EQ(ClientPixels(Main().hwnd()).At(kArt.x, kArt.y), art);
}

}  // namespace
}  // namespace morvane::testing
