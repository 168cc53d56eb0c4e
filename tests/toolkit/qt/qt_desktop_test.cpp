// What the Qt backend finds out about the user's desktop: whether anyone sees the display, and
// the program the desktop has chosen for a document or an address (the list files and desktop
// entries read as plain text, and the lookup through the folders a desktop uses).
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "qt/desktop_entries.h"
#include "qt/qt_help_desktop.h"
#include "qt/qt_windowing.h"
#include "qt/terminal_emulators.h"
#include "support/scratch_directory.h"

namespace windlass::qt {
namespace {

using Words = std::vector<std::string>;

TEST(QtPresence, NobodyAnswersOnADisplayThatOnlyDrawsIntoMemory) {
    EXPECT_EQ(QtWindowing().Presence(), UserPresence::Absent);
}

TEST(DesktopEntries, ListFilesGiveTheChosenProgramsOfOneTypeInOrder) {
    const std::string list =
        "[Added Associations]\ntext/html=added.desktop;\n"
        "[Default Applications]\ntext/html=first.desktop;second.desktop\n"
        "text/plain=editor.desktop\n"
        "# text/html=comment.desktop\n"
        "[Removed Associations]\ntext/html=removed.desktop\n";
    EXPECT_EQ(ApplicationsFor(list, "text/html"),
              (Words{"first.desktop", "second.desktop", "added.desktop"}));
    EXPECT_EQ(ApplicationsFor(list, "image/png"), Words{});
    EXPECT_EQ(ApplicationsFor("[MIME Cache]\nx-scheme-handler/http=web.desktop;\n",
                              "x-scheme-handler/http"),
              Words{"web.desktop"});
}

TEST(DesktopEntries, AnEntryStartsItsProgramOnlyWhenItIsAVisibleApplication) {
    struct Case {
        const char* entry;
        std::optional<EntryCommand> command;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nType=Application\nExec=web --new \"My Pages\" %u\n",
         EntryCommand{{"web", "--new", "My Pages", "%u"}, RunsIn::Itself}},
        {"[Desktop Entry]\nType=Application\nExec=\"/opt/a b/view\" \"say \\\"hi\\\"\"\n",
         EntryCommand{{"/opt/a b/view", "say \"hi\""}, RunsIn::Itself}},
        // Blanks around keys and values and the line ends of another system are no part of them.
        {" [Desktop Entry]\t\r\nType = Application \r\n\tExec=\tweb --new\t\r\n",
         EntryCommand{{"web", "--new"}, RunsIn::Itself}},
        {"[Desktop Entry]\nType=Link\nExec=web\n", std::nullopt},
        {"[Desktop Entry]\nType=Application\nHidden=true\nExec=web\n", std::nullopt},
        {"[Desktop Action New]\nExec=other\n[Desktop Entry]\nType=Application\nExec=web\n",
         EntryCommand{{"web"}, RunsIn::Itself}},
        {"[Desktop Entry]\nType=Application\nTerminal=true\nExec=pager %f\n",
         EntryCommand{{"pager", "%f"}, RunsIn::Terminal}},
        {"[Desktop Entry]\nTerminal=false\nType=Application\nExec=pager\n",
         EntryCommand{{"pager"}, RunsIn::Itself}},
        {"[Desktop Action Edit]\nTerminal=true\n[Desktop Entry]\nType=Application\nExec=pager\n",
         EntryCommand{{"pager"}, RunsIn::Itself}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EntryCommandOf(c.entry), c.command) << c.entry;
    }
}

TEST(TerminalEmulators, TheUsersChoiceThenTheSystemsThenTheFirstCommonOneEachToldItsWay) {
    struct Case {
        std::string terminal;  // TERMINAL, empty when unset.
        std::vector<std::string> installed;
        std::optional<Words> command;
    };
    const Case cases[] = {
        {"",
         {"xterm", "x-terminal-emulator", "gnome-terminal"},
         Words{"x-terminal-emulator", "-e", "pager", "a b.txt"}},
        {"kitty", {"kitty", "x-terminal-emulator"}, Words{"kitty", "pager", "a b.txt"}},
        {"/opt/bin/gnome-terminal",
         {"/opt/bin/gnome-terminal"},
         Words{"/opt/bin/gnome-terminal", "--", "pager", "a b.txt"}},
        {"my-term", {"my-term"}, Words{"my-term", "-e", "pager", "a b.txt"}},
        // A TERMINAL that is not installed is passed over.
        {"konsole", {"xterm"}, Words{"xterm", "-e", "pager", "a b.txt"}},
        {"", {"xterm", "xfce4-terminal"}, Words{"xfce4-terminal", "-x", "pager", "a b.txt"}},
        {"", {"foot"}, Words{"foot", "pager", "a b.txt"}},
        {"", {"gnome-terminal", "konsole"}, Words{"gnome-terminal", "--", "pager", "a b.txt"}},
        {"", {"pager"}, std::nullopt},
    };
    for (const Case& c : cases) {
        auto installed = [&c](const std::string& program) {
            return std::find(c.installed.begin(), c.installed.end(), program) != c.installed.end();
        };
        EXPECT_EQ(InTerminal({"pager", "a b.txt"}, c.terminal, installed), c.command)
            << c.terminal << " with " << c.installed.front();
    }
}

TEST(DesktopEntries, TheFieldCodesBecomeTheDocumentOrNothing) {
    struct Case {
        Words exec;
        Words command;
    };
    const Case cases[] = {
        {{"web", "%u"}, {"web", "page.htm"}},
        {{"web", "--file=%f"}, {"web", "--file=page.htm"}},
        {{"web"}, {"web", "page.htm"}},
        {{"web", "%i", "%c", "%k", "%u"}, {"web", "page.htm"}},
        {{"web", "100%%", "%U"}, {"web", "100%", "page.htm"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommandFor(c.exec, "page.htm"), c.command) << c.exec.front();
    }
}

// A desktop of its own for each case: the user's and the system's folders under a scratch
// folder, a PATH of its own where a program exists ("true") and one does not, and no TERMINAL.
class DesktopLookupTest : public ::testing::Test {
  protected:
    DesktopLookupTest() {
        std::filesystem::remove_all(root_);
        for (const char* folder :
             {"config", "etc", "data/applications", "share/applications", "bin"}) {
            std::filesystem::create_directories(root_ / folder);
        }
        true_ = QStandardPaths::findExecutable(QStringLiteral("true")).toStdString();
        Install("true");
        // The types of files come from the system's MIME database, which the desktop's data
        // folders must hold.
        std::filesystem::create_directory_symlink("/usr/share/mime", root_ / "share/mime");
        const std::pair<const char*, std::filesystem::path> folders[] = {
            {"XDG_CONFIG_HOME", root_ / "config"},
            {"XDG_CONFIG_DIRS", root_ / "etc"},
            {"XDG_DATA_HOME", root_ / "data"},
            {"XDG_DATA_DIRS", root_ / "share"},
            {"PATH", root_ / "bin"},
            {"TERMINAL", ""}};
        for (const auto& [name, folder] : folders) {
            const char* value = getenv(name);
            saved_.emplace_back(
                name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
            folder.empty() ? unsetenv(name) : setenv(name, folder.c_str(), 1);
        }
        Write("share/applications/viewer.desktop",
              "[Desktop Entry]\nType=Application\nExec=true --open %f\n");
        Write("share/applications/gone.desktop",
              "[Desktop Entry]\nType=Application\nExec=no-such-viewer-here %u\n");
        Write("page.htm", "<html><body>Hello</body></html>");
    }

    ~DesktopLookupTest() override {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        }
    }

    void Write(const std::string& path, const std::string& text) {
        std::ofstream(root_ / path) << text;
    }

    // Puts a program of this name on the PATH: one that does nothing, as "true" does.
    void Install(const std::string& name) {
        std::filesystem::create_symlink(true_, root_ / "bin" / name);
    }

    // Cases of this suite run at the same time, each in a folder of its own.
    windlass::testing::ScratchDirectory scratch_;
    std::filesystem::path root_ = scratch_.path() / "desktop";
    // A web page, which is also plain text.
    const std::string page_ = (root_ / "page.htm").string();
    std::string true_;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
    QtHelpDesktop desktop_;
};

TEST_F(DesktopLookupTest,
       TheUsersChoiceComesFirstAMissingOneIsAFailureAndAnAddressGoesByItsScheme) {
    EXPECT_EQ(desktop_.FindAssociatedProgram(page_).lookup, DesktopLookup::NoAssociation);

    Write("share/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=viewer.desktop;\n");
    AssociatedProgram found = desktop_.FindAssociatedProgram(page_);
    EXPECT_EQ(found.lookup, DesktopLookup::Found);
    EXPECT_EQ(found.program, "true");
    EXPECT_EQ(found.arguments, (Words{"--open", page_}));

    // The user's own choice names a program that is not installed: the next choice serves.
    Write("config/mimeapps.list", "[Default Applications]\ntext/html=gone.desktop\n");
    EXPECT_EQ(desktop_.FindAssociatedProgram(page_).program, "true");

    std::filesystem::remove(root_ / "share/applications/mimeinfo.cache");
    EXPECT_EQ(desktop_.FindAssociatedProgram(page_).lookup, DesktopLookup::Failed);

    // An address goes to the handler of its scheme.
    EXPECT_EQ(desktop_.FindAssociatedProgram("http://example.org/").lookup,
              DesktopLookup::NoAssociation);
    Write("data/applications/mimeapps.list",
          "[Default Applications]\nx-scheme-handler/http=viewer.desktop\n");
    found = desktop_.FindAssociatedProgram("HTTP://example.org/a.htm");
    EXPECT_EQ(found.arguments, (Words{"--open", "HTTP://example.org/a.htm"}));
}

TEST_F(DesktopLookupTest, TheChoiceForTheDocumentsOwnTypeIsFinalWhenNoneOfItsProgramsCanStart) {
    // A web page is also plain text, and a viewer is chosen for plain text.
    Write("share/applications/mimeinfo.cache", "[MIME Cache]\ntext/plain=viewer.desktop;\n");
    EXPECT_EQ(desktop_.FindAssociatedProgram(page_).program, "true");

    // The user chose for web pages a program that is not installed: nothing else opens them.
    Write("config/mimeapps.list", "[Default Applications]\ntext/html=gone.desktop\n");
    EXPECT_EQ(desktop_.FindAssociatedProgram(page_).lookup, DesktopLookup::Failed);

    // An entry that is not installed at all is a leftover, and chooses nothing.
    Write("config/mimeapps.list", "[Default Applications]\ntext/html=removed.desktop\n");
    EXPECT_EQ(desktop_.FindAssociatedProgram(page_).program, "true");
}

TEST_F(DesktopLookupTest, ATerminalProgramStartsInTheUsersTerminalEmulatorOrNotAtAll) {
    Write("share/applications/pager.desktop",
          "[Desktop Entry]\nType=Application\nTerminal=true\nExec=true --page %f\n");
    Write("config/mimeapps.list", "[Default Applications]\ntext/html=pager.desktop\n");
    EXPECT_EQ(desktop_.FindAssociatedProgram(page_).lookup, DesktopLookup::Failed)
        << "no terminal emulator is installed";

    Install("xterm");
    AssociatedProgram found = desktop_.FindAssociatedProgram(page_);
    EXPECT_EQ(found.lookup, DesktopLookup::Found);
    EXPECT_EQ(found.program, "xterm");
    EXPECT_EQ(found.arguments, (Words{"-e", "true", "--page", page_}));

    Install("gnome-terminal");
    setenv("TERMINAL", "gnome-terminal", 1);
    found = desktop_.FindAssociatedProgram(page_);
    EXPECT_EQ(found.program, "gnome-terminal");
    EXPECT_EQ(found.arguments, (Words{"--", "true", "--page", page_}));
}

}  // namespace
}  // namespace windlass::qt
