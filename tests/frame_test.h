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
    TheSeams().now = nullptr;
  }
  MainFrame& Open() {
    frame = OpenFrame();
    return *frame;
  }
  void Command(int id) { SendCommand(*frame, id); }

  DataFolder folder;
  std::unique_ptr<MainFrame> frame;
};

}  // namespace kelp::test
