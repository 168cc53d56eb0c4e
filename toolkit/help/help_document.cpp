#include "help/help_document.h"

#include <charconv>
#include <map>

#include "help/help_text.h"

namespace windlass {
namespace {

constexpr std::string_view kContextPrefix = "context-";

// A reader's failure: the offset it happened at and what is wrong.
struct Fault {
    std::size_t at = 0;
    std::string what;
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == ':';
}

std::optional<int> PositiveWholeNumber(std::string_view digits) {
    int value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits[0] == '-' || digits[0] == '+' || error != std::errc() ||
        end != digits.data() + digits.size() || value <= 0) {
        return std::nullopt;
    }
    return value;
}

// A tag as the scanner meets it: "<name attributes>" or "</name>", names lowered.
struct Tag {
    std::size_t start = 0;
    std::size_t end = 0;  // just past the ">"
    bool closing = false;
    std::string name;
    std::map<std::string, std::string> attributes;
};

// Walks the document from one markup item to the next. Comments are skipped whole, so that a
// section written inside a comment counts for nothing.
class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    // The next tag from `at` on; nothing at the end of the text.
    std::optional<Tag> Next(std::size_t& at, std::optional<Fault>& fault) {
        while (true) {
            std::size_t open = text_.find('<', at);
            if (open == std::string_view::npos) {
                at = text_.size();
                return std::nullopt;
            }
            if (text_.compare(open, 4, "<!--") == 0) {
                std::size_t close = text_.find("-->", open + 4);
                if (close == std::string_view::npos) {
                    fault = Fault{open, "a comment (\"<!--\") is not closed with \"-->\""};
                    return std::nullopt;
                }
                at = close + 3;
                continue;
            }
            Tag tag;
            tag.start = open;
            std::size_t cursor = open + 1;
            if (cursor < text_.size() && text_[cursor] == '/') {
                tag.closing = true;
                ++cursor;
            }
            std::size_t name_start = cursor;
            while (cursor < text_.size() && IsNameCharacter(text_[cursor])) {
                ++cursor;
            }
            if (cursor == name_start || !IsLetter(text_[name_start])) {
                // A "<" that starts no tag ("<!DOCTYPE", or a "<" in text such as "<78") is
                // passed over.
                at = open + 1;
                continue;
            }
            tag.name = AsciiLower(text_.substr(name_start, cursor - name_start));
            if (!ReadAttributes(tag, cursor, fault)) {
                return std::nullopt;
            }
            at = tag.end;
            return tag;
        }
    }

  private:
    bool ReadAttributes(Tag& tag, std::size_t cursor, std::optional<Fault>& fault) {
        while (true) {
            while (cursor < text_.size() && IsSpace(text_[cursor])) {
                ++cursor;
            }
            if (cursor >= text_.size()) {
                fault = Fault{tag.start, "the tag <" + tag.name + "> is not closed with \">\""};
                return false;
            }
            if (text_[cursor] == '>') {
                tag.end = cursor + 1;
                return true;
            }
            if (text_[cursor] == '/') {
                ++cursor;
                continue;
            }
            std::size_t name_start = cursor;
            while (cursor < text_.size() && !IsSpace(text_[cursor]) && text_[cursor] != '=' &&
                   text_[cursor] != '>' && text_[cursor] != '/') {
                ++cursor;
            }
            std::string name = AsciiLower(text_.substr(name_start, cursor - name_start));
            while (cursor < text_.size() && IsSpace(text_[cursor])) {
                ++cursor;
            }
            std::string value;
            if (cursor < text_.size() && text_[cursor] == '=') {
                ++cursor;
                while (cursor < text_.size() && IsSpace(text_[cursor])) {
                    ++cursor;
                }
                if (cursor < text_.size() && (text_[cursor] == '"' || text_[cursor] == '\'')) {
                    char quote = text_[cursor];
                    std::size_t close = text_.find(quote, cursor + 1);
                    if (close == std::string_view::npos) {
                        fault = Fault{cursor, "the value of " + name + " in the tag <" + tag.name +
                                                  "> has no closing quote"};
                        return false;
                    }
                    value = DecodeCharacterReferences(text_.substr(cursor + 1, close - cursor - 1));
                    cursor = close + 1;
                } else {
                    std::size_t value_start = cursor;
                    while (cursor < text_.size() && !IsSpace(text_[cursor]) &&
                           text_[cursor] != '>') {
                        ++cursor;
                    }
                    value =
                        DecodeCharacterReferences(text_.substr(value_start, cursor - value_start));
                }
            }
            // The first of two attributes with one name counts, as in a browser.
            tag.attributes.emplace(std::move(name), std::move(value));
        }
    }

