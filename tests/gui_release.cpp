// The program as Windows and other programs meet it: its version resource, the
// real kelp.exe started from folders whose paths used to defeat it, two copies
// storing into one folder, its own folder in GBK, and the exercise clock.
#include "app/main_frame.h"
#include "appearance/settings_store.h"
#include "data_files.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/seams.h"
#include "scores/score_store.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace kelp::test {
namespace {

const std::wstring kVersion = std::to_wstring(KELP_VERSION_MAJOR) + L"." +
                              std::to_wstring(KELP_VERSION_MINOR) + L"." +
                              std::to_wstring(KELP_VERSION_PATCH);

// The build's bin folder: this test program's, beside kelp.exe.
std::wstring BinFolder() {
  const std::wstring path = ExecutablePath();
  return path.substr(0, path.rfind(L'\\') + 1);
}

// What the file's properties show: its version and the product's name, in
// Simplified Chinese (0804) and Unicode (04b0).
void ExpectVersion(const std::wstring& exe) {
  std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  wchar_t *version = nullptr, *product = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS,
            static_cast<DWORD>(MAKELONG(KELP_VERSION_MINOR, KELP_VERSION_MAJOR)));
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, KELP_VERSION_PATCH)));
  VerQueryValueW(block.data(), L"\\StringFileInfo\\080404b0\\FileVersion",
                 reinterpret_cast<void**>(&version), &length);
  VerQueryValueW(block.data(), L"\\StringFileInfo\\080404b0\\ProductName",
                 reinterpret_cast<void**>(&product), &length);
  EXPECT_EQ(version ? version : L"", kVersion);
  EXPECT_EQ(Narrow(product ? product : L""), kWindowTitle);
}

// Starts `folder` + `name` from another working folder and checks, while it runs,
// that it found its folder and its data; then ends it with its exit command.
void RunProgramIn(const std::wstring& folder, const std::wstring& name = L"kelp.exe") {
  std::wstring command = L"\"" + folder + name + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW((folder + name).c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, L"C:\\", &startup, &process));
  const std::shared_ptr<void> end(nullptr, [&](void*) {
    TerminateProcess(process.hProcess, 1);  // fails harmlessly once it has ended
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  });
  // Once it waits for input its window is up, and any message box with it.
  WaitForInputIdle(process.hProcess, 15000);
  std::vector<HWND> shown;
  EnumThreadWindows(
      process.dwThreadId,
      [](HWND window, LPARAM list) {
        if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  ASSERT_EQ(shown.size(), 1u) << "no window, or a message box with it";
  EXPECT_EQ(shown[0], FindWindowW(nullptr, Widen(kWindowTitle).c_str()));
  RECT client{};
  GetClientRect(shown[0], &client);
  EXPECT_EQ(client.right, kClientWidth);
  EXPECT_EQ(client.bottom, kClientHeight);
  // The first start wrote skd.kpd beside the program, naming its own picture there.
  const std::string settings = ReadWholeFile(Narrow(folder + L"skd.kpd")).value_or("");
  EXPECT_EQ(DecodeSettings(settings, {}).backgroundPath, Narrow(folder + L"bgmain0.kpd"));
  PostMessageW(shown[0], WM_COMMAND, ID_APP_EXIT, 0);
  DWORD code = 1;
  WaitForSingleObject(process.hProcess, 10000);
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(std::filesystem::exists(folder + L"skd.kpd.tmp"));
}

TEST(Release, VersionResourceAndManifestOfTheProgram) {
  ExpectVersion(BinFolder() + L"kelp.exe");
  // This test program carries the same resources: the loader has read the manifest
  // and binds Common Controls 6 from the side-by-side store, not the system's 5.
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(LoadLibraryW(L"comctl32.dll"), path, MAX_PATH * 2);
  CharLowerW(path);
  EXPECT_NE(std::wstring(path).find(L"\\winsxs\\"), std::wstring::npos) << Narrow(path);
  EXPECT_NE(std::wstring(path).find(L"common-controls"), std::wstring::npos) << Narrow(path);
}

// "嘰" is 0x87 0x5C in GBK: cut at the last 0x5C byte, the path of "嘰.exe" would
// end inside the program's own name.
TEST(Release, StartsFromAFolderWhoseGbkFormHasTheTrailByte5C) {
  const TempTree parent(L"kelp-release");
  const std::wstring folder = parent.path() + L"打字 练习 嘰\\", bin = BinFolder();
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  for (const char* file : kDataFiles)
    CopyFileW((bin + Widen(file)).c_str(), (folder + Widen(file)).c_str(), FALSE);
  ASSERT_TRUE(CopyFileW((bin + L"kelp.exe").c_str(), (folder + L"嘰.exe").c_str(), FALSE));
  RunProgramIn(folder, L"嘰.exe");
}

// Run by the test dist.UnzippedProgramRuns, after dist.ZipHoldsTheReleaseAndItsSums
// has unpacked the zip into <build>\dist-check\<a folder with Chinese and spaces>\.
TEST(UnzippedRelease, RunsFromAFolderWithChineseCharactersAndSpaces) {
  const std::wstring bin = BinFolder();
  const std::wstring checks = bin.substr(0, bin.rfind(L'\\', bin.size() - 2) + 1) + L"dist-check\\";
  std::wstring unpacked;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(checks, error))
    unpacked = entry.path().filename().wstring();
  ASSERT_FALSE(unpacked.empty()) << "the zip has not been unpacked";
  EXPECT_NE(unpacked.find(L' '), std::wstring::npos);
  EXPECT_NE(Narrow(unpacked).find("\x87\x5C"), std::string::npos);
  ExpectVersion(checks + unpacked + L"\\kelp-" + kVersion + L"\\kelp.exe");
  RunProgramIn(checks + unpacked + L"\\kelp-" + kVersion + L"\\");
}

