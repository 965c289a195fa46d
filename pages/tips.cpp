#include "pages/tips.h"

namespace kelp {

const std::array<std::string_view, kTipCount> kTipTexts = {
    "欢迎使用Kelp专业打字练习III(最终版)！",
    "Kelp3的新功能！你知道吗？",
    "“入门级练习”有键盘提示，让学习打字更容易！",
    "新增“小键盘练习”，",
    "专门为适应银行职员及相关人员特殊的练习需要",
    "多种练习等级，以适应各种程度的练习者",
    "动态的工具栏，更方便、更美观！",
    "新增漂亮美观的菜的背景图",
    "多种多样的标题栏，让你的界面更好看",
    "可以任意改变的背景图，更具个性化！",
    "智能化、科学化的练习方式，",
    "使您的打字速度、正确率飞速提高！",
    "想了解更多的东西请见Readme.txt文件。",
};

namespace {

int Wrapped(int index) {
  return (index % kTipCount + kTipCount) % kTipCount;
}

}  // namespace

std::string_view TipRotation::Current() const {
  return kTipTexts[Wrapped(index_)];
}

void TipRotation::Advance() {
  index_ = Wrapped(index_ + 1);
}

}  // namespace kelp
