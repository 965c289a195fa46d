// Malformed data files against the real frame: each variant is laid into a fresh
// data folder, the window is driven like a learner would (every level, a whole
// exercise, the score sheet, the layout page, a skin, Esc), and the run must end
// without a crash or a hang, show only printable cells, keep the score sheet's
// curves inside the chart and leave the learner's files as they were, apart
// from what the program stored on purpose.
#include "appearance/settings_file.h"
#include "appearance/skin_table.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "platform/gdi.h"
#include "platform/seams.h"
#include "practice/level_table.h"
#include "resource_ids.h"
#include "scores/score_history.h"
#include "tests/frame_fixture.h"
#include "tests/pixels.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kelp::test {
namespace {

constexpr long long kHugeSize = 3LL << 30;  // sparse: no disk is used
constexpr DWORD kVariantTimeoutMs = 30000;

// ---- laying a variant into a folder -------------------------------------------------------

std::wstring PathOf(const DataFolder& folder, const std::string& name) {
  return Widen(folder.path() + name);
}

void Clear(const DataFolder& folder, const std::string& name) {
  const std::wstring path = PathOf(folder, name);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!DeleteFileW(path.c_str())) RemoveDirectoryW(path.c_str());
}

void Put(const DataFolder& folder, const std::string& name, const std::string& bytes) {
  Clear(folder, name);
  folder.Write(name, bytes);
}

void PutDirectory(const DataFolder& folder, const std::string& name) {
  Clear(folder, name);
  CreateDirectoryW(PathOf(folder, name).c_str(), nullptr);
}

