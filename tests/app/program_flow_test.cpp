// The program's start-up on a platform without a display, which records the window: a climate
// file that stops the start. What the started window shows and how the loop ends are checked
// on Qt's offscreen platform (startup_window_test.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "dialog/dialog_table.h"
#include "errors/message_box.h"
#include "form_ids.h"
#include "main_loop.h"
#include "recording_platform.h"
#include "startup.h"
#include "support/toolkit_reset.h"
#include "support/toolkit_test.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;
using windlass::RecordingPlatform;

std::string DataFile(const char* name) {
    std::ifstream file(fs::path(HEATWISE_SOURCE_DIR) / "data" / name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void Write(const char* name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

class ProgramFlowTest : public ::testing::Test {
  protected:
    ProgramFlowTest() {
        ResetToolkit();
        auto platform = std::make_unique<RecordingPlatform>();
        platform_ = platform.get();
        previous_ = windlass::InstallPlatform(std::move(platform));
    }
    ~ProgramFlowTest() override {
        WindowClose();
        windlass::UnloadAllDialogs();
        ResetToolkit();
        windlass::InstallPlatform(std::move(previous_));
    }

    static void ResetToolkit() { windlass::testing::ResetToolkitState(); }

    windlass::testing::ScratchDirectory scratch_;
    RecordingPlatform* platform_;
    ProgramState state_;

  private:
    std::unique_ptr<windlass::Platform> previous_;
};

// A climate file that cannot be used ends the start with exit code 2, after a report on
// standard error and in a box over the open window, before the form is filled. The load's own
// tests (climate_data_test.cpp) check each fault's message and the creation of a
// missing file; here a fault of each file shows its message in the box.
struct DataFault {
    const char* label;
    std::string bins;
    std::string design;
    const char* named;
};

TEST_F(ProgramFlowTest, AClimateFileThatCannotBeUsedEndsTheStartWithAReport) {
    const std::string bins = DataFile(kBinFileName);
    const std::string design = DataFile(kDesignFileName);
    const DataFault faults[] = {
        {"a value that is not whole", "12.5" + bins.substr(bins.find_first_of(" ,")), design,
         "12.5"},
        {"210 records", bins, design.substr(0, design.rfind('\n', design.size() - 2) + 1),
         "city 211"},
    };
    for (const DataFault& fault : faults) {
        SCOPED_TRACE(fault.label);
        Write(kBinFileName, fault.bins);
        Write(kDesignFileName, fault.design);
        platform_->boxes_shown.clear();
        platform_->frames.clear();
        int exit_code = -1;

        try {
            StartUp(state_);
        } catch (const windlass::ProcessExit& exit) {
            exit_code = exit.exit_code;
        }

        EXPECT_EQ(exit_code, kDataFaultExitCode);
        ASSERT_EQ(platform_->frames.size(), 1u) << "the window is open";
        EXPECT_FALSE(platform_->main_frame().destroyed);
        ASSERT_EQ(platform_->boxes_shown.size(), 1u);
        const windlass::MessageBoxRequest& box = platform_->boxes_shown[0];
        EXPECT_EQ(box.icon, windlass::BoxIcon::Stop);
        EXPECT_EQ(box.title, "Heatwise 2.0");
        EXPECT_NE(box.text.find(fault.named), std::string::npos) << box.text;
        EXPECT_TRUE(platform_->main_frame().status_updates.empty() ||
                    platform_->last_status().size() != 3)
            << "the start went no further";

        WindowClose();
        windlass::UnloadAllDialogs();
        ResetToolkit();
    }
}

}  // namespace
}  // namespace heatwise
