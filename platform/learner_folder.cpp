#include "platform/learner_folder.h"

#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/seams.h"
#include "platform/system_library.h"

#include <windows.h>

namespace kelp {

namespace {

constexpr char kOwnFolder[] = "Kelp\\";

// Whether `folder` takes a new file: one of a name nobody uses is created and
// deleted again. Asking for the delete at once also proves what every replacement
// needs, and a crash leaves nothing behind.
bool TakesNewFile(const std::string& folder) {
  static unsigned count = 0;
  const std::string name = folder + "kelp-probe-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(GetTickCount64()) + "-" + std::to_string(++count) +
                           ".tmp";
  const KernelHandle probe(
      CreateFileW(Widen(name).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(probe);
}

}  // namespace

// The known-folder API rather than %LOCALAPPDATA%: the environment is whatever the
// starting program passed on (a launcher or a computer room's login script may
// change or drop it), while the API asks the profile itself. SHELL32 is loaded only
// here, when the program's folder takes no file.
std::string LocalAppDataDirectory() {
  if (!TheSeams().localAppData.empty()) return TheSeams().localAppData;
  using GetKnownFolderPath = HRESULT WINAPI(const GUID&, DWORD, HANDLE, PWSTR*);
  using FreeTaskMemory = void WINAPI(void*);
  static constexpr GUID kLocalAppData = {
      0xF1B32785, 0x6FBA, 0x4FCF, {0x9D, 0x55, 0x7B, 0x8E, 0x7F, 0x15, 0x70, 0x91}};
  constexpr DWORD kCreateWhenMissing = 0x8000;  // KF_FLAG_CREATE
  const auto get = LibraryFunction<GetKnownFolderPath>(LoadSystemLibrary(L"shell32.dll"),
                                                       "SHGetKnownFolderPath");
  const auto release =
      LibraryFunction<FreeTaskMemory>(LoadSystemLibrary(L"ole32.dll"), "CoTaskMemFree");
  PWSTR found = nullptr;
  if (!get || !release || FAILED(get(kLocalAppData, kCreateWhenMissing, nullptr, &found)))
    return {};
  const std::wstring folder = std::wstring(found) + L"\\";
  release(found);
  return GbkFolderOf(folder);
}

LearnerFolder FindLearnerFolder(const std::string& programFolder,
                                const std::vector<std::string>& learnerFiles) {
  if (TakesNewFile(programFolder)) return {programFolder};
  const std::string local = LocalAppDataDirectory();
  if (local.empty()) return {programFolder};
  const std::string own = local + kOwnFolder;
  if (CreateDirectoryW(Widen(own).c_str(), nullptr)) {
    // Preset colours and old scores come along; a file that cannot be read stays behind.
    for (const std::string& name : learnerFiles) {
      const FileRead old = TryReadWholeFile(programFolder + name);
      if (old.status == FileStatus::kRead) WriteFileAtomically(own + name, old.bytes);
    }
    return {own, true};
  }
  const DWORD attributes = GetFileAttributesW(Widen(own).c_str());
  const bool folder =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  return {folder ? own : programFolder};
}

}  // namespace kelp