// Copy `tag` of two stores 15 scores into every history, tag * 100 + 0 .. 14, and
// its settings after each; together they fill the 30 places. It returns its failures.
constexpr int kCopyScores = 15;
int StoreAsCopy(const std::string& folder, int tag) {
  int failures = 0;
  for (int step = 0; step < kCopyScores * kLevelCount; ++step) {
    failures += !AppendScore(folder, step % kLevelCount, tag * 100.0f + step / kLevelCount);
    failures += !SaveSettings(folder, {tag, {}, folder + std::to_string(step)});
  }
  return failures;
}

// This test program started with KELP_COPY ("<tag><folder>") is such a copy: it
// stores before main, once the other copy is ready too.
const bool kStoringCopy = [] {
  const wchar_t* copy = _wgetenv(L"KELP_COPY");
  if (!copy) return false;
  ReleaseSemaphore(OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, 0, L"Local\\KelpCopies"), 1, nullptr);
  WaitForSingleObject(OpenEventW(SYNCHRONIZE, FALSE, L"Local\\KelpCopiesGo"), 60000);
  ExitProcess(StoreAsCopy(Narrow(copy + 1), copy[0] - L'0'));
}();

// Each copy reads, appends and replaces; without one lock across the copies the
// later replacement drops the other's score, or renames its half-written file.
TEST(AtomicWrite, TwoCopiesStoringIntoOneFolderLoseNothing) {
  ASSERT_FALSE(kStoringCopy);
  const TempTree tree(L"kelp-files");
  const HANDLE ready = CreateSemaphoreW(nullptr, 0, 2, L"Local\\KelpCopies");
  const HANDLE go = CreateEventW(nullptr, TRUE, FALSE, L"Local\\KelpCopiesGo");
  PROCESS_INFORMATION copies[2] = {};
  for (int tag : {1, 2}) {
    SetEnvironmentVariableW(L"KELP_COPY", (std::to_wstring(tag) + tree.path()).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(ExecutablePath().c_str(), nullptr, nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &copies[tag - 1]));
  }
  // Both copies wait at the start line, so that their stores overlap.
  for (int copy = 0; copy < 2; ++copy) ASSERT_EQ(WaitForSingleObject(ready, 60000), WAIT_OBJECT_0);
  SetEvent(go);
  for (const PROCESS_INFORMATION& copy : copies) {
    DWORD failures = 1;
    WaitForSingleObject(copy.hProcess, 60000);
    GetExitCodeProcess(copy.hProcess, &failures);
    EXPECT_EQ(failures, 0u);
  }
  // Every history holds both copies' scores, each copy's in its order; skd.kpd is
  // one copy's last, whole; nothing temporary is left.
  const std::string folder = Narrow(tree.path());
  for (int level = 0; level < kLevelCount; ++level) {
    std::vector<float> scores = ReadScores(folder, level), expected;
    std::stable_partition(scores.begin(), scores.end(), [](float s) { return s < 200; });
    for (int i = 0; i < 2 * kCopyScores; ++i)
      expected.push_back(i / kCopyScores * 100 + 100 + i % kCopyScores);
    EXPECT_EQ(scores, expected) << level;
  }
  const std::string last = ReadWholeFile(folder + "skd.kpd").value_or("");
  const int tag = DecodeSettings(last, {}).skinIndex;
  EXPECT_EQ(last,
            EncodeSettings({tag, {}, folder + std::to_string(kCopyScores * kLevelCount - 1)}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tree.path()), {}), 6);
}

