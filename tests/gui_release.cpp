// The program as Windows and other programs meet it: the real
// kelp.exe started under names that used to defeat it, two copies storing into
// one folder, its own folder in GBK, and the exercise clock.
#include "app/main_frame.h"
#include "appearance/settings_store.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/seams.h"
#include "platform/system_library.h"
#include "scores/score_store.h"
#include "tests/frame_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace kelp::test {
namespace {

// The build's bin folder, beside kelp.exe (the data folder seam aside).
const auto Bin = [] { return Widen(GbkFolderOf(ExecutablePath())); };

// Starts `exe` from another working folder. While it waits for input its one window
// is up with no message box, and skd.kpd beside it names its own picture there; its
// exit command ends it cleanly.
void RunProgram(const std::wstring& exe) {
  const std::wstring folder = exe.substr(0, exe.rfind(L'\\') + 1);
  std::wstring command = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\",
                             &startup, &process));
  WaitForInputIdle(process.hProcess, 15000);
  std::vector<HWND> shown;
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));)
    if (GetWindowThreadProcessId(window, nullptr) == process.dwThreadId && IsWindowVisible(window))
      shown.push_back(window);
  EXPECT_EQ(shown.size(), 1u) << "no window, or a message box with it";
  const std::string settings = ReadWholeFile(Narrow(folder + L"skd.kpd")).value_or("");
  EXPECT_EQ(DecodeSettings(settings, {}).backgroundPath, Narrow(folder + L"bgmain0.kpd"));
  for (HWND window : shown) PostMessageW(window, WM_COMMAND, ID_APP_EXIT, 0);
  DWORD code = WaitForSingleObject(process.hProcess, 10000);
  EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &code)) << code;
  EXPECT_EQ(code, 0) << code;
  TerminateProcess(process.hProcess, 1);  // fails harmlessly once it has ended
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// "嘰" is 0x87 0x5C in GBK: cut at the last 0x5C byte, the path would end inside
// the program's own name.
TEST(Release, StartsUnderANameWithSpacesWhoseGbkFormHasTheTrailByte5C) {
  const std::wstring bin = Bin();
  const DataFolder folder;
  const std::wstring exe = Widen(folder.path()) + L"打字 练习 嘰.exe";
  ASSERT_TRUE(CopyFileW((bin + L"kelp.exe").c_str(), exe.c_str(), FALSE));
  RunProgram(exe);
}

// Run by dist.UnzippedProgramRuns, once the zip is unpacked under <build>\dist-check\.
TEST(UnzippedRelease, RunsFromAFolderWithChineseCharactersAndSpaces) {
  std::wstring exe;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(
           std::filesystem::path(Bin()).parent_path().parent_path() / L"dist-check"))
    if (entry.path().filename() == L"kelp.exe") exe = entry.path().wstring();
  ASSERT_FALSE(exe.empty()) << "the zip has not been unpacked";
  RunProgram(exe);
}

// Each copy reads, appends and replaces; without one lock across the copies the
// later replacement drops the other's score, or renames its half-written file.
TEST(AtomicWrite, TwoCopiesStoringIntoOneFolderLoseNothing) {
  constexpr int kScores = 15;  // each copy's in every history: 30 fill it
  const DataFolder folder;
  std::atomic<int> failures = 0, waiting = 2;
  auto copy = [&](int tag) {
    for (--waiting; waiting;) Sleep(0);  // both start together
    for (int step = 0; step < kScores * kLevelCount; ++step) {
      failures +=
          !AppendScores(folder.path(), step % kLevelCount, {tag * 100.0f + step / kLevelCount});
      failures += !SaveSettings(folder.path(), {tag, {}, std::to_string(step)});
    }
  };
  std::jthread(copy, 1), std::jthread(copy, 2);
  EXPECT_EQ(failures, 0);
  // Every history holds both copies' scores, each copy's in its order; skd.kpd is one
  // copy's last, whole; nothing temporary is left.
  for (int level = 0; level < kLevelCount; ++level) {
    std::vector<float> scores = ReadScores(folder.path(), level), expected;
    std::stable_partition(scores.begin(), scores.end(), [](float s) { return s < 200; });
    for (int i = 0; i < 2 * kScores; ++i) expected.push_back(i / kScores * 100 + 100 + i % kScores);
    EXPECT_EQ(scores, expected) << level;
  }
  const std::string last = folder.Read("skd.kpd").value_or("");
  EXPECT_EQ(last, EncodeSettings({DecodeSettings(last, {}).skinIndex,
                                  {},
                                  std::to_string(kScores * kLevelCount - 1)}));
  for (const char* name : kLearnerFiles)
    EXPECT_FALSE(FileExists(TemporaryPathOf(folder.path() + name))) << name;
}

