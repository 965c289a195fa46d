#pragma once

#include "platform/seams.h"
#include "tests/frame_fixture.h"

#include <gtest/gtest.h>

namespace kelp::test {

// Each test gets its own data folder; the window opens when the test asks.
class FrameTest : public ::testing::Test {
 protected:
  void TearDown() override {
    frame.reset();
    TheSeams().nextRandom = nullptr;
    TheSeams().clock = nullptr;
  }
  MainFrame& Open() {
    frame = OpenFrame();
    return *frame;
  }
  void Command(int id) { SendCommand(*frame, id); }
  // Opens a level whose passage starts with `passage` (offset 0), with a clock we move.
  MainFrame& StartLevel(int command, const std::string& file, const std::string& passage) {
    folder.Write(file, passage + std::string(4000, passage.back() == '0' ? '1' : 'x'));
    TheSeams().nextRandom = [] { return 0; };
    TheSeams().clock = [this] { return clock; };
    MainFrame& f = Open();
    Command(command);
    FinishSlide(f);
    return f;
  }

  long long clock = 1000000;

  DataFolder folder;
  std::unique_ptr<MainFrame> frame;
};

}  // namespace kelp::test
