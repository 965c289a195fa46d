#pragma once

#include "app/session.h"

#include <windows.h>

#include <string>
#include <vector>

// The program's messages to the learner, by the session's notice.
namespace kelp {

// `levels`: the levels the notice names; `exeDir`: where their files are.
void ShowNotice(HWND owner, Notice notice, const std::vector<int>& levels,
                const std::string& exeDir);

}  // namespace kelp
