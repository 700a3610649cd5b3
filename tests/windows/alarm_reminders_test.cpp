// What reminds the user of a name gone red: the alarm ringing again and the
// names said aloud, when asked for in the system menu, and the taskbar badge;
// and the menu's options.
#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/resource_ids.h"
#include "platform/dpi.h"
#include "tests/windows/app_fixture.h"
#include "ui/artwork/icon_data.h"

namespace morvane::testing {
namespace {

class AlarmRemindersTest : public AppFixture {
 protected:
  // The alarms that ring while `seconds` pass, a second at a time, the
  // ringing's timer message arriving each second.
  long AlarmsOver(int seconds) {
    cues_.clear();
    for (int second = 0; second < seconds; ++second) {
      PassOneSecond();
      ::SendMessageW(Main().hwnd(), WM_TIMER, Main().TimerNamed("tmrRing").id(), 0);
    }
    return std::count(cues_.begin(), cues_.end(), Cue::Alarm);
  }

  static constexpr const wchar_t* kKeepRinging = L"Keep ringing unti&l seen";
  static constexpr const wchar_t* kOnTop = L"Alwa&ys on top";
  static constexpr const wchar_t* kAbout = L"Ab&out Morvane\u2026";
};

TEST_F(AlarmRemindersTest, TheOptionsTurnTheirCheckMarksOverAndOnTopKeepsTheWindowAbove) {
  Main().Show();
  const auto on_top = [](HWND window) {
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  };
  for (const bool on : {true, false}) {
    Choose(kOnTop);
    EXPECT_EQ(Checked(kOnTop), on);
    EXPECT_EQ(on_top(Main().hwnd()), on);
    EXPECT_FALSE(Checked(kKeepRinging));
  }
  Choose(kKeepRinging);
  EXPECT_TRUE(Checked(kKeepRinging));
  EXPECT_FALSE(Checked(kOnTop));
}

// Above the main window kept on top, however it is opened, and when the
// option comes on while it is open; with the option off, either window can
// be in front of the other.
TEST_F(AlarmRemindersTest, TheAboutWindowStaysInFrontOfTheMainWindowKeptOnTop) {
  Main().Show();
  // After the user brings the About window to the top, and then the main
  // window, as a click on each does.
  const auto in_front_of_main = [this] {
    for (HWND window : {About().hwnd(), Main().hwnd()}) {
      ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return IsInFront(About().hwnd(), Main().hwnd());
  };
  Choose(kOnTop);
  Main().Image3_Click();
  EXPECT_TRUE(in_front_of_main()) << "opened by its picture";
  ::SendMessageW(About().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Choose(kAbout);
  EXPECT_TRUE(in_front_of_main()) << "opened anew from the system menu";
  Choose(kOnTop);
  EXPECT_FALSE(in_front_of_main()) << "the option turned off";
  EXPECT_FALSE(::GetWindowLongW(About().hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  Choose(kOnTop);
  EXPECT_TRUE(in_front_of_main()) << "the option turned on while it is open";
}

// The letter after an item's "&", as Alt+Space and a key looks for it; 0 for
// none.
wchar_t AccessKey(const std::wstring& text) {
  for (std::size_t at = text.find(L'&'); at + 1 < text.size(); at = text.find(L'&', at + 2)) {
    if (text[at + 1] != L'&') {
      wchar_t key = text[at + 1];
      ::CharUpperBuffW(&key, 1);
      return key;
    }
  }
  return 0;
}

// The letters of the menu's items whose commands are below `below`.
std::vector<wchar_t> LettersOf(HMENU menu, UINT below = UINT_MAX) {
  std::vector<wchar_t> letters;
  std::array<wchar_t, 64> text{};
  for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
    ::GetMenuStringW(menu, static_cast<UINT>(index), text.data(), 64, MF_BYPOSITION);
    const wchar_t key = AccessKey(text.data());
    if (key != 0 && ::GetMenuItemID(menu, index) < below) letters.push_back(key);
  }
  return letters;
}

// Alt+Space and a letter lands on the first item that takes it, and the
// system's own items take other letters in other languages (Spanish Size is
// T, Polish Close K). Wine's user32 holds its system menu in every language
// (Windows' only in its own): the program's letters are checked against those
// translations, and against each other.
TEST_F(AlarmRemindersTest, EachOfOurItemsHasALetterNoSystemItemTakesInTheCommonLanguages) {
  // The system's own commands start at SC_SIZE.
  const std::vector<wchar_t> ours = LettersOf(::GetSystemMenu(Main().hwnd(), FALSE), SC_SIZE);
  std::vector<wchar_t> taken;
  HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  for (const int language :
       {MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL), MAKELANGID(LANG_FRENCH, SUBLANG_NEUTRAL),
        MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL), MAKELANGID(LANG_SPANISH, SUBLANG_NEUTRAL),
        MAKELANGID(LANG_ITALIAN, SUBLANG_NEUTRAL),
        MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN),
        MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE), MAKELANGID(LANG_POLISH, SUBLANG_NEUTRAL),
        MAKELANGID(LANG_RUSSIAN, SUBLANG_NEUTRAL), MAKELANGID(LANG_JAPANESE, SUBLANG_NEUTRAL),
        MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED),
        MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL)}) {
    HRSRC found = ::FindResourceExW(user32, RT_MENU, L"SYSMENU", static_cast<LANGID>(language));
    if (found == nullptr) continue;
    HMENU translation = ::LoadMenuIndirectW(::LockResource(::LoadResource(user32, found)));
    const std::vector<wchar_t> letters = LettersOf(translation);
    taken.insert(taken.end(), letters.begin(), letters.end());
    ::DestroyMenu(translation);
  }
  ASSERT_EQ(ours.size(), 4u) << "the three options and About";
  for (const wchar_t key : ours) {
    SCOPED_TRACE(std::string(1, static_cast<char>(key)));
    EXPECT_EQ(std::count(ours.begin(), ours.end(), key), 1);
    EXPECT_EQ(std::count(taken.begin(), taken.end(), key), 0);
  }
}

