#include "appearance/background.h"
#include "appearance/settings_dialog.h"
#include "pages/about_dialog.h"
#include "platform/frame_window.h"
#include "platform/gbk.h"
#include "tests/frame_test.h"
#include "tests/pixels.h"

#include <psapi.h>

#include <fstream>

namespace kelp::test {
namespace {

// Hands each dialog (#32770: templates, message boxes, common dialogs) activated
// on this thread to `answer`, 30 ms later, from whichever modal loop runs then.
class DialogScript {
 public:
  explicit DialogScript(std::function<void(HWND)> answer) { handler = std::move(answer); }
  ~DialogScript() { UnhookWindowsHookEx(hook_), handler = nullptr; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t name[8] = {};
    if (code == HCBT_ACTIVATE && GetClassNameW(HWND(wParam), name, 8) && !wcscmp(name, L"#32770"))
      SetTimer(HWND(wParam), 0x5C, 30, [](HWND dialog, UINT, UINT_PTR id, DWORD) {
        KillTimer(dialog, id);
        if (handler) handler(dialog);
      });
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline std::function<void(HWND)> handler;
  HHOOK hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
};

std::string TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return Narrow(text);
}
void Press(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}
COLORREF ShownPixel(const std::string& picture, int x, int y) {
  return BitmapPixel(LoadBackgroundPicture(picture).get(), x, y);
}

using Skins = FrameTest;
using Settings = FrameTest;
using Background = FrameTest;

TEST_F(Skins, EachSkinShowsAndStoresItsLookAndChosenAgainKeepsTheLearnersColours) {
  MainFrame& f = Open();
  const Rect caption = ReadFrameLayout(f.hwnd(), GetSystemMetrics(SM_CYMENU)).caption;
  for (int skin : {2, 3, 1, 0}) {
    SCOPED_TRACE(kSkins[skin].backgroundFile);
    Command(kSkins[skin].command);
    const std::string picture = folder.path() + kSkins[skin].backgroundFile;
    EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings({skin, kSkins[skin].defaultColors, picture}));
    EXPECT_EQ(PixelAt(f, 350, 300), ShownPixel(picture, 350, 300));
    WindowDC dc(f.hwnd(), WindowDC::kWholeWindow);
    EXPECT_EQ(GetPixel(dc.get(), caption.left + 40, caption.top + 5),
              BitmapPixel(LoadCaptionBitmap(skin).get(), 40, 5));
  }
  // The skin in use with its own picture, however its path is spelled: nothing is written.
  SettingsRecord own = DefaultSettings(folder.path());
  own.colors[0] = RGB(1, 2, 3);
  std::wstring upper = Widen(own.backgroundPath), shortForm(MAX_PATH, L'\0');
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  shortForm.resize(GetShortPathNameW(upper.c_str(), shortForm.data(), MAX_PATH));
  for (const std::string& spelling : {own.backgroundPath, Narrow(upper), Narrow(shortForm)}) {
    own.backgroundPath = spelling;
    folder.Write("skd.kpd", EncodeSettings(own));
    frame.reset();
    Open();
    Command(ID_SKIN_MAIN);
    EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings(own)) << spelling;
  }
}

