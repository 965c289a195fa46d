#include "platform/sound.h"

#include "platform/files.h"
#include "platform/seams.h"
#include "platform/system_library.h"

#include <windows.h>
#include <mmsystem.h>

#include <map>
#include <optional>

namespace kelp {

namespace {

// WINMM is loaded on first use: start-up does not pay for it.
struct SoundApi {
  decltype(&sndPlaySoundW) play = nullptr;
  bool hasOutput = false;
};

const SoundApi& Api() {
  static const SoundApi api = [] {
    SoundApi loaded;
    const HMODULE winmm = LoadSystemLibrary(L"winmm.dll");
    loaded.play = LibraryFunction<decltype(sndPlaySoundW)>(winmm, "sndPlaySoundW");
    const auto devices = LibraryFunction<UINT WINAPI()>(winmm, "waveOutGetNumDevs");
    // Without an output device nothing can sound; asking is slow on some systems, so ask once.
    loaded.hasOutput = loaded.play && devices && devices() > 0;
    return loaded;
  }();
  return api;
}

// Hands a sound to WINMM, or to the test seam that stands in for it.
bool Output(const void* wave, UINT flags) {
  if (TheSeams().soundOutput) {
    TheSeams().soundOutput(wave, flags);
    return true;
  }
  const SoundApi& api = Api();
  if (!api.hasOutput) return false;
  api.play(static_cast<LPCWSTR>(wave), flags);
  return true;
}

// The files as read; a missing file is remembered as missing until the next
// PrepareSounds. The map is never destroyed: WINMM may still be playing from it
// while the process ends.
std::map<std::string, std::optional<std::string>>& LoadedSounds() {
  static auto* loaded = new std::map<std::string, std::optional<std::string>>;
  return *loaded;
}

const std::optional<std::string>& LoadSound(const std::string& gbkPath) {
  auto found = LoadedSounds().find(gbkPath);
  if (found == LoadedSounds().end()) found = LoadedSounds().emplace(gbkPath, ReadWholeFile(gbkPath)).first;
  return found->second;
}

bool CanSound() {
  return TheSeams().soundOutput || Api().hasOutput;
}

}  // namespace

void PrepareSounds(const std::string* gbkPaths, int count) {
  if (!CanSound()) return;
  for (int i = 0; i < count; ++i) {
    LoadedSounds().erase(gbkPaths[i]);
    LoadSound(gbkPaths[i]);
  }
}

// SND_NODEFAULT: a sound that cannot be played stays silent instead of the
// system's default sound.
void PlaySoundAsync(const std::string& gbkPath) {
  if (!CanSound()) return;
  if (const std::optional<std::string>& bytes = LoadSound(gbkPath))
    Output(bytes->data(), SND_ASYNC | SND_MEMORY | SND_NODEFAULT);
}

void StopSounds() {
  if (!LoadedSounds().empty()) Output(nullptr, 0);
}

}  // namespace kelp
