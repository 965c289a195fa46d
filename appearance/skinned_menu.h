#pragma once

#include "appearance/menu_items.h"
#include "platform/gdi.h"

#include <windows.h>

#include <string>
#include <vector>

namespace kelp {

// Draws the pop-ups of the menu bar itself, with the active skin's stripe and
// background pictures, item icons and a flat highlight box. The menu bar's own
// titles stay system-drawn. The menu bar stays the frame's; this only converts it.
class SkinnedMenu {
 public:
  SkinnedMenu() = default;
  SkinnedMenu(const SkinnedMenu&) = delete;
  SkinnedMenu& operator=(const SkinnedMenu&) = delete;

  // WM_INITMENU: converts every pop-up item to owner-drawn (labels captured
  // first; items converted before keep their labels) with the skin's pictures.
  void OnInitMenu(HMENU menuBar, int skinIndex);
  // WM_MEASUREITEM and WM_DRAWITEM for menu items (control id 0).
  void OnMeasureItem(MEASUREITEMSTRUCT* measure) const;
  void OnDrawItem(const DRAWITEMSTRUCT* draw) const;
  // WM_MENUCHAR: runs the item of `popup` whose "&" letter was typed.
  LRESULT OnMenuChar(wchar_t typed, HMENU popup) const;
  // The label of an item; "Error!" for a command the menu does not hold.
  std::string GetItemText(unsigned commandId) const;

 private:
  struct PlacedItem {
    MenuItemRecord record;
    HMENU popup;
    int position;
  };

  void ConvertMenu(HMENU menuBar);
  void ConvertPopup(HMENU popup, const std::vector<PlacedItem>& before);
  void LoadPictures(int skinIndex);
  void CreateDrawingTools();
  const MenuItemRecord* Find(unsigned commandId) const;
  void SetItemIcon(unsigned commandId, unsigned iconId);
  unsigned GetItemIcon(unsigned commandId) const;
  int GetItemRow(unsigned commandId) const;
  void DrawSeparator(HDC dc, const RECT& item) const;
  void DrawItemBackground(HDC dc, HDC memory, const RECT& item) const;
  void DrawIcon(HDC dc, unsigned iconId, const RECT& item, bool raised) const;
  void DrawCheckMark(HDC dc, const RECT& item) const;
  void DrawLabel(HDC dc, const std::string& text, const RECT& item, bool grayed,
                 COLORREF color) const;

  std::vector<PlacedItem> items_;
  int picturesSkin_ = -1;
  Bitmap backgroundPicture_;
  Bitmap stripePicture_;
  Font font_;
  Brush highlightBrush_;
  Pen outlinePen_;
};

}  // namespace kelp