// Only a missing file is written at a start. Where a small picture does not reach,
// the page is filled plainly: no earlier page shows there.
TEST_F(Settings, StartCreatesAMissingFileWithTheDefaultsAndRewritesNoOther) {
  folder.Write("small.bmp", BmpFile(100, 80));
  const std::string mine = EncodeSettings({3, kSkins[3].defaultColors, "D:\\mine.bmp"});
  const COLORREF skin0 = ShownPixel(folder.path() + kSkins[0].backgroundFile, 400, 270);
  const std::tuple<const char*, std::optional<std::string>, COLORREF> cases[] = {
      {"missing", {}, skin0},
      {"skin 9, half a colour", std::string("\x09\0\0\0\x11\x22", 6), skin0},
      {"locked: defaults this run", mine, skin0},
      {"small picture", EncodeSettings({0, {}, folder.path() + "small.bmp"}), kSkins[0].plainFill}};
  for (const auto& [name, bytes, shown] : cases) {
    SCOPED_TRACE(name);
    bytes ? folder.Write("skd.kpd", *bytes) : folder.Remove("skd.kpd");
    const HANDLE lock = bytes != mine
                            ? nullptr
                            : CreateFileW(Widen(folder.path() + "skd.kpd").c_str(), GENERIC_READ, 0,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
    MainFrame& f = Open();
    CloseHandle(lock);
    for (int command : {ID_LEVEL1, ID_HOME}) Command(command), FinishSlide(f);
    EXPECT_EQ(PixelAt(f, 400, 270), shown);  // where the level page's keyboard was
    EXPECT_EQ(folder.Read("skd.kpd"),
              bytes.value_or(EncodeSettings(DefaultSettings(folder.path()))));
    frame.reset();
  }
}

// The swatches as shown; each lies right of the labels, left of its button and level with it.
ColorBlock Swatches(HWND dialog) {
  const auto place = [dialog](int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
  ShowWindow(dialog, SW_SHOWNA);  // a busy machine may answer before the dialog shows
  UpdateWindow(dialog);
  ColorBlock colors{};
  WindowDC dc(dialog, WindowDC::kClient);
  for (int i = 0; i < 8; ++i) {
    const RECT s = SettingsDialog::SwatchRect(dialog, i), button = place(IDC_PICK_STANDARD + i);
    const int middle = (s.top + s.bottom) / 2;
    EXPECT_TRUE(s.left > place(IDC_STANDARD_LABEL).right && s.right < button.left &&
                button.top < middle && middle < button.bottom)
        << "swatch " << i;
    colors[i] = GetPixel(dc.get(), s.left + 10, s.top + 10);
  }
  return colors;
}

// Stored colours holding the bytes of LF, CR and Ctrl+Z, with a picture that does not
// load: a plain page. One colour is picked (or the colour dialog is cancelled), then
// the settings dialog is closed; its OK writes the file even unchanged.
TEST_F(Settings, DialogShowsTheColoursAndOnlyItsOkTakesAndStoresThem) {
  folder.Write("garbage.bmp", "BM this is not a bitmap");
  SettingsRecord now{3,
                     {RGB(10, 10, 10), RGB(13, 10, 26), RGB(26, 0, 13), 1, 2, 3, 4, 26},
                     folder.path() + "garbage.bmp"};
  folder.Write("skd.kpd", EncodeSettings(now));
  EXPECT_EQ(PixelAt(Open(), 350, 300), kSkins[3].plainFill);
  const std::tuple<const char*, int, bool, int> cases[] = {{"picked, OK", 4, true, IDOK},
                                                           {"colour cancelled, OK", 0, false, IDOK},
                                                           {"picked, Cancel", 2, true, IDCANCEL}};
  for (const auto& [name, index, pick, close] : cases) {
    SCOPED_TRACE(name);
    std::vector<ColorBlock> shown;
    HWND settings = nullptr, colorOwner = nullptr;
    COLORREF offered = 0;
    DialogScript script([&](HWND dialog) {
      if (GetDlgItem(dialog, IDC_PICK_STANDARD)) {
        settings = dialog;
        shown.push_back(Swatches(dialog));
        return Press(dialog, shown.size() == 1 ? IDC_PICK_STANDARD + index : close);
      }
      colorOwner = GetWindow(dialog, GW_OWNER);
      for (int i = 0; i < 3; ++i) {  // the colour dialog's red, green and blue edits
        offered |= GetDlgItemInt(dialog, 706 + i, nullptr, FALSE) << 8 * i;
        SetDlgItemInt(dialog, 706 + i, 0x70 + i, FALSE);
      }
      Press(dialog, pick ? IDOK : IDCANCEL);
    });
    folder.Remove("skd.kpd");
    Command(ID_SETTINGS);
    SettingsRecord after = now;
    if (pick) after.colors[index] = RGB(0x70, 0x71, 0x72);
    EXPECT_EQ(shown, (std::vector<ColorBlock>{now.colors, after.colors}));
    EXPECT_EQ(colorOwner, settings);
    EXPECT_EQ(offered, now.colors[index]);
    if (close == IDOK) now = after;
    EXPECT_EQ(folder.Read("skd.kpd"),
              close == IDOK ? EncodeSettings(now) : std::optional<std::string>());
  }
}

TEST_F(Settings, DeleteAllScoresEmptiesTheHistoriesAndNamesOnlyOneThatStayed) {
  folder.Write("Lev0Data.kpd", std::string(8, 'a'));
  CreateDirectoryW(Widen(folder.path() + "Lev3Data.kpd").c_str(), nullptr);
  Open();
  MessageBoxWatcher watcher;
  Command(ID_DELETE_SCORES);
  RemoveDirectoryW(Widen(folder.path() + "Lev3Data.kpd").c_str());
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_NE(watcher.seen()[0].text.find("Lev3Data.kpd"), std::string::npos);
  EXPECT_EQ(watcher.seen()[0].text.find("Lev0Data.kpd"), std::string::npos);
  EXPECT_EQ(folder.Read("Lev0Data.kpd"), "");
}

std::size_t Committed() {
  PROCESS_MEMORY_COUNTERS memory{};
  K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  return memory.PagefileUsage;
}

TEST_F(Background, CommandRefusesUndrawablePicturesSayingWhyAndKeepsATakenOneForGood) {
  std::wstring answer;  // typed into the file dialog; it is cancelled when empty
  std::vector<std::string> boxes;
  DialogScript script([&](HWND dialog) {
    const HWND text = GetDlgItem(dialog, 0xFFFF);
    if (text) boxes.push_back(TextOf(text));
    SetDlgItemTextW(dialog, 0x47C, answer.c_str());  // the file name's combo box and edit
    SetDlgItemTextW(dialog, 0x480, answer.c_str());
    Press(dialog, text || !answer.empty() ? IDOK : IDCANCEL);
  });
  const auto put = [&](const wchar_t* name, const std::string& bytes) {
    std::ofstream((Widen(folder.path()) + name).c_str(), std::ios::binary) << bytes;
    return Widen(folder.path()) + name;
  };
  std::string packed = BmpFile(800, 600);
  packed[30] = 99;  // an unknown compression
  const char* small = "大小应大于700*450";
  const std::tuple<const char*, std::wstring, const char*> refused[] = {
      {"cancelled", L"", nullptr},
      {"699 wide", put(L"a.bmp", BmpFile(699, 450)), small},
      {"449 high", put(L"b.bmp", BmpFile(700, 449)), small},
      {"no picture", put(L"c.bmp", "BM this is not a bitmap"), small},
      {"compressed", put(L"d.bmp", packed), "压缩"},
      {"locked", put(L"e.bmp", BmpFile(800, 600)), "无法读取"},
      {"no GBK path", put(L"\u0E01.bmp", BmpFile(800, 600)), "路径"}};
  const HANDLE lock = CreateFileW(std::get<1>(refused[5]).c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  MainFrame& f = Open();
  const std::optional<std::string> settings = folder.Read("skd.kpd");
  const COLORREF shown = PixelAt(f, 350, 300);
  for (const auto& [name, path, cause] : refused) {
    answer = path, boxes.clear();
    Command(ID_BACKGROUND);
    EXPECT_EQ(folder.Read("skd.kpd"), settings) << name;
    EXPECT_EQ(PixelAt(f, 350, 300), shown) << name;
    ASSERT_EQ(boxes.size(), cause ? 1u : 0u) << name;
    EXPECT_TRUE(!cause || (boxes[0].starts_with("背景更改失败。") &&
                           boxes[0].find(cause) != std::string::npos))
        << name << ": " << boxes[0];
  }
  CloseHandle(lock);
  // Of a 36 MB picture only the shown corner is read, now and at the next start.
  constexpr COLORREF kTop = RGB(255, 255, 0), kBottom = RGB(0, 0, 255);
  std::string big = BmpFile(4000, 3000, kBottom), top = BmpFile(4000, 225, kTop).substr(54);
  answer = put(L"big.bmp", big.replace(big.size() - top.size(), top.size(), top));
  boxes.clear();
  for (bool restart : {false, true}) {
    if (restart) frame.reset();
    const std::size_t before = Committed();
    restart ? void(Open()) : Command(ID_BACKGROUND);
    EXPECT_LT(Committed(), before + (20u << 20)) << restart;
    EXPECT_EQ(PixelAt(*frame, 695, 100), kTop) << restart;
    EXPECT_EQ(PixelAt(*frame, 5, 440), kBottom) << restart;
  }
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings({0, kSkins[0].defaultColors, Narrow(answer)}));
}

TEST(AboutBox, ShowsProductAndVersionCentredOverItsOwnerAndClosesWithEnterOrEscape) {
  const HWND owner = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 120, 60, 710, 498,
                                     nullptr, nullptr, nullptr, nullptr);
  for (bool escape : {false, true}) {
    std::string texts;
    RECT box{}, client{};
    const DialogScript script([&](HWND dialog) {
      for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts += TextOf(child) + "\n";
      GetWindowRect(dialog, &box);
      GetClientRect(dialog, &client);
      PostMessageW(GetDlgItem(dialog, IDOK), WM_KEYDOWN, escape ? VK_ESCAPE : VK_RETURN, 0);
    });
    EXPECT_EQ(AboutDialog().Run(owner), escape ? IDCANCEL : IDOK);
    EXPECT_NE(texts.find("专业打字练习"), std::string::npos) << texts;
    EXPECT_NE(texts.find("版本 " + std::to_string(KELP_VERSION_MAJOR) + "." +
                         std::to_string(KELP_VERSION_MINOR)),
              std::string::npos);
    EXPECT_GT(client.right, 221);  // dialog units became pixels of the template's font
    EXPECT_NEAR((box.left + box.right) / 2, 120 + 710 / 2, 2);
    EXPECT_NEAR((box.top + box.bottom) / 2, 60 + 498 / 2, 2);
  }
  DestroyWindow(owner);
}

}  // namespace
}  // namespace kelp::test
