#include "app/main_frame.h"
#include "resource_ids.h"

namespace kelp {

namespace {

struct CommandRoute {
  WORD id;
  void (MainFrame::*handler)();
};

constexpr CommandRoute kCommandRoutes[] = {
    {ID_LEVEL1, &MainFrame::OnLevel1},
    {ID_LEVEL2, &MainFrame::OnLevel2},
    {ID_LEVEL3, &MainFrame::OnLevel3},
    {ID_LEVEL4, &MainFrame::OnLevel4},
    {ID_LEVEL5, &MainFrame::OnLevel5},
    {ID_MINIMIZE, &MainFrame::OnMinimize},
    {ID_HOME, &MainFrame::ReturnToHomePage},
    {ID_APP_EXIT, &MainFrame::OnAppExit},
    {ID_DELETE_SCORES, &MainFrame::OnDeleteAllScores},
};

}  // namespace

bool MainFrame::OnCommand(WORD id) {
  for (const CommandRoute& route : kCommandRoutes) {
    if (route.id == id) {
      (this->*route.handler)();
      return true;
    }
  }
  return false;
}

}  // namespace kelp
