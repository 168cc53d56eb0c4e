// What the Qt backend finds out about the user's desktop: whether anyone sees the display, and
// the program the desktop has chosen for a document or an address (the list files and desktop
// entries read as plain text, and the lookup through the folders a desktop uses).
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "qt/desktop_entries.h"
#include "qt/qt_help_desktop.h"
#include "qt/qt_windowing.h"

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
        std::optional<Words> words;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nType=Application\nExec=web --new \"My Pages\" %u\n",
         Words{"web", "--new", "My Pages", "%u"}},
        {"[Desktop Entry]\nType=Application\nExec=\"/opt/a b/view\" \"say \\\"hi\\\"\"\n",
         Words{"/opt/a b/view", "say \"hi\""}},
        // Blanks around keys and values and the line ends of another system are no part of them.
        {" [Desktop Entry]\t\r\nType = Application \r\n\tExec=\tweb --new\t\r\n",
         Words{"web", "--new"}},
        {"[Desktop Entry]\nType=Link\nExec=web\n", std::nullopt},
        {"[Desktop Entry]\nType=Application\nHidden=true\nExec=web\n", std::nullopt},
        {"[Desktop Action New]\nExec=other\n[Desktop Entry]\nType=Application\nExec=web\n",
         Words{"web"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExecWordsOf(c.entry), c.words) << c.entry;
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
// folder, a program that exists ("true", on every PATH) and one that does not.
class DesktopLookupTest : public ::testing::Test {
  protected:
    DesktopLookupTest() {
        root_ = std::filesystem::current_path() / "desktop";
        std::filesystem::remove_all(root_);
        for (const char* folder : {"config", "etc", "data/applications", "share/applications"}) {
            std::filesystem::create_directories(root_ / folder);
        }
        // The types of files come from the system's MIME database, which the desktop's data
        // folders must hold.
        std::filesystem::create_directory_symlink("/usr/share/mime", root_ / "share/mime");
        const std::pair<const char*, std::filesystem::path> folders[] = {
            {"XDG_CONFIG_HOME", root_ / "config"},
            {"XDG_CONFIG_DIRS", root_ / "etc"},
            {"XDG_DATA_HOME", root_ / "data"},
            {"XDG_DATA_DIRS", root_ / "share"}};
        for (const auto& [name, folder] : folders) {
            const char* value = getenv(name);
            saved_.emplace_back(
                name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
            setenv(name, folder.c_str(), 1);
        }
        Write("share/applications/viewer.desktop",
              "[Desktop Entry]\nType=Application\nExec=true --open %f\n");
        Write("share/applications/gone.desktop",
              "[Desktop Entry]\nType=Application\nExec=no-such-viewer-here %u\n");
    }

    ~DesktopLookupTest() override {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
        }
    }

    void Write(const std::string& path, const std::string& text) {
        std::ofstream(root_ / path) << text;
    }

    std::filesystem::path root_;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
    QtHelpDesktop desktop_;
};

TEST_F(DesktopLookupTest,
       TheUsersChoiceComesFirstAMissingOneIsAFailureAndAnAddressGoesByItsScheme) {
    const std::string page = (root_ / "page.htm").string();
    Write("page.htm", "<html><body>Hello</body></html>");
    EXPECT_EQ(desktop_.FindAssociatedProgram(page).lookup, DesktopLookup::NoAssociation);

    Write("share/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=viewer.desktop;\n");
    AssociatedProgram found = desktop_.FindAssociatedProgram(page);
    EXPECT_EQ(found.lookup, DesktopLookup::Found);
    EXPECT_EQ(found.program, "true");
    EXPECT_EQ(found.arguments, (Words{"--open", page}));

    // The user's own choice names a program that is not installed: the next choice serves.
    Write("config/mimeapps.list", "[Default Applications]\ntext/html=gone.desktop\n");
    EXPECT_EQ(desktop_.FindAssociatedProgram(page).program, "true");

    std::filesystem::remove(root_ / "share/applications/mimeinfo.cache");
    EXPECT_EQ(desktop_.FindAssociatedProgram(page).lookup, DesktopLookup::Failed);

    // An address goes to the handler of its scheme.
    EXPECT_EQ(desktop_.FindAssociatedProgram("http://example.org/").lookup,
              DesktopLookup::NoAssociation);
    Write("data/applications/mimeapps.list",
          "[Default Applications]\nx-scheme-handler/http=viewer.desktop\n");
    found = desktop_.FindAssociatedProgram("HTTP://example.org/a.htm");
    EXPECT_EQ(found.arguments, (Words{"--open", "HTTP://example.org/a.htm"}));
}

}  // namespace
}  // namespace windlass::qt
