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

std::wstring FolderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The folder of this test program: the build's bin folder, beside kelp.exe.
std::wstring BinFolder() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return FolderOf(path);
}

std::wstring Collapsed(const std::string& text) {
  std::wstring out;
  for (unsigned char c : text) {
    const bool space = std::iswspace(c);
    if (!space) out += static_cast<wchar_t>(c);
    if (space && !out.empty() && out.back() != L' ') out += L' ';
  }
  return out;
}

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
  reinterpret_cast<std::vector<ULONG_PTR>*>(names)->push_back(reinterpret_cast<ULONG_PTR>(name));
  return TRUE;
}

void ExpectManifest(const std::wstring& exe) {
  const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr) << Narrow(exe);
  std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)> release(module,
                                                                                  FreeLibrary);
  std::vector<ULONG_PTR> names;
  EnumResourceNamesW(module, RT_MANIFEST, CountName, reinterpret_cast<LONG_PTR>(&names));
  EXPECT_EQ(names, std::vector<ULONG_PTR>{1}) << "one manifest, the process one (id 1)";
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_NE(found, nullptr);
  const std::wstring manifest =
      Collapsed(std::string(static_cast<const char*>(LockResource(LoadResource(module, found))),
                            SizeofResource(module, found)));
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
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u) << Narrow(exe);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const DWORD high = MAKELONG(KELP_VERSION_MINOR, KELP_VERSION_MAJOR);
  const DWORD low = MAKELONG(0, KELP_VERSION_PATCH);
  EXPECT_EQ(fixed->dwFileVersionMS, high);
  EXPECT_EQ(fixed->dwFileVersionLS, low);
  EXPECT_EQ(fixed->dwProductVersionMS, high);
  EXPECT_EQ(fixed->dwProductVersionLS, low);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], 0x0804);  // Simplified Chinese
  EXPECT_EQ(translation[1], 1200);    // Unicode
  auto text = [&](const wchar_t* name) {
    wchar_t* value = nullptr;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    if (!VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) ||
        length == 0)
      return std::wstring();
    return std::wstring(value);
  };
  EXPECT_EQ(text(L"FileVersion"), kVersion);
  EXPECT_EQ(text(L"ProductVersion"), kVersion);
  EXPECT_EQ(text(L"ProductName"), kTitle);
  EXPECT_EQ(text(L"OriginalFilename"), L"kelp.exe");
  EXPECT_NE(text(L"FileDescription").find(L"Kelp"), std::wstring::npos);
  EXPECT_NE(text(L"CompanyName").find(L"Kelp"), std::wstring::npos);
}

// The program's visible top-level windows, once it has one titled as the frame.
std::vector<HWND> WaitForFrame(const PROCESS_INFORMATION& process) {
  struct Search {
    DWORD id;
    std::vector<HWND> windows;
  } search{process.dwProcessId, {}};
  for (int tries = 0; tries < 300; ++tries) {
    search.windows.clear();
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* search = reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner == search->id && IsWindowVisible(window)) search->windows.push_back(window);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.windows) {
      wchar_t title[64] = {};
      GetWindowTextW(window, title, 64);
      if (std::wstring(title) == kTitle) {
        std::iter_swap(search.windows.begin(),
                       std::find(search.windows.begin(), search.windows.end(), window));
        return search.windows;
      }
    }
    if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
  }
  return {};
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
        if (WaitForSingleObject(p->hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(p->hProcess, 1);
        CloseHandle(p->hThread);
        CloseHandle(p->hProcess);
      });

  const std::vector<HWND> windows = WaitForFrame(process);
  ASSERT_FALSE(windows.empty()) << "no main window";
  EXPECT_EQ(windows.size(), 1u) << "a message box or another window is open";
  RECT client{};
  GetClientRect(windows[0], &client);
  EXPECT_EQ(client.right, 700);
  EXPECT_EQ(client.bottom, 450);

  // The first start wrote skd.kpd beside the program, naming its own picture there.
  const HANDLE file = CreateFileW((folder + L"skd.kpd").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "no skd.kpd beside the program";
  std::string settings(4096, '\0');
  DWORD read = 0;
  ReadFile(file, settings.data(), static_cast<DWORD>(settings.size()), &read, nullptr);
  CloseHandle(file);
  settings.resize(read);
  ASSERT_GT(settings.size(), 36u);
  EXPECT_EQ(settings.substr(36), Narrow(folder + L"bgmain0.kpd"));

  PostMessageW(windows[0], WM_COMMAND, ID_APP_EXIT, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(GetFileAttributesW((folder + L"skd.kpd.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

// kelp.exe and the data files beside it, copied from the build into `folder`.
void CopyProgramInto(const std::wstring& folder) {
  const std::wstring bin = BinFolder();
  for (const wchar_t* pattern : {L"kelp.exe", L"*.kpd", L"*.WAV"}) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((bin + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) continue;
    do {
      const std::wstring name = found.cFileName;
      if (name == L"skd.kpd" || name.find(L"Data.kpd") != std::wstring::npos) continue;
      CopyFileW((bin + name).c_str(), (folder + name).c_str(), FALSE);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
}

TEST(Release, ManifestAndVersionResourceOfTheProgram) {
  ExpectManifest(BinFolder() + L"kelp.exe");
  ExpectVersion(BinFolder() + L"kelp.exe");
  // This test program carries the same resources: the loader has read the manifest
  // and binds Common Controls 6 from the side-by-side store, not the system's 5.
  const HMODULE controls = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(controls, nullptr);
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(controls, path, MAX_PATH * 2);
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
  CopyProgramInto(folder);
  ASSERT_TRUE(MoveFileW((folder + L"kelp.exe").c_str(), (folder + L"嘰.exe").c_str()));
  RunProgramIn(folder, L"嘰.exe");
}

// Run by the test dist.UnzippedProgramRuns, after dist.ZipHoldsTheReleaseAndItsSums
// has unpacked the zip into <build>\dist-check\<a folder with Chinese and spaces>\.
TEST(UnzippedRelease, RunsFromAFolderWithChineseCharactersAndSpaces) {
  const std::wstring checks =
      FolderOf(BinFolder().substr(0, BinFolder().size() - 1)) + L"dist-check\\";
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
