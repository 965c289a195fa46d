#pragma once

#include <string>

namespace kelp {

// Whether two GBK paths name the same file as Windows sees it: long and short
// (8.3) forms alike, letters compared without regard to case.
bool SameFilePath(const std::string& gbkA, const std::string& gbkB);

}  // namespace kelp
