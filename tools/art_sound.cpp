// Short key and button sounds, 16-bit mono PCM at 22050 Hz.

#include "resources/data_files.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

#include "tools/art_canvas.h"
#include "tools/art_pictures.h"

namespace art {
namespace {

constexpr int kRate = 22050;
constexpr float kTwoPi = 6.2831853f;

using Samples = std::vector<float>;

Samples Silence(float seconds) {
  return Samples(static_cast<size_t>(seconds * kRate), 0.f);
}

// Linear ramps over the first and last milliseconds, so playback starts and ends quietly.
void Fade(Samples& s, float inMs, float outMs) {
  const size_t in = static_cast<size_t>(inMs * kRate / 1000),
               out = static_cast<size_t>(outMs * kRate / 1000);
  for (size_t i = 0; i < in && i < s.size(); ++i) s[i] *= static_cast<float>(i) / in;
  for (size_t i = 0; i < out && i < s.size(); ++i)
    s[s.size() - 1 - i] *= static_cast<float>(i) / out;
}

// A tone whose pitch glides exponentially from f0 to f1 over `glide` seconds,
// with a quick attack and an exponential decay; harmonic adds its octave.
struct Tone {
  float start, f0, f1, glide, attack, decay, gain, harmonic;
};

void AddTone(Samples& s, const Tone& tone, bool softClip = false) {
  float phase = 0;
  for (size_t i = static_cast<size_t>(tone.start * kRate); i < s.size(); ++i) {
    const float t = static_cast<float>(i) / kRate - tone.start;
    const float f = tone.f0 * std::pow(tone.f1 / tone.f0, std::min(t / tone.glide, 1.f));
    phase += kTwoPi * f / kRate;
    float v = std::sin(phase) + tone.harmonic * std::sin(2 * phase);
    if (softClip) v = std::tanh(2.2f * v) / std::tanh(2.2f);
    const float envelope = std::min(t / tone.attack, 1.f) * std::exp(-t / tone.decay);
    s[i] += tone.gain * envelope * v;
  }
}

// A short burst of smoothed noise, the "tick" of a key.
void AddTick(Samples& s, float gain, float decay, uint32_t seed) {
  float smooth = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const float t = static_cast<float>(i) / kRate;
    const float noise = Hash01(static_cast<int>(i), 0, seed) * 2 - 1;
    smooth += 0.45f * (noise - smooth);
    s[i] += gain * smooth * std::exp(-t / decay);
  }
}

Samples KeyPress() {
  Samples s = Silence(0.05f);
  AddTick(s, 0.35f, 0.0025f, 7);
  AddTone(s, {0, 2100, 1900, 0.02f, 0.0005f, 0.007f, 0.28f, 0.2f});
  AddTone(s, {0, 520, 480, 0.03f, 0.001f, 0.012f, 0.22f, 0});
  Fade(s, 0.5f, 8);
  return s;
}

Samples WrongKey() {
  Samples s = Silence(0.14f);
  for (float start : {0.f, 0.068f})
    AddTone(s, {start, 200, 118, 0.05f, 0.003f, 0.022f, 0.56f, 0.25f}, true);
  Fade(s, 1, 15);
  return s;
}

Samples Hover() {
  Samples s = Silence(0.07f);
  AddTone(s, {0, 1320, 1980, 0.05f, 0.004f, 0.022f, 0.3f, 0.12f});
  Fade(s, 1, 12);
  return s;
}

void Put(std::ofstream& file, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) file.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWav(const std::string& path, const Samples& samples) {
  std::ofstream file(path, std::ios::binary);
  const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
  file.write("RIFF", 4);
  Put(file, 36 + dataSize, 4);
  file.write("WAVEfmt ", 8);
  Put(file, 16, 4);
  Put(file, 1, 2);  // PCM
  Put(file, 1, 2);  // mono
  Put(file, kRate, 4);
  Put(file, kRate * 2, 4);
  Put(file, 2, 2);
  Put(file, 16, 2);
  file.write("data", 4);
  Put(file, dataSize, 4);
  for (float v : samples) {
    const long sample = std::lround(std::clamp(v, -1.f, 1.f) * 32767);
    Put(file, static_cast<uint32_t>(sample) & 0xFFFF, 2);
  }
  return static_cast<bool>(file);
}

}  // namespace

bool WriteSounds(const std::string& dir) {
  bool ok = WriteWav(PathIn(dir, kelp::kRightKeySound), KeyPress());
  ok &= WriteWav(PathIn(dir, kelp::kWrongKeySound), WrongKey());
  ok &= WriteWav(PathIn(dir, kelp::kSelectSound), Hover());
  return ok;
}

}  // namespace art
