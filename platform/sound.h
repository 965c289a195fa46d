#pragma once

#include <string>

namespace kelp {

// Loads the sound library and reads the given WAV files ahead of the first key.
// Until then nothing of it is loaded: start-up and memory do not pay for sounds.
void PrepareSounds(const std::string* gbkPaths, int count);

// Plays a WAV file asynchronously; a new sound cuts off the one still playing.
// Files are read once and played from memory; a missing file gets the system's
// own behaviour for it.
void PlaySoundAsync(const std::string& gbkPath);

}  // namespace kelp
