// WHelpFile1 on the recording platform: which viewer each kind of name goes to, with which request,
// where a bare name is looked for, when the finder opens, and the errors that open nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "help/help_names.h"
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
    HelpFileTest() {
        fs::create_directories(Bin());
        platform_->executable_path = (Bin() / "heatwise").string();
    }

    fs::path Bin() const { return scratch_.path() / "bin"; }

    // Makes each file of a blank-separated list, relative to the scratch folder.
    void Touch(std::string_view files) {
        std::istringstream names{std::string(files)};
        for (std::string file; names >> file;) {
            WriteFile(scratch_.path() / file, "<title>t</title>");
        }
    }

    // An executable file that the platform's program search can find.
    fs::path MakeProgram(const std::string& relative) {
        fs::path path = scratch_.path() / relative;
        WriteFile(path, "#!/bin/sh\n");
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }

    bool NothingOpened() {
        return platform_->help_shown.empty() && platform_->desktop_opened.empty() &&
               platform_->programs_started.empty();
    }

    std::string Scratch(const std::string& relative) const {
        return (scratch_.path() / relative).string();
    }
};

TEST_F(HelpFileTest, HelpDocumentsGoToTheViewerWithTheRequestTheArgumentsAsk) {
    struct Case {
        std::string label;
        std::string files;
        std::string helpfile;
        int icontext;
        int ipopup;
        std::string document;
        HelpCommand command;
        int topic = 0;
        std::string contents_file = "";
    };
    const std::string hlp = "bin/HELP.HLP";
    const std::string both = "bin/HELP.HLP bin/HELP.CNT";
    const std::vector<Case> cases = {
        {"contents without a contents file", hlp, "HELP.HLP", -1, 0, hlp, HelpCommand::Contents},
        {"contents with a contents file beside it", both, "HELP.HLP", -1, 0, hlp,
         HelpCommand::Finder, 0, "bin/HELP.CNT"},
        {"lower-case name and contents file", "bin/help.hlp bin/help.cnt", "help.hlp", -1, 0,
         "bin/help.hlp", HelpCommand::Finder, 0, "bin/help.cnt"},
        {"mixed-case extension", "bin/Guide.Hlp bin/Guide.Cnt", "Guide.Hlp", -1, 0, "bin/Guide.Hlp",
         HelpCommand::Finder, 0, "bin/Guide.Cnt"},
        {"contents file of another case does not count", "bin/HELP.HLP bin/HELP.cnt", "HELP.HLP",
         -1, 0, hlp, HelpCommand::Contents},
        {"trailing blanks of the name", hlp, "HELP.HLP      ", -1, 0, hlp, HelpCommand::Contents},
        {"a topic, even with a contents file", both, "HELP.HLP", 20, 0, hlp, HelpCommand::Topic,
         20},
        {"a topic in a pop-up", hlp, "HELP.HLP", 20, 1, hlp, HelpCommand::TopicPopup, 20},
        {"only 1 asks for a pop-up", hlp, "HELP.HLP", 20, 2, hlp, HelpCommand::Topic, 20},
        {"topic 0 is a topic", hlp, "HELP.HLP", 0, 0, hlp, HelpCommand::Topic, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove_all(Bin());
        fs::create_directories(Bin());
        platform_->help_shown.clear();
        Touch(c.files);

        WHelpFile1(c.helpfile, c.icontext, c.ipopup);

        EXPECT_EQ(InfoError(1), 0);
        ASSERT_EQ(platform_->help_shown.size(), 1u);
        const RecordingPlatform::HelpShown& shown = platform_->help_shown.front();
        EXPECT_EQ(shown.document, Scratch(c.document));
        EXPECT_EQ(shown.request.command, c.command);
        EXPECT_EQ(shown.request.topic, c.topic);
        EXPECT_EQ(shown.request.contents_file,
                  c.contents_file.empty() ? "" : Scratch(c.contents_file));
        EXPECT_EQ(shown.owner, nullptr);
        EXPECT_TRUE(platform_->desktop_opened.empty());
    }
}

TEST_F(HelpFileTest, OnlyABareNameIsLookedForInTheExecutablesFolder) {
    struct Case {
        std::string label;
        std::string file;      // made, relative to the scratch folder
        std::string helpfile;  // as the program passes it
        std::string document;  // as the viewer gets it
    };
    const std::string absolute = Scratch("elsewhere/HELP.HLP");
    const std::vector<Case> cases = {
        {"bare name", "bin/HELP.HLP", "HELP.HLP", Scratch("bin/HELP.HLP")},
        {"name with a slash", "docs/HELP.HLP", "docs/HELP.HLP", "docs/HELP.HLP"},
        {"name with a backslash", "docs\\HELP.HLP", "docs\\HELP.HLP", "docs\\HELP.HLP"},
        {"name with a drive", "X:HELP.HLP", "X:HELP.HLP", "X:HELP.HLP"},
        {"absolute path", "elsewhere/HELP.HLP", absolute, absolute},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        platform_->help_shown.clear();
        Touch(c.file);

        WHelpFile1(c.helpfile);

        EXPECT_EQ(InfoError(1), 0);
        ASSERT_EQ(platform_->help_shown.size(), 1u);
        EXPECT_EQ(platform_->help_shown.front().document, c.document);
    }
}

TEST_F(HelpFileTest, WhileTheMainWindowIsOpenItOwnsRequestsAndABlankNameClosesItsViewer) {
    int frame_stand_in = 0;
    auto* frame = reinterpret_cast<WindowHandle>(&frame_stand_in);
    Windows().by_slot[kMainWindowSlot].frame = frame;
    Touch("bin/HELP.HLP");

    WHelpFile1("HELP.HLP");
    ASSERT_EQ(platform_->help_shown.size(), 1u);
    EXPECT_EQ(platform_->help_shown.front().owner, frame);

    for (std::string_view blank : {"", "        "}) {
        platform_->help_shown.clear();
        WHelpFile1(blank);

        EXPECT_EQ(InfoError(1), 0);
        ASSERT_EQ(platform_->help_shown.size(), 1u);
        const RecordingPlatform::HelpShown& shown = platform_->help_shown.front();
        EXPECT_EQ(shown.request.command, HelpCommand::Quit);
        EXPECT_EQ(shown.document, "");
        EXPECT_EQ(shown.owner, frame);
    }
}

TEST_F(HelpFileTest, FailuresRaiseTheirErrorAndOpenNothing) {
    struct Case {
        std::string label;
        std::string files;
        std::string helpfile;
        int icontext;
        int error;
    };
    const std::vector<Case> cases = {
        {"a text file is no help", "bin/NOTES.TXT", "NOTES.TXT", -1, ERR_HELP_EXTENSION},
        {"a name without extension", "", "HELP", -1, ERR_HELP_EXTENSION},
        {"an extension that only begins like one", "bin/HELP.HLPX", "HELP.HLPX", -1,
         ERR_HELP_EXTENSION},
        {"a missing help document", "", "MISSING.HLP", -1, ERR_OPEN_FILE},
        {"a missing help document, by topic", "", "MISSING.HLP", 20, ERR_OPEN_FILE},
        {"a missing contents file does not make the document exist", "bin/HELP.CNT", "HELP.HLP", -1,
         ERR_OPEN_FILE},
        {"a missing compiled help file", "", "MISSING.CHM", -1, ERR_OPEN_FILE},
        {"a missing web page", "", "missing.htm", -1, ERR_OPEN_FILE},
        {"a blank name with a topic names no document", "", "", 20, ERR_OPEN_FILE},
        {"an address that ends in .HLP is a help document, and no file", "",
         "http://example.org/HELP.HLP", -1, ERR_OPEN_FILE},
        {"a folder is not a document", "bin/FOLDER.HLP/x", "FOLDER.HLP", -1, ERR_OPEN_FILE},
        {"a bare name is not looked for in the current directory", "HELP.HLP", "HELP.HLP", -1,
         ERR_OPEN_FILE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove_all(Bin());
        fs::create_directories(Bin());
        Touch(c.files);

        WHelpFile1(c.helpfile, c.icontext);

        EXPECT_EQ(InfoError(1), c.error);
        EXPECT_TRUE(NothingOpened());
    }
}

TEST_F(HelpFileTest, ANameIsCutAtTheLengthOfTheWorkingBuffer) {
    // A path of exactly the buffer's length, made of folders short enough for the file system.
    std::string name = scratch_.path().string();
    while (name.size() + 1 + 100 < kHelpNameLimit - 9) {
        name += "/" + std::string(100, 'd');
    }
    name += "/" + std::string(kHelpNameLimit - 9 - name.size() - 1, 'd') + "/HELP.HLP";
    ASSERT_EQ(name.size(), kHelpNameLimit);
    WriteFile(name, "<title>t</title>");

    WHelpFile1(name);
    EXPECT_EQ(InfoError(1), 0);
    ASSERT_EQ(platform_->help_shown.size(), 1u);
    EXPECT_EQ(platform_->help_shown.front().document, name);

    // What lies past the buffer is not part of the name.
    WHelpFile1(name + "X");
    EXPECT_EQ(InfoError(1), 0);
    ASSERT_EQ(platform_->help_shown.size(), 2u);
    EXPECT_EQ(platform_->help_shown.back().document, name);

    // One character more in front, and the buffer cuts off the extension's last letter.
    std::string longer = name;
    longer.insert(longer.size() - 9, "d");
    WHelpFile1(longer);
    EXPECT_EQ(InfoError(1), ERR_HELP_EXTENSION);
    EXPECT_EQ(platform_->help_shown.size(), 2u);
}

TEST_F(HelpFileTest, AViewerOrBrowserThatRefusesRaisesTheViewerError) {
    Touch("bin/HELP.HLP");
    platform_->help_answer = false;
    WHelpFile1("HELP.HLP", 20, 1);
    EXPECT_EQ(InfoError(1), ERR_HELP_VIEWER);
    WHelpFile1("");
    EXPECT_EQ(InfoError(1), ERR_HELP_VIEWER);

    Settings().browser = MakeProgram("tools/mybrowser").string();
    platform_->start_answer = false;
    WHelpFile1("http://example.org/");
    EXPECT_EQ(InfoError(1), ERR_HELP_VIEWER);
    EXPECT_EQ(platform_->programs_started.size(), 1u);
    EXPECT_TRUE(platform_->desktop_opened.empty());
}

// Compiled help always goes to the desktop; web pages and addresses go there when the settings
// name no browser that can be found, as the toolkit's own default does on this system.
TEST_F(HelpFileTest, CompiledHelpWebPagesAndAddressesGoToTheDesktopAndFailByItsAnswer) {
    struct Case {
        std::string helpfile;
        std::string opened;
        DesktopOpen answer;
        int error;
    };
    Touch("bin/manual.chm bin/guide.htm bin/Guide.HTML");
    const std::string chm = Scratch("bin/manual.chm");
    const std::string page = Scratch("bin/guide.htm");
    const std::vector<Case> cases = {
        {"manual.chm", chm, DesktopOpen::Opened, 0},
        {"manual.chm", chm, DesktopOpen::NoAssociation, ERR_HELP_VIEWER},
        {"manual.chm", chm, DesktopOpen::Failed, ERR_HELP_VIEWER},
        {"http://example.org/help", "http://example.org/help", DesktopOpen::Opened, 0},
        {"   HTTP://EXAMPLE.ORG/A.HTM", "HTTP://EXAMPLE.ORG/A.HTM", DesktopOpen::Opened, 0},
        {"guide.htm", page, DesktopOpen::Opened, 0},
        {"Guide.HTML", Scratch("bin/Guide.HTML"), DesktopOpen::Opened, 0},
        // A page and an address fail alike, by the desktop's answer.
        {"guide.htm", page, DesktopOpen::NoAssociation, ERR_OPEN_FILE},
        {"http://example.org/", "http://example.org/", DesktopOpen::NoAssociation, ERR_OPEN_FILE},
        {"guide.htm", page, DesktopOpen::Failed, ERR_HELP_VIEWER},
        {"http://example.org/", "http://example.org/", DesktopOpen::Failed, ERR_HELP_VIEWER},
    };
    Settings().browser = "netscape";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.helpfile);
        platform_->desktop_opened.clear();
        platform_->desktop_answer = c.answer;
        // The topic of compiled help is left to the desktop's viewer.
        WHelpFile1(c.helpfile, c.opened == chm ? 7 : -1);
        EXPECT_EQ(InfoError(1), c.error);
        EXPECT_EQ(platform_->desktop_opened, std::vector<std::string>{c.opened});
        EXPECT_TRUE(platform_->help_shown.empty());
        EXPECT_TRUE(platform_->programs_started.empty());
    }
}

