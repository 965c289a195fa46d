// The 3-D frame round an entered tool button.
#include "app/tool_button_view.h"

#include "app/tool_buttons.h"
#include "platform/gdi.h"

namespace kelp {

namespace {

constexpr COLORREF kFrameLight = RGB(224, 224, 224);
constexpr COLORREF kFrameShadow = RGB(96, 96, 96);

}  // namespace

void DrawToolButtonFrame(HDC dc, int button, bool pressed) {
  const Rect r = ToolButtonRect(button);
  Draw3dRect(dc, r.left, r.top, r.width(), r.height(), pressed ? kFrameShadow : kFrameLight,
             pressed ? kFrameLight : kFrameShadow);
}

}  // namespace kelp
