// The stop at the first wait that a program built to have its start-up timed arms; no other
// program ever stops there.
#include <gtest/gtest.h>

#include "message/startup_probe.h"
#include "state/toolkit_state.h"

namespace windlass {
namespace {

TEST(StartupStop, OnlyAnArmedRunStopsAndOnlyAtItsFirstWait) {
    ResetToolkitState();
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(FirstWaitEndsRun());
    EXPECT_FALSE(FirstWaitEndsRun());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    ArmFirstWaitStop();
    ::testing::internal::CaptureStdout();
    EXPECT_TRUE(FirstWaitEndsRun());
    EXPECT_FALSE(FirstWaitEndsRun());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "first wait\n");
    ResetToolkitState();
    EXPECT_EQ(StartupStop(), FirstWaitStop::Off);
}

}  // namespace
}  // namespace windlass
