// heatwise-rc run as the build runs it: a good script gives the source and the dependency
// list; a bad one gives "file:line: reason", status 1 and no output, so the build stops.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "script_test_support.h"

namespace heatwise::rc {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::WriteFile;

struct CompilerRun {
    int status;
    std::string output;
};

// Runs the compiler with its messages captured.
CompilerRun Compile(const std::string& arguments) {
    std::string command = std::string(HEATWISE_RC_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return {-1, ""};
    }
    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(rc_Compiler, GoodScriptGivesSourceAndDependencies) {
    WriteFile("good/ids.h", "#define MENU_MAIN 30001\n");
    WriteFile("good/form.txt", "[Checks]\n");
    WriteFile("good/good.rc",
              "#include \"ids.h\"\nMENU_MAIN RCDATA { 1 }\n102 RCDATA \"form.txt\"\n");
    CompilerRun run = Compile("good/good.rc good/out.cpp --depfile good/out.d");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "");
    std::string source = ReadAll("good/out.cpp");
    EXPECT_THAT(source, HasSubstr("windlass::RegisterResources(kResources)"));
    EXPECT_THAT(source, HasSubstr("windlass::ResourceName(30001)"));
    const std::string depfile = ReadAll("good/out.d");
    for (const char* file : {"out.cpp:", "good.rc", "ids.h", "form.txt"}) {
        EXPECT_THAT(depfile, HasSubstr((fs::current_path() / "good" / file).string())) << file;
    }
    EXPECT_FALSE(fs::exists("good/out.cpp.partial"));
}

TEST(rc_Compiler, BadScriptStopsTheBuildAndLeavesNoOutput) {
    WriteFile("bad/heatwise.ico", "GIF89a not an icon at all");
    const std::pair<const char*, const char*> cases[] = {
        {"30001 MENU\nBEGIN\n  MENUITEM \"&Help\", 40002\n  MENUITEM \"E&xit\" 40004\nEND\n",
         "bad.rc:4: expected ',' after the text of menu item \"E&xit\", found '40004'\n"},
        {"1 RCDATA BEGIN \"open\nEND\n", "bad.rc:1: unterminated string"},
        {"\n\nICON1 ICON \"missing.ico\"\n", "bad.rc:3: cannot open icon file 'missing.ico'\n"},
        {"ICON1 ICON \"heatwise.ico\"\n",
         "bad.rc:1: 'heatwise.ico' is not a usable icon: the file does not start like an icon "
         "file"},
    };
    for (const auto& [script, message] : cases) {
        WriteFile("bad/bad.rc", script);
        WriteFile("bad/out.cpp", "stale output of an earlier build");
        CompilerRun run = Compile("bad/bad.rc bad/out.cpp");
        EXPECT_EQ(run.status, 1) << script;
        EXPECT_THAT(run.output, HasSubstr(message));
        EXPECT_FALSE(fs::exists("bad/out.cpp")) << script;
    }
}

TEST(rc_Compiler, IncludeFoldersFromTheCommandLine) {
    WriteFile("inc/shared/ids.h", "#define DLG_MAIN 102\n");
    WriteFile("inc/script/app.rc", "#include <ids.h>\nDLG_MAIN RCDATA { 1 }\n");
    EXPECT_EQ(Compile("inc/script/app.rc inc/out.cpp").status, 1);
    CompilerRun run = Compile("inc/script/app.rc inc/out.cpp -I inc/shared");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(Compile("-Iinc/shared inc/script/app.rc inc/out.cpp").status, 0);
}

TEST(rc_Compiler, WrongCommandLinesGiveUsage) {
    const char* cases[] = {"", "only_one.rc", "a.rc b.cpp c", "a.rc b.cpp --depfile", "--fast a b"};
    for (const char* arguments : cases) {
        CompilerRun run = Compile(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_THAT(run.output, HasSubstr("usage: heatwise-rc INPUT.rc OUTPUT.cpp")) << arguments;
    }
    CompilerRun missing = Compile("missing.rc out.cpp");
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.output, HasSubstr("missing.rc: cannot open the resource script"));
}

}  // namespace
}  // namespace heatwise::rc
