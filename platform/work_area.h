#pragma once

#include <windows.h>

namespace kelp {

// Where the top-left corner of `box` goes so that the box lies inside the work area
// of `monitor`, moved as little as it can; a box larger than the area keeps its top
// and left edges inside.
POINT PlaceInWorkArea(HMONITOR monitor, const RECT& box);

}  // namespace kelp
