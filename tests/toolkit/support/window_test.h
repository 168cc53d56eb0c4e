// Shared by the window, message and dialog tests: every case starts from the toolkit's state at
// program start, on a recording platform.
#pragma once

#include <gtest/gtest.h>

#include "recording_platform.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"

namespace windlass::testing {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() { ResetToolkitState(); }
    ~WindowTest() override {
        WindowClose();
        EXPECT_EQ(platform_->idle_waits, 0) << "the toolkit waited for events that never came";
        ResetToolkitState();
    }

    RecordingPlatform& platform() { return *platform_; }

  private:
    ScopedRecordingPlatform platform_;
};

}  // namespace windlass::testing
