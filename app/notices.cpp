// The texts of the program's messages and the boxes that show them.
#include "app/notices.h"

#include "appearance/background.h"
#include "platform/message_box.h"
#include "program_texts.h"
#include "scores/score_history.h"

namespace kelp {

namespace {

constexpr char kSettingsNotSaved[] =
    "设置未能保存：无法写入 skd.kpd。\n当前设置在本次运行中仍然有效，但下次启动时不会保留。";

std::string MissingText(int level) {
  return std::string("出错：") + kLevels[level].textFile + " 文件丢失或损坏，练习无法继续！";
}

std::string ScoresNotEmptied(const std::vector<int>& levels, const std::string& exeDir) {
  std::string text = "以下成绩文件无法删除：";
  for (int level : levels) text += "\n" + exeDir + ScoreFileName(level);
  return text;
}

std::string MissingDataFiles(const std::string& exeDir) {
  return "Kelp 在它所在的文件夹里找不到自己的练习文本、图片和声音：\n\n" + exeDir +
         "\n\n请先把压缩包里的全部文件解压到同一个文件夹，再运行那里的 kelp.exe。";
}

}  // namespace

void ShowNotice(HWND owner, Notice notice, const std::vector<int>& levels,
                const std::string& exeDir) {
  switch (notice) {
    case Notice::kNone:
      return;
    case Notice::kMissingText:
      ShowMessageBox(owner, MissingText(levels.at(0)), kErrorCaption, MB_OK | MB_ICONERROR);
      return;
    case Notice::kScoresNotEmptied:
      ShowMessageBox(owner, ScoresNotEmptied(levels, exeDir), kErrorCaption, MB_OK | MB_ICONERROR);
      return;
    case Notice::kSettingsNotSaved:
      ShowMessageBox(owner, kSettingsNotSaved, kProgramTitle, MB_OK | MB_ICONWARNING);
      return;
    case Notice::kBackgroundNotSaved:
      ReportBackgroundNotSaved(owner);
      return;
    case Notice::kMissingDataFiles:
      ShowMessageBox(owner, MissingDataFiles(exeDir), kErrorCaption, MB_OK | MB_ICONWARNING);
      return;
  }
}

}  // namespace kelp
