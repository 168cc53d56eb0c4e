// The readers of help documents and contents files: what they take from a well-formed file, and
// the message, with its line, for each way a document can be wrong; the finder's search; and the
// text helpers beneath them: which bytes are well-formed UTF-8, the character references of HTML,
// and the words a reader sees in a piece of HTML.
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
    std::vector<std::string> entries;
    for (const ContentsEntry& e : *reading.entries) {
        const std::string context = e.context ? std::to_string(*e.context) : "-";
        entries.push_back(std::to_string(e.level) + " " + context + " [" + e.title + "] line " +
                          std::to_string(e.line));
    }
    EXPECT_THAT(entries,
                ElementsAre("1 1 [Contents] line 3", "1 - [Using the program] line 4",
                            "2 10 [What it estimates] line 5", "3 11 [A 2nd level: 3 deep] line 6",
                            "1 99 [Glossary] line 7"));
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

constexpr std::size_t kNone = std::string_view::npos;

// Each lead byte's range of second bytes is tried at both ends and just beyond.
TEST(HelpText, WellFormedUtf8EndsAtItsFirstStrayByte) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"", kNone},
        {"plain \x7F", kNone},
        {"\xC2\x80 \xDF\xBF", kNone},
        {"\xC1\xBF", 0},  // an overlong two-byte form
        {"a\xC2", 1},     // cut short at the end
        {"a\xC2 ", 1},
        {"\xC2\xC0", 0},
        {"\xE0\xA0\x80 \xE0\xBF\xBF", kNone},
        {"\xE0\x9F\xBF", 0},  // overlong
        {"\xED\x9F\xBF", kNone},
        {"\xED\xA0\x80", 0},  // a surrogate
        {"\xEC\xBF\xBF \xEE\x80\x80 \xEF\xBF\xBF", kNone},
        {"\xE1\x80\x7F", 0},
        {"xy\xE2\x82", 2},
        {"\xF0\x90\x80\x80 \xF0\xBF\xBF\xBF", kNone},
        {"\xF0\x8F\xBF\xBF", 0},  // overlong
        {"\xF4\x8F\xBF\xBF", kNone},
        {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
        {"\xF3\xBF\xBF\xBF", kNone},
        {"\xF5\x80\x80\x80", 0},
        {"ok \x80", 3},
        {"\xFF", 0}};
    for (const auto& [text, first_invalid] : cases) {
        EXPECT_EQ(FirstInvalidUtf8(text), first_invalid) << ::testing::PrintToString(text);
    }
}

TEST(HelpText, ReferencesBecomeTheirCharactersAndTagsBlanks) {
    const std::pair<std::string, std::string> decoded[] = {
        {"Pump &amp; Fan &lt;3&gt; &quot;a&quot; &apos;b&apos;", "Pump & Fan <3> \"a\" 'b'"},
        {"&#65;&#x42;&#X43;&nbsp;&#x20AC;&#x1F600;", "ABC\xC2\xA0\xE2\x82\xAC\xF0\x9F\x98\x80"},
        {"&#0; &#xD800; &#xDFFF; &#x110000; &#; &#x; &#12a; &bogus; &amp",
         "&#0; &#xD800; &#xDFFF; "
         "&#x110000; &#; &#x; "
         "&#12a; &bogus; &amp"},
        {"&#xD7FF;&#xE000;&#x10FFFF;", "\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF"},
        {"&#00000065; &#000000065;", "A &#000000065;"},
        {"R&D; &amp;amp;", "R&D; &amp;"}};
    for (const auto& [text, characters] : decoded) {
        EXPECT_EQ(DecodeCharacterReferences(text), characters) << text;
    }
    const std::pair<std::string, std::string> plain[] = {
        {"<p>Heat<b>ing</b>  load</p>", "Heat ing load"},
        {"\t 3 <5 and x < y \n", "3 <5 and x < y"},
        {"<!-- a <b> note -->seen<!--never closed", "seen"},
        {"one<br/>two <a href=\"#context-3\">three</a>&nbsp;", "one two three \xC2\xA0"},
        {"cut <b", "cut"}};
    for (const auto& [html, words] : plain) {
        EXPECT_EQ(PlainText(html), words) << html;
    }
}

TEST(HelpText, SearchWordsAreRunsOfLettersDigitsAndUtf8InLowerCase) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {" -- ", {}},
        {"Heat-Pump, 2nd COP:3.5", {"heat", "pump", "2nd", "cop", "3", "5"}},
        {"Caf\xC3\xA9 \xC3\x89T\xC3\x89", {"caf\xC3\xA9", "\xC3\x89t\xC3\x89"}}};
    for (const auto& [text, words] : cases) {
        EXPECT_EQ(SearchWords(text), words) << text;
    }
}

}  // namespace
}  // namespace windlass
