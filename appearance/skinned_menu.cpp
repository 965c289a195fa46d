#include "appearance/skinned_menu.h"

#include "appearance/skin_table.h"
#include "platform/gbk.h"

#include <algorithm>

namespace kelp {

namespace {

constexpr int kStripeWidth = 26;
constexpr int kStripeHeight = 600;
constexpr int kBackgroundWidth = 400;
constexpr int kBackgroundHeight = 600;
constexpr int kTextIndent = 64;
constexpr RECT kSeparatorInset{31, 8, 7, 0};  // left, top, right; the line is two pixels
constexpr int kSeparatorThickness = 2;
constexpr RECT kIconBox{29, 3, 57, 31};  // relative to the item's top-left
constexpr int kIconSize = 32;
constexpr COLORREF kNormalText = RGB(0, 0, 0);
constexpr COLORREF kSelectedText = RGB(255, 255, 255);
constexpr COLORREF kGrayedText = RGB(176, 176, 176);
constexpr COLORREF kHighlight = RGB(140, 180, 230);
constexpr COLORREF kEtchShadow = RGB(128, 128, 128);
constexpr COLORREF kEtchLight = RGB(255, 255, 255);
constexpr COLORREF kEngraveLight = RGB(255, 255, 255);
constexpr char kMissingLabel[] = "Error!";

HINSTANCE Instance() {
  return GetModuleHandleW(nullptr);
}

// Copies the picture's own pixels of the block, clipped to the picture.
void CopyPicture(HDC dc, HDC memory, HBITMAP picture, int x, int y, int sourceY, int width,
                 int height) {
  if (!picture) return;
  const SIZE size = BitmapSize(picture);
  width = std::min(width, static_cast<int>(size.cx));
  height = std::min(height, static_cast<int>(size.cy) - sourceY);
  if (width <= 0 || height <= 0) return;
  ScopedSelect select(memory, picture);
  BitBlt(dc, x, y, width, height, memory, 0, sourceY, SRCCOPY);
}

std::string MenuLabel(HMENU popup, int position) {
  wchar_t label[kMenuLabelLimit + 1] = {};
  GetMenuStringW(popup, position, label, kMenuLabelLimit + 1, MF_BYPOSITION);
  return Narrow(label);
}

wchar_t LowerAscii(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

}  // namespace

void SkinnedMenu::OnInitMenu(HMENU menuBar, int skinIndex) {
  if (!font_) CreateDrawingTools();
  LoadPictures(skinIndex);
  ConvertMenu(menuBar);
}

void SkinnedMenu::CreateDrawingTools() {
  font_ = CreateSongFont(kPageFont);
  highlightBrush_ = Brush(CreateSolidBrush(kHighlight));
  outlinePen_ = Pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
}

void SkinnedMenu::LoadPictures(int skinIndex) {
  if (skinIndex == picturesSkin_) return;
  const SkinInfo& skin = SkinAt(skinIndex);
  backgroundPicture_ = Bitmap(LoadBitmapW(Instance(), MAKEINTRESOURCEW(skin.menuBackgroundBitmap)));
  stripePicture_ = Bitmap(LoadBitmapW(Instance(), MAKEINTRESOURCEW(skin.menuStripeBitmap)));
  picturesSkin_ = skinIndex;
}

void SkinnedMenu::ConvertMenu(HMENU menuBar) {
  std::vector<PlacedItem> before = std::move(items_);
  items_.clear();
  const int count = GetMenuItemCount(menuBar);
  for (int position = 0; position < count; ++position) {
    if (const HMENU popup = GetSubMenu(menuBar, position)) ConvertPopup(popup, before);
  }
  for (const MenuIcon& icon : kMenuIcons) SetItemIcon(icon.commandId, icon.iconId);
}

void SkinnedMenu::ConvertPopup(HMENU popup, const std::vector<PlacedItem>& before) {
  const MenuItemRecord* previous = nullptr;
  const int count = GetMenuItemCount(popup);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    if (!GetMenuItemInfoW(popup, position, TRUE, &info)) continue;
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    MenuItemRecord record;
    record.commandId = separator ? 0 : info.wID;
    record.menuRow = MenuRowAfter(previous, separator);
    if (info.fType & MFT_OWNERDRAW) {
      // Converted at an earlier opening: its label was captured then.
      for (const PlacedItem& old : before) {
        if (old.popup == popup && old.position == position) record.text = old.record.text;
      }
    } else {
      if (!separator) record.text = StoredMenuLabel(MenuLabel(popup, position));
      info.fMask = MIIM_FTYPE;
      info.fType |= MFT_OWNERDRAW;
      SetMenuItemInfoW(popup, position, TRUE, &info);
    }
    items_.push_back({std::move(record), popup, position});
    previous = &items_.back().record;
  }
}

void SkinnedMenu::SetItemIcon(unsigned commandId, unsigned iconId) {
  for (PlacedItem& item : items_) {
    if (item.record.commandId == commandId) item.record.iconId = iconId;
  }
}

const MenuItemRecord* SkinnedMenu::Find(unsigned commandId) const {
  for (const PlacedItem& item : items_) {
    if (item.record.commandId == commandId) return &item.record;
  }
  return nullptr;
}

unsigned SkinnedMenu::GetItemIcon(unsigned commandId) const {
  const MenuItemRecord* record = Find(commandId);
  return record ? record->iconId : 0;
}

int SkinnedMenu::GetItemRow(unsigned commandId) const {
  const MenuItemRecord* record = Find(commandId);
  return record ? record->menuRow : 0;
}

std::string SkinnedMenu::GetItemText(unsigned commandId) const {
  const MenuItemRecord* record = Find(commandId);
  return record ? record->text : kMissingLabel;
}

void SkinnedMenu::OnMeasureItem(MEASUREITEMSTRUCT* measure) const {
  if (measure->CtlType != ODT_MENU) return;
  measure->itemWidth = kMenuItemWidth;
  measure->itemHeight = MenuItemHeight(measure->itemID == 0);
}

void SkinnedMenu::OnDrawItem(const DRAWITEMSTRUCT* draw) const {
  if (draw->CtlType != ODT_MENU) return;
  const HDC dc = draw->hDC;
  const RECT& item = draw->rcItem;
  if (draw->itemID == 0) {
    DrawSeparator(dc, item);
    return;
  }
  const bool grayed = (draw->itemState & ODS_GRAYED) != 0;
  const bool highlighted = (draw->itemState & ODS_SELECTED) && !grayed;
  const bool wholePopup = GetItemRow(draw->itemID) == 0 && (draw->itemAction & ODA_DRAWENTIRE);
  MemoryDC memory(dc);
  ScopedSelect font(dc, font_.get());
  ScopedSelect pen(dc, outlinePen_.get());
  ScopedSelect brush(dc, highlightBrush_.get());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  CopyPicture(dc, memory.get(), stripePicture_.get(), 0, 0, 0, kStripeWidth, kStripeHeight);
  // Drawn whole, the first item lays the background of the whole pop-up, the
  // separators' bands included, also when it opens highlighted (from the keyboard).
  if (wholePopup)
    CopyPicture(dc, memory.get(), backgroundPicture_.get(), kStripeWidth, 0, 0, kBackgroundWidth,
                kBackgroundHeight);
  if (highlighted)
    Rectangle(dc, item.left + kStripeWidth, item.top, item.right, item.bottom);
  else
    DrawItemBackground(dc, memory.get(), item);
  const unsigned iconId = GetItemIcon(draw->itemID);
  if ((draw->itemState & ODS_CHECKED) && !iconId) DrawCheckMark(dc, item);
  if (iconId) DrawIcon(dc, iconId, item, highlighted);
  const COLORREF color = grayed ? kGrayedText : highlighted ? kSelectedText : kNormalText;
  DrawLabel(dc, GetItemText(draw->itemID), item, grayed, color);
  SetBkMode(dc, oldMode);
}

void SkinnedMenu::DrawSeparator(HDC dc, const RECT& item) const {
  const int left = item.left + kSeparatorInset.left;
  const int right = item.right - kSeparatorInset.right;
  Draw3dRect(dc, left, item.top + kSeparatorInset.top, right - left, kSeparatorThickness,
             kEtchShadow, kEtchLight);
}

// This item's slice of the background, which also wipes an earlier highlight.
void SkinnedMenu::DrawItemBackground(HDC dc, HDC memory, const RECT& item) const {
  CopyPicture(dc, memory, backgroundPicture_.get(), kStripeWidth, item.top, item.top,
              kBackgroundWidth, item.bottom - item.top);
}

void SkinnedMenu::DrawCheckMark(HDC dc, const RECT& item) const {
  RECT box{item.left + kIconBox.left, item.top + kIconBox.top, item.left + kIconBox.right,
           item.top + kIconBox.bottom};
  Rectangle(dc, box.left - 1, box.top - 1, box.right + 1, box.bottom + 1);
  DrawFrameControl(dc, &box, DFC_MENU, DFCS_MENUCHECK);
}

// Drawn one pixel up and left of its resting place while highlighted.
void SkinnedMenu::DrawIcon(HDC dc, unsigned iconId, const RECT& item, bool raised) const {
  const HICON icon = LoadIconResource(static_cast<int>(iconId), kIconSize);
  if (!icon) return;
  const int shift = raised ? 2 : 1;
  DrawIconEx(dc, item.left + kIconBox.left - shift, item.top + kIconBox.top - shift, icon,
             kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
}

// A grayed label is engraved: a white copy one pixel down and right under the grey one.
void SkinnedMenu::DrawLabel(HDC dc, const std::string& text, const RECT& item, bool grayed,
                            COLORREF color) const {
  const std::wstring label = Widen(text);
  constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  RECT textRect{item.left + kTextIndent, item.top, item.right, item.bottom};
  if (grayed) {
    RECT light{textRect.left + 1, textRect.top + 1, textRect.right - 1, textRect.bottom + 1};
    SetTextColor(dc, kEngraveLight);
    DrawTextW(dc, label.c_str(), -1, &light, kFormat);
  }
  SetTextColor(dc, color);
  DrawTextW(dc, label.c_str(), -1, &textRect, kFormat);
}

LRESULT SkinnedMenu::OnMenuChar(wchar_t typed, HMENU popup) const {
  const wchar_t wanted = LowerAscii(typed);
  for (const PlacedItem& item : items_) {
    if (item.popup != popup || item.record.commandId == 0) continue;
    const std::optional<char> letter = MnemonicOf(item.record.text);
    if (!letter || static_cast<wchar_t>(*letter) != wanted) continue;
    if (GetMenuState(popup, item.position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) continue;
    return MAKELRESULT(item.position, MNC_EXECUTE);
  }
  return MAKELRESULT(0, MNC_IGNORE);
}

}  // namespace kelp