    std::string_view text_;
};

std::vector<std::string> SplitKeywords(std::string_view list) {
    std::vector<std::string> keywords;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(';', start);
        if (end == std::string_view::npos) {
            end = list.size();
        }
        std::string keyword = CollapseWhitespace(list.substr(start, end - start));
        if (!keyword.empty()) {
            keywords.push_back(std::move(keyword));
        }
        start = end + 1;
    }
    return keywords;
}

// Reads the attributes of a section's start tag into a topic.
std::optional<Fault> DescribeTopic(const Tag& tag, HelpTopic& topic) {
    auto id = tag.attributes.find("id");
    if (id == tag.attributes.end()) {
        return Fault{tag.start,
                     "a topic has no id; write id=\"context-N\" with its context "
                     "number N"};
    }
    std::optional<int> context;
    if (id->second.starts_with(kContextPrefix)) {
        context = PositiveWholeNumber(std::string_view(id->second).substr(kContextPrefix.size()));
    }
    if (!context) {
        return Fault{tag.start, "the topic id \"" + id->second +
                                    "\" is not \"context-\" followed by a whole number from 1 up"};
    }
    topic.context = *context;
    auto title = tag.attributes.find("data-title");
    if (title != tag.attributes.end()) {
        topic.title = CollapseWhitespace(title->second);
    }
    if (topic.title.empty()) {
        return Fault{tag.start, "topic " + std::to_string(topic.context) +
                                    " has no title; write data-title=\"...\""};
    }
    auto keywords = tag.attributes.find("data-keywords");
    if (keywords != tag.attributes.end()) {
        topic.keywords = SplitKeywords(keywords->second);
    }
    return std::nullopt;
}

// Finds the end of the topic whose start tag ends at `at`: its body runs to the next
// "</section>". Another section's start before that means a topic was left open.
std::optional<Fault> ReadTopicBody(std::string_view text, Scanner& scanner, std::size_t& at,
                                   HelpTopic& topic) {
    std::size_t body_start = at;
    std::optional<Fault> fault;
    while (auto tag = scanner.Next(at, fault)) {
        if (tag->name != "section") {
            continue;
        }
        if (!tag->closing) {
            return Fault{tag->start, "a topic begins inside topic " +
                                         std::to_string(topic.context) + " (line " +
                                         std::to_string(topic.line) +
                                         "), which is not closed with </section>; topics do "
                                         "not nest"};
        }
        topic.body = std::string(text.substr(body_start, tag->start - body_start));
        return std::nullopt;
    }
    if (fault) {
        return fault;
    }
    return Fault{text.size(), "topic " + std::to_string(topic.context) + " (line " +
                                  std::to_string(topic.line) + ") is not closed with </section>"};
}

std::optional<Fault> ReadTitle(std::string_view text, Scanner& scanner, std::size_t& at,
                               const Tag& open, std::string& title) {
    std::optional<Fault> fault;
    std::size_t start = at;
    while (auto tag = scanner.Next(at, fault)) {
        if (tag->name == "title" && tag->closing) {
            title = CollapseWhitespace(
                DecodeCharacterReferences(text.substr(start, tag->start - start)));
            return std::nullopt;
        }
    }
    if (fault) {
        return fault;
    }
    return Fault{open.start, "the document's <title> is not closed with </title>"};
}

