#include "platform/work_area.h"

#include <algorithm>

namespace kelp {

POINT PlaceInWorkArea(HMONITOR monitor, const RECT& box) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return {box.left, box.top};
  const RECT& work = info.rcWork;
  const LONG width = box.right - box.left;
  const LONG height = box.bottom - box.top;
  return {std::clamp(box.left, work.left, std::max(work.left, work.right - width)),
          std::clamp(box.top, work.top, std::max(work.top, work.bottom - height))};
}

}  // namespace kelp
