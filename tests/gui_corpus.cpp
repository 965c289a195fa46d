// Malformed data files against the real frame: each variant is laid into a fresh
// data folder and the window is driven like a learner would (a whole exercise in
// some levels, the score sheet, the layout page, a skin, Esc). The run must end
// without a crash or a hang, keep the score sheet's curves inside the chart, leak
// no GDI object and leave the learner's files as they were, apart from what the
// program stored on purpose.
#include "appearance/skins.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "scores/score_history.h"
#include "scores/score_sheet.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <thread>

namespace kelp::test {
namespace {

// How a variant's file is laid: its bytes (also grown huge or made read-only), none, a folder.
enum How { kBytes, kHuge, kReadOnly, kUntouched, kMissing, kDirectory };
using Damage = std::tuple<std::string, std::string, std::string, How>;  // file, what, bytes
constexpr char kOwnPicture[] = "own.bmp";  // the learner's picture, named in skd.kpd

std::string Noise(std::size_t size) {
  std::string bytes(size, '\0');
  std::generate(bytes.begin(), bytes.end(), std::minstd_rand(static_cast<unsigned>(size)));
  return bytes;
}

// The pixel bytes of a whole picture.
constexpr std::size_t kFull = kClientWidth * kClientHeight * 3;

// A 700 x 450 24-bit bitmap file with header fields changed (field, value, ...), then
// `pixels` bytes of noise.
std::string Bmp(std::size_t pixels) {
  return BmpFile(kClientWidth, kClientHeight, 0, false) + Noise(pixels);
}
template <typename... More>
std::string Bmp(std::size_t pixels, bmp::Field field, std::uint32_t value, More... more) {
  std::string bytes = Bmp(pixels, more...);
  bmp::Put(bytes, field, value);
  return bytes;
}

std::string Settings(int skin, std::uint32_t c, const std::string& path) {
  return EncodeSettings({skin, {c, c, c, c, c, c, c, c}, path});
}

std::vector<Damage> Damages() {
  std::vector<Damage> damages = {{"none", "untouched", "", kUntouched}};
  // Each entry goes into the files in turn, named by its family and place.
  auto put = [&](const std::vector<std::string>& files, const std::string& family,
                 const auto&... entries) {
    const std::string table[] = {entries...};
    for (std::size_t i = 0; i < std::size(table); ++i)
      damages.emplace_back(files[i % files.size()], family + " " + std::to_string(i + 1), table[i],
                           kBytes);
  };
  std::vector<std::string> files(std::begin(kLearnerFiles), std::end(kLearnerFiles));
  files.insert(files.end(), std::begin(kDataFiles), std::end(kDataFiles));
  for (const std::string& f : files) {
    const std::string old = ReadWholeFile(ExecutableDirectory() + f).value_or(LeBytes(0x42480000));
    damages.insert(
        damages.end(),
        {Damage(f, "missing", "", kMissing), Damage(f, "empty", "", kBytes),
         Damage(f, "one byte", "\x7f", kBytes),
         Damage(f, "short", old.substr(0, old.size() / 3), kBytes),
         Damage(f, "long", old + Noise(300000), kBytes), Damage(f, "huge", old, kHuge),
         Damage(f, "noise", Noise(old.size()), kBytes), Damage(f, "a directory", "", kDirectory),
         Damage(f, "read-only", old, kReadOnly)});
  }

  // Scores no exercise can give, histories past their capacity or cut short.
  auto f = [](float score) { return LeBytes(std::bit_cast<std::uint32_t>(score)); };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  put({std::begin(kLearnerFiles) + 1, std::end(kLearnerFiles)}, "odd scores",
      f(nan) + f(50) + f(nan), f(inf) + f(70) + f(-inf), f(-5) + f(-100) + f(-0.0f),
      f(1e30f) + f(-1e30f), f(1e-45f) + f(-1e-40f), LeBytes(0x7f800001) + LeBytes(0xff800001),
      std::string(120, '\xff'), std::string(128, 'B'), std::string(121, 'B'), std::string(119, 'B'),
      f(88) + "ab", std::string(16000, '~'));

  // Settings no dialog can write: skins out of range, odd colours, paths to no picture.
  put({"skd.kpd"}, "odd settings", Settings(-1, 0x123456, "C:\\\x80\xff\xfe\x81.bmp"),
      Settings(4, 0, "C:\\pic\xb0"), Settings(INT_MAX, ~0u, std::string("C:\\a\0b.bmp", 10)),
      Settings(INT_MIN, 0x0a0a0a, std::string(5000, 'a')), Settings(1, 0x0a0d0a, "").substr(0, 35),
      Settings(2, 0xff0a1a0d, "bgmain1.kpd"), Settings(3, 0x1a1a1a, "\\\\.\\CON"),
      Settings(2, 0, "\\\\nohost\\share\\x.bmp"), Settings(0, 0, "C:\\a\rb.bmp\r"),
      Settings(0, 0, "\n\n\n"));

  // Pictures with headers no painter wrote, as skin, keyboard and own pictures.
  using namespace bmp;
  for (const std::vector<std::string>& files :
       {std::vector<std::string>{"bgmain0.kpd", "kb1.kpd", "kb2.kpd", "kb0.kpd"}, {kOwnPicture}})
    put(files, "odd bitmap", Bmp(4096, kWidth, 0x7fffffff), Bmp(4096, kHeight, 0x80000000),
        Bmp(kFull, kWidth, -700u), Bmp(16, kWidth, 0, kHeight, 0),
        Bmp(4096, kWidth, 30000, kHeight, 30000), Bmp(kFull, kBitCount, 0),
        Bmp(kFull, kBitCount, 7), Bmp(kFull, kBitCount, 64), Bmp(kFull, kPlanes, 9),
        Bmp(kFull, kPixelOffset, 0x7ffffff0),
        Bmp(5000, kBitCount, 8, kCompression, 1, kImageSize, 5000),
        Bmp(5000, kBitCount, 4, kCompression, 2, kImageSize, ~0u),
        Bmp(kFull, kBitCount, 8, kColorsUsed, ~0u), Bmp(kFull, kInfoSize, 12),
        Bmp(60, kInfoSize, 124), Bmp(kFull, kInfoSize, 0x80000000),
        Bmp(kFull, kBitCount, 16, kCompression, 3), Bmp(100, kCompression, 4, kImageSize, 100),
        Bmp(kFull / 2), Bmp(0));
  damages.insert(damages.end(), {Damage(kOwnPicture, "a directory", "", kDirectory),
                                 Damage(kOwnPicture, "huge", Bmp(0), kHuge)});

  // Practice texts with bytes no learner can type.
  for (const LevelInfo& level : kLevels) {
    const std::size_t least = level.offsetModulus - 1 + level.bytesRead;
    std::string gbk;
    while (gbk.size() < least) gbk += "\xc4\xe3\xba\xc3\r\n\t\x1a\x7f";
    put({level.textFile}, "untypable text", std::string(least, '\0'), std::string(least, '\xff'),
        gbk, std::string(least - 1, 'a'));
  }

  // Sounds whose chunks lie.
  const std::string riff = "RIFF" + LeBytes(0xfffffff0) + "WAVE",
                    pcm = "fmt " + LeBytes(16) + LeBytes(1, 2);
  for (const char* file : {kRightKeySound, kWrongKeySound, kSelectSound})
    put({file}, "lying chunks", riff + pcm + LeBytes(0, 2) + std::string(12, '\0'),
        riff + "junk" + LeBytes(~0u) + "abcd",
        riff + pcm + LeBytes(1, 2) + LeBytes(8000) + LeBytes(8000) + LeBytes(1, 2) + LeBytes(8, 2) +
            "data" + LeBytes(~0u >> 1),
        riff + "fmt " + LeBytes(2) + LeBytes(0xffff, 2));
  return damages;
}

std::atomic<const char*> g_current{nullptr};
std::atomic<DWORD> g_started{0};

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
  std::fprintf(stderr, "corpus: CRASH (code %08lx) in variant \"%s\"\n",
               exception->ExceptionRecord->ExceptionCode, g_current.load());
  return EXCEPTION_EXECUTE_HANDLER;
}

using MalformedFileCorpus = FrameTest;

TEST_F(MalformedFileCorpus, NoCrashHangGarbageOrDataLoss) {
  SetUnhandledExceptionFilter(ReportCrash);
  std::thread([] {
    for (DWORD started = 0; !started || GetTickCount() - started < 30000; started = g_started)
      Sleep(500);
    std::fprintf(stderr, "corpus: HANG in variant \"%s\"\n", g_current.load());
    TerminateProcess(GetCurrentProcess(), 3);
  }).detach();
  const std::vector<Damage> damages = Damages();
  std::vector<std::uint32_t> plainSheet;  // as the untouched files show it
  int losses = 0, garbage = 0, leaks = 0;
  const DWORD start = GetTickCount();
  for (int i = 0; i < std::ssize(damages); ++i) {
    const auto& [file, what, bytes, how] = damages[i];
    const std::string name = file + ": " + what;
    g_current = name.c_str();
    g_started = GetTickCount();
    DataFolder folder;
    const std::wstring path = Widen(folder.path() + file);
    if (how > kUntouched) folder.Remove(file);
    if (how < kUntouched) folder.Write(file, bytes);
    if (how == kDirectory) CreateDirectoryW(path.c_str(), nullptr);
    if (how == kReadOnly) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    if (how == kHuge) std::fstream(std::filesystem::path(path)).seekp(3LL << 30) << 'x';  // sparse
    if (file == kOwnPicture) folder.Write("skd.kpd", Settings(2, 0x808080, folder.path() + file));
    // A file's bytes: "" when there is none, nothing when it cannot be read whole.
    auto take = [&](const char* name) {
      return FileExists(folder.path() + name) ? folder.Read(name) : std::optional<std::string>("");
    };
    std::optional<std::string> before[std::size(kLearnerFiles)];
    for (int k = 0; k < std::ssize(before); ++k) before[k] = take(kLearnerFiles[k]);
    int drawn = 0;
    TheSeams().nextRandom = [&drawn, n = unsigned(i)]() mutable {
      return drawn = int((n = n * 69069 + 1) >> 17);
    };
    Canvas canvas(kClientWidth, kClientHeight, 0);  // the sheet as 32-bit pixels, top down
    const int gdiBefore = LiveGdiHandles();
    std::string garbled, lost;  // where
    MessageBoxWatcher watcher;
    Open();
    for (int level = 0; level < kLevelCount; ++level) {
      Command(ID_LEVEL1 + level);
      FinishSlide(*frame);
      // The exercise of the damaged file's level, and of one level in turn, to its end.
      const char* hint = kLevels[level].hintPicture;
      const bool typed = level == i % kLevelCount || file == kLevels[level].textFile ||
                         file == ScoreFileName(level) || file == (hint ? hint : "");
      const std::string passage = typed ? PassageOf(folder.path(), level, drawn) : "";
      for (int k = 0; k < std::ssize(passage); ++k)
        Type((k == 3 ? "#\b" : "") + std::string(1, DisplayedChar(passage[k])));
      if (!passage.empty()) Type("\r");
    }
    Command(ID_SCORE_SHEET);
    BitBlt(canvas.dc(), 0, 0, kClientWidth, kClientHeight,
           WindowDC(frame->hwnd(), WindowDC::kClient).get(), 0, 0, SRCCOPY);
    std::vector<std::uint32_t> sheet(kClientWidth * kClientHeight);
    GetBitmapBits(static_cast<HBITMAP>(GetCurrentObject(canvas.dc(), OBJ_BITMAP)),
                  static_cast<LONG>(sheet.size() * 4), sheet.data());
    if (plainSheet.empty()) plainSheet = sheet;
    // Where the look is the untouched one, records off the scale may lie above or
    // under the chart, but no curve reaches the title, the legend or the scale
    // left of the first record.
    const bool plainLook = file != "skd.kpd" && file != kOwnPicture && !file.starts_with("bgmain");
    int wild = 0;
    for (int p = 0; plainLook && p < std::ssize(sheet); ++p)
      wild += (p % kClientWidth < kChartStrokeStartX - 3 || p < 18 * kClientWidth ||
               p >= 390 * kClientWidth) &&
              sheet[p] != plainSheet[p];
    if (wild) garbled += " sheet (" + std::to_string(wild) + " pixels)";
    Command(ID_KEYBOARD_LAYOUT);
    Command(kSkins[i % kSkinCount].command);
    Press(VK_ESCAPE);
    FinishSlide(*frame);
    frame.reset();
    g_started = 0;
    const int leaked = LiveGdiHandles() - gdiBefore;
    // skd.kpd keeps its bytes or holds the skin the run chose; a history only gains a
    // score, in the 30th place once full. A read-only file is the learner's
    // protection: it stays as it is.
    const int skin = i % kSkinCount;
    const std::string chosen =
        EncodeSettings({skin, kSkins[skin].defaultColors, SkinPicturePath(folder.path(), skin)});
    for (int k = 0; k < std::ssize(before); ++k) {
      const std::optional<std::string> after = take(kLearnerFiles[k]);
      const std::vector<float> scores = ParseHistory(after.value_or(""));
      const std::size_t added = std::min<std::size_t>(scores.size(), kHistoryCapacity) - 1;
      const bool stored = (how != kReadOnly || file != kLearnerFiles[k]) &&
                          (k == 0 ? after == chosen
                                  : before[k] && !scores.empty() &&
                                        after == AppendedHistory(*before[k], scores[added]));
      if ((after != before[k] && !stored) ||
          FileExists(TemporaryPathOf(folder.path() + kLearnerFiles[k])))
        lost += std::string(" ") + kLearnerFiles[k];
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // for the folder's cleanup
    RemoveDirectoryW(path.c_str());
    losses += !lost.empty(), garbage += !garbled.empty(), leaks += leaked != 0;
    EXPECT_EQ(lost, "") << name << ": lost";
    EXPECT_EQ(garbled, "") << name << ": garbage";
    EXPECT_EQ(leaked, 0) << name << ": GDI objects left";
  }
  std::printf(
      "corpus: %zu variants, 0 crashes, 0 hangs, %d data losses (%d with garbage, %d "
      "leaking GDI objects) in %.1f s\n",
      damages.size(), losses, garbage, leaks, (GetTickCount() - start) / 1000.0);
}

}  // namespace
}  // namespace kelp::test
