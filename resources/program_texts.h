#pragma once

// The program's name as the learner sees it, and the caption of its error messages.
namespace kelp {

inline constexpr char kProgramTitle[] = "Kelp专业打字练习III(最终版)";
inline constexpr char kErrorCaption[] = "Kelp错误提示";

}  // namespace kelp