// "嘰" is 0x87 0x5C in GBK: its trail byte looks like a backslash.
TEST(ExecutableFolder, IsCutAtTheLastBackslashOfTheWidePathOrIsTheShortFormOrNothing) {
  std::wstring deep = L"C:";
  while (deep.size() < 3000) deep += L"\\长路径文件夹嘰";
  for (const std::wstring& folder :
       {std::wstring(L"D:\\嘰 练习\\"), std::wstring(L"\\\\server\\共享\\嘰\\"), deep + L"\\"})
    EXPECT_EQ(GbkFolderOf(folder + L"嘰.exe"), Narrow(folder));
  // No folder, or one with no GBK form and no short form (it does not exist).
  for (const wchar_t* path : {L"kelp.exe", L"", L"C:\\no-such-\u0E01\u0E02\\kelp.exe"})
    EXPECT_EQ(GbkFolderOf(path), "");
  // Where short names exist, they name the same folder; elsewhere nothing.
  const DataFolder tree;
  const std::wstring thai = Widen(tree.path()) + L"\u0E01\u0E02\u0E03 folder\\";
  std::filesystem::create_directories(thai + L"marker");
  const std::string found = GbkFolderOf(thai + L"kelp.exe");
  EXPECT_TRUE(found.empty() || std::filesystem::exists(Widen(found + "marker"))) << found;
  std::filesystem::remove_all(thai);
  // The program's own path whatever the first buffer and the working folder; a bare
  // name (the folder that could not be found) is never completed with the working one.
  SetCurrentDirectoryW(Widen(tree.path()).c_str());
  for (size_t first : {0, 1, 7, 16}) EXPECT_EQ(ExecutablePath(first), ExecutablePath()) << first;
  EXPECT_FALSE(WriteFileAtomically("Lev3Data.kpd", "x"));
  EXPECT_FALSE(WriteFileAtomically("sub\\Lev3Data.kpd", "x"));
  EXPECT_FALSE(tree.Read("Lev3Data.kpd"));
  SetCurrentDirectoryW(Bin().c_str());  // the folder in use could not be removed
}

// Once the program has said so, a DLL named without its path comes from the system
// folder only: the one beside the tests is not loaded, system ones still are. The
// manifest lets Windows 10 and later take paths beyond 260 characters.
TEST(Release, DllsByNameComeFromTheSystemFolderAndLongPathsAreDeclared) {
  const HMODULE beside = LoadLibraryW(L"kelp_dll_probe.dll");
  ASSERT_TRUE(beside) << "the probe DLL is not beside the tests";
  FreeLibrary(beside);
  SearchDllsInSystemFolderOnly();
  const HMODULE after = LoadLibraryW(L"kelp_dll_probe.dll");
  EXPECT_FALSE(after);
  EXPECT_TRUE(LoadLibraryW(L"winmm.dll"));
  if (after) FreeLibrary(after);
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);  // for the tests after this one
  const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_TRUE(found);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                             SizeofResource(nullptr, found));
  EXPECT_NE(manifest.find("<longPathAware xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                          "WindowsSettings\">true</longPathAware>"),
            std::string::npos);
}

// A date or time set back during an exercise changes no measured time.
TEST(ExerciseClock, CountsFromTheSystemStartNotByTheDate) {
  EXPECT_LE(std::llabs(ClockSeconds() - static_cast<long long>(GetTickCount64() / 1000)), 1);
}

}  // namespace
}  // namespace kelp::test
