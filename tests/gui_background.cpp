#include "appearance/background.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "resource_ids.h"
#include "tests/dialog_script.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelp::test {
namespace {

constexpr int kFileNameCombo = 0x47C;  // cmb13 of the explorer-style file dialog
constexpr int kFileNameEdit = 0x480;   // edt1
const char kTooSmall[] = "背景更改失败。背景位图大小应大于700*450";
constexpr COLORREF kTop = RGB(255, 255, 0), kBottom = RGB(0, 0, 255);

std::string Le(std::uint32_t value, int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
  return bytes;
}

std::string Bgr(COLORREF color) {
  return {char(GetBValue(color)), char(GetGValue(color)), char(GetRValue(color))};
}

std::string BmpHeader(int width, int height, int bits, std::uint32_t compression,
                      const std::string& between, std::uint64_t pixelBytes) {
  const std::uint32_t offset = 54 + static_cast<std::uint32_t>(between.size());
  return "BM" + Le(static_cast<std::uint32_t>(offset + pixelBytes), 4) + Le(0, 4) + Le(offset, 4) +
         Le(40, 4) + Le(width, 4) + Le(height, 4) + Le(1, 2) + Le(bits, 2) + Le(compression, 4) +
         Le(0, 12) + Le(bits == 8 ? 2 : 0, 4) + Le(0, 4) + between;
}

// Shown upper half kTop, lower half kBottom, stored bottom-up or top-down: 24
// bits, 8 bits with a palette of the two colours, or 16 bits with 5-6-5 masks.
std::string Picture(int width, int height, int bits, bool topDown, std::uint32_t compression = 0) {
  std::string between, top, bottom;
  if (bits == 8) {
    between = Bgr(kTop) + '\0' + Bgr(kBottom) + '\0';
    top = std::string(1, '\0'), bottom = "\1";
  } else if (bits == 16) {
    between = Le(0xF800, 4) + Le(0x07E0, 4) + Le(0x001F, 4);
    top = Le(0xFFE0, 2), bottom = Le(0x001F, 2), compression = 3;
  } else {
    top = Bgr(kTop), bottom = Bgr(kBottom);
  }
  const std::size_t stride = (width * top.size() + 3) & ~std::size_t{3};
  std::string topRow, bottomRow;
  for (int x = 0; x < width; ++x) topRow += top, bottomRow += bottom;
  topRow.resize(stride, '\0'), bottomRow.resize(stride, '\0');
  std::string bytes =
      BmpHeader(width, topDown ? -height : height, bits, compression, between, stride * height);
  for (int y = 0; y < height; ++y) {
    const int shown = topDown ? y : height - 1 - y;
    bytes += shown < height / 2 ? topRow : bottomRow;
  }
  return bytes;
}

// 8000 x 8000 at 24 bits: 192 MB, sparse but for the shown rows, the last ones stored.
void WriteHugePicture(const std::string& path) {
  const int side = 8000, stride = side * 3;
  const HANDLE file =
      CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD done = 0;
  const std::string header = BmpHeader(side, side, 24, 0, "", std::uint64_t{stride} * side);
  WriteFile(file, header.data(), static_cast<DWORD>(header.size()), &done, nullptr);
  std::string top, bottom;
  for (int x = 0; x < 700; ++x) top += Bgr(kTop), bottom += Bgr(kBottom);
  LARGE_INTEGER at{};
  for (int y = 0; y < 450; ++y) {
    at.QuadPart = 54 + std::int64_t{side - 1 - y} * stride;
    SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    const std::string& row = y < 225 ? top : bottom;
    WriteFile(file, row.data(), static_cast<DWORD>(row.size()), &done, nullptr);
  }
  at.QuadPart = 54 + std::int64_t{stride} * side;
  SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

constexpr SIZE_T kLittleMemory = 20u << 20;

std::size_t Committed() {
  PROCESS_MEMORY_COUNTERS memory{};
  K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  return memory.PagefileUsage;
}

// Types `path` into the file dialog and opens it.
void AnswerFileDialog(HWND dialog, const std::wstring& path) {
  SetDlgItemTextW(dialog, kFileNameCombo, path.c_str());
  SetDlgItemTextW(dialog, kFileNameEdit, path.c_str());
  PostButton(dialog, IDOK);
}

class BackgroundTest : public ::testing::Test {
 protected:
  void SetUp() override { current = {2, {1, 2, 3, 4, 5, 6, 7, 8}, folder + "bgmain2.kpd"}; }
  std::string Write(const std::string& name, const std::string& bytes) {
    WriteFileAtomically(folder + name, bytes);
    return folder + name;
  }
  // Answers every message box with OK and records its text.
  std::optional<ChosenBackground> Accept(const std::string& path) {
    DialogScript script([this](HWND box) {
      boxes.push_back(WindowTextOf(GetDlgItem(box, 0xFFFF)));
      PostButton(box, IDOK);
    });
    return AcceptBackground(nullptr, current, path);
  }

  TempTree tree{L"kelp-bg"};
  std::string folder = Narrow(tree.path());
  SettingsRecord current;
  std::vector<std::string> boxes;
};

// The picture taken is the one drawn: its top-left 700 x 450, right side up.
TEST_F(BackgroundTest, DrawablePicturesAreTakenAsShownOthersRefusedWithTheirCause) {
  const std::string accepted[] = {
      Write("bottom-up.bmp", Picture(700, 450, 24, false)),
      Write("top-down.bmp", Picture(1024, 768, 24, true)),
      Write("palette.bmp", Picture(800, 600, 8, true)),
      Write("masks.bmp", Picture(720, 460, 16, false)),
  };
  for (const std::string& path : accepted) {
    const std::optional<ChosenBackground> chosen = Accept(path);
    ASSERT_TRUE(chosen) << path;
    EXPECT_EQ(chosen->settings.backgroundPath, path);
    EXPECT_EQ(chosen->settings.skinIndex, current.skinIndex);
    EXPECT_EQ(chosen->settings.colors, current.colors);
    const SIZE size = BitmapSize(chosen->picture.get());
    EXPECT_EQ(size.cx, 700) << path;
    EXPECT_EQ(size.cy, 450) << path;
    EXPECT_EQ(BitmapPixel(chosen->picture.get(), 10, 10), kTop) << path;
    EXPECT_EQ(BitmapPixel(chosen->picture.get(), 690, 440), kBottom) << path;
    const Bitmap atStart = LoadBackgroundPicture(path);
    EXPECT_EQ(BitmapPixel(atStart.get(), 10, 10), kTop) << path;
  }
  EXPECT_TRUE(boxes.empty());

  const std::string locked = Write("locked.bmp", Picture(700, 450, 24, false));
  const HANDLE hold =
      CreateFileW(Widen(locked).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  const std::pair<std::string, std::string> refused[] = {
      {Write("narrow.bmp", BmpFile(699, 450)), kTooSmall},
      {Write("short.bmp", BmpFile(700, 449)), kTooSmall},
      {Write("garbage.bmp", "BM this is not a bitmap"), kTooSmall},
      {Write("empty.bmp", ""), kTooSmall},
      {Write("headeronly.bmp", BmpFile(800, 600, 0, false)), kTooSmall},
      {Write("absurd.bmp", BmpFile(2000000, 2000000, 0, false)), kTooSmall},
      {Write("rle8.bmp", Picture(800, 600, 8, false, 1)), "压缩"},
      {Write("unknown.bmp", Picture(800, 600, 24, false, 99)), "压缩"},
      {folder + "gone.bmp", "无法读取"},
      {locked, "无法读取"},
  };
  for (const auto& [path, cause] : refused) {
    boxes.clear();
    EXPECT_FALSE(Accept(path)) << path;
    ASSERT_EQ(boxes.size(), 1u) << path;
    EXPECT_NE(boxes[0].find(cause), std::string::npos) << path << ": " << boxes[0];
    EXPECT_EQ(boxes[0].rfind("背景更改失败。", 0), 0u) << path;
  }
  CloseHandle(hold);
}

TEST_F(BackgroundTest, HugePictureIsReadQuicklyIntoAPageSizedPicture) {
  const std::string path = folder + "huge.bmp";
  WriteHugePicture(path);
  const std::size_t before = Committed();
  const DWORD start = GetTickCount();
  const std::optional<ChosenBackground> chosen = Accept(path);
  const DWORD took = GetTickCount() - start;
  ASSERT_TRUE(chosen);
  EXPECT_LT(took, 1000u);
  EXPECT_LT(Committed(), before + kLittleMemory);
  EXPECT_EQ(BitmapSize(chosen->picture.get()).cx, 700);
  EXPECT_EQ(BitmapPixel(chosen->picture.get(), 699, 0), kTop);
  EXPECT_EQ(BitmapPixel(chosen->picture.get(), 0, 449), kBottom);
}

TEST_F(BackgroundTest, FileDialogChoosesOnlyBmpPicturesWithAGbkPath) {
  const std::string good = Write("picked.bmp", BmpFile(720, 460));
  // A Thai letter has no GBK form: such a path cannot be stored.
  const std::wstring foreign = Widen(folder) + L"\u0E01.bmp";
  const std::string bytes = BmpFile(720, 460);
  const HANDLE file =
      CreateFileW(foreign.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD done = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
  CloseHandle(file);
  std::wstring answer;
  std::vector<std::string> seen;
  DialogScript script([&](HWND dialog) {
    seen.push_back(WindowTextOf(dialog));
    if (GetDlgItem(dialog, 0xFFFF)) {  // a message box
      boxes.push_back(WindowTextOf(GetDlgItem(dialog, 0xFFFF)));
      PostButton(dialog, IDOK);
      return;
    }
    if (answer.empty()) {
      PostButton(dialog, IDCANCEL);
      return;
    }
    AnswerFileDialog(dialog, answer);
  });

  EXPECT_FALSE(ChooseBackground(nullptr, current));
  EXPECT_TRUE(boxes.empty());

  answer = Widen(good);
  const std::optional<ChosenBackground> chosen = ChooseBackground(nullptr, current);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->settings.backgroundPath, good);
  EXPECT_TRUE(boxes.empty());

  answer = foreign;
  EXPECT_FALSE(ChooseBackground(nullptr, current));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("路径"), std::string::npos) << boxes[0];
  EXPECT_GE(seen.size(), 3u);
}

using BackgroundFrame = FrameTest;

// The command keeps the picture it checked; the next start reads it the same way.
TEST_F(BackgroundFrame, ChosenHugePictureShowsWithLittleMemoryNowAndAtTheNextStart) {
  const std::string path = folder.path() + "huge.bmp";
  WriteHugePicture(path);
  std::vector<std::string> boxes;
  DialogScript script([&](HWND dialog) {
    if (HWND text = GetDlgItem(dialog, 0xFFFF)) {
      boxes.push_back(WindowTextOf(text));
      PostButton(dialog, IDOK);
    } else {
      AnswerFileDialog(dialog, Widen(path));
    }
  });
  for (bool restart : {false, true}) {
    const std::size_t before = Committed();
    MainFrame& f = Open();
    if (!restart) Command(ID_BACKGROUND);
    EXPECT_LT(Committed(), before + kLittleMemory) << restart;
    EXPECT_EQ(f.settings().backgroundPath, path);
    EXPECT_EQ(PixelAt(f, 695, 100), kTop) << restart;
    EXPECT_EQ(PixelAt(f, 5, 440), kBottom) << restart;
    frame.reset();
  }
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(folder.Read("skd.kpd"), [&] {
    SettingsRecord stored = DefaultSettings(folder.path());
    stored.backgroundPath = path;
    return EncodeSettings(stored);
  }());
}

}  // namespace
}  // namespace kelp::test