// Every ten seconds while a name is red, as one however many are, counted
// from the expiry that started it or from being turned on over a red name.
TEST_F(AlarmRemindersTest, TheAlarmRingsAgainWhileANameIsRedUntilSeenOrTurnedOff) {
  Main().Show();
  Expire(1);
  EXPECT_EQ(AlarmsOver(30), 0) << "off at start";
  Choose(kKeepRinging);
  EXPECT_EQ(AlarmsOver(4), 0);
  Expire(2);  // another name turns red: the count goes on
  EXPECT_EQ(AlarmsOver(4), 0);
  EXPECT_EQ(AlarmsOver(1), 1);
  EXPECT_EQ(AlarmsOver(20), 2);
  Acknowledge(1);
  EXPECT_EQ(AlarmsOver(10), 1) << "a name is still red";
  Acknowledge(2);
  EXPECT_EQ(AlarmsOver(30), 0);

  for (int row = 1; row <= 7; ++row) {
    TimeBox(row).SetText("0:0:1");
    ClickButton(Button(row));
  }
  PassOneSecond();
  for (int row = 1; row <= 7; ++row) DeliverTimerMessage(row);
  EXPECT_EQ(AlarmsOver(10), 1) << "seven at once ring as one";
  for (int row = 1; row <= 6; ++row) Acknowledge(row);
  TimeBox(7).SetText("1:00:00");
  ClickButton(Button(7));
  EXPECT_EQ(AlarmsOver(30), 0) << "a Start turns the last name white";

  Expire(3);
  Choose(kKeepRinging);
  EXPECT_EQ(AlarmsOver(30), 0) << "turned off";
}

// Once the taskbar has announced the button, and again when it announces it
// anew (Explorer restarted), while any name is red.
TEST_F(AlarmRemindersTest, TheTaskbarBadgeShowsWhileANameIsRed) {
  Main().Show();
  const Badge badge{Main().hwnd(), platform::SystemMetricAt(SM_CXSMICON, Main().Dpi()),
                    L"Time is up"};
  const Badge none{Main().hwnd(), 0, L""};
  const auto announce = [this] {
    ::SendMessageW(Main().hwnd(), ::RegisterWindowMessageW(L"TaskbarButtonCreated"), 0, 0);
  };
  Expire(1);
  EXPECT_EQ(badges_, std::vector<Badge>{}) << "before the taskbar announced the button";
  announce();
  Expire(2);
  Acknowledge(1);
  EXPECT_EQ(badges_, std::vector<Badge>{badge}) << "asked once while a name stays red";
  Acknowledge(2);
  Expire(3);
  announce();
  EXPECT_EQ(badges_, (std::vector<Badge>{badge, none, badge, badge}));
}

