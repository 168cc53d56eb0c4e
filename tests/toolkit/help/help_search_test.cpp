// The finder's keyword index and full-text search.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_search.h"

namespace windlass {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

HelpDocument Sample() {
    HelpDocumentReading reading = ParseHelpDocument(R"(<title>T</title>
<section id="context-1" data-title="Contents" data-keywords="overview">
<p>Start with the <b>electric</b> rate.</p></section>
<section id="context-2" data-title="Electric rate" data-keywords="rate; Electricity; price">
<p>The rate prices cooling &amp; electric heating; rates vary.</p></section>
<section id="context-3" data-title="Fuels" data-keywords="price; fuel oil; electricity">
<p>Oil, propane and gas are priced per unit. Caf&#233; heating.</p></section>
)");
    EXPECT_TRUE(reading.document) << reading.error;
    return *reading.document;
}

TEST(HelpSearch, TheIndexListsEveryKeywordOfEveryTopicSortedWithoutRegardToCase) {
    std::vector<IndexEntry> index = KeywordIndex(Sample());

    std::vector<std::string> lines;
    for (const IndexEntry& entry : index) {
        lines.push_back(entry.keyword + " > " + std::to_string(entry.context));
    }
    EXPECT_THAT(lines, ElementsAre("Electricity > 2", "electricity > 3", "fuel oil > 3",
                                   "overview > 1", "price > 2", "price > 3", "rate > 2"));
    EXPECT_EQ(index[4].topic_title, "Electric rate");
}

TEST(HelpSearch, TopicsHoldingEveryWordAreFoundBestFirst) {
    struct Case {
        std::string query;
        std::vector<int> found;
    };
    // clang-format off
    const std::vector<Case> cases = {
        // Title hits weigh more than hits in the text.
        {"electric", {2, 1}}, {"ELECTRIC rate", {2, 1}},
        // A query word matches the start of a word: "rate" finds "rates", and "price" finds
        // "prices" and "priced", while "priced" finds only itself.
        {"rate", {2, 1}}, {"price", {2, 3}}, {"priced", {3}}, {"heating", {2, 3}},
        {"oil propane", {3}}, {"oil electric", {}}, {"café", {3}},
        // Tags and markup are no words of the text.
        {"b", {}}, {"amp", {}}, {"  ,;  ", {}}, {"", {}},
    };
    // clang-format on
    HelpDocument document = Sample();
    for (const Case& c : cases) {
        EXPECT_EQ(SearchTopics(document, c.query), c.found) << '"' << c.query << '"';
    }
}

TEST(HelpSearch, WordsAreRunsOfLettersAndDigitsLowered) {
    EXPECT_THAT(SearchWords("% calc'd, 0.08 $/kWh"), ElementsAre("calc", "d", "0", "08", "kwh"));
    EXPECT_THAT(SearchWords("90 \xC2\xB0"
                            "F"),
                ElementsAre("90",
                            "\xC2\xB0"
                            "f"));
    EXPECT_THAT(SearchWords(" - "), IsEmpty());
}

}  // namespace
}  // namespace windlass
