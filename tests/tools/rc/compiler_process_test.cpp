// heatwise-rc run as the build runs it: a good script gives the source and the dependency list;
// a bad one gives "file:line: reason", status 1 and no output, so the build stops; a wrong
// command line gives the usage and status 2.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "script_test_support.h"

namespace heatwise::rc {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::WriteFile;

std::string ReadAll(const fs::path& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(rc_Compiler, ExitStatusMessagesAndOutputFiles) {
    WriteFile("run/shared/ids.h", "#define MENU_MAIN 30001\n");
    WriteFile("run/form.txt", "[Checks]\n");
    WriteFile("run/good.rc", "#include <ids.h>\nMENU_MAIN RCDATA { 1 }\n102 RCDATA \"form.txt\"\n");
    WriteFile("run/bad.rc", "1 RCDATA BEGIN\n  70000\nEND\n");
    WriteFile("run/out.cpp", "stale output of an earlier build");
    const std::tuple<const char*, int, const char*> cases[] = {
        {"run/bad.rc run/out.cpp", 1, "bad.rc:2: 70000 does not fit in a 16-bit word"},
        {"run/good.rc run/out.cpp", 1, "good.rc:1: cannot open include file 'ids.h'"},
        {"run/missing.rc run/out.cpp", 1, "missing.rc: cannot open the resource script"},
        {"", 2, "usage: heatwise-rc INPUT.rc OUTPUT.cpp"},
        {"run/good.rc run/out.cpp c", 2, "usage: heatwise-rc"},
        {"run/good.rc run/out.cpp --depfile", 2, "usage: heatwise-rc"},
        {"--fast run/good.rc run/out.cpp", 2, "usage: heatwise-rc"},
        {"-Irun/shared run/good.rc run/out.cpp --depfile run/out.d", 0, ""},
    };
    for (const auto& [arguments, status, message] : cases) {
        const std::string command = std::string(HEATWISE_RC_PATH) + " " + arguments + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        for (char buffer[256]; fgets(buffer, sizeof buffer, pipe) != nullptr;) {
            output += buffer;
        }
        const int exit = pclose(pipe);
        EXPECT_EQ(WIFEXITED(exit) ? WEXITSTATUS(exit) : -1, status) << arguments;
        EXPECT_THAT(output, HasSubstr(message)) << arguments;
        // A failed run leaves no output behind, so the next build runs the compiler again.
        EXPECT_EQ(fs::exists("run/out.cpp"), status == 0) << arguments;
    }
    EXPECT_THAT(ReadAll("run/out.cpp"), HasSubstr("windlass::ResourceName(30001)"));
    const std::string depfile = ReadAll("run/out.d");
    for (const char* file : {"out.cpp:", "good.rc", "shared/ids.h", "form.txt"}) {
        EXPECT_THAT(depfile, HasSubstr((fs::current_path() / "run" / file).string())) << file;
    }
    EXPECT_FALSE(fs::exists("run/out.cpp.partial"));
}

}  // namespace
}  // namespace heatwise::rc
