#include "pages/about_dialog.h"
#include "platform/gbk.h"
#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelp::test {
namespace {

struct SeenDialog {
  std::string caption;
  std::vector<std::string> statics;  // top to bottom
  std::string okText;
  bool hasIcon = false;
  int width = 0;
  RECT frame{};
};

SeenDialog g_seen;
bool g_closeWithEscape = false;

std::string TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return Narrow(text);
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM) {
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  if (std::wstring(className) == L"Static" && GetDlgCtrlID(child) != IDC_ABOUT_ICON)
    g_seen.statics.push_back(TextOf(child));
  return TRUE;
}

// Reads the box when it becomes active, then closes it as a user would.
LRESULT CALLBACK WatchAboutBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t className[32] = {};
    GetClassNameW(box, className, 32);
    if (std::wstring(className) == L"#32770") {
      g_seen.caption = TextOf(box);
      EnumChildWindows(box, CollectStatic, 0);
      g_seen.okText = TextOf(GetDlgItem(box, IDOK));
      g_seen.hasIcon = SendDlgItemMessageW(box, IDC_ABOUT_ICON, STM_GETICON, 0, 0) != 0;
      RECT client{};
      GetClientRect(box, &client);
      g_seen.width = client.right;
      GetWindowRect(box, &g_seen.frame);
      if (g_closeWithEscape)
        PostMessageW(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
      else
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR RunAboutBox(bool closeWithEscape, HWND owner = nullptr) {
  g_seen = {};
  g_closeWithEscape = closeWithEscape;
  const HHOOK hook = SetWindowsHookExW(WH_CBT, WatchAboutBox, nullptr, GetCurrentThreadId());
  const INT_PTR result = AboutDialog().Run(owner);
  UnhookWindowsHookEx(hook);
  return result;
}

TEST(AboutBox, ShowsProductVersionAndCreditsOverItsOwnerAndClosesWithOk) {
  const HWND owner = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 120, 60, 710, 498,
                                     nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(RunAboutBox(false, owner), IDOK);
  DestroyWindow(owner);
  EXPECT_EQ(g_seen.caption, "About Kelp 3");
  ASSERT_EQ(g_seen.statics.size(), 8u);
  EXPECT_EQ(g_seen.statics[0], "Kelp 3(FE)");
  EXPECT_EQ(g_seen.statics[1], "Kelp 专业打字练习 3(最终版)");
  EXPECT_EQ(g_seen.statics[2], "程序版本 3.1");
  EXPECT_EQ(g_seen.statics[6], "本程序公开源代码！");
  for (const std::string& text : g_seen.statics) EXPECT_FALSE(text.empty());
  EXPECT_EQ(g_seen.okText, "确定(&O)");
  EXPECT_TRUE(g_seen.hasIcon);
  EXPECT_GT(g_seen.width, 221);  // dialog units became pixels of the 10-point font
  const RECT& box = g_seen.frame;
  EXPECT_NEAR((box.left + box.right) / 2, 120 + 710 / 2, 2);
  EXPECT_NEAR((box.top + box.bottom) / 2, 60 + 498 / 2, 2);
}

TEST(AboutBox, EscapeClosesIt) {
  EXPECT_EQ(RunAboutBox(true), IDCANCEL);
  EXPECT_EQ(g_seen.caption, "About Kelp 3");
}

}  // namespace
}  // namespace kelp::test
