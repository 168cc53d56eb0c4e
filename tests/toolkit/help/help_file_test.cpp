// WHelpFile1 on the recording platform: which viewer each kind of name goes to, with which request,
// where a bare name is looked for, and the errors that open nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "help/help_names.h"
#include "init/settings.h"
#include "support/toolkit_test.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace windlass {
namespace {

namespace fs = std::filesystem;

// Every case runs with the executable in <scratch>/bin, so that a bare name is looked for
// there while the current directory is the scratch folder itself.
class HelpFileTest : public testing::ToolkitTest {
  protected:
    HelpFileTest() { platform_->executable_path = Scratch("bin/heatwise"); }
    // Empties bin and makes each file of a blank-separated list, relative to the scratch folder.
    void Touch(std::string_view files) {
        fs::remove_all(scratch_.path() / "bin");
        fs::create_directories(scratch_.path() / "bin");
        std::istringstream names{std::string(files)};
        for (std::string file; names >> file;) {
            WriteFile(scratch_.path() / file, "<title>t</title>");
        }
    }
    std::string Scratch(const std::string& relative) const {
        return (scratch_.path() / relative).string();
    }
};

// Web pages, addresses and compiled help go to the program the desktop associates with them: a
// kind no program is chosen for raises 1 (compiled help: the viewer error), a choice that leads
// nowhere or a program that does not start the viewer error. The settings' browser plays no
// part. Where the compiled-HTML viewer hh is on the PATH, compiled help goes to it instead,
// with the topic as its map id.
TEST_F(HelpFileTest, PagesAddressesAndCompiledHelpGoToTheDesktopsChoiceOrToHh) {
    struct Case {
        std::string helpfile, target;
        DesktopLookup lookup;
        bool starts;
        int error;
    };
    Touch("bin/manual.chm bin/guide.htm");
    const std::string chm = Scratch("bin/manual.chm");
    const std::string page = Scratch("bin/guide.htm");
    const std::string site = "http://example.org/";
    const std::vector<Case> cases = {
        {"manual.chm", chm, DesktopLookup::Found, true, 0},
        {"manual.chm", chm, DesktopLookup::NoAssociation, true, ERR_HELP_VIEWER},
        {"   HTTP://EXAMPLE.ORG/A.HTM", "HTTP://EXAMPLE.ORG/A.HTM", DesktopLookup::Found, true, 0},
        {"guide.htm", page, DesktopLookup::NoAssociation, true, ERR_OPEN_FILE},
        {site, site, DesktopLookup::NoAssociation, true, ERR_OPEN_FILE},
        {"guide.htm", page, DesktopLookup::Failed, true, ERR_HELP_VIEWER},
        {site, site, DesktopLookup::Found, false, ERR_HELP_VIEWER},
    };
    Settings().browser = "sh";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.helpfile);
        platform_->desktop_asked.clear();
        platform_->programs_started.clear();
        platform_->desktop_answer = c.lookup;
        platform_->start_answer = c.starts;
        WHelpFile1(c.helpfile, c.target == chm ? 7 : -1);
        EXPECT_EQ(InfoError(1), c.error);
        EXPECT_EQ(platform_->desktop_asked, std::vector<std::string>{c.target});
        const bool found = c.lookup == DesktopLookup::Found;
        ASSERT_EQ(platform_->programs_started.size(), found ? 1u : 0u);
        if (found) {
            EXPECT_EQ(platform_->programs_started[0].program, "desktop-choice");
            EXPECT_EQ(platform_->programs_started[0].arguments, std::vector<std::string>{c.target});
        }
    }
    const fs::path hh = scratch_.path() / "tools/hh";
    WriteFile(hh, "#!/bin/sh\n");
    fs::permissions(hh, fs::perms::owner_all);
    platform_->environment["PATH"] = "/nonexistent:" + hh.parent_path().string();
    platform_->desktop_asked.clear();
    platform_->programs_started.clear();
    platform_->start_answer = true;
    WHelpFile1("manual.chm", 7);
    WHelpFile1("manual.chm");
    EXPECT_EQ(InfoError(1), 0);
    ASSERT_EQ(platform_->programs_started.size(), 2u);
    EXPECT_EQ(platform_->programs_started[0].program, hh.string());
    EXPECT_EQ(platform_->programs_started[0].arguments,
              (std::vector<std::string>{"-mapid", "7", chm}));
    EXPECT_EQ(platform_->programs_started[1].arguments, std::vector<std::string>{chm});
    EXPECT_TRUE(platform_->desktop_asked.empty());
}