TEST_F(HelpFileTest, TheSettingsBrowserOpensWebPagesWhenItsProgramIsFound) {
    struct Case {
        std::string label;
        std::string browser;
        std::string program;
        std::vector<std::string> leading_arguments;
    };
    fs::path on_path = MakeProgram("tools/mybrowser");
    fs::path with_blank = MakeProgram("my tools/browse");
    platform_->environment["PATH"] = "/nonexistent:" + on_path.parent_path().string();
    const std::vector<Case> cases = {
        {"found on the search path", "mybrowser", on_path.string(), {}},
        {"with arguments of its own",
         "mybrowser --new-window  --private",
         on_path.string(),
         {"--new-window", "--private"}},
        {"a quoted path with a blank",
         "\"" + with_blank.string() + "\" -x",
         with_blank.string(),
         {"-x"}},
    };
    Touch("bin/guide.htm");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Settings().browser = c.browser;
        for (const auto& [helpfile, target] :
             {std::pair<std::string, std::string>{"guide.htm", Scratch("bin/guide.htm")},
              {" http://example.org/?a=1;b", "http://example.org/?a=1;b"}}) {
            platform_->programs_started.clear();

            WHelpFile1(helpfile);

            EXPECT_EQ(InfoError(1), 0);
            ASSERT_EQ(platform_->programs_started.size(), 1u);
            EXPECT_EQ(platform_->programs_started.front().program, c.program);
            std::vector<std::string> arguments = c.leading_arguments;
            arguments.push_back(target);
            EXPECT_EQ(platform_->programs_started.front().arguments, arguments);
            EXPECT_TRUE(platform_->desktop_opened.empty());
        }
    }
}

