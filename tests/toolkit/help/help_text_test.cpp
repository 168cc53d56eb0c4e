// The text helpers under the help readers: which bytes are well-formed UTF-8, the character
// references of HTML, and the words a reader sees in a piece of HTML.
#include <string>

#include <gtest/gtest.h>

#include "help/help_search.h"
#include "help/help_text.h"

namespace windlass {
namespace {

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
