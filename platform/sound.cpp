#include "platform/sound.h"

#include "platform/files.h"
#include "platform/gbk.h"

#include <windows.h>
#include <mmsystem.h>

#include <map>

namespace kelp {

void PlaySoundAsync(const std::string& gbkPath) {
  // Without an output device nothing can sound; skip the call and its cost.
  // Asking is itself slow on some systems, so ask once.
  static const bool hasOutput = waveOutGetNumDevs() > 0;
  if (!hasOutput) return;
  static std::map<std::string, std::string> loaded;
  auto found = loaded.find(gbkPath);
  if (found == loaded.end()) {
    std::optional<std::string> bytes = ReadWholeFile(gbkPath);
    if (!bytes) {
      sndPlaySoundW(Widen(gbkPath).c_str(), SND_ASYNC);
      return;
    }
    found = loaded.emplace(gbkPath, std::move(*bytes)).first;
  }
  sndPlaySoundW(reinterpret_cast<LPCWSTR>(found->second.data()), SND_ASYNC | SND_MEMORY);
}

}  // namespace kelp
