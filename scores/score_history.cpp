#include "scores/score_history.h"

#include "platform/files.h"

#include <cstdint>
#include <cstring>

namespace kelp {

namespace {

constexpr size_t kRecordSize = 4;
constexpr size_t kFullSize = kHistoryCapacity * kRecordSize;
constexpr size_t kLastSlot = kFullSize - kRecordSize;

std::string RecordBytes(float score) {
  std::uint32_t bits;
  std::memcpy(&bits, &score, sizeof bits);
  std::string bytes(kRecordSize, '\0');
  for (size_t i = 0; i < kRecordSize; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  return bytes;
}

float RecordValue(std::string_view bytes) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

std::string ScoreFileName(int level) {
  return "Lev" + std::to_string(level) + "Data.kpd";
}

std::string AppendedHistory(std::string_view old, float score) {
  if (old.size() <= kLastSlot) return std::string(old) + RecordBytes(score);
  std::string bytes(old);
  if (bytes.size() < kFullSize) bytes.resize(kFullSize, '\0');
  std::memmove(bytes.data(), bytes.data() + kRecordSize, kLastSlot);
  bytes.replace(kLastSlot, kRecordSize, RecordBytes(score));
  return bytes;
}

std::vector<float> ParseHistory(std::string_view bytes) {
  std::vector<float> scores;
  for (size_t offset = 0; offset + kRecordSize <= bytes.size(); offset += kRecordSize)
    scores.push_back(RecordValue(bytes.substr(offset, kRecordSize)));
  return scores;
}

bool AppendScore(const std::string& exeDir, int level, float score) {
  const std::string path = exeDir + ScoreFileName(level);
  std::optional<std::string> old = ReadWholeFile(path);
  // A history that exists but cannot be read is never overwritten.
  if (!old && FileExists(path)) return false;
  return WriteFileAtomically(path, AppendedHistory(old.value_or(std::string()), score));
}

std::vector<float> ReadScores(const std::string& exeDir, int level) {
  const std::optional<std::string> bytes = ReadWholeFile(exeDir + ScoreFileName(level));
  return bytes ? ParseHistory(*bytes) : std::vector<float>();
}

void DeleteAllScores(const std::string& exeDir) {
  for (int level = 0; level < 5; ++level) WriteFileAtomically(exeDir + ScoreFileName(level), "");
}

}  // namespace kelp
