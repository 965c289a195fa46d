// The texts of the program's messages and the boxes that show them.
#include "app/notices.h"

#include "appearance/background.h"
#include "platform/message_box.h"
#include "program_texts.h"
#include "scores/score_history.h"

namespace kelp {

namespace {

std::string MissingText(int level) {
  return std::string("出错：") + kLevels[level].textFile + " 文件丢失或损坏，练习无法继续！";
}

std::string ScoresNotEmptied(const std::vector<int>& levels, const std::string& folder) {
  std::string text = "以下成绩文件无法删除：";
  for (int level : levels) text += "\n" + folder + ScoreFileName(level);
  return text;
}

std::string MissingDataFiles(const std::string& folder) {
  return "Kelp 在它所在的文件夹里找不到自己的练习文本、图片和声音：\n\n" + folder +
         "\n\n请先把压缩包里的全部文件解压到同一个文件夹，再运行那里的 kelp.exe。";
}

}  // namespace

void ShowNotice(HWND owner, Notice notice, const std::vector<int>& levels,
                const std::string& folder) {
  switch (notice) {
    case Notice::kNone:
      return;
    case Notice::kMissingText:
      ShowMessageBox(owner, MissingText(levels.at(0)), kErrorCaption, MB_OK | MB_ICONERROR);
      return;
    case Notice::kScoresNotEmptied:
      ShowMessageBox(owner, ScoresNotEmptied(levels, folder), kErrorCaption, MB_OK | MB_ICONERROR);
      return;
    case Notice::kLearnerFolder:
      ShowMessageBox(owner, "Kelp 所在的文件夹不能写入，你的设置和成绩将保存在：\n" + folder,
                     kProgramTitle, MB_OK | MB_ICONINFORMATION);
      return;
    case Notice::kBackgroundNotSaved:
      ReportBackgroundNotSaved(owner);
      return;
    case Notice::kMissingDataFiles:
      ShowMessageBox(owner, MissingDataFiles(folder), kErrorCaption, MB_OK | MB_ICONWARNING);
      return;
  }
}

void ShowWhatIsLost(const std::string& lostLines) {
  ShowMessageBox(nullptr, "以下内容未能保存，Kelp 退出后将会丢失：" + lostLines, kErrorCaption,
                 MB_OK | MB_ICONWARNING);
}

}  // namespace kelp
