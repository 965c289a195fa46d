#include "platform/files.h"
#include "platform/gbk.h"
#include "resource_ids.h"
#include "tests/temp_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

// What the program looks like from outside: its resources, and the real kelp.exe
// started from folders whose paths used to defeat it.
namespace kelp::test {
namespace {

constexpr wchar_t kTitle[] = L"Kelp专业打字练习III(最终版)";
const std::wstring kVersion = std::to_wstring(KELP_VERSION_MAJOR) + L"." +
                              std::to_wstring(KELP_VERSION_MINOR) + L"." +
                              std::to_wstring(KELP_VERSION_PATCH);

// The folder of this test program: the build's bin folder, beside kelp.exe.
std::wstring BinFolder() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
  reinterpret_cast<std::vector<ULONG_PTR>*>(names)->push_back(reinterpret_cast<ULONG_PTR>(name));
  return TRUE;
}

void ExpectManifest(const std::wstring& exe) {
  const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr) << Narrow(exe);
  std::vector<ULONG_PTR> names;
  EnumResourceNamesW(module, RT_MANIFEST, CountName, reinterpret_cast<LONG_PTR>(&names));
  EXPECT_EQ(names, std::vector<ULONG_PTR>{1}) << "one manifest, the process one (id 1)";
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_NE(found, nullptr);
  std::wstring manifest;  // with each run of white space as one space
  for (unsigned char c :
       std::string(static_cast<const char*>(LockResource(LoadResource(module, found))),
                   SizeofResource(module, found)))
    if (!std::iswspace(c) || (!manifest.empty() && manifest.back() != L' '))
      manifest += std::iswspace(c) ? L' ' : static_cast<wchar_t>(c);
  FreeLibrary(module);
  for (const wchar_t* part : {
           L"<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
           L"<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",  // 7
           L"<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",  // 8
           L"<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",  // 8.1
           L"<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",  // 10, 11
           L"<gdiScaling xmlns=\"http://schemas.microsoft.com/SMI/2017/WindowsSettings\">true"
           L"</gdiScaling>",
           L"<assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" "
           L"version=\"6.0.0.0\" processorArchitecture=\"*\" "
           L"publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>",
       })
    EXPECT_NE(manifest.find(part), std::wstring::npos) << Narrow(part);
  EXPECT_EQ(manifest.find(L"dpiAware"), std::wstring::npos) << "gdiScaling is for DPI-unaware";
}

void ExpectVersion(const std::wstring& exe) {
  DWORD ignored = 0;
  std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()))
      << Narrow(exe);
  auto query = [&](const std::wstring& key) {
    void* value = nullptr;
    UINT length = 0;
    return VerQueryValueW(block.data(), key.c_str(), &value, &length) && length ? value : nullptr;
  };
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\"));
  ASSERT_NE(fixed, nullptr);
  const DWORD high = MAKELONG(KELP_VERSION_MINOR, KELP_VERSION_MAJOR);
  const DWORD low = MAKELONG(0, KELP_VERSION_PATCH);
  EXPECT_EQ(
      std::vector<DWORD>({fixed->dwSignature, fixed->dwFileVersionMS, fixed->dwFileVersionLS,
                          fixed->dwProductVersionMS, fixed->dwProductVersionLS, fixed->dwFileType}),
      std::vector<DWORD>({0xFEEF04BDu, high, low, high, low, VFT_APP}));
  const auto* translation = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation"));
  ASSERT_NE(translation, nullptr);
  EXPECT_EQ(translation[0], 0x0804);  // Simplified Chinese
  EXPECT_EQ(translation[1], 1200);    // Unicode
  auto text = [&](const wchar_t* name) {
    const auto* value =
        static_cast<const wchar_t*>(query(L"\\StringFileInfo\\080404b0\\" + std::wstring(name)));
    return std::wstring(value ? value : L"");
  };
  EXPECT_EQ(text(L"FileVersion"), kVersion);
  EXPECT_EQ(text(L"ProductVersion"), kVersion);
  EXPECT_EQ(text(L"ProductName"), kTitle);
  EXPECT_EQ(text(L"OriginalFilename"), L"kelp.exe");
  EXPECT_NE(text(L"FileDescription").find(L"Kelp"), std::wstring::npos);
  EXPECT_NE(text(L"CompanyName").find(L"Kelp"), std::wstring::npos);
}

struct Search {
  DWORD process;
  std::vector<HWND> windows;  // visible, the frame first
};

bool IsFrame(HWND window) {
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  return std::wstring(title) == kTitle;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process || !IsWindowVisible(window)) return TRUE;
  search->windows.insert(IsFrame(window) ? search->windows.begin() : search->windows.end(), window);
  return TRUE;
}