// `head` followed by zeros up to `size` bytes, without writing them.
void PutSparse(const DataFolder& folder, const std::string& name, const std::string& head,
               long long size) {
  Clear(folder, name);
  const HANDLE file = CreateFileW(PathOf(folder, name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &written, nullptr);
  LARGE_INTEGER end{};
  end.QuadPart = size;
  SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

// ---- building malformed bytes -------------------------------------------------------------

std::string Le(std::uint32_t value, int size) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
  return bytes;
}

std::string Floats(std::initializer_list<float> scores) {
  std::string bytes;
  for (float score : scores) {
    std::uint32_t bits;
    std::memcpy(&bits, &score, 4);
    bytes += Le(bits, 4);
  }
  return bytes;
}

std::string Noise(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

struct BmpHeader {
  std::int32_t width = 700, height = 450;
  std::uint16_t planes = 1, bits = 24;
  std::uint32_t compression = 0, sizeImage = 0, offBits = 54, infoSize = 40, colorsUsed = 0;
};

// A bitmap file header and info header, then `pixels` bytes of noise.
std::string Bmp(const BmpHeader& h, std::size_t pixels) {
  std::string bytes =
      "BM" + Le(static_cast<std::uint32_t>(54 + pixels), 4) + Le(0, 4) + Le(h.offBits, 4) +
      Le(h.infoSize, 4) + Le(static_cast<std::uint32_t>(h.width), 4) +
      Le(static_cast<std::uint32_t>(h.height), 4) + Le(h.planes, 2) + Le(h.bits, 2) +
      Le(h.compression, 4) + Le(h.sizeImage, 4) + Le(0, 8) + Le(h.colorsUsed, 4) + Le(0, 4);
  return bytes + Noise(pixels, h.width ^ h.bits);
}

std::vector<std::pair<std::string, std::string>> AbsurdBitmaps() {
  const std::size_t full = 700 * 450 * 3;
  std::vector<std::pair<std::string, std::string>> bitmaps = {
      {"width 2^31-1", Bmp({.width = 0x7fffffff}, 4096)},
      {"height INT_MIN", Bmp({.height = std::numeric_limits<std::int32_t>::min()}, 4096)},
      {"negative width", Bmp({.width = -700}, full)},
      {"zero sides", Bmp({.width = 0, .height = 0}, 16)},
      {"30000 x 30000 in 4 KB", Bmp({.width = 30000, .height = 30000}, 4096)},
      {"bit count 0", Bmp({.bits = 0}, full)},
      {"bit count 7", Bmp({.bits = 7}, full)},
      {"bit count 64", Bmp({.bits = 64}, full)},
      {"planes 9", Bmp({.planes = 9}, full)},
      {"pixels past the end", Bmp({.offBits = 0x7ffffff0}, full)},
      {"RLE8 noise", Bmp({.bits = 8, .compression = 1, .sizeImage = 5000}, 5000)},
      {"RLE4 noise", Bmp({.bits = 4, .compression = 2, .sizeImage = 0xffffffff}, 5000)},
      {"colour table 2^32-1", Bmp({.bits = 8, .colorsUsed = 0xffffffff}, 700 * 450)},
      {"info header 12 garbage", Bmp({.infoSize = 12}, full)},
      {"info header 124 short", Bmp({.infoSize = 124}, 60)},
      {"info header 2^31", Bmp({.infoSize = 0x80000000}, full)},
      {"bitfields without masks", Bmp({.bits = 16, .compression = 3}, 700 * 450 * 2)},
      {"JPEG inside", Bmp({.compression = 4, .sizeImage = 100}, 100)},
      {"half the pixels", Bmp({}, full / 2)},
      {"header only", Bmp({}, 0)},
  };
  return bitmaps;
}

// The stored form of a settings file with these logical bytes.
std::string Settings(int skin, std::uint32_t color, const std::string& path) {
  SettingsRecord record{skin, {}, path};
  record.colors.fill(color);
  return EncodeSettings(record);
}

// ---- the variants -------------------------------------------------------------------------

using Lay = std::function<void(const DataFolder&)>;

struct Variant {
  std::string name;
  Lay lay;
  int level = 0;  // whose exercise is typed to its end
};

int LevelOfFile(const std::string& name, int fallback) {
  if (name.rfind("Level", 0) == 0) return name[5] - '1';
  if (name.rfind("Lev", 0) == 0) return name[3] - '0';
  return fallback;
}

std::vector<Variant> CorpusVariants() {
  std::vector<Variant> variants;
  auto add = [&](std::string name, Lay lay, int level = -1) {
    const int index = static_cast<int>(variants.size());
    variants.push_back({std::move(name), std::move(lay), level >= 0 ? level : index % 5});
  };
  // A variant that only puts `bytes` into `file`.
  auto put = [&](const std::string& file, const std::string& what, std::string bytes,
                 int level = -1) {
    add(
        file + ": " + what, [=](auto& f) { Put(f, file, bytes); }, level);
  };
  std::vector<std::string> files(std::begin(kLearnerFiles), std::end(kLearnerFiles));
  files.insert(files.end(), std::begin(kDataFiles), std::end(kDataFiles));
  const std::string shipped = ExecutableDirectory();
  using Damage = std::function<void(const DataFolder&, const std::string&, const std::string&)>;
  const std::pair<const char*, Damage> damages[] = {
      {"missing", [](auto& f, auto& file, auto&) { Clear(f, file); }},
      {"empty", [](auto& f, auto& file, auto&) { Put(f, file, ""); }},
      {"one byte", [](auto& f, auto& file, auto&) { Put(f, file, "\x7f"); }},
      {"short",
       [](auto& f, auto& file, auto& old) { Put(f, file, old.substr(0, old.size() / 3)); }},
      {"long", [](auto& f, auto& file, auto& old) { Put(f, file, old + Noise(300000, 7)); }},
      {"huge", [](auto& f, auto& file, auto& old) { PutSparse(f, file, old, kHugeSize); }},
      {"noise", [](auto& f, auto& file, auto& old) { Put(f, file, Noise(old.size(), 11)); }},
      {"directory", [](auto& f, auto& file, auto&) { PutDirectory(f, file); }},
      {"read-only",
       [](auto& f, auto& file, auto& old) {
         Put(f, file, old);
         SetFileAttributesW(PathOf(f, file).c_str(), FILE_ATTRIBUTE_READONLY);
       }},
  };
  for (const std::string& file : files) {
    const std::string old = ReadWholeFile(shipped + file).value_or(Floats({50, 60, 70}));
    for (const auto& [what, damage] : damages) {
      const Lay lay = [=, damage = damage](auto& f) { damage(f, file, old); };
      add(file + ": " + what, lay, LevelOfFile(file, -1));
    }
  }

  // Scores no exercise can give.
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<std::pair<std::string, std::string>> histories = {
      {"NaN", Floats({nan, 50, nan})},
      {"+Inf", Floats({inf, 70})},
      {"-Inf", Floats({-inf, 20, -inf})},
      {"negative", Floats({-5, -100, -0.0f})},
      {"1e30", Floats({1e30f, -1e30f, 1e30f})},
      {"denormals", Floats({1e-45f, -1e-40f})},
      {"signalling NaN", Le(0x7f800001, 4) + Le(0xff800001, 4)},
      {"30 NaNs", std::string(120, '\xff')},
      {"32 records", std::string(128, '\x42')},
      {"121 bytes", std::string(121, '\x42')},
      {"119 bytes", std::string(119, '\x42')},
      {"6 bytes", Floats({88}) + "ab"},
      {"4000 records of 1e30", std::string(16000, '\x7e')},
  };
  for (int level = 0; level < kLevelCount; ++level)
    for (std::size_t i = 0; i < histories.size(); i += (level == 0 ? 1 : 3)) {
      const auto& [name, bytes] = histories[(i + level) % histories.size()];
      put(ScoreFileName(level), name, bytes, level);
    }

  // Settings files no dialog can write.
  const std::vector<std::pair<std::string, std::string>> settings = {
      {"skin -1", Settings(-1, 0x123456, "")},
      {"skin 4", Settings(4, 0, "C:\\x.bmp")},
      {"skin INT_MAX", Settings(0x7fffffff, 0xffffffff, "")},
      {"skin INT_MIN", Settings(std::numeric_limits<int>::min(), 0x0a0a0a, "")},
      {"35 bytes", Settings(1, 0x0a0d0a, "").substr(0, 35)},
      {"colours with high bytes", Settings(2, 0xff0a1a0d, "")},
      {"Ctrl+Z in the header", Settings(3, 0x1a1a1a, "")},
      {"path not GBK", Settings(0, 0, "C:\\\x80\xff\xfe\x81.bmp")},
      {"path with a lone lead byte", Settings(0, 0, "C:\\pic\xb0")},
      {"path with a NUL", Settings(0, 0, std::string("C:\\a\0b.bmp", 10))},
      {"path of 5000 bytes", Settings(1, 0, "C:\\" + std::string(5000, 'a') + ".bmp")},
      {"path relative", Settings(1, 0, "bgmain1.kpd")},
      {"path a device", Settings(2, 0, "\\\\.\\CON")},
      {"path a UNC share", Settings(2, 0, "\\\\nohost\\share\\x.bmp")},
      {"path CR only", Settings(0, 0, "C:\\a\rb.bmp\r")},
      {"path of line ends", Settings(0, 0, "\n\n\n")},
  };
  for (const auto& [name, bytes] : settings) put("skd.kpd", name, bytes);
  add("skd.kpd: path is a folder", [](auto& f) {
    PutDirectory(f, "pictures");
    Put(f, "skd.kpd", Settings(0, 0xffffff, f.path() + "pictures"));
  });
  add("skd.kpd: path is a huge file", [](auto& f) {
    PutSparse(f, "big.bmp", Bmp({}, 0), kHugeSize);
    Put(f, "skd.kpd", Settings(0, 0xffffff, f.path() + "big.bmp"));
  });

  // Pictures with headers no painter wrote, as skin, keyboard and user pictures.
  int which = 0;
  for (const auto& [name, bytes] : AbsurdBitmaps()) {
    const std::string file =
        std::vector<std::string>{"bgmain0.kpd", "kb1.kpd", "kb2.kpd", "kb0.kpd"}[which++ % 4];
    put(file, name, bytes, file == "kb2.kpd" ? 4 : 0);
    add("user picture: " + name, [=](auto& f) {
      Put(f, "user.bmp", bytes);
      Put(f, "skd.kpd", Settings(2, 0x808080, f.path() + "user.bmp"));
    });
  }

  // Practice texts with bytes no learner can type.
  for (int level = 0; level < kLevelCount; ++level) {
    const std::string file = kLevels[level].textFile;
    const std::size_t least = kLevels[level].offsetModulus - 1 + kLevels[level].bytesRead;
    std::string gbk;
    while (gbk.size() < least) gbk += "\xc4\xe3\xba\xc3\r\n\t\x1a\x7f";
    put(file, "all zero", std::string(least, '\0'), level);
    put(file, "all 0xFF", std::string(least, '\xff'), level);
    put(file, "GBK and line ends", gbk, level);
    put(file, "one byte short", std::string(least - 1, 'a'), level);
  }

  // Sounds whose chunks lie.
  const std::string riff = "RIFF" + Le(0xfffffff0, 4) + "WAVE";
  const std::vector<std::pair<std::string, std::string>> sounds = {
      {"fmt of 0 channels", riff + "fmt " + Le(16, 4) + Le(1, 2) + Le(0, 2) + Le(0, 12)},
      {"data past the end", riff + "fmt " + Le(16, 4) + Le(1, 2) + Le(1, 2) + Le(8000, 4) +
                                Le(8000, 4) + Le(1, 2) + Le(8, 2) + "data" + Le(0x7fffffff, 4)},
      {"chunk of 4 GB", riff + "junk" + Le(0xffffffff, 4) + "abcd"},
      {"odd format", riff + "fmt " + Le(2, 4) + Le(0xffff, 2)},
  };
  for (const char* file : {"KP.WAV", "ERR.WAV", "SEL1.WAV"})
    for (const auto& [name, bytes] : sounds) put(file, name, bytes);
  return variants;
}

// ---- what a run must leave ----------------------------------------------------------------

struct Snapshot {
  bool exists = false, directory = false;
  long long size = 0;
  std::optional<std::string> bytes;  // nothing when unreadable or too large
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const DataFolder& folder, const std::string& name) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(PathOf(folder, name).c_str(), GetFileExInfoStandard, &data)) return {};
  Snapshot shot{true,
                (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                {}};
  const FileRead read = TryReadWholeFile(folder.path() + name);
  if (!shot.directory && read.status == FileStatus::kRead) shot.bytes = read.bytes;
  return shot;
}

// The client area as 32-bit pixels, rows top down.
std::vector<std::uint32_t> CaptureClient(const MainFrame& frame) {
  std::vector<std::uint32_t> pixels(kClientWidth * kClientHeight);
  const Bitmap dib = NewDib(kClientWidth, kClientHeight);
  const HDC window = GetDC(frame.hwnd());
  {
    MemoryDC memory(window);
    ScopedSelect select(memory.get(), dib.get());
    BitBlt(memory.get(), 0, 0, kClientWidth, kClientHeight, window, 0, 0, SRCCOPY);
  }
  ReleaseDC(frame.hwnd(), window);
  GetBitmapBits(dib.get(), static_cast<LONG>(pixels.size() * 4), pixels.data());
  return pixels;
}

// Records off the scale may lie above or under the chart, but no curve reaches
// the title, the legend or the scale left of the first record.
bool OutsideChart(int x, int y) {
  return x < 62 || y < 18 || y >= 390;
}

int WildPixels(const std::vector<std::uint32_t>& sheet, const std::vector<std::uint32_t>& plain) {
  int wild = 0;
  for (int y = 0; y < kClientHeight; ++y)
    for (int x = 0; x < kClientWidth; ++x)
      if (OutsideChart(x, y) && sheet[y * kClientWidth + x] != plain[y * kClientWidth + x]) ++wild;
  return wild;
}

// Every shown cell holds a byte a learner could type.
bool CellsPrintable(const MainFrame& frame) {
  const Exercise& exercise = frame.exercise();
  if (!exercise.passageShown() && exercise.phase() != Phase::Result) return true;
  for (int k = 0; k < exercise.length(); ++k) {
    const unsigned char shown = static_cast<unsigned char>(DisplayedChar(exercise.passageAt(k)));
    if (shown < 32 || shown > 126) return false;
  }
  return true;
}

void TypeChar(const MainFrame& frame, char c) {
  SendMessageW(frame.hwnd(), WM_CHAR, static_cast<unsigned char>(c), 1);
}

struct Outcome {
  bool garbage = false, lost = false;
  int wildPixels = 0, leakedGdi = 0;
  std::string why;
};

Outcome RunVariant(const Variant& variant, int index,
                   const std::vector<std::uint32_t>* plainSheet) {
  Outcome outcome;
  DataFolder folder;
  variant.lay(folder);
  Snapshot before[std::size(kLearnerFiles)];
  for (std::size_t i = 0; i < std::size(kLearnerFiles); ++i)
    before[i] = Take(folder, kLearnerFiles[i]);
  std::minstd_rand random(index + 1);
  TheSeams().nextRandom = [&random] { return static_cast<int>(random() % 32768); };
  const int gdiBefore = LiveGdiHandles();
  MessageBoxWatcher watcher;
  bool skinChanged = false, stored = false;
  float storedScore = 0;
  SettingsRecord finalSettings;
  {
    std::unique_ptr<MainFrame> frame = OpenFrame();
    MainFrame& f = *frame;
    const SettingsRecord first = f.settings();
    SendCommand(f, ID_LEVEL1 + variant.level);
    FinishSlide(f);
    if (!CellsPrintable(f)) outcome.garbage = true, outcome.why += " passage";
    if (f.exercise().passageShown()) {
      const int length = f.exercise().length();
      for (int k = 0; k < length; ++k) {
        const char c = f.exercise().passageAt(k);
        TypeChar(f, c >= 32 && c <= 126 ? c : 'x');
        if (k == 3) TypeChar(f, '\b'), TypeChar(f, f.exercise().passageAt(3));
      }
      stored = f.result().scoreSaved && f.exercise().phase() == Phase::Result;
      storedScore = f.result().score;
      TypeChar(f, '\r');
    }
    for (int level = 0; level < kLevelCount; ++level) {
      SendCommand(f, ID_LEVEL1 + level);
      if (!CellsPrintable(f)) outcome.garbage = true, outcome.why += " level";
    }
    SendCommand(f, ID_SCORE_SHEET);
    if (plainSheet && f.page() == Page::ScoreSheet) {
      outcome.wildPixels = WildPixels(CaptureClient(f), *plainSheet);
      if (outcome.wildPixels) outcome.garbage = true, outcome.why += " sheet";
    }
    SendCommand(f, ID_KEYBOARD_LAYOUT);
    SendCommand(f, kSkins[index % kSkinCount].command);  // each skin in turn
    skinChanged = std::memcmp(&first.colors, &f.settings().colors, sizeof first.colors) != 0 ||
                  first.skinIndex != f.settings().skinIndex ||
                  first.backgroundPath != f.settings().backgroundPath;
    PostMessageW(f.hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(f.hwnd(), WM_KEYUP, VK_ESCAPE, 0xC0000001);
    Pump(f);
    FinishSlide(f);
    RECT client{};
    GetClientRect(f.hwnd(), &client);
    if (client.right != kClientWidth || client.bottom != kClientHeight)
      outcome.garbage = true, outcome.why += " client";
    finalSettings = f.settings();
  }
  TheSeams().nextRandom = nullptr;
  outcome.leakedGdi = LiveGdiHandles() - gdiBefore;

  // skd.kpd changes only to what the run chose; a history only gains the new score.
  const Snapshot settingsAfter = Take(folder, "skd.kpd");
  const bool settingsWritable = !before[0].directory;
  if (!(before[0] == settingsAfter) && !(settingsWritable && (skinChanged || !before[0].exists) &&
                                         settingsAfter.bytes == EncodeSettings(finalSettings)))
    outcome.lost = true, outcome.why += " skd.kpd";
  for (int level = 0; level < kLevelCount; ++level) {
    const Snapshot after = Take(folder, ScoreFileName(level));
    const Snapshot& old = before[1 + level];
    const bool appended = stored && level == variant.level && after.bytes &&
                          *after.bytes == AppendedHistory(old.bytes.value_or(""), storedScore);
    if (!(old == after) && !appended)
      outcome.lost = true, outcome.why += " " + ScoreFileName(level);
  }
  RemoveTree(Widen(folder.path()));  // the folder's own cleanup deletes plain files only
  return outcome;
}

// ---- crash and hang watch -----------------------------------------------------------------

std::atomic<const char*> g_current{nullptr};
std::atomic<DWORD> g_started{0};

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
  std::printf("corpus: CRASH (code %08lx) in variant \"%s\"\n",
              exception->ExceptionRecord->ExceptionCode, g_current.load());
  std::fflush(stdout);
  return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI WatchForHangs(void*) {
  for (;;) {
    Sleep(500);
    const DWORD started = g_started.load();
    if (started && GetTickCount() - started > kVariantTimeoutMs) {
      std::printf("corpus: HANG in variant \"%s\"\n", g_current.load());
      std::fflush(stdout);
      TerminateProcess(GetCurrentProcess(), 3);
    }
  }
}

TEST(MalformedFileCorpus, NoCrashHangGarbageOrDataLoss) {
  const std::vector<Variant> variants = CorpusVariants();
  ASSERT_GE(variants.size(), 200u);
  SetUnhandledExceptionFilter(ReportCrash);
  CloseHandle(CreateThread(nullptr, 0, WatchForHangs, nullptr, 0, nullptr));

  // The score sheet as untouched files show it: the one to compare against.
  std::vector<std::uint32_t> plainSheet;
  {
    DataFolder folder;
    std::unique_ptr<MainFrame> frame = OpenFrame();
    SendCommand(*frame, ID_SCORE_SHEET);
    FinishSlide(*frame);
    plainSheet = CaptureClient(*frame);
  }
  int garbage = 0, losses = 0, leaks = 0;
  const DWORD start = GetTickCount();
  for (std::size_t i = 0; i < variants.size(); ++i) {
    const Variant& variant = variants[i];
    g_current = variant.name.c_str();
    g_started = GetTickCount();
    // The plain sheet fits only where the look is the untouched one.
    const bool plainLook = variant.name.rfind("skd.kpd", 0) != 0 &&
                           variant.name.rfind("bgmain", 0) != 0 &&
                           variant.name.rfind("user picture", 0) != 0;
    const Outcome outcome =
        RunVariant(variant, static_cast<int>(i), plainLook ? &plainSheet : nullptr);
    g_started = 0;
    garbage += outcome.garbage;
    losses += outcome.lost;
    leaks += outcome.leakedGdi != 0;
    EXPECT_FALSE(outcome.garbage || outcome.lost || outcome.leakedGdi)
        << variant.name << ":" << outcome.why << " wild pixels " << outcome.wildPixels
        << ", GDI objects left " << outcome.leakedGdi;
  }
  std::printf(
      "corpus: %zu variants, 0 crashes, 0 hangs, %d data losses (%d with garbage, %d "
      "leaking GDI objects) in %.1f s\n",
      variants.size(), losses, garbage, leaks, (GetTickCount() - start) / 1000.0);
}

}  // namespace
}  // namespace kelp::test
