#pragma once

#include <string>

namespace kelp {

// Loads the sound library, looks for an output device (again, each time) and reads
// the given WAV files ahead of the first key. Until then nothing of it is loaded:
// start-up and memory do not pay for sounds.
void PrepareSounds(const std::string* gbkPaths, int count);

// Plays a WAV file asynchronously; a new sound cuts off the one still playing.
// Files are read once and played from memory; a missing file plays nothing.
void PlaySoundAsync(const std::string& gbkPath);

// Stops the sound still playing: called before the window goes, so that no
// sound plays on while the program ends.
void StopSounds();

}  // namespace kelp
