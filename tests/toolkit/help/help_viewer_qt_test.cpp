// The help viewer of the Qt platform on the offscreen platform, and the program start of the Qt
// platform. Which request each name makes is checked on the recording platform in
// help_file_test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/platform.h"
#include "qt/help_viewer/qt_help_finder.h"
#include "qt/help_viewer/qt_help_viewer.h"
#include "qt/help_viewer/qt_help_window.h"
#include "qt/qt_application.h"
#include "state/toolkit_state.h"
#include "support/scratch_directory.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

namespace fs = std::filesystem;

const char* const kDocument = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Boiler Help</title></head><body>
<section id="context-1" data-title="Boiler Help" data-keywords="contents">
<p>Start here. Read about <a href="#context-20">water temperature</a>.</p>
</section>
<section id="context-20" data-title="Water temperature" data-keywords="water; temperature; supply">
<p>The supply water runs at 180 °F in the coldest weather.</p>
</section>
<section id="context-30" data-title="Flue gases" data-keywords="flue; chimney">
<p>The chimney carries the flue gases away; keep it clear.</p>
</section>
</body></html>
)";

const char* const kContents =
    "1 1 Boiler Help\n1 - Running the boiler\n2 20 Water temperature\n"
    "2 30 Flue gases\n";

// Each case writes kDocument as BOILER.HLP in a folder of its own and closes all help at its end.
class HelpViewerTest : public ::testing::Test {
  protected:
    HelpViewerTest() { ResetToolkitState(); }
    ~HelpViewerTest() override {
        WHelpFile1("");
        InfoError(1);
    }

    static std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(name, std::ios::binary) << text;
        return (fs::current_path() / name).string();
    }

    static qt::HelpWindow* Window() { return qt::OpenHelpWindow(); }
    static QString Shown() { return Window()->browser()->toPlainText(); }

    QApplication& application_ = qt::Application();
    testing::ScratchDirectory scratch_;
    std::string boiler_ = Write("BOILER.HLP", kDocument);
};

TEST_F(HelpViewerTest, OpensAtTheContentsThenATopicInTheSameWindowAndFollowsLinks) {
    WHelpFile1(boiler_);
    EXPECT_EQ(InfoError(1), 0);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Boiler Help"));
    EXPECT_EQ(Window()->current_topic(), 1);
    EXPECT_TRUE(Shown().startsWith(QStringLiteral("Boiler Help\nStart here.")));
    qt::HelpWindow* first = Window();
    WHelpFile1(boiler_, 30);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Window(), first);
    EXPECT_EQ(Window()->current_topic(), 30);
    EXPECT_TRUE(Shown().contains(QStringLiteral("The chimney carries the flue gases away")));
    // Links open topics; back and forward walk the history.
    WHelpFile1(boiler_);
    EXPECT_FALSE(Window()->back_button()->isEnabled());
    emit Window()->browser()->anchorClicked(QUrl(QStringLiteral("#context-20")));
    EXPECT_EQ(Window()->current_topic(), 20);
    EXPECT_TRUE(Shown().contains(QStringLiteral("180 °F")));
    QTest::mouseClick(Window()->back_button(), Qt::LeftButton);
    EXPECT_EQ(Window()->current_topic(), 1);
    EXPECT_TRUE(Window()->forward_button()->isEnabled());
    QTest::mouseClick(Window()->forward_button(), Qt::LeftButton);
    EXPECT_EQ(Window()->current_topic(), 20);
    EXPECT_FALSE(Window()->forward_button()->isEnabled());
}

// A request the viewer cannot fulfil opens nothing and leaves what is on the screen as it was.
TEST_F(HelpViewerTest, AMissingTopicOrABrokenDocumentIsRefusedAndOpensNothing) {
    WHelpFile1(boiler_, 77);
    EXPECT_EQ(InfoError(1), ERR_HELP_VIEWER);
    EXPECT_TRUE(Window() == nullptr || !Window()->isVisible());
    WHelpFile1(boiler_, 20);
    ASSERT_NE(Window(), nullptr);
    const QString shown = Shown();
    std::string broken =
        Write("BROKEN.HLP", "<title>Broken</title>\n<section id=\"context-1\">\n</section>\n");
    WHelpFile1(broken);
    EXPECT_EQ(InfoError(1), ERR_HELP_VIEWER);
    EXPECT_EQ(Window()->current_topic(), 20);
    EXPECT_EQ(Shown(), shown);
    EXPECT_FALSE(Window()->back_button()->isEnabled());
}

