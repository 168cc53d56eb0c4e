// The readers of help documents and contents files: what they take from a well-formed file, and
// the message, with its line, for each way a document can be wrong; and the finder's search.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_contents.h"
#include "help/help_document.h"
#include "help/help_search.h"
#include "help/help_text.h"

namespace windlass {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const char* const kGoodDocument = R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title> Pump &amp; Fan
 Help </title></head>
<body>
<!-- <section id="context-5" data-title="A topic in a comment counts for nothing"></section> -->
<section id="context-1" data-title="Contents" data-keywords="overview; ; start here ;">
<p>See <a href="#context-20">the fans</a> and <a href='#context-3'>pumps</a>.</p>
</section>
<SECTION data-title='Fans &amp; blowers' ID=context-20>
<p>Air moves if 3 <5 and 5 > 3.</p>
</SECTION>
<section id="context-3" data-title="  Pumps
   and wells ">Water.</section>
</body></html>
)";

TEST(HelpDocument, ReadsTheTitleAndEveryTopicInOrderWithItsLinks) {
    HelpDocumentReading reading = ParseHelpDocument(kGoodDocument);
    ASSERT_TRUE(reading.document) << reading.error;
    const HelpDocument& document = *reading.document;
    EXPECT_EQ(document.title, "Pump & Fan Help");
    ASSERT_EQ(document.topics.size(), 3u);
    EXPECT_EQ(document.ContentsTopic().context, 1);
    EXPECT_EQ(document.topics[1].context, 20);
    EXPECT_EQ(document.topics[1].title, "Fans & blowers");
    EXPECT_EQ(document.topics[2].title, "Pumps and wells");
    EXPECT_EQ(document.topics[2].body, "Water.");
    EXPECT_THAT(document.topics[0].keywords, ElementsAre("overview", "start here"));
    EXPECT_EQ(document.Find(3), &document.topics[2]);
    EXPECT_EQ(document.Find(5), nullptr);
    EXPECT_EQ(PlainText(document.topics[1].body), "Air moves if 3 <5 and 5 > 3.");
    EXPECT_THAT(LinkedContexts(document.topics[0].body), ElementsAre(20, 3));
    // A byte order mark is allowed.
    reading = ParseHelpDocument(
        "\xEF\xBB\xBF<title>T</title><section id=\"context-1\" data-title=\"A\"></section>");
    ASSERT_TRUE(reading.document) << reading.error;
    EXPECT_EQ(reading.document->title, "T");
}

TEST(HelpDocument, EveryFaultIsNamedWithItsLine) {
    const std::string title = "<title>T</title>\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"<section id=\"context-1\" data-title=\"A\"></section>",
         "line 1: the document has no title"},
        {"\n<title>T", "line 2: the document's <title> is not closed"},
        {title + "<p>nothing</p>\n", "line 3: the document holds no topic"},
        {title + "<section data-title=\"A\"></section>", "line 2: a topic has no id"},
        {title + "<section id=\"intro\" data-title=\"A\">",
         "line 2: the topic id \"intro\" is not \"context-\" followed by a whole number"},
        {title + "<section id=\"context-0\" data-title=\"A\">",
         "line 2: the topic id \"context-0\""},
        {title + "<section id=\"context-99999999999\" data-title=\"A\">",
         "line 2: the topic id \"context-99999999999\""},
        {title + "<section id=\"context-4\"></section>", "line 2: topic 4 has no title"},
        {title + "<section id=\"context-4\" data-title=\"A\"></section>\n"
                 "<section id=\"context-4\" data-title=\"B\"></section>",
         "line 3: topic 4 is already defined on line 2"},
        {title + "<section id=\"context-4\" data-title=\"A\">\n<p>x",
         "line 3: topic 4 (line 2) is not closed with </section>"},
        {title + "<section id=\"context-4\" data-title=\"A\">\n<section id=\"context-5\" "
                 "data-title=\"B\"></section></section>",
         "line 3: a topic begins inside topic 4 (line 2)"},
        {title + "<p>\n</section>", "line 3: </section> closes no topic"},
        {title + "<section id=\"context-4\"", "line 2: the tag <section>"},
        {title + "<section id=\"context-4>",
         "line 2: the value of id in the tag <section> has no closing quote"},
        {title + "<!-- a note\n\n", "line 2: a comment"},
        {title + "<p>caf\xE9</p>", "line 2: the document is not UTF-8 text"},
        {title + "\xE2\x82", "line 2: the document is not UTF-8"},
        {"\xE9" + title, "line 1: the document is not UTF-8"}};
    for (const auto& [text, message] : cases) {
        HelpDocumentReading reading = ParseHelpDocument(text);
        EXPECT_FALSE(reading.document) << message;
        EXPECT_THAT(reading.error, HasSubstr(message)) << message;
    }
}

TEST(HelpContents, ReadsLevelsTopicsHeadingsAndTitles) {
    ContentsReading reading = ParseHelpContents(
        "# A comment\r\n"
        "\r\n"
        "1 1 Contents\r\n"
        "1\t-\tUsing the program\r\n"
        "  2 10    What it   estimates  \r\n"
        "3 11 A 2nd level: 3 deep\n"
        "1 99 Glossary");
    ASSERT_TRUE(reading.entries) << reading.error;
    const std::vector<ContentsEntry>& entries = *reading.entries;
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].context, 1);
    EXPECT_EQ(entries[1].level, 1);
    EXPECT_EQ(entries[1].context, std::nullopt);
    EXPECT_EQ(entries[1].title, "Using the program");
    EXPECT_EQ(entries[2].level, 2);
    EXPECT_EQ(entries[2].context, 10);
    EXPECT_EQ(entries[2].title, "What it estimates");
    EXPECT_EQ(entries[2].line, 5);
    EXPECT_EQ(entries[3].title, "A 2nd level: 3 deep");
}

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

TEST(HelpSearch, TopicsHoldingEveryWordAreFoundBestFirst) {
    struct Case {
        std::string query;
        std::vector<int> found;
    };
    // clang-format off
    const std::vector<Case> cases = {
        // Title hits weigh more than hits in the text, in any case. A query word matches the
        // start of a word: "price" finds "prices" and "priced", while "priced" finds only itself.
        {"ELECTRIC rate", {2, 1}}, {"price", {2, 3}}, {"priced", {3}},
        {"oil propane", {3}}, {"oil electric", {}}, {"café", {3}},
        // Tags and markup are no words of the text.
        {"b", {}}, {"amp", {}}, {"", {}},
    };
    // clang-format on
    HelpDocument document = Sample();
    for (const Case& c : cases) {
        EXPECT_EQ(SearchTopics(document, c.query), c.found) << '"' << c.query << '"';
    }
}

}  // namespace
}  // namespace windlass
