// The program's help, data/HELP.HLP with its contents file data/HELP.CNT: both read without a
// fault, every contents entry and every link leads to a topic, and every topic can be reached
// from the contents.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "help/help_contents.h"
#include "help/help_document.h"
#include "help/help_text.h"

namespace heatwise {
namespace {

using windlass::HelpTopic;

const std::string kDataDir = std::string(HEATWISE_SOURCE_DIR) + "/data";

const windlass::HelpDocument& Document() {
    static const windlass::HelpDocument document = [] {
        windlass::HelpDocumentReading reading = windlass::ReadHelpDocument(kDataDir + "/HELP.HLP");
        EXPECT_TRUE(reading.document) << reading.error;
        return reading.document.value_or(windlass::HelpDocument{});
    }();
    return document;
}

TEST(ProgramHelp, EveryTopicIsCompleteReachableFromTheContentsAndLinksOnlyToTopics) {
    windlass::ContentsReading contents = windlass::ReadHelpContents(kDataDir + "/HELP.CNT");
    ASSERT_TRUE(contents.entries) << contents.error;
    ASSERT_FALSE(Document().topics.empty());
    std::set<int> listed;
    for (const windlass::ContentsEntry& entry : *contents.entries) {
        if (entry.context) {
            listed.insert(*entry.context);
            const HelpTopic* topic = Document().Find(*entry.context);
            ASSERT_NE(topic, nullptr) << "HELP.CNT line " << entry.line;
            EXPECT_EQ(entry.title, topic->title) << "HELP.CNT line " << entry.line;
        }
    }
    std::vector<int> from_contents = windlass::LinkedContexts(Document().ContentsTopic().body);
    for (const HelpTopic& topic : Document().topics) {
        EXPECT_FALSE(topic.title.empty() || topic.keywords.empty()) << "topic " << topic.context;
        EXPECT_FALSE(windlass::PlainText(topic.body).empty()) << "topic " << topic.context;
        EXPECT_TRUE(listed.count(topic.context)) << "topic " << topic.context << " not in HELP.CNT";
        bool linked = std::count(from_contents.begin(), from_contents.end(), topic.context) > 0;
        EXPECT_TRUE(topic.context == 1 || linked)
            << "topic " << topic.context << " not linked from the contents topic";
        for (int target : windlass::LinkedContexts(topic.body)) {
            EXPECT_NE(Document().Find(target), nullptr)
                << "topic " << topic.context << " links to topic " << target;
        }
    }
}

}  // namespace
}  // namespace heatwise
