#pragma once

#include <string>

namespace kelp {

// Plays a WAV file asynchronously; a new sound cuts off the one still playing.
// Files are read once and played from memory; a missing file gets the system's
// own behaviour for it.
void PlaySoundAsync(const std::string& gbkPath);

}  // namespace kelp
