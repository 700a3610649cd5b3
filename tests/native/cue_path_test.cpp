// Where the cue files are looked for, from the executable's full path.
#include "countdown/cue_path.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane {
namespace {

struct PathCase {
  std::wstring executable;
  std::wstring folder;
  std::wstring start_cue;
  std::wstring alarm_cue;
};

std::wstring LongFolder() {
  std::wstring folder = L"C:";
  for (int i = 0; i < 40; ++i) folder += L"\\folder" + std::to_wstring(i);
  return folder;
}

TEST(CuePathTest, CuesLieInTheSoundsFolderBesideTheExecutable) {
  const std::wstring long_folder = LongFolder();
  const PathCase cases[] = {
      {L"C:\\Games\\Morvane\\Morvane.exe", L"C:\\Games\\Morvane",
       L"C:\\Games\\Morvane\\Sounds\\Clock.wav", L"C:\\Games\\Morvane\\Sounds\\Alarm.wav"},
      {L"D:\\Morvane\\Morvane.exe", L"D:\\Morvane", L"D:\\Morvane\\Sounds\\Clock.wav",
       L"D:\\Morvane\\Sounds\\Alarm.wav"},
      {L"C:\\My.Games\\Morvane 1.0\\Morvane.exe", L"C:\\My.Games\\Morvane 1.0",
       L"C:\\My.Games\\Morvane 1.0\\Sounds\\Clock.wav",
       L"C:\\My.Games\\Morvane 1.0\\Sounds\\Alarm.wav"},
      // At a drive root the folder keeps its separator, so the joined path
      // holds two in a row, which the system accepts.
      {L"C:\\Morvane.exe", L"C:\\", L"C:\\\\Sounds\\Clock.wav", L"C:\\\\Sounds\\Alarm.wav"},
      {L"Z:\\MORVANE.EXE", L"Z:\\", L"Z:\\\\Sounds\\Clock.wav", L"Z:\\\\Sounds\\Alarm.wav"},
      // Network shares.
      {L"\\\\server\\share\\Morvane.exe", L"\\\\server\\share",
       L"\\\\server\\share\\Sounds\\Clock.wav", L"\\\\server\\share\\Sounds\\Alarm.wav"},
      {L"\\\\server\\share\\tools\\Morvane.exe", L"\\\\server\\share\\tools",
       L"\\\\server\\share\\tools\\Sounds\\Clock.wav",
       L"\\\\server\\share\\tools\\Sounds\\Alarm.wav"},
      // The long-path prefix: the volume without its separator, which the
      // joined path then supplies.
      {L"\\\\?\\C:\\Morvane.exe", L"\\\\?\\C:", L"\\\\?\\C:\\Sounds\\Clock.wav",
       L"\\\\?\\C:\\Sounds\\Alarm.wav"},
      // Forward slashes separate as well.
      {L"C:/Games/Morvane.exe", L"C:/Games", L"C:/Games\\Sounds\\Clock.wav",
       L"C:/Games\\Sounds\\Alarm.wav"},
      {L"C:/Morvane.exe", L"C:/", L"C:/\\Sounds\\Clock.wav", L"C:/\\Sounds\\Alarm.wav"},
      // Beyond the classic 260-character limit.
      {long_folder + L"\\Morvane.exe", long_folder, long_folder + L"\\Sounds\\Clock.wav",
       long_folder + L"\\Sounds\\Alarm.wav"},
      // Names outside ASCII, a character outside the basic plane among them.
      {L"C:\\Users\\Zo\u00EB\\\u0422\u043A\u0430\u0447\\\u65E5\u672C\\Morvane.exe",
       L"C:\\Users\\Zo\u00EB\\\u0422\u043A\u0430\u0447\\\u65E5\u672C",
       L"C:\\Users\\Zo\u00EB\\\u0422\u043A\u0430\u0447\\\u65E5\u672C\\Sounds\\Clock.wav",
       L"C:\\Users\\Zo\u00EB\\\u0422\u043A\u0430\u0447\\\u65E5\u672C\\Sounds\\Alarm.wav"},
      {L"E:\\\U0001F3B5\\Morvane.exe", L"E:\\\U0001F3B5", L"E:\\\U0001F3B5\\Sounds\\Clock.wav",
       L"E:\\\U0001F3B5\\Sounds\\Alarm.wav"},
      // No folder at all.
      {L"Morvane.exe", L"", L"\\Sounds\\Clock.wav", L"\\Sounds\\Alarm.wav"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.executable);
    const std::wstring folder = FolderOf(c.executable);
    EXPECT_EQ(folder, c.folder);
    EXPECT_EQ(CuePath(folder, Cue::Start), c.start_cue);
    EXPECT_EQ(CuePath(folder, Cue::Alarm), c.alarm_cue);
  }
  EXPECT_GT(long_folder.size(), 260u);
}

}  // namespace
}  // namespace morvane
