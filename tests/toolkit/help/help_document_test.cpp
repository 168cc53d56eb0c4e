// The reader of help documents: what it takes from a well-formed document, and the message,
// with its line, for each way a document can be wrong.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_document.h"
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
    EXPECT_EQ(document.topics[1].line, 9);
    EXPECT_EQ(document.topics[2].title, "Pumps and wells");
    EXPECT_EQ(document.topics[2].body, "Water.");
    EXPECT_THAT(document.topics[0].keywords, ElementsAre("overview", "start here"));
    EXPECT_TRUE(document.topics[2].keywords.empty());
    EXPECT_EQ(document.Find(3), &document.topics[2]);
    EXPECT_EQ(document.Find(5), nullptr);
    EXPECT_EQ(PlainText(document.topics[1].body), "Air moves if 3 <5 and 5 > 3.");
    EXPECT_THAT(LinkedContexts(document.topics[0].body), ElementsAre(20, 3));
}

TEST(HelpDocument, AByteOrderMarkIsAllowed) {
    HelpDocumentReading reading = ParseHelpDocument(
        "\xEF\xBB\xBF<title>T</title><section id=\"context-1\" "
        "data-title=\"A\"></section>");
    ASSERT_TRUE(reading.document) << reading.error;
    EXPECT_EQ(reading.document->title, "T");
}

TEST(HelpText, OnlyAnAnchorToAPositiveContextNumberLinksToATopic) {
    EXPECT_EQ(LinkedContext("#context-7"), 7);
    EXPECT_EQ(LinkedContext("#context-0"), std::nullopt);
    EXPECT_EQ(LinkedContext("#context-7x"), std::nullopt);
    EXPECT_EQ(LinkedContext("http://example.org/#context-7"), std::nullopt);
}

TEST(HelpDocument, EveryFaultIsNamedWithItsLine) {
    struct Case {
        std::string label;
        std::string text;
        std::string message;
    };
    const std::string title = "<title>T</title>\n";
    const std::vector<Case> cases = {
        {"no title", "<section id=\"context-1\" data-title=\"A\"></section>",
         "line 1: the document has no title"},
        {"an empty title", "<title> </title><section id=\"context-1\" data-title=\"A\"></section>",
         "line 1: the document has no title"},
        {"a title not closed", "\n<title>T", "line 2: the document's <title> is not closed"},
        {"no topic", title + "<p>nothing</p>\n", "line 3: the document holds no topic"},
        {"a topic without id", title + "<section data-title=\"A\"></section>",
         "line 2: a topic has no id"},
        {"an id that is no context number", title + "<section id=\"intro\" data-title=\"A\">",
         "line 2: the topic id \"intro\" is not \"context-\" followed by a whole number"},
        {"context number 0", title + "<section id=\"context-0\" data-title=\"A\">",
         "line 2: the topic id \"context-0\""},
        {"a negative context number", title + "<section id=\"context--4\" data-title=\"A\">",
         "line 2: the topic id \"context--4\""},
        {"a context number past the integers",
         title + "<section id=\"context-99999999999\" data-title=\"A\">",
         "line 2: the topic id \"context-99999999999\""},
        {"no title attribute", title + "<section id=\"context-4\"></section>",
         "line 2: topic 4 has no title"},
        {"a blank title attribute", title + "\n<section id=\"context-4\" data-title=\"  \">",
         "line 3: topic 4 has no title"},
        {"a context number twice",
         title + "<section id=\"context-4\" data-title=\"A\"></section>\n"
                 "<section id=\"context-4\" data-title=\"B\"></section>",
         "line 3: topic 4 is already defined on line 2"},
        {"a topic not closed", title + "<section id=\"context-4\" data-title=\"A\">\n<p>x",
         "line 3: topic 4 (line 2) is not closed with </section>"},
        {"nested topics",
         title + "<section id=\"context-4\" data-title=\"A\">\n<section id=\"context-5\" "
                 "data-title=\"B\"></section></section>",
         "line 3: a topic begins inside topic 4 (line 2)"},
        {"a closing tag with no topic", title + "<p>\n</section>",
         "line 3: </section> closes no topic"},
        {"a tag not closed", title + "<section id=\"context-4\"", "line 2: the tag <section>"},
        {"an attribute value not closed", title + "<section id=\"context-4>",
         "line 2: the value of id in the tag <section> has no closing quote"},
        {"a comment not closed", title + "<!-- a note\n\n", "line 2: a comment"},
        {"not UTF-8", title + "<p>caf\xE9</p>", "line 2: the document is not UTF-8 text"},
        {"an overlong UTF-8 form", "\xC0\xAF", "line 1: the document is not UTF-8 text"},
        {"a UTF-8 sequence cut short", title + "\xE2\x82", "line 2: the document is not UTF-8"}};
    for (const Case& c : cases) {
        HelpDocumentReading reading = ParseHelpDocument(c.text);
        EXPECT_FALSE(reading.document) << c.label;
        EXPECT_THAT(reading.error, HasSubstr(c.message)) << c.label;
    }
}

TEST(HelpDocument, AFileThatCannotBeOpenedIsNamed) {
    HelpDocumentReading reading = ReadHelpDocument("no/such/HELP.HLP");
    EXPECT_FALSE(reading.document);
    EXPECT_EQ(reading.error, "no/such/HELP.HLP: the file cannot be opened");
}

TEST(HelpText, CharacterReferencesAreDecodedAndUnknownOnesKept) {
    EXPECT_EQ(DecodeCharacterReferences("a &amp; b &lt;c&gt; &quot;d&quot; &apos;"),
              "a & b <c> \"d\" '");
    EXPECT_EQ(DecodeCharacterReferences("&#176;F &#xB0;F &nbsp;"),
              "\xC2\xB0"
              "F \xC2\xB0"
              "F \xC2\xA0");
    EXPECT_EQ(DecodeCharacterReferences("&deg; &#xD800; &#0; AT&T & co"),
              "&deg; &#xD800; &#0; AT&T & co");
    EXPECT_EQ(DecodeCharacterReferences("&#x1F600;"), "\xF0\x9F\x98\x80");
}

TEST(HelpText, ValidUtf8PassesAndEachKindOfBadByteIsFound) {
    EXPECT_EQ(FirstInvalidUtf8("plain \xC2\xB0 \xE2\x88\x92 \xF0\x9F\x98\x80"), std::string::npos);
    EXPECT_EQ(FirstInvalidUtf8("ab\x80"), 2u);
    EXPECT_EQ(FirstInvalidUtf8("\xED\xA0\x80"), 0u);      // a surrogate
    EXPECT_EQ(FirstInvalidUtf8("\xF4\x90\x80\x80"), 0u);  // past U+10FFFF
    EXPECT_EQ(FirstInvalidUtf8("a\xE2\x88"), 1u);
}

}  // namespace
}  // namespace windlass
