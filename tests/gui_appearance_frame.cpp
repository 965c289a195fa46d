#include "appearance/settings_file.h"
#include "appearance/skin_table.h"
#include "platform/gbk.h"
#include "resource_ids.h"
#include "tests/frame_test.h"

namespace kelp::test {
namespace {

using Appearance = FrameTest;

TEST_F(Appearance, SkinCommandStoresTheSkinAndTheSameSkinChangesNothing) {
  MainFrame& f = Open();
  const COLORREF homeBefore = PixelAt(f, 350, 300);
  Command(ID_SKIN_ROSE);
  EXPECT_EQ(f.settings().skinIndex, 2);
  EXPECT_EQ(f.settings().colors, kSkins[2].defaultColors);
  EXPECT_EQ(f.settings().backgroundPath, folder.path() + "bgmain2.kpd");
  EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings(f.settings()));
  EXPECT_NE(PixelAt(f, 350, 300), homeBefore);  // the rose picture is shown

  // The skin in use: the file keeps its bytes, even colours the learner chose.
  SettingsRecord own = f.settings();
  own.colors[0] = RGB(1, 2, 3);
  folder.Write("skd.kpd", EncodeSettings(own));
  Command(ID_SKIN_ROSE);
  EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings(own));
  // Also when the stored path names the picture in other letter case or by its
  // short form, as after the folder was renamed in case.
  const std::wstring ownPath = Widen(own.backgroundPath);
  std::wstring upper = ownPath;
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  wchar_t shortPath[MAX_PATH] = {};
  GetShortPathNameW(ownPath.c_str(), shortPath, MAX_PATH);
  for (const std::wstring& spelling : {upper, std::wstring(shortPath)}) {
    SettingsRecord respelled = own;
    respelled.backgroundPath = Narrow(spelling);
    folder.Write("skd.kpd", EncodeSettings(respelled));
    frame.reset();
    MainFrame& g = Open();
    Command(ID_SKIN_ROSE);
    EXPECT_EQ(g.settings().colors[0], RGB(1, 2, 3)) << respelled.backgroundPath;
    EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings(respelled));
  }
  MainFrame& h = *frame;
  Command(ID_SKIN_MAIN);
  EXPECT_EQ(h.settings().skinIndex, 0);
  EXPECT_EQ(PixelAt(h, 350, 300), homeBefore);
}

TEST_F(Appearance, SettingsDialogOkWritesTheFileEvenUnchanged) {
  MainFrame& f = Open();
  folder.Remove("skd.kpd");
  {
    MessageBoxWatcher okEveryDialog;
    Command(ID_SETTINGS);
    ASSERT_EQ(okEveryDialog.seen().size(), 1u);
    EXPECT_EQ(okEveryDialog.seen()[0].caption, "Kelp3设置...");
  }
  EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings(f.settings()));
}

}  // namespace
}  // namespace kelp::test