TEST_F(HelpFileTest, AProgramIsFoundOnlyAsAnExecutableFile) {
    fs::path program = MakeProgram("tools/tool");
    WriteFile(scratch_.path() / "tools/plain", "not a program");
    fs::permissions(scratch_.path() / "tools/plain", fs::perms::owner_read);
    platform_->environment["PATH"] = (scratch_.path() / "tools").string();

    EXPECT_EQ(platform_->Os().FindProgram("tool"), program.string());
    EXPECT_EQ(platform_->Os().FindProgram(program.string()), program.string());
    EXPECT_EQ(platform_->Os().FindProgram("plain"), std::nullopt);
    EXPECT_EQ(platform_->Os().FindProgram("tools"), std::nullopt);
    EXPECT_EQ(platform_->Os().FindProgram("absent"), std::nullopt);
    EXPECT_EQ(platform_->Os().FindProgram(""), std::nullopt);
    platform_->environment.erase("PATH");
    EXPECT_EQ(platform_->Os().FindProgram("tool"), std::nullopt);
}

// The kinds of the names that WHelpFile1's cases above pass are checked there by where the name
// goes; these are the names no case passes.
TEST(HelpNames, KindsAreToldFromTheNameInAnyCase) {
    struct Case {
        std::string name;
        std::optional<HelpKind> kind;
    };
    const std::vector<Case> cases = {
        {"http://a/b.chm", HelpKind::CompiledHtml},
        {"page.htm  ", HelpKind::WebPage},
        {"https://a/b", std::nullopt},
        {"hlp", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HelpKindOf(c.name), c.kind) << '"' << c.name << '"';
    }
}

}  // namespace
}  // namespace windlass
