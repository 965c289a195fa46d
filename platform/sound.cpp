#include "platform/sound.h"

#include "platform/files.h"
#include "platform/gbk.h"

#include <windows.h>
#include <mmsystem.h>

#include <map>

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
    const HMODULE winmm = LoadLibraryW(L"winmm.dll");
    if (!winmm) return loaded;
    loaded.play = reinterpret_cast<decltype(&sndPlaySoundW)>(
        reinterpret_cast<void*>(GetProcAddress(winmm, "sndPlaySoundW")));
    const auto devices = reinterpret_cast<decltype(&waveOutGetNumDevs)>(
        reinterpret_cast<void*>(GetProcAddress(winmm, "waveOutGetNumDevs")));
    // Without an output device nothing can sound; asking is slow on some systems, so ask once.
    loaded.hasOutput = loaded.play && devices && devices() > 0;
    return loaded;
  }();
  return api;
}

std::map<std::string, std::string>& LoadedSounds() {
  static std::map<std::string, std::string> loaded;
  return loaded;
}

const std::string* LoadSound(const std::string& gbkPath) {
  auto found = LoadedSounds().find(gbkPath);
  if (found == LoadedSounds().end()) {
    std::optional<std::string> bytes = ReadWholeFile(gbkPath);
    if (!bytes) return nullptr;
    found = LoadedSounds().emplace(gbkPath, std::move(*bytes)).first;
  }
  return &found->second;
}

}  // namespace

void PrepareSounds(const std::string* gbkPaths, int count) {
  if (!Api().hasOutput) return;
  for (int i = 0; i < count; ++i) LoadSound(gbkPaths[i]);
}

void PlaySoundAsync(const std::string& gbkPath) {
  const SoundApi& api = Api();
  if (!api.hasOutput) return;
  if (const std::string* bytes = LoadSound(gbkPath))
    api.play(reinterpret_cast<LPCWSTR>(bytes->data()), SND_ASYNC | SND_MEMORY);
  else
    api.play(Widen(gbkPath).c_str(), SND_ASYNC);
}

}  // namespace kelp
