#include "dialog_script.h"
#include "pages/about_dialog.h"
#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelp::test {
namespace {

struct SeenDialog {
  std::string caption, okText;
  std::vector<std::string> statics;  // top to bottom
  int children = 0;
  int centredTexts = 0;
  RECT client{}, frame{};
};

BOOL CALLBACK CollectStatic(HWND child, LPARAM seen) {
  auto& dialog = *reinterpret_cast<SeenDialog*>(seen);
  ++dialog.children;
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  if (std::wstring(className) != L"Static") return TRUE;
  dialog.statics.push_back(WindowTextOf(child));
  if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_CENTER) ++dialog.centredTexts;
  return TRUE;
}

// Reads the box when it is up, then closes it as a user would.
INT_PTR RunAboutBox(SeenDialog& seen, bool closeWithEscape, HWND owner = nullptr) {
  const DialogScript script([&](HWND box) {
    seen.caption = WindowTextOf(box);
    EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&seen));
    seen.okText = WindowTextOf(GetDlgItem(box, IDOK));
    GetClientRect(box, &seen.client);
    GetWindowRect(box, &seen.frame);
    if (closeWithEscape)
      PostMessageW(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    else
      PostButton(box, IDOK);
  });
  return AboutDialog().Run(owner);
}

TEST(AboutBox, ShowsProductVersionAndCreditsOverItsOwnerAndClosesWithOkOrEscape) {
  const HWND owner = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 120, 60, 710, 498,
                                     nullptr, nullptr, nullptr, nullptr);
  SeenDialog seen;
  EXPECT_EQ(RunAboutBox(seen, false, owner), IDOK);
  DestroyWindow(owner);
  EXPECT_EQ(seen.caption, "About Kelp 3");
  ASSERT_EQ(seen.statics.size(), 8u);
  EXPECT_EQ(seen.statics[0], "Kelp 3(FE)");
  EXPECT_EQ(seen.statics[1], "Kelp 专业打字练习 3(最终版)");
  EXPECT_EQ(seen.statics[2], "程序版本 3.1");
  EXPECT_EQ(seen.statics[6], "本程序公开源代码！");
  for (const std::string& text : seen.statics) EXPECT_FALSE(text.empty());
  EXPECT_EQ(seen.okText, "确定(&O)");
  // The OK button and the eight centred texts, nothing else.
  EXPECT_EQ(seen.children, 9);
  EXPECT_EQ(seen.centredTexts, 8);
  EXPECT_GT(seen.client.right, 221);  // dialog units became pixels of the 10-point font
  EXPECT_NEAR((seen.frame.left + seen.frame.right) / 2, 120 + 710 / 2, 2);
  EXPECT_NEAR((seen.frame.top + seen.frame.bottom) / 2, 60 + 498 / 2, 2);

  SeenDialog escaped;
  EXPECT_EQ(RunAboutBox(escaped, true), IDCANCEL);
  EXPECT_EQ(escaped.caption, "About Kelp 3");
}

}  // namespace
}  // namespace kelp::test
