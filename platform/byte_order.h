#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Little-endian fields of 1 to 4 bytes, the byte order of every binary file of the program.
namespace kelp {

// The `size` bytes at `offset`; the caller checks that they are there.
constexpr std::uint32_t ReadLe(std::string_view bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

constexpr std::uint32_t ReadLe32(std::string_view bytes, std::size_t offset) {
  return ReadLe(bytes, offset, 4);
}

// The low `size` bytes of `value`, lowest first.
inline std::string LeBytes(std::uint32_t value, int size = 4) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return bytes;
}

inline void AppendLe32(std::string& out, std::uint32_t value) {
  out += LeBytes(value);
}

inline float ReadLeFloat(std::string_view bytes, std::size_t offset) {
  return std::bit_cast<float>(ReadLe32(bytes, offset));
}

inline void AppendLeFloat(std::string& out, float value) {
  AppendLe32(out, std::bit_cast<std::uint32_t>(value));
}

}  // namespace kelp