std::optional<Fault> ParseInto(std::string_view text, HelpDocument& document) {
    Scanner scanner(text);
    std::map<int, int> line_of_context;
    std::optional<Fault> fault;
    bool has_title = false;
    std::size_t at = 0;
    while (auto tag = scanner.Next(at, fault)) {
        if (tag->name == "title" && !tag->closing && !has_title) {
            if (auto title_fault = ReadTitle(text, scanner, at, *tag, document.title)) {
                return title_fault;
            }
            has_title = true;
            continue;
        }
        if (tag->name != "section") {
            continue;
        }
        if (tag->closing) {
            return Fault{tag->start, "</section> closes no topic"};
        }
        HelpTopic topic;
        topic.line = LineAt(text, tag->start);
        if (auto topic_fault = DescribeTopic(*tag, topic)) {
            return topic_fault;
        }
        auto [earlier, added] = line_of_context.emplace(topic.context, topic.line);
        if (!added) {
            return Fault{tag->start, "topic " + std::to_string(topic.context) +
                                         " is already defined on line " +
                                         std::to_string(earlier->second)};
        }
        if (auto body_fault = ReadTopicBody(text, scanner, at, topic)) {
            return body_fault;
        }
        document.topics.push_back(std::move(topic));
    }
    if (fault) {
        return fault;
    }
    if (!has_title || document.title.empty()) {
        return Fault{0, "the document has no title; write <title>...</title> before its topics"};
    }
    if (document.topics.empty()) {
        return Fault{text.size(),
                     "the document holds no topic; each topic is a <section "
                     "id=\"context-N\" data-title=\"...\"> element"};
    }
    return std::nullopt;
}

}  // namespace

const HelpTopic* HelpDocument::Find(int context) const {
    for (const HelpTopic& topic : topics) {
        if (topic.context == context) {
            return &topic;
        }
    }
    return nullptr;
}

HelpDocumentReading ParseHelpDocument(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    HelpDocumentReading reading;
    std::size_t invalid = FirstInvalidUtf8(text);
    if (invalid != std::string_view::npos) {
        reading.error =
            "line " + std::to_string(LineAt(text, invalid)) + ": the document is not UTF-8 text";
        return reading;
    }
    HelpDocument document;
    if (auto fault = ParseInto(text, document)) {
        reading.error = "line " + std::to_string(LineAt(text, fault->at)) + ": " + fault->what;
        return reading;
    }
    reading.document = std::move(document);
    return reading;
}

HelpDocumentReading ReadHelpDocument(const std::string& path) {
    std::string error;
    std::optional<std::string> text = ReadWholeFile(path, error);
    if (!text) {
        return {std::nullopt, error};
    }
    HelpDocumentReading reading = ParseHelpDocument(*text);
    if (!reading.document) {
        reading.error = path + ": " + reading.error;
    }
    return reading;
}

std::optional<int> LinkedContext(std::string_view href) {
    std::string prefix = "#" + std::string(kContextPrefix);
    if (!href.starts_with(prefix)) {
        return std::nullopt;
    }
    return PositiveWholeNumber(href.substr(prefix.size()));
}

std::vector<int> LinkedContexts(std::string_view html) {
    std::vector<int> contexts;
    Scanner scanner(html);
    std::optional<Fault> fault;
    std::size_t at = 0;
    while (auto tag = scanner.Next(at, fault)) {
        auto href = tag->attributes.find("href");
        if (tag->name == "a" && !tag->closing && href != tag->attributes.end()) {
            if (auto context = LinkedContext(href->second)) {
                contexts.push_back(*context);
            }
        }
    }
    return contexts;
}

}  // namespace windlass