// What the voice is asked to say, as the user lives it: rows started and
// running out, names clicked, options chosen, time passing with every timer's
// message arriving on time.
struct VoiceCase;

class NamesAloudTest : public AlarmRemindersTest,
                       public ::testing::WithParamInterface<VoiceCase> {
 public:
  static std::vector<VoiceCase> Cases();

 protected:
  void Start(int row, const char* time) {
    TimeBox(row).SetText(time);
    ClickButton(Button(row));
  }
  // A second at a time, at most.
  void Pass(std::chrono::milliseconds time) {
    using std::chrono::milliseconds;
    for (milliseconds step{}; time > milliseconds{0}; time -= step) {
      step = std::min(time, milliseconds{1000});
      clock_.now += step;
      for (int row = 1; row <= 7; ++row) DeliverTimerMessage(row);
      for (const char* timer : {"tmrRing", "tmrSayNames"}) {
        ::SendMessageW(Main().hwnd(), WM_TIMER, Main().TimerNamed(timer).id(), 0);
      }
    }
  }

  // A bar among what was said, between what came before and after it.
  void Mark() { said_.emplace_back("|"); }

  static constexpr const wchar_t* kSayNames = L"Say t&he names aloud";
};

struct VoiceCase {
  const char* name;
  std::function<void(NamesAloudTest&)> story;
  std::vector<std::string> said;  // "(silenced)": silence asked for
  bool turned_on = true;          // before the story begins
};

void PrintTo(const VoiceCase& c, std::ostream* out) { *out << c.name; }

std::vector<VoiceCase> NamesAloudTest::Cases() {
  using namespace std::chrono_literals;
  return {
      {"OffAtStart", [](NamesAloudTest& t) { t.Start(1, "0:0:1"); t.Pass(5s); }, {}, false},
      {"OneNameOnceTheAlarmHasSounded",
       [](NamesAloudTest& t) {
         t.Start(1, "0:0:1"); t.Pass(1s); t.Pass(1990ms);
         t.Mark();
         t.Pass(10ms);
         t.Mark();
         t.Pass(10s);
       },
       {"|", "Aldric, time is up", "|"}},
      {"AnEmptyNameBox",
       [](NamesAloudTest& t) { t.NameBox(4).SetText(""); t.Start(4, "0:0:1"); t.Pass(3s); },
       {"Character 4, time is up"}},
      // Brenna runs out first, Aldric a second later: one sentence, in row
      // order, once Aldric's alarm has sounded too.
      {"TwoRowsTogether",
       [](NamesAloudTest& t) {
         t.Start(2, "0:0:1"); t.Start(1, "0:0:2"); t.Pass(3990ms);
         t.Mark();
         t.Pass(10ms);
         t.Mark();
         t.Pass(5s);
       },
       {"|", "Aldric and Brenna, time is up", "|"}},
      {"ThreeRowsTogetherAndThenOne",
       [](NamesAloudTest& t) {
         t.Start(3, "0:0:1"); t.Start(1, "0:0:2"); t.Start(2, "0:0:2"); t.Start(4, "0:0:5");
         t.Pass(8s);
       },
       {"Aldric, Brenna and Corvin, time is up", "Character 4, time is up"}},
      // The program could not run for a while; a Stop then takes the time
      // off first, and that runs the row out.
      {"ExpiredByAStop",
       [](NamesAloudTest& t) {
         t.Start(1, "0:0:1");
         t.clock_.now += 1500ms;
         ClickButton(t.Button(1));
         t.Pass(2s);
       },
       {"Aldric, time is up"}},
      {"AcknowledgedBeforeItIsSaid",
       [](NamesAloudTest& t) {
         t.Start(1, "0:0:1"); t.Start(2, "0:0:1"); t.Pass(1s); t.Acknowledge(1); t.Pass(2s);
       },
       {"Brenna, time is up"}},
      {"NoneLeft",
       [](NamesAloudTest& t) { t.Start(1, "0:0:1"); t.Pass(1s); t.Acknowledge(1); t.Pass(2s); },
       {"(silenced)"}},
      // What is still being said of the names stops with the last of them.
      {"TheLastAcknowledgedAfterItIsSaid",
       [](NamesAloudTest& t) {
         t.Start(1, "0:0:1"); t.Start(2, "0:0:1"); t.Pass(3s);
         t.Acknowledge(1);
         t.Mark();
         t.Acknowledge(2);
       },
       {"Aldric and Brenna, time is up", "|", "(silenced)"}},
      {"TurnedOffWhileASentenceWaits",
       [](NamesAloudTest& t) {
         t.Start(1, "0:0:1"); t.Pass(1s);
         t.Choose(kSayNames); t.Pass(5s);
         t.Choose(kSayNames); t.Pass(5s);
       },
       {"(silenced)"}},
      // Every ten seconds from the expiry, the names still red after the alarm.
      {"RingingAgain",
       [](NamesAloudTest& t) {
         t.Choose(kKeepRinging);
         t.Start(1, "0:0:1"); t.Start(2, "0:0:1"); t.Pass(1s); t.Pass(2s);
         t.Acknowledge(1);
         t.Pass(8s); t.Pass(1990ms);
         t.Mark();
         t.Pass(10ms);
       },
       {"Aldric and Brenna, time is up", "|", "(reminder) Brenna, time is up"}},
  };
}

