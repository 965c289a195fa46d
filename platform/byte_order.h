#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Little-endian 32-bit fields, the byte order of every binary file of the program.
namespace kelp {

// The four bytes at `offset`; the caller checks that they are there.
constexpr std::uint32_t ReadLe32(std::string_view bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

inline void AppendLe32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

inline float ReadLeFloat(std::string_view bytes, std::size_t offset) {
  return std::bit_cast<float>(ReadLe32(bytes, offset));
}

inline void AppendLeFloat(std::string& out, float value) {
  AppendLe32(out, std::bit_cast<std::uint32_t>(value));
}

}  // namespace kelp
