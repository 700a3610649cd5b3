// Morvane.exe as Windows sees it from outside: a 32-bit GUI program with its
// version record and one 200 x 200, 24-bit icon.
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The build passes the program's path; under Wine a Unix path is on drive Z.
std::wstring ProgramPath() {
  std::string path = MORVANE_EXE_PATH;
  if (!path.empty() && path[0] == '/') {
    path = "Z:" + path;
  }
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return std::wstring(path.begin(), path.end());
}

std::vector<char> FileBytes(const std::wstring& path) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  std::vector<char> bytes;
  if (file == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(::GetFileSize(file, nullptr));
  DWORD read = 0;
  ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  ::CloseHandle(file);
  return bytes;
}

TEST(IdentityTest, IsA32BitGuiProgram) {
  const auto bytes = FileBytes(ProgramPath());
  ASSERT_GT(bytes.size(), 1024u);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
  ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
  EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST(IdentityTest, CarriesItsVersionRecord) {
  const std::wstring path = ProgramPath();
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> record(size);
  ASSERT_TRUE(::GetFileVersionInfoW(path.c_str(), 0, size, record.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u);

  WORD* translation = nullptr;
  ASSERT_TRUE(::VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u) << "exactly one translation";
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 1200);

  // The string table's keys, in the order they are stored.
  const std::pair<const wchar_t*, const wchar_t*> expected[] = {
      {L"ProductName", L"Morvane"},       {L"FileVersion", L"1.00"},
      {L"ProductVersion", L"1.00"},       {L"InternalName", L"Morvane"},
      {L"OriginalFilename", L"Morvane.exe"}};
  const auto* begin = reinterpret_cast<const wchar_t*>(record.data());
  const auto* end = begin + record.size() / sizeof(wchar_t);
  const wchar_t* last = begin;
  for (const auto& [key, value] : expected) {
    SCOPED_TRACE(std::wstring(key).size());
    wchar_t* text = nullptr;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
    ASSERT_TRUE(::VerQueryValueW(record.data(), query.c_str(), reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), value);
    const auto* found = std::search(last, end, key, key + std::wcslen(key) + 1);
    ASSERT_NE(found, end);
    EXPECT_GT(found, last);
    last = found;
  }
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
struct IconGroup {
  WORD reserved, type, count;
  IconGroupEntry entries[1];
};
#pragma pack(pop)

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
  reinterpret_cast<std::vector<LPCWSTR>*>(names)->push_back(name);
  return TRUE;
}

// The names of the program's resources of `type`, as numbers (every one the
// program has is numbered).
std::vector<ULONG_PTR> ResourceNumbers(HMODULE program, LPCWSTR type) {
  std::vector<LPCWSTR> names;
  ::EnumResourceNamesW(program, type, &CollectName, reinterpret_cast<LONG_PTR>(&names));
  std::vector<ULONG_PTR> numbers;
  for (LPCWSTR name : names) numbers.push_back(reinterpret_cast<ULONG_PTR>(name));
  return numbers;
}

// Windows shows a program's first icon group as its icon, and offers every
// group as an icon of the program's: there is one, of one image.
TEST(IdentityTest, HasOneIconGroupOfASingle200By200TwentyFourBitImage) {
  HMODULE program = ::LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  const std::vector<ULONG_PTR> groups = ResourceNumbers(program, RT_GROUP_ICON);
  const std::vector<ULONG_PTR> images = ResourceNumbers(program, RT_ICON);
  EXPECT_EQ(groups, std::vector<ULONG_PTR>{1});
  EXPECT_EQ(images.size(), 1u);
  HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const IconGroup*>(::LockResource(::LoadResource(program, found)));
  ASSERT_EQ(group->count, 1);
  EXPECT_EQ(group->entries[0].width, 200);
  EXPECT_EQ(group->entries[0].height, 200);
  EXPECT_EQ(group->entries[0].bit_count, 24);
  ::FreeLibrary(program);
}

}  // namespace
