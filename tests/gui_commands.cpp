#include "resource_ids.h"
#include "tests/frame_test.h"

#include <set>
#include <vector>

namespace kelp::test {
namespace {

void CollectMenuCommands(HMENU menu, std::set<WORD>& ids) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU popup = GetSubMenu(menu, i))
      CollectMenuCommands(popup, ids);
    else if (const UINT id = GetMenuItemID(menu, i); id != 0 && id != UINT(-1))
      ids.insert(static_cast<WORD>(id));
  }
}

// No menu item and no accelerator falls through to the default window procedure.
TEST(Commands, EveryMenuItemAndAcceleratorHasAHandler) {
  DataFolder folder;
  auto frame = OpenFrame();
  std::set<WORD> ids;
  CollectMenuCommands(frame->menu(), ids);
  EXPECT_EQ(ids.size(), 19u);
  const HACCEL table = frame->accelerators();
  std::vector<ACCEL> keys(CopyAcceleratorTableW(table, nullptr, 0));
  CopyAcceleratorTableW(table, keys.data(), static_cast<int>(keys.size()));
  EXPECT_EQ(keys.size(), 12u);
  for (const ACCEL& key : keys) {
    EXPECT_TRUE(ids.count(key.cmd)) << "accelerator without a menu item: " << key.cmd;
    ids.insert(key.cmd);
  }
  for (WORD id : ids) EXPECT_TRUE(MainFrame::HandlesCommand(id)) << id;
}

}  // namespace
}  // namespace kelp::test
