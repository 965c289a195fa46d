#pragma once

#include "app/session.h"

#include <windows.h>

#include <string>
#include <vector>

// The program's messages to the learner, by the session's notice.
namespace kelp {

// `levels`: the levels the notice names; `folder`: the folder it names.
void ShowNotice(HWND owner, Notice notice, const std::vector<int>& levels,
                const std::string& folder);
// As the program ends: what could still not be stored, one line each. The window is
// going, so the box has no owner.
void ShowWhatIsLost(const std::string& lostLines);

}  // namespace kelp