TEST_P(NamesAloudTest, SaysWhatRanOutOnceTheAlarmHasSounded) {
  Main().Show();
  NameBox(1).SetText("Aldric");
  NameBox(2).SetText("Brenna");
  NameBox(3).SetText("Corvin");
  if (GetParam().turned_on) Choose(kSayNames);
  EXPECT_TRUE(said_.empty());
  GetParam().story(*this);
  EXPECT_EQ(said_, GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(Stories, NamesAloudTest, ::testing::ValuesIn(NamesAloudTest::Cases()),
                         [](const auto& instance) { return std::string(instance.param.name); });

// The icon drawn at its size over a grey, as the taskbar blends it.
ClientPixels Drawn(HICON icon, int size) {
  return ClientPixels(size, size, [&](HDC dc) {
    const RECT all{0, 0, size, size};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    ::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  });
}

// Where two pictures of one size differ, or nothing.
std::string Differences(const ClientPixels& made, const ClientPixels& drawn) {
  std::ostringstream out;
  int count = 0;
  for (int y = 0; y < made.Height(); ++y) {
    for (int x = 0; x < made.Width(); ++x) {
      if (made.At(x, y) == drawn.At(x, y)) continue;
      if (count++ == 0) {
        out << "(" << x << ", " << y << ") is " << std::hex << made.At(x, y) << ", drawn "
            << drawn.At(x, y) << std::dec;
      }
    }
  }
  if (count > 0) out << "; " << count << " pixels differ";
  return out.str();
}

int IconWidth(HICON icon) {
  ICONINFO parts{};
  BITMAP colour{};
  if (::GetIconInfo(icon, &parts)) {
    ::GetObjectW(parts.hbmColor, sizeof colour, &colour);
    ::DeleteObject(parts.hbmColor);
    ::DeleteObject(parts.hbmMask);
  }
  return colour.bmWidth;
}

// At each size it was drawn at (a small icon's at 100 to 300 %), the badge is
// that drawing, as Windows reads it from an icon group: the tests' own copy of
// the file. Between them, and above, it is made at the size asked.
TEST(TaskbarBadgeIconTest, IsAsDrawnAtEachSizeDrawnAndMadeAtAnyOther) {
  constexpr int kBadgeAsDrawn = 900;  // in test_resources.rc
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const struct {
    int size;
    bool drawn;
  } cases[] = {{16, true},  {20, true}, {24, true}, {28, false}, {32, true},
               {36, false}, {40, true}, {48, true}, {56, false}};
  for (const auto& [size, drawn] : cases) {
    SCOPED_TRACE(size);
    const platform::unique_hicon made =
        artwork::IconFromData(instance, MAKEINTRESOURCEW(IDR_TIME_IS_UP_BADGE), size);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(IconWidth(made.get()), size);
    if (drawn) {
      const platform::unique_hicon as_drawn(static_cast<HICON>(
          ::LoadImageW(instance, MAKEINTRESOURCEW(kBadgeAsDrawn), IMAGE_ICON, size, size, 0)));
      EXPECT_EQ(Differences(Drawn(made.get(), size), Drawn(as_drawn.get(), size)), "");
    }
  }
}

}  // namespace
}  // namespace morvane::testing
