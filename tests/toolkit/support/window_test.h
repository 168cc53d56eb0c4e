// Shared by the window, message and dialog tests: every case starts from the toolkit's state at
// program start, on a recording platform.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "recording_platform.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"

namespace windlass::testing {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() {
        ResetToolkitState();
        auto platform = std::make_unique<RecordingPlatform>();
        platform_ = platform.get();
        previous_ = InstallPlatform(std::move(platform));
    }
    ~WindowTest() override {
        WindowClose();
        EXPECT_EQ(platform_->idle_waits, 0) << "the toolkit waited for events that never came";
        ResetToolkitState();
        InstallPlatform(std::move(previous_));
    }

    RecordingPlatform& platform() { return *platform_; }

  private:
    RecordingPlatform* platform_;
    std::unique_ptr<Platform> previous_;
};

}  // namespace windlass::testing
