// The look: skins, settings and their dialog, the background picture, the
// owner-drawn menus, the Song face and the about box.
#include "appearance/background.h"
#include "appearance/settings_store.h"
#include "pages/about_dialog.h"
#include "platform/frame_window.h"
#include "platform/gbk.h"
#include "tests/frame_test.h"

#include <colordlg.h>
#include <dlgs.h>

#include <numeric>

namespace kelp::test {
namespace {

// Hands each dialog (#32770: templates, message boxes, common dialogs) activated
// on this thread to `answer`, 30 ms later, from whichever modal loop runs then.
class DialogScript {
 public:
  explicit DialogScript(std::function<void(HWND)> answer) { handler = std::move(answer); }
  ~DialogScript() {
    UnhookWindowsHookEx(hook_);
    handler = nullptr;
  }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t name[8] = {};
    if (code == HCBT_ACTIVATE && GetClassNameW(HWND(wParam), name, 8) && !wcscmp(name, L"#32770"))
      SetTimer(HWND(wParam), 0x5C, 30, Answer);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static void CALLBACK Answer(HWND dialog, UINT, UINT_PTR id, DWORD) {
    KillTimer(dialog, id);
    if (handler) handler(dialog);
  }
  static inline std::function<void(HWND)> handler;
  HHOOK hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
};

void PressButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dialog, id)));
}

using Skins = FrameTest;
using Settings = FrameTest;
using Background = FrameTest;
using Fonts = FrameTest;

TEST_F(Skins, EachSkinShowsItsPicturesAndStoresItsDefaults) {
  MainFrame& f = Open();
  for (int skin : {2, 3, 1, 0}) {
    SCOPED_TRACE(kSkins[skin].backgroundFile);
    Command(kSkins[skin].command);
    const std::string picture = folder.path() + kSkins[skin].backgroundFile;
    EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings({skin, kSkins[skin].defaultColors, picture}));
    EXPECT_EQ(PixelAt(f, 350, 300), BitmapPixel(LoadBackgroundPicture(picture).get(), 350, 300));
  }
}

