#include "appearance/background.h"
#include "platform/files.h"
#include "platform/gbk.h"
#include "tests/dialog_script.h"
#include "tests/pixels.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelp::test {
namespace {

constexpr int kFileNameCombo = 0x47C;  // cmb13 of the explorer-style file dialog
constexpr int kFileNameEdit = 0x480;   // edt1
const char kTooSmall[] = "背景更改失败。背景位图大小应大于700*450";

class BackgroundTest : public ::testing::Test {
 protected:
  void SetUp() override { current = {2, {1, 2, 3, 4, 5, 6, 7, 8}, folder + "bgmain2.kpd"}; }
  std::string Write(const std::string& name, const std::string& bytes) {
    WriteFileAtomically(folder + name, bytes);
    return folder + name;
  }
  // Answers every message box with OK and records its text.
  std::optional<SettingsRecord> Accept(const std::string& path) {
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

TEST_F(BackgroundTest, PageSizedPicturesAreTakenSilentlySmallBrokenOrMissingOnesRefused) {
  for (const auto& [width, height] : {std::pair{700, 450}, std::pair{1024, 768}}) {
    const std::string path = Write("big" + std::to_string(width) + ".bmp", BmpFile(width, height));
    const std::optional<SettingsRecord> chosen = Accept(path);
    ASSERT_TRUE(chosen) << width;
    EXPECT_EQ(chosen->backgroundPath, path);
    EXPECT_EQ(chosen->skinIndex, current.skinIndex);
    EXPECT_EQ(chosen->colors, current.colors);
  }
  EXPECT_TRUE(boxes.empty());

  const std::string refused[] = {
      Write("narrow.bmp", BmpFile(699, 450)),
      Write("short.bmp", BmpFile(700, 449)),
      Write("garbage.bmp", "BM this is not a bitmap"),
      Write("empty.bmp", ""),
      Write("headeronly.bmp", BmpFile(800, 600, 0, false)),
      Write("absurd.bmp", BmpFile(2000000, 2000000, 0, false)),
  };
  for (const std::string& path : refused) {
    boxes.clear();
    EXPECT_FALSE(Accept(path)) << path;
    EXPECT_EQ(boxes, std::vector<std::string>{kTooSmall}) << path;
  }
  boxes.clear();
  EXPECT_FALSE(Accept(folder + "gone.bmp"));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0], kTooSmall);
  EXPECT_NE(boxes[0].find("背景更改失败"), std::string::npos);
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
    SetDlgItemTextW(dialog, kFileNameCombo, answer.c_str());
    SetDlgItemTextW(dialog, kFileNameEdit, answer.c_str());
    PostButton(dialog, IDOK);
  });

  EXPECT_FALSE(ChooseBackground(nullptr, current));
  EXPECT_TRUE(boxes.empty());

  answer = Widen(good);
  const std::optional<SettingsRecord> chosen = ChooseBackground(nullptr, current);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->backgroundPath, good);
  EXPECT_TRUE(boxes.empty());

  answer = foreign;
  EXPECT_FALSE(ChooseBackground(nullptr, current));
  EXPECT_EQ(boxes, std::vector<std::string>{kTooSmall});
  EXPECT_GE(seen.size(), 3u);
}

}  // namespace
}  // namespace kelp::test