TEST_F(HelpViewerTest, AContentsFileBesideTheDocumentOpensTheFinderWithItsThreeTabs) {
    Write("BOILER.CNT", kContents);
    WHelpFile1(boiler_);
    EXPECT_EQ(InfoError(1), 0);
    qt::HelpFinder* finder = Window()->finder();
    ASSERT_TRUE(finder->isVisible());
    ASSERT_EQ(finder->count(), 3);
    // Contents: the tree of the contents file, headings holding their topics.
    QTreeWidget* tree = finder->contents_tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* heading = tree->topLevelItem(1);
    EXPECT_EQ(heading->text(0), QStringLiteral("Running the boiler"));
    ASSERT_EQ(heading->childCount(), 2);
    QTreeWidgetItem* flue = heading->child(1);
    ASSERT_TRUE(tree->isExpanded(tree->model()->index(1, 0)));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(flue).center());
    EXPECT_EQ(Window()->current_topic(), 30);
    // Index: typing the first letters selects the keyword; Return opens its topic.
    finder->setCurrentIndex(1);
    QTest::keyClicks(finder->index_field(), QStringLiteral("chi"));
    ASSERT_NE(finder->index_list()->currentItem(), nullptr);
    EXPECT_EQ(finder->index_list()->currentItem()->text(), QStringLiteral("chimney"));
    QTest::keyClick(finder->index_field(), Qt::Key_Return);
    EXPECT_EQ(Window()->current_topic(), 30);
    // Search: the topics that hold the words; choosing one opens it.
    finder->setCurrentIndex(2);
    QTest::keyClicks(finder->search_field(), QStringLiteral("coldest weather"));
    QTest::keyClick(finder->search_field(), Qt::Key_Return);
    ASSERT_EQ(finder->search_results()->count(), 1);
    EXPECT_EQ(finder->search_summary()->text(), QStringLiteral("1 topic found."));
    emit finder->search_results()->itemActivated(finder->search_results()->item(0));
    EXPECT_EQ(Window()->current_topic(), 20);
    EXPECT_EQ(Window()->browser()->textCursor().selectedText(), QStringLiteral("coldest"));
    // Of several topics found the best is chosen, for Return to open.
    finder->Search(QStringLiteral("the"));
    ASSERT_EQ(finder->search_results()->count(), 2);
    EXPECT_EQ(finder->search_summary()->text(), QStringLiteral("2 topics found."));
    EXPECT_EQ(finder->search_results()->currentRow(), 0);
    finder->Search(QStringLiteral(" -- "));
    EXPECT_EQ(finder->search_summary()->text(),
              QStringLiteral("Type one or more words to look for."));
    finder->Search(QStringLiteral("nothing like this"));
    EXPECT_EQ(finder->search_results()->count(), 0);
    EXPECT_EQ(finder->search_summary()->text(),
              QStringLiteral("No topic contains all of these words."));
}

TEST(QtProgramStart, ArgumentsReachTheProgramAsTheyAreWithoutAShell) {
    qt::Application();
    fs::path folder = fs::current_path() / "program-start";
    fs::remove_all(folder);
    fs::create_directories(folder);
    // A shell would split this name at the blank and run what follows the semicolon.
    fs::path made = folder / "a name; touch injected";
    ASSERT_TRUE(ThePlatform().Os().StartProgram("touch", {made.string()}));
    for (int waited = 0; waited < 100 && !fs::exists(made); ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(fs::exists(made));
    EXPECT_FALSE(fs::exists(folder / "injected"));
    EXPECT_FALSE(ThePlatform().Os().StartProgram(folder.string() + "/no-such-program", {}));
}

}  // namespace
}  // namespace windlass
