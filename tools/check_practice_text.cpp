// Joins the lines of a practice text, validates it and writes the .kpd blob.
// Usage: check_practice_text <source.txt> <output.kpd>
// The output's name picks the level: the text must hold every byte the level
// may read (its largest random offset plus the bytes read) and only the
// characters of its kind.

#include "practice/level_table.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

// What each level's text may hold, in level order.
constexpr const char* kTextKinds[kelp::kLevelCount] = {"lower", "prose", "prose", "prose", "keypad"};

std::string_view BaseName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Joins `src` per `kind` into `out`; returns an empty string or an error message.
std::string joinAndValidate(std::string_view src, std::string_view kind, std::size_t minBytes,
                            std::string& out) {
  std::string_view allowedDesc;
  std::string_view allowed;
  std::string_view separator = " ";
  if (kind == "lower") {
    allowed = "abcdefghijklmnopqrstuvwxyz ";
    allowedDesc = "lower-case letters and spaces only";
  } else if (kind == "prose") {
    allowedDesc = "printable ASCII 32..126 only";
  } else if (kind == "keypad") {
    allowed = "0123456789./*-+";
    allowedDesc = "keypad characters 0123456789./*-+ only";
    separator = "";
  } else {
    return "unknown kind '" + std::string(kind) + "' (expected lower, prose or keypad)";
  }

  // Drop one final line end (LF or CRLF).
  if (src.ends_with("\r\n"))
    src.remove_suffix(2);
  else if (src.ends_with('\n'))
    src.remove_suffix(1);

  out.clear();
  std::size_t pos = 0;
  while (true) {
    std::size_t nl = src.find('\n', pos);
    std::string_view line =
        src.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (pos != 0) out += separator;
    out += line;
    if (nl == std::string_view::npos) break;
    pos = nl + 1;
  }

  for (std::size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    bool ok = c >= 32 && c <= 126 &&
              (allowed.empty() || allowed.find(static_cast<char>(c)) != std::string_view::npos);
    if (!ok)
      return "byte " + std::to_string(c) + " at offset " + std::to_string(i) + " is not allowed (" +
             std::string(allowedDesc) + ")";
  }
  if (out.size() < minBytes)
    return "joined text is " + std::to_string(out.size()) + " bytes, minimum is " +
           std::to_string(minBytes);
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: check_practice_text <source.txt> <output.kpd>\n";
    return 1;
  }
  const std::string srcPath = argv[1];
  const std::string outPath = argv[2];
  std::remove(outPath.c_str());  // never leave a stale output behind

  int level = 0;
  while (level < kelp::kLevelCount && BaseName(outPath) != kelp::kLevels[level].textFile) ++level;
  if (level == kelp::kLevelCount) {
    std::cerr << outPath << ": not the text file of any level\n";
    return 1;
  }
  const kelp::LevelInfo& info = kelp::kLevels[level];
  const std::size_t minBytes = static_cast<std::size_t>(info.offsetModulus - 1 + info.bytesRead);

  std::ifstream in(srcPath, std::ios::binary);
  if (!in) {
    std::cerr << srcPath << ": cannot open\n";
    return 1;
  }
  const std::string src{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

  std::string joined;
  const std::string err = joinAndValidate(src, kTextKinds[level], minBytes, joined);
  if (!err.empty()) {
    std::cerr << srcPath << ": " << err << "\n";
    return 1;
  }

  std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
  out.write(joined.data(), static_cast<std::streamsize>(joined.size()));
  out.close();
  if (!out) {
    std::remove(outPath.c_str());
    std::cerr << outPath << ": cannot write\n";
    return 1;
  }
  return 0;
}
