#!/usr/bin/env bash
# The layers depend one way: platform <- models <- views <- app. Views only draw.
cd "$(dirname "$0")/.." || exit 2
status=0
fail() { echo "$1"; status=1; }

while read -r file; do
  fail "$file includes app/: only app/ may"
done < <(grep -l '#include "app/' platform/* practice/* scores/* pages/* appearance/* 2>/dev/null)

for view in $(ls */*_view.cpp 2>/dev/null); do
  grep -qE '#include "platform/(files|seams|sound)\.h"' "$view" && fail "$view reads files or seams"
  grep -qE '\b(SetTimer|KillTimer|MessageBox\w*|RedrawWindow|InvalidateRect|UpdateWindow|LoadBitmapFile|LoadBitmapResource|LoadImage\w*)\(' "$view" &&
    fail "$view changes state or loads a resource"
done

# OnPaint hands the views const models only.
sed -n '/^void MainFrame::OnPaint()/,/^}/p' app/frame_paint.cpp |
  grep -qE 'SetTimer|KillTimer|MessageBox|Load|Read|Write|Start|Finish|Tick|Type\(' &&
  fail "MainFrame::OnPaint does more than draw"

[ $status = 0 ] && echo "layers ok"
exit $status
