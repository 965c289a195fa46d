#include "appearance/settings_store.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/seams.h"
#include "practice/level_table.h"
#include "scores/score_history.h"
#include "scores/score_store.h"
#include "tests/temp_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace kelp {
namespace {

// An empty folder of its own, removed with everything in it.
struct Folder : test::TempTree {
  Folder() : TempTree(L"kelp-files") {}
  std::string operator/(const std::string& name) const { return Narrow(path()) + name; }
  void Put(const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(WriteFileAtomically(*this / name, bytes));
  }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((path() + L"*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
      if (found.cFileName[0] != L'.') names.insert(Narrow(found.cFileName));
    FindClose(search);
    return names;
  }
};

std::string Bytes(const std::string& path) {
  return ReadWholeFile(path).value_or("<unread>");
}

// Two copies of the program storing into one folder at once (below): copy `tag`
// stores 15 scores into every history, tag * 100 + 0 .. 14, and its settings
// after each, and ends with the count of failed stores.
constexpr int kCopyScores = 15;
constexpr int kCopySteps = kCopyScores * kLevelCount;

SettingsRecord CopySettings(const std::string& folder, int tag, int step) {
  SettingsRecord settings = DefaultSettings(folder);
  settings.skinIndex = tag;
  settings.backgroundPath = folder + std::to_string(tag) + "-" + std::to_string(step);
  return settings;
}

std::wstring Variable(const wchar_t* name) {
  wchar_t value[4096];
  const DWORD length = GetEnvironmentVariableW(name, value, 4096);
  return length > 0 && length < 4096 ? value : L"";
}

// This test program started as such a copy does its stores before main.
const bool kStoringCopy = [] {
  const int tag = _wtoi(Variable(L"KELP_COPY_TAG").c_str());
  if (tag == 0) return false;
  const std::string folder = Narrow(Variable(L"KELP_COPY_FOLDER"));
  const HANDLE ready = OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, L"Local\\KelpCopiesReady");
  const HANDLE start = OpenEventW(SYNCHRONIZE, FALSE, L"Local\\KelpCopiesStart");
  ReleaseSemaphore(ready, 1, nullptr);
  WaitForSingleObject(start, 60000);
  int failures = 0;
  for (int step = 0; step < kCopySteps; ++step) {
    failures += !AppendScore(folder, step % kLevelCount, float(tag * 100 + step / kLevelCount));
    failures += !SaveSettings(folder, CopySettings(folder, tag, step));
  }
  ExitProcess(failures);
}();

TEST(WholeFileRead, TellsMissingUnreadableAndTooLargeApart) {
  Folder folder;
  EXPECT_EQ(TryReadWholeFile(folder / "skd.kpd").status, FileStatus::kMissing);
  EXPECT_EQ(TryReadWholeFile(folder / "gone\\skd.kpd").status, FileStatus::kMissing);

  folder.Put("skd.kpd", std::string("ab\0c", 4));
  const FileRead read = TryReadWholeFile(folder / "skd.kpd", 4);
  EXPECT_EQ(read.status, FileStatus::kRead);
  EXPECT_EQ(read.bytes, std::string("ab\0c", 4));
  EXPECT_EQ(TryReadWholeFile(folder / "skd.kpd", 3).status, FileStatus::kTooLarge);
  folder.Put("empty.kpd", "");
  EXPECT_EQ(TryReadWholeFile(folder / "empty.kpd").status, FileStatus::kRead);

  CreateDirectoryW(Widen(folder / "Lev0Data.kpd").c_str(), nullptr);
  EXPECT_EQ(TryReadWholeFile(folder / "Lev0Data.kpd").status, FileStatus::kUnreadable);

  // Another program holds the file without sharing it.
  const HANDLE locked = CreateFileW(Widen(folder / "skd.kpd").c_str(), GENERIC_READ | GENERIC_WRITE,
                                    0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_EQ(TryReadWholeFile(folder / "skd.kpd").status, FileStatus::kUnreadable);
  EXPECT_FALSE(ReadWholeFile(folder / "skd.kpd"));
  CloseHandle(locked);

  // One byte over the real limit, written as a sparse file.
  const HANDLE file = CreateFileW(Widen(folder / "big.kpd").c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  LARGE_INTEGER end{};
  end.QuadPart = kWholeFileLimit + 1;
  ASSERT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
  ASSERT_TRUE(SetEndOfFile(file));
  CloseHandle(file);
  const FileRead big = TryReadWholeFile(folder / "big.kpd");
  EXPECT_EQ(big.status, FileStatus::kTooLarge);
  EXPECT_TRUE(big.bytes.empty());
  EXPECT_FALSE(ReadWholeFile(folder / "big.kpd"));
}

TEST(AtomicWrite, ReplacesTheFileWholeAndLeavesNothingElse) {
  Folder folder;
  EXPECT_TRUE(WriteFileAtomically(folder / "Lev0Data.kpd", "first"));
  EXPECT_TRUE(WriteFileAtomically(folder / "Lev0Data.kpd", "2nd"));
  EXPECT_EQ(Bytes(folder / "Lev0Data.kpd"), "2nd");
  // A temporary file left by a crash is reused, then gone.
  folder.Put("skd.kpd.tmp", "torn");
  EXPECT_TRUE(WriteFileAtomically(folder / "skd.kpd", "settings"));
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"Lev0Data.kpd", "skd.kpd"}));
}

