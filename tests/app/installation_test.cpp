// The installation: cmake --install lays out one application folder with the program, its
// help and its climate files, a launcher on the PATH, a desktop entry and the icon; the
// launcher starts the program in its folder; without a display the program says what to do;
// the command-line estimator is installed beside the program and finds the same climate files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "child_process.h"

namespace heatwise::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The folder of a program of this name on the PATH, if any.
std::optional<fs::path> FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        fs::path candidate = fs::path(folder) / name;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return std::nullopt;
}

// Every case installs the build afresh into a prefix of its own.
class InstallationTest : public ::testing::Test {
  protected:
    InstallationTest() {
        prefix_ = fs::current_path() / "prefix" /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(prefix_);
        FinishedChild install = RunChild({{HEATWISE_CMAKE_COMMAND, "--install", HEATWISE_BINARY_DIR,
                                           "--prefix", prefix_.string()},
                                          fs::current_path(),
                                          {}});
        EXPECT_EQ(install.exit_code, 0) << install.output;
    }

    fs::path AppFolder() const { return prefix_ / "lib" / "heatwise"; }
    fs::path Launcher() const { return prefix_ / "bin" / "heatwise"; }

    fs::path prefix_;
};

TEST_F(InstallationTest, OneApplicationFolderHoldsTheProgramItsHelpAndItsClimateFiles) {
    EXPECT_EQ(access((AppFolder() / "heatwise").c_str(), X_OK), 0);
    for (const char* name : {"HELP.HLP", "HELP.CNT", "bindata2.dat", "cities.dat"}) {
        ASSERT_TRUE(fs::exists(AppFolder() / name)) << name;
        EXPECT_EQ(ReadAll(AppFolder() / name),
                  ReadAll(fs::path(HEATWISE_SOURCE_DIR) / "data" / name))
            << name;
    }
    EXPECT_EQ(access(Launcher().c_str(), X_OK), 0);
    EXPECT_EQ(access((AppFolder() / "heatwise-cli").c_str(), X_OK), 0);
    EXPECT_EQ(access((prefix_ / "bin" / "heatwise-cli").c_str(), X_OK), 0);
    EXPECT_EQ(ReadAll(prefix_ / "share/icons/hicolor/256x256/apps/heatwise.png"),
              ReadAll(fs::path(HEATWISE_SOURCE_DIR) / "resources/heatwise.png"));
}

TEST_F(InstallationTest, TheDesktopEntryStartsTheLauncherAndIsValid) {
    const fs::path entry = prefix_ / "share/applications/heatwise.desktop";
    const std::string text = ReadAll(entry);
    EXPECT_NE(text.find("\nExec=" + Launcher().string() + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nIcon=heatwise\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nName=Heatwise\n"), std::string::npos) << text;

    std::optional<fs::path> validate = FindOnPath("desktop-file-validate");
    if (!validate) {
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian: desktop-file-utils)";
    }
    FinishedChild checked =
        RunChild({{validate->string(), entry.string()}, fs::current_path(), {}});
    EXPECT_EQ(checked.exit_code, 0) << checked.output;
    EXPECT_EQ(checked.output, "") << "no hints or warnings";
}

TEST_F(InstallationTest, TheLauncherBecomesTheProgramRunningInItsFolder) {
    RunningChild child = StartChild({{Launcher().string()},
                                     fs::current_path(),
                                     {{"QT_QPA_PLATFORM", std::string("offscreen")}}});
    ASSERT_GT(child.pid, 0);
    const fs::path process = fs::path("/proc") / std::to_string(child.pid);
    const fs::path program = fs::canonical(AppFolder() / "heatwise");
    // The launcher replaces itself with the program, which keeps running with its window open.
    bool became_program = false;
    for (int tries = 0; tries < 200 && !became_program; ++tries) {
        std::error_code error;
        became_program = fs::read_symlink(process / "exe", error) == program;
        if (!became_program) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    std::error_code error;
    const fs::path folder = fs::read_symlink(process / "cwd", error);
    KillChild(child);

    EXPECT_TRUE(became_program) << "the launcher's own process runs " << program;
    EXPECT_EQ(folder, fs::canonical(AppFolder()));
}

TEST_F(InstallationTest, WithoutADisplayTheProgramSaysWhatToDoInOneLine) {
    FinishedChild run = RunChild({{Launcher().string()},
                                  fs::current_path(),
                                  {{"DISPLAY", std::nullopt},
                                   {"WAYLAND_DISPLAY", std::nullopt},
                                   {"QT_QPA_PLATFORM", std::nullopt}}});

    EXPECT_EQ(run.exit_code, 1);
    ASSERT_FALSE(run.output.empty());
    EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << run.output;
    EXPECT_NE(run.output.find("xvfb-run"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("heatwise-cli"), std::string::npos) << run.output;
}

// The installed estimator, run from a folder of the caller's that holds no climate files, uses
// the installation's; the caller's own folder is left as it was, and --data-dir still wins.
TEST_F(InstallationTest, TheInstalledEstimatorReadsTheInstalledClimateFiles) {
    const fs::path caller = fs::current_path() / "caller" /
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(caller);
    fs::create_directories(caller);
    const std::string estimator = (prefix_ / "bin" / "heatwise-cli").string();

    FinishedChild run = RunChild({{estimator, "estimate", "--city", "1", "--csv"},
                                  caller,
                                  {{"HEATWISE_DATA_DIR", std::nullopt}}});
    EXPECT_EQ(run.exit_code, 0) << run.output;
    EXPECT_NE(run.output.find("austin, TX"), std::string::npos) << run.output;
    EXPECT_TRUE(fs::is_empty(caller)) << "nothing is written into the caller's folder";

    FinishedChild elsewhere = RunChild({{estimator, "estimate", "--data-dir", caller.string()},
                                        caller,
                                        {{"HEATWISE_DATA_DIR", std::nullopt}}});
    EXPECT_EQ(elsewhere.exit_code, 1) << "the empty folder named by --data-dir is used";
    EXPECT_NE(elsewhere.output.find("bindata2.dat"), std::string::npos) << elsewhere.output;
}

}  // namespace
}  // namespace heatwise::testing