// Starts the program `folder` + `name` from another working folder and checks, while
// it runs, that it found its folder and its data; then ends it with its exit command.
void RunProgramIn(const std::wstring& folder, const std::wstring& name = L"kelp.exe") {
  const std::wstring exe = folder + name;
  std::wstring command = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             L"C:\\", &startup, &process))
      << Narrow(exe);
  std::unique_ptr<PROCESS_INFORMATION, void (*)(PROCESS_INFORMATION*)> end(
      &process, [](PROCESS_INFORMATION* p) {
        TerminateProcess(p->hProcess, 1);  // fails harmlessly once it has ended
        CloseHandle(p->hThread);
        CloseHandle(p->hProcess);
      });
  Search search{process.dwProcessId, {}};
  for (int tries = 0; tries < 300 && WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT;
       ++tries) {
    search.windows.clear();
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.windows.empty() && IsFrame(search.windows[0])) break;
  }
  ASSERT_FALSE(search.windows.empty()) << "no main window";
  EXPECT_EQ(search.windows.size(), 1u) << "a message box or another window is open";
  RECT client{};
  GetClientRect(search.windows[0], &client);
  EXPECT_EQ(client.right, 700);
  EXPECT_EQ(client.bottom, 450);

  // The first start wrote skd.kpd beside the program, naming its own picture there.
  const std::string settings = ReadWholeFile(Narrow(folder + L"skd.kpd")).value_or("");
  ASSERT_GT(settings.size(), 36u) << "no skd.kpd beside the program";
  EXPECT_EQ(settings.substr(36), Narrow(folder + L"bgmain0.kpd"));

  PostMessageW(search.windows[0], WM_COMMAND, ID_APP_EXIT, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(GetFileAttributesW((folder + L"skd.kpd.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Release, ManifestAndVersionResourceOfTheProgram) {
  ExpectManifest(BinFolder() + L"kelp.exe");
  ExpectVersion(BinFolder() + L"kelp.exe");
  // This test program carries the same resources: the loader has read the manifest
  // and binds Common Controls 6 from the side-by-side store, not the system's 5.
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(LoadLibraryW(L"comctl32.dll"), path, MAX_PATH * 2);
  std::wstring lower = path;
  for (wchar_t& c : lower) c = std::towlower(c);
  EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << Narrow(path);
  EXPECT_NE(lower.find(L"common-controls"), std::wstring::npos) << Narrow(path);
}

TEST(Release, StartsFromAFolderWhoseGbkFormHasTheTrailByte5C) {
  const TempTree parent(L"kelp-release");
  // "嘰" is 0x87 0x5C in GBK: cut at the last 0x5C byte, the path of "嘰.exe"
  // would end inside the program's own name.
  const std::wstring folder = parent.path() + L"打字 练习 嘰\\";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  const std::wstring bin = BinFolder();
  for (const wchar_t* pattern : {L"*.kpd", L"*.WAV"}) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((bin + pattern).c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
      const std::wstring name = found.cFileName;
      if (name != L"skd.kpd" && name.find(L"Data.kpd") == std::wstring::npos)
        CopyFileW((bin + name).c_str(), (folder + name).c_str(), FALSE);
    }
    FindClose(search);
  }
  ASSERT_TRUE(CopyFileW((bin + L"kelp.exe").c_str(), (folder + L"嘰.exe").c_str(), FALSE));
  RunProgramIn(folder, L"嘰.exe");
}

// Run by the test dist.UnzippedProgramRuns, after dist.ZipHoldsTheReleaseAndItsSums
// has unpacked the zip into <build>\dist-check\<a folder with Chinese and spaces>\.
TEST(UnzippedRelease, RunsFromAFolderWithChineseCharactersAndSpaces) {
  std::wstring checks = BinFolder();
  checks.resize(checks.find_last_of(L'\\', checks.size() - 2) + 1);
  checks += L"dist-check\\";
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((checks + L"*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE) << "the zip has not been unpacked";
  std::wstring unpacked;
  do {
    if (found.cFileName[0] != L'.') unpacked = found.cFileName;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  EXPECT_NE(unpacked.find(L' '), std::wstring::npos);
  EXPECT_NE(Narrow(unpacked).find("\x87\x5C"), std::string::npos);
  const std::wstring folder = checks + unpacked + L"\\kelp-" + kVersion + L"\\";
  ExpectManifest(folder + L"kelp.exe");
  ExpectVersion(folder + L"kelp.exe");
  RunProgramIn(folder);
}

}  // namespace
}  // namespace kelp::test