TEST(AtomicWrite, EveryFailureKeepsTheOldBytesAndLeavesNoTemporaryFile) {
  Folder folder;
  folder.Put("Lev2Data.kpd", "kept");
  ASSERT_TRUE(SetFileAttributesW(Widen(folder / "Lev2Data.kpd").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WriteFileAtomically(folder / "Lev2Data.kpd", "replaced"));
  EXPECT_FALSE(WriteFileAtomically(folder / "Lev2Data.kpd", ""));
  EXPECT_EQ(Bytes(folder / "Lev2Data.kpd"), "kept");
  EXPECT_TRUE(GetFileAttributesW(Widen(folder / "Lev2Data.kpd").c_str()) & FILE_ATTRIBUTE_READONLY);
  CreateDirectoryW(Widen(folder / "skd.kpd").c_str(), nullptr);
  EXPECT_FALSE(WriteFileAtomically(folder / "skd.kpd", "x"));
  EXPECT_FALSE(WriteFileAtomically(folder / "gone\\skd.kpd", "x"));

  // A bare name (an executable folder that could not be found) is never
  // completed with the current folder.
  wchar_t before[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, before);
  SetCurrentDirectoryW(folder.path().c_str());
  EXPECT_FALSE(WriteFileAtomically("Lev3Data.kpd", "x"));
  EXPECT_FALSE(WriteFileAtomically("sub\\Lev3Data.kpd", "x"));
  SetCurrentDirectoryW(before);
  EXPECT_EQ(folder.Names(), (std::set<std::string>{"Lev2Data.kpd", "skd.kpd"}));
}

// Each copy reads, appends and replaces; without one lock across the copies the
// later replacement drops the other's score, or renames its half-written file.
TEST(AtomicWrite, TwoCopiesStoringIntoOneFolderLoseNothing) {
  Folder folder;
  const HANDLE ready = CreateSemaphoreW(nullptr, 0, 2, L"Local\\KelpCopiesReady");
  const HANDLE start = CreateEventW(nullptr, TRUE, FALSE, L"Local\\KelpCopiesStart");
  SetEnvironmentVariableW(L"KELP_COPY_FOLDER", folder.path().c_str());
  PROCESS_INFORMATION copies[2] = {};
  for (int tag : {1, 2}) {
    SetEnvironmentVariableW(L"KELP_COPY_TAG", std::to_wstring(tag).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ASSERT_TRUE(CreateProcessW(ExecutablePath().c_str(), nullptr, nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &copies[tag - 1]));
  }
  SetEnvironmentVariableW(L"KELP_COPY_TAG", nullptr);
  SetEnvironmentVariableW(L"KELP_COPY_FOLDER", nullptr);
  ASSERT_FALSE(kStoringCopy);
  // Both copies wait at the start line, so that their stores overlap.
  for (int copy = 0; copy < 2; ++copy) ASSERT_EQ(WaitForSingleObject(ready, 60000), WAIT_OBJECT_0);
  SetEvent(start);
  for (const PROCESS_INFORMATION& copy : copies) {
    ASSERT_EQ(WaitForSingleObject(copy.hProcess, 60000), WAIT_OBJECT_0);
    DWORD failures = 1;
    GetExitCodeProcess(copy.hProcess, &failures);
    EXPECT_EQ(failures, 0u);
    CloseHandle(copy.hProcess);
    CloseHandle(copy.hThread);
  }
  CloseHandle(start);
  CloseHandle(ready);

  // Every history holds all 30 scores, each copy's in its own order.
  const std::string path = Narrow(folder.path());
  for (int level = 0; level < kLevelCount; ++level) {
    std::vector<float> scores = ReadScores(path, level);
    std::stable_partition(scores.begin(), scores.end(), [](float s) { return s < 200; });
    std::vector<float> expected;
    for (int tag : {1, 2})
      for (int i = 0; i < kCopyScores; ++i) expected.push_back(float(tag * 100 + i));
    EXPECT_EQ(scores, expected) << level;
  }
  const std::string last = Bytes(folder / "skd.kpd");
  EXPECT_TRUE(last == EncodeSettings(CopySettings(path, 1, kCopySteps - 1)) ||
              last == EncodeSettings(CopySettings(path, 2, kCopySteps - 1)));
  EXPECT_EQ(folder.Names().size(), 6u);  // five histories and the settings, nothing temporary
}

TEST(ExecutableFolder, IsCutAtTheLastBackslashOfTheWidePathOrIsTheShortFormOrNothing) {
  // "嘰" is 0x87 0x5C in GBK: its trail byte looks like a backslash.
  ASSERT_EQ(Narrow(L"嘰"), "\x87\x5C");
  EXPECT_EQ(GbkFolderOf(L"D:\\打字\\嘰嘰.exe"), Narrow(L"D:\\打字\\"));
  EXPECT_EQ(GbkFolderOf(L"D:\\嘰 练习\\kelp.exe"), Narrow(L"D:\\嘰 练习\\"));
  EXPECT_EQ(GbkFolderOf(L"\\\\server\\共享\\嘰\\kelp.exe"), Narrow(L"\\\\server\\共享\\嘰\\"));

  std::wstring deep = L"C:";
  while (deep.size() < 3000) deep += L"\\长路径文件夹嘰";
  EXPECT_EQ(GbkFolderOf(deep + L"\\kelp.exe"), Narrow(deep + L"\\"));

  EXPECT_EQ(GbkFolderOf(L"kelp.exe"), "");
  EXPECT_EQ(GbkFolderOf(L""), "");

  // Thai has no GBK form; a folder that does not exist has no short form either.
  EXPECT_EQ(GbkFolderOf(L"C:\\no-such-folder-\u0E01\u0E02\\kelp.exe"), "");
  Folder folder;
  const std::wstring thai = folder.path() + L"\u0E01\u0E02\u0E03 folder\\";
  ASSERT_TRUE(CreateDirectoryW(thai.c_str(), nullptr));
  const std::string found = GbkFolderOf(thai + L"kelp.exe");
  // Where short names exist, they name the same folder; elsewhere nothing.
  if (!found.empty()) {
    EXPECT_EQ(found.back(), '\\');
    CreateDirectoryW((thai + L"marker").c_str(), nullptr);
    EXPECT_NE(GetFileAttributesW(Widen(found + "marker").c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

TEST(ExecutableFolder, ThePathBufferGrowsUntilTheWholePathFits) {
  // Whatever the working folder.
  wchar_t before[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, before);
  SetCurrentDirectoryW(L"C:\\");
  const std::wstring path = ExecutablePath();
  const std::string folder = ExecutableDirectory();
  SetCurrentDirectoryW(before);
  EXPECT_TRUE(FileExists(folder + "Level1.kpd"));
  const std::wstring name = L"kelp_gui_tests.exe";
  ASSERT_GT(path.size(), name.size());
  EXPECT_EQ(path.substr(path.size() - name.size()), name);
  for (size_t first : {0, 1, 7, 16}) EXPECT_EQ(ExecutablePath(first), path) << first;
  EXPECT_EQ(folder, Narrow(path.substr(0, path.size() - name.size())));
}

// The exercise's stopwatch counts from the system's start, not by the date: a
// date or time set back during an exercise changes no measured time.
TEST(ExerciseClock, CountsFromTheSystemStartNotByTheDate) {
  const long long uptime = static_cast<long long>(GetTickCount64() / 1000);
  EXPECT_LE(std::llabs(ClockSeconds() - uptime), 1);
}

}  // namespace
}  // namespace kelp
