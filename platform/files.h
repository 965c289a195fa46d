#pragma once

#include <optional>
#include <string>

// File helpers on GBK paths. No file stays open between calls.
namespace kelp {

std::optional<std::string> ReadWholeFile(const std::string& path);
// Exactly `count` bytes from `offset`, or nothing when the file is missing or short.
std::optional<std::string> ReadFileRange(const std::string& path, long offset, int count);
// Replaces the file whole: a temporary file beside it, then a rename over it.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
bool DeletePath(const std::string& path);

}  // namespace kelp