TEST_F(Settings, StartLeavesAFileItCannotReadAsItIs) {
  const std::string mine = EncodeSettings({3, kSkins[3].defaultColors, "D:\\mine.bmp"});
  folder.Write("skd.kpd", mine);
  const HANDLE lock = CreateFileW(Widen(folder.path() + "skd.kpd").c_str(), GENERIC_READ, 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  Open();
  CloseHandle(lock);
  EXPECT_EQ(folder.Read("skd.kpd"), mine);
}

unsigned long long g_bytesAskedFor = 0;
decltype(&ReadFile) g_readFile = nullptr;

BOOL WINAPI CountedReadFile(HANDLE file, LPVOID buffer, DWORD count, LPDWORD done,
                            LPOVERLAPPED overlapped) {
  g_bytesAskedFor += count;
  return g_readFile(file, buffer, count, done, overlapped);
}

// A path line of 60 MB is no picture, and no more of it is read than a path can
// take; the skin and the colours before it count.
TEST_F(Settings, APathLineLongerThanAnyPathIsReadNoFurtherThanAPathReaches) {
  const SettingsRecord stored{2, kSkins[1].defaultColors, "C:\\" + std::string(60 << 20, 'a')};
  folder.Write("skd.kpd", EncodeSettings(stored));
  const ImportPatch patch("kernel32.dll", "ReadFile", reinterpret_cast<void*>(&CountedReadFile));
  g_readFile = reinterpret_cast<decltype(&ReadFile)>(patch.original());
  ASSERT_TRUE(g_readFile);
  g_bytesAskedFor = 0;
  const LoadedSettings loaded = LoadSettings(folder.path(), folder.path());
  EXPECT_LE(g_bytesAskedFor, kSettingsReadLimit);
  EXPECT_EQ(loaded.settings.skinIndex, 2);
  EXPECT_EQ(loaded.settings.colors, stored.colors);
  EXPECT_EQ(loaded.settings.backgroundPath, "");
  EXPECT_FALSE(loaded.defaultsNotSaved);
}

// Stored colours holding the bytes of LF, CR and Ctrl+Z. One colour is picked (or the
// colour dialog is cancelled), then the settings dialog is closed; its OK writes the
// file even unchanged.
TEST_F(Settings, DialogStoresThePickedColourOnlyOnOk) {
  SettingsRecord now{3, {10, RGB(13, 10, 26), 1, 2, 3, 4, 5, 6}, folder.path() + "none.bmp"};
  folder.Write("skd.kpd", EncodeSettings(now));
  Open();
  const std::tuple<const char*, int, bool, int> cases[] = {{"picked, OK", 4, true, IDOK},
                                                           {"colour cancelled, OK", 0, false, IDOK},
                                                           {"picked, Cancel", 2, true, IDCANCEL}};
  for (const auto& [name, index, pick, close] : cases) {
    SCOPED_TRACE(name);
    int opened = 0;  // the settings dialog comes back active when the colour dialog closes
    DialogScript script([&](HWND dialog) {
      if (GetDlgItem(dialog, IDC_PICK_STANDARD))
        return PressButton(dialog, opened++ ? close : IDC_PICK_STANDARD + index);
      for (int edit : {COLOR_RED, COLOR_GREEN, COLOR_BLUE})
        SetDlgItemInt(dialog, edit, 0x70 + edit - COLOR_RED, FALSE);
      PressButton(dialog, pick ? IDOK : IDCANCEL);
    });
    folder.Remove("skd.kpd");
    Command(ID_SETTINGS);
    if (pick && close == IDOK) now.colors[index] = RGB(0x70, 0x71, 0x72);
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
  EXPECT_EQ(folder.Read("Lev0Data.kpd"), "");
  ASSERT_EQ(watcher.seen().size(), 1u);
  const std::string& text = watcher.seen()[0].text;
  EXPECT_TRUE(text.find("Lev3") != std::string::npos);
  EXPECT_EQ(text.find("Lev0"), std::string::npos);
}

TEST_F(Background, CommandRefusesPicturesItCannotShowSayingWhyAndKeepsATakenOneForGood) {
  std::wstring answer;  // typed into the file dialog; it is cancelled when empty
  std::vector<std::string> boxes;
  DialogScript script([&](HWND dialog) {
    wchar_t text[512] = {};
    const bool box = GetDlgItemTextW(dialog, 0xFFFF, text, 512);
    if (box) boxes.push_back(Narrow(text));
    SetDlgItemTextW(dialog, cmb13, answer.c_str());  // the file name's combo box and edit
    SetDlgItemTextW(dialog, edt1, answer.c_str());
    PressButton(dialog, box || !answer.empty() ? IDOK : IDCANCEL);
  });
  const auto put = [&](const std::string& name, const std::string& bytes) {
    folder.Write(name, bytes);
    return Widen(folder.path() + name);
  };
  constexpr COLORREF kTop = RGB(255, 255, 0), kBottom = RGB(0, 0, 255);
  // Run-length encoded: 150 rows of cyan over magenta, a gap skipped in the first colour.
  constexpr COLORREF kCyan = RGB(0, 255, 255), kMagenta = RGB(255, 0, 255), kGap = RGB(0, 128, 0);
  const std::string encoded = Rle8BmpFile(800, 500, {kGap, kMagenta, kCyan}, [](int x, int y) {
    return y < 150 ? 2 : x >= 300 && x < 400 ? -1 : 1;
  });
  constexpr char kSmall[] = "背景更改失败。背景位图大小应大于700*450";
  constexpr char kDamaged[] = "背景更改失败。无法读取所选的图片文件。";
  const std::pair<std::wstring, const char*> refused[] = {
      {L"", ""},  // cancelled
      {put("a.bmp", BmpFile(699, 450)), kSmall},
      {put("b.bmp", BmpFile(700, 449)), kSmall},
      {put("c.bmp", "BM no picture"), kDamaged},
      {put("d.bmp", BmpFile(700, 450).substr(0, 9000)), kDamaged},
      {put("e.bmp", encoded.substr(0, encoded.size() / 2)), kDamaged},
      {put("f.bmp", BmpFile(32768, 450, 0, false)), "背景更改失败。所选图片太大，无法读取。"}};
  MainFrame& f = Open();
  const std::optional<std::string> settings = folder.Read("skd.kpd");
  const COLORREF shown = PixelAt(f, 350, 300);
  for (const auto& [path, message] : refused) {
    answer = path;
    boxes.clear();
    Command(ID_BACKGROUND);
    EXPECT_EQ(folder.Read("skd.kpd"), settings) << Narrow(path);
    EXPECT_EQ(PixelAt(f, 350, 300), shown) << Narrow(path);
    EXPECT_EQ(boxes, std::vector<std::string>(!path.empty(), message));
  }
  // A big picture shows its top-left corner right side up, now and at the next start.
  std::string big = BmpFile(1000, 800, kBottom), top = BmpFile(1000, 225, kTop).substr(54);
  answer = put("big.bmp", big.replace(big.size() - top.size(), top.size(), top));
  for (bool restart : {false, true}) {
    restart ? void(Open()) : Command(ID_BACKGROUND);
    EXPECT_EQ(PixelAt(*frame, 695, 100), kTop) << restart;
    EXPECT_EQ(PixelAt(*frame, 5, 440), kBottom) << restart;
  }
  answer = put("encoded.bmp", encoded);
  Command(ID_BACKGROUND);
  EXPECT_EQ(PixelAt(*frame, 695, 100), kCyan);
  EXPECT_EQ(PixelAt(*frame, 5, 440), kMagenta);
  EXPECT_EQ(PixelAt(*frame, 350, 300), kGap);
  EXPECT_EQ(folder.Read("skd.kpd"), EncodeSettings({0, kSkins[0].defaultColors, Narrow(answer)}));
}

// Converted again at each opening, pop-up items are drawn on the skin's pictures, the
// selection as an outlined box. Items are drawn as the system asks, 226 wide as measured.
TEST(Menu, PopupsAreOwnerDrawnOnTheSkinsPicturesWithTheSelectionOutlined) {
  const HMENU bar = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
  SkinnedMenu painter;
  const Canvas surface(240, 400, RGB(1, 2, 3));
  const auto draw = [&](unsigned id, int top, UINT action, UINT state) {
    const DRAWITEMSTRUCT item{
        ODT_MENU, 0, id, action, state, nullptr, surface.dc(), {0, top, 226, top + 34}, 0};
    painter.OnDrawItem(&item);
  };
  for (int skin = 0; skin < kSkinCount; ++skin) {
    SCOPED_TRACE(kSkins[skin].backgroundFile);
    painter.OnInitMenu(bar, skin);
    for (int popup = 0; popup < GetMenuItemCount(bar); ++popup)
      for (int i = 0; i < GetMenuItemCount(GetSubMenu(bar, popup)); ++i)
        EXPECT_TRUE(GetMenuState(GetSubMenu(bar, popup), i, MF_BYPOSITION) & MF_OWNERDRAW) << i;
    const Bitmap back = LoadBitmapResource(kSkins[skin].menuBackgroundBitmap);
    // Opened from the keyboard, the first item comes drawn whole and highlighted:
    // the pop-up's background lies everywhere right of the stripe.
    draw(ID_LEVEL1, 0, ODA_DRAWENTIRE, ODS_SELECTED);
    EXPECT_EQ(surface.At(5, 300),
              BitmapPixel(LoadBitmapResource(kSkins[skin].menuStripeBitmap).get(), 5, 300));
    EXPECT_EQ(surface.At(26 + 150, 178), BitmapPixel(back.get(), 150, 178));
    EXPECT_EQ(surface.Count({26, 34, 240, 340}, RGB(1, 2, 3)), 0);
    // Down one: the item left behind gets its slice back, the new one the outlined box.
    draw(ID_LEVEL1, 0, ODA_SELECT, 0);
    draw(ID_APP_EXIT, 34, ODA_SELECT, ODS_SELECTED);
    EXPECT_EQ(surface.At(200, 17), BitmapPixel(back.get(), 174, 17));
    EXPECT_EQ(surface.At(26, 50), RGB(0, 0, 0));
    EXPECT_EQ(surface.At(200, 50), RGB(140, 180, 230));
  }
  DestroyMenu(bar);
}

// The page font and the caption's in the Song face as the prefix resolves it
// (cmake/wine-settings.reg): real glyphs, not missing-glyph boxes.
TEST_F(Fonts, ChineseLabelsAndTheCaptionDrawRealGlyphs) {
  for (FontSpec shape : {kPageFont, FontSpec{12, 6, 600}}) {
    SCOPED_TRACE(shape.weight);
    // Which pixels of a white 64 x 32 surface `text` inks.
    const auto ink = [&](const std::wstring& text) {
      const Canvas canvas(64, 32, RGB(255, 255, 255));
      ScopedSelect select(canvas.dc(), SongFont(shape));
      TextOutW(canvas.dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
      return Look({0, 0, 64, 32}, RGB(255, 255, 255), canvas.dc());
    };
    const auto apart = [](const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
      return std::inner_product(a.begin(), a.end(), b.begin(), 0, std::plus<>(),
                                std::not_equal_to<>());
    };
    const std::vector<COLORREF> blank = ink(L""), missing = ink(L"\xE000");
    for (const wchar_t* text : {L"入", L"门", L"练", L"习", L"中"}) {
      EXPECT_GT(apart(ink(text), blank), 10) << Narrow(text);
      EXPECT_GT(apart(ink(text), missing), 10) << Narrow(text);
    }
    EXPECT_GT(apart(ink(L"入"), ink(L"门")), 10);
  }
}

TEST(AboutBox, ClosesWithEnterOrEscape) {
  for (bool escape : {false, true}) {
    const DialogScript script([&](HWND dialog) {
      PostMessageW(GetDlgItem(dialog, IDOK), WM_KEYDOWN, escape ? VK_ESCAPE : VK_RETURN, 0);
    });
    EXPECT_EQ(AboutDialog().Run(nullptr), escape ? IDCANCEL : IDOK) << (escape ? "Esc" : "Enter");
  }
}

}  // namespace
}  // namespace kelp::test