// "嘰" is 0x87 0x5C in GBK: its trail byte looks like a backslash.
TEST(ExecutableFolder, IsCutAtTheLastBackslashOfTheWidePathOrIsTheShortFormOrNothing) {
  std::wstring deep = L"C:";
  while (deep.size() < 3000) deep += L"\\长路径文件夹嘰";
  for (const std::wstring& folder : std::initializer_list<std::wstring>{
           L"D:\\打字\\", L"D:\\嘰 练习\\", L"\\\\server\\共享\\嘰\\", deep + L"\\"})
    EXPECT_EQ(GbkFolderOf(folder + L"嘰.exe"), Narrow(folder));
  // No folder, or one with no GBK form and no short form (it does not exist).
  for (const wchar_t* path : {L"kelp.exe", L"", L"C:\\no-such-\u0E01\u0E02\\kelp.exe"})
    EXPECT_EQ(GbkFolderOf(path), "");
  // Where short names exist, they name the same folder; elsewhere nothing.
  const TempTree tree(L"kelp-files");
  const std::wstring thai = tree.path() + L"\u0E01\u0E02\u0E03 folder\\";
  CreateDirectoryW(thai.c_str(), nullptr);
  CreateDirectoryW((thai + L"marker").c_str(), nullptr);
  const std::string found = GbkFolderOf(thai + L"kelp.exe");
  EXPECT_TRUE(found.empty() || std::filesystem::exists(Widen(found + "marker"))) << found;

  // The program's own path whatever the first buffer and the working folder; a bare
  // name (the folder that could not be found) is never completed with the working one.
  SetCurrentDirectoryW(tree.path().c_str());
  const std::wstring path = ExecutablePath();
  for (size_t first : {0, 1, 7, 16}) EXPECT_EQ(ExecutablePath(first), path) << first;
  EXPECT_TRUE(path.ends_with(L"\\kelp_gui_tests.exe"));
  EXPECT_TRUE(FileExists(ExecutableDirectory() + kDataFiles[0]));
  EXPECT_FALSE(WriteFileAtomically("Lev3Data.kpd", "x"));
  EXPECT_FALSE(WriteFileAtomically("sub\\Lev3Data.kpd", "x"));
  EXPECT_FALSE(std::filesystem::exists(tree.path() + L"Lev3Data.kpd"));
  SetCurrentDirectoryW(BinFolder().c_str());  // the folder in use could not be removed
}

// The exercise's stopwatch counts from the system's start, not by the date: a
// date or time set back during an exercise changes no measured time.
TEST(ExerciseClock, CountsFromTheSystemStartNotByTheDate) {
  EXPECT_LE(std::llabs(ClockSeconds() - static_cast<long long>(GetTickCount64() / 1000)), 1);
}

}  // namespace
}  // namespace kelp::test