// A contents file counts when it lies beside the document with the same letter case in its
// extension; a topic is asked for even then; only 1 asks for a pop-up; topic 0 is a topic. Only a
// bare name is looked for, and only in the executable's folder. Only the whole extension counts;
// a contents file does not make the document exist; an address that ends in .HLP is a help
// document, and no file; a folder is no document.
TEST_F(HelpFileTest, HelpDocumentsGoToTheViewerWithTheRequestTheArgumentsAskOrRaiseAnError) {
    struct Case {
        std::string files, helpfile;
        int icontext, ipopup, error;
        std::string document = "";  // Relative to the scratch folder unless absolute.
        HelpCommand command = HelpCommand::Contents;
        int topic = 0;
        std::string contents_file = "";
    };
    const std::string hlp = "bin/HELP.HLP";
    const std::string both = "bin/HELP.HLP bin/HELP.CNT";
    const std::vector<Case> cases = {
        {hlp, "HELP.HLP", -1, 0, 0, hlp},
        {both, "HELP.HLP", -1, 0, 0, hlp, HelpCommand::Finder, 0, "bin/HELP.CNT"},
        {"bin/HELP.HLP bin/HELP.cnt", "HELP.HLP", -1, 0, 0, hlp},
        {hlp, "HELP.HLP      ", -1, 0, 0, hlp},
        {both, "HELP.HLP", 20, 0, 0, hlp, HelpCommand::Topic, 20},
        {hlp, "HELP.HLP", 20, 1, 0, hlp, HelpCommand::TopicPopup, 20},
        {hlp, "HELP.HLP", 0, 0, 0, hlp, HelpCommand::Topic, 0},
        {"docs/HELP.HLP", "docs/HELP.HLP", -1, 0, 0, "docs/HELP.HLP"},
        {"X:HELP.HLP", "X:HELP.HLP", -1, 0, 0, "X:HELP.HLP"},
        {"else/HELP.HLP", Scratch("else/HELP.HLP"), -1, 0, 0, Scratch("else/HELP.HLP")},
        {"HELP.HLP", "HELP.HLP", -1, 0, ERR_OPEN_FILE},
        {"bin/NOTES.TXT", "NOTES.TXT", -1, 0, ERR_HELP_EXTENSION},
        {"bin/HELP.HLPX", "HELP.HLPX", -1, 0, ERR_HELP_EXTENSION},
        {"", "MISSING.HLP", 20, 0, ERR_OPEN_FILE},
        {"bin/HELP.CNT", "HELP.HLP", -1, 0, ERR_OPEN_FILE},
        {"", "MISSING.CHM", -1, 0, ERR_OPEN_FILE},
        {"", "", 20, 0, ERR_OPEN_FILE},
        {"", "http://example.org/HELP.HLP", -1, 0, ERR_OPEN_FILE},
        {"bin/FOLDER.HLP/x", "FOLDER.HLP", -1, 0, ERR_OPEN_FILE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.files + " / " + c.helpfile);
        platform_->help_shown.clear();
        Touch(c.files);
        WHelpFile1(c.helpfile, c.icontext, c.ipopup);
        EXPECT_EQ(InfoError(1), c.error);
        ASSERT_EQ(platform_->help_shown.size(), c.error == 0 ? 1u : 0u);
        if (c.error != 0) {
            continue;
        }
        const RecordingPlatform::HelpShown& shown = platform_->help_shown.front();
        bool in_bin = c.document.starts_with("bin/");
        EXPECT_EQ(shown.document, in_bin ? Scratch(c.document) : c.document);
        EXPECT_EQ(shown.request.command, c.command);
        EXPECT_EQ(shown.request.topic, c.topic);
        EXPECT_EQ(shown.request.contents_file,
                  c.contents_file.empty() ? "" : Scratch(c.contents_file));
        EXPECT_EQ(shown.owner, nullptr);
    }
    EXPECT_TRUE(platform_->desktop_asked.empty() && platform_->programs_started.empty());
}

TEST_F(HelpFileTest, WhileTheMainWindowIsOpenItOwnsRequestsAndABlankNameClosesItsViewer) {
    int frame_stand_in = 0;
    auto* frame = reinterpret_cast<WindowHandle>(&frame_stand_in);
    Windows().by_slot[kMainWindowSlot].frame = frame;
    Touch("bin/HELP.HLP");
    WHelpFile1("HELP.HLP");
    WHelpFile1("");
    EXPECT_EQ(InfoError(1), 0);
    ASSERT_EQ(platform_->help_shown.size(), 2u);
    for (const RecordingPlatform::HelpShown& shown : platform_->help_shown) {
        EXPECT_EQ(shown.owner, frame);
    }
    EXPECT_EQ(platform_->help_shown[1].request.command, HelpCommand::Quit);
    EXPECT_EQ(platform_->help_shown[1].document, "");
    // A viewer that refuses raises the viewer error, a closing one as well.
    platform_->help_answer = false;
    WHelpFile1("HELP.HLP", 20, 1);
    EXPECT_EQ(InfoError(1), ERR_HELP_VIEWER);
    WHelpFile1("");
    EXPECT_EQ(InfoError(1), ERR_HELP_VIEWER);
}

}  // namespace
}  // namespace windlass
