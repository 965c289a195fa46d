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
  UINT(WINAPI* devices)() = nullptr;
};

const SoundApi& Api() {
  static const SoundApi api = [] {
    const HMODULE winmm = LoadSystemLibrary(L"winmm.dll");
    return SoundApi{LibraryFunction<decltype(sndPlaySoundW)>(winmm, "sndPlaySoundW"),
                    LibraryFunction<UINT WINAPI()>(winmm, "waveOutGetNumDevs")};
  }();
  return api;
}

// Without an output device nothing can sound. Asking is slow on some systems, so
// it is asked at the first sound and again when a level is chosen, never at every
// key: headphones plugged in later are found with the next level.
std::optional<bool> g_hasOutput;

void LookForOutput() {
  const SoundApi& api = Api();
  unsigned devices = 0;
  if (TheSeams().soundDevices)
    devices = TheSeams().soundDevices();
  else if (TheSeams().soundOutput)
    devices = 1;  // the stand-in plays without one
  else if (api.devices)
    devices = api.devices();
  g_hasOutput = (TheSeams().soundOutput || api.play) && devices > 0;
}

// Hands a sound to WINMM, or to the test seam that stands in for it.
void Output(const void* wave, UINT flags) {
  if (TheSeams().soundOutput)
    TheSeams().soundOutput(wave, flags);
  else
    Api().play(static_cast<LPCWSTR>(wave), flags);
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
  if (found == LoadedSounds().end())
    found = LoadedSounds().emplace(gbkPath, ReadWholeFile(gbkPath)).first;
  return found->second;
}

// Whether a sound was handed over since the last stop: its bytes may be playing.
bool g_mayPlay = false;

}  // namespace

// A file read again keeps its old bytes when they are the same. New bytes replace
// them only after the sound is stopped: WINMM plays from that memory.
void PrepareSounds(const std::string* gbkPaths, int count) {
  LookForOutput();
  if (!*g_hasOutput) return;
  for (int i = 0; i < count; ++i) {
    std::optional<std::string> bytes = ReadWholeFile(gbkPaths[i]);
    auto found = LoadedSounds().find(gbkPaths[i]);
    if (found == LoadedSounds().end()) {
      LoadedSounds().emplace(gbkPaths[i], std::move(bytes));
    } else if (found->second != bytes) {
      StopSounds();
      found->second = std::move(bytes);
    }
  }
}

// SND_NODEFAULT: a sound that cannot be played stays silent instead of the
// system's default sound.
void PlaySoundAsync(const std::string& gbkPath) {
  if (!g_hasOutput) LookForOutput();
  if (!*g_hasOutput) return;
  if (const std::optional<std::string>& bytes = LoadSound(gbkPath)) {
    Output(bytes->data(), SND_ASYNC | SND_MEMORY | SND_NODEFAULT);
    g_mayPlay = true;
  }
}

void StopSounds() {
  if (!g_mayPlay) return;
  Output(nullptr, 0);
  g_mayPlay = false;
}

}  // namespace kelp
