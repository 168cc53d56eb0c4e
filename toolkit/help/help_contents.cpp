#include "help/help_contents.h"

#include <charconv>

#include "help/help_text.h"

namespace windlass {
namespace {

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// The next blank-delimited word of a line from `at` on; empty at the end of the line.
std::string_view NextWord(std::string_view line, std::size_t& at) {
    while (at < line.size() && IsBlankOrTab(line[at])) {
        ++at;
    }
    std::size_t start = at;
    while (at < line.size() && !IsBlankOrTab(line[at])) {
        ++at;
    }
    return line.substr(start, at - start);
}

std::optional<int> WholeNumber(std::string_view digits) {
    int value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

// Reads one entry line; a message on failure.
std::optional<std::string> ReadEntry(std::string_view line, int previous_level,
                                     ContentsEntry& entry) {
    std::size_t at = 0;
    std::string_view level_word = NextWord(line, at);
    std::optional<int> level = WholeNumber(level_word);
    if (!level || *level < 1 || *level > kDeepestContentsLevel) {
        return "the level '" + std::string(level_word) + "' is not a whole number from 1 to " +
               std::to_string(kDeepestContentsLevel);
    }
    if (*level > previous_level + 1) {
        return previous_level == 0 ? std::string("the first entry has level ") +
                                         std::to_string(*level) + "; it must have level 1"
                                   : "level " + std::to_string(*level) + " follows level " +
                                         std::to_string(previous_level) +
                                         "; an entry is at most one level "
                                         "deeper than the one before it";
    }
    entry.level = *level;
    std::string_view context_word = NextWord(line, at);
    if (context_word != "-") {
        std::optional<int> context = WholeNumber(context_word);
        if (!context || *context < 1) {
            return "the context number '" + std::string(context_word) +
                   "' is neither a whole number from 1 up nor \"-\" for a heading";
        }
        entry.context = context;
    }
    entry.title = CollapseWhitespace(line.substr(at));
    if (entry.title.empty()) {
        return std::string("the entry has no title after its level and context number");
    }
    return std::nullopt;
}

}  // namespace

ContentsReading ParseHelpContents(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    ContentsReading reading;
    std::size_t invalid = FirstInvalidUtf8(text);
    if (invalid != std::string_view::npos) {
        reading.error =
            "line " + std::to_string(LineAt(text, invalid)) + ": the file is not UTF-8 text";
        return reading;
    }
    std::vector<ContentsEntry> entries;
    int line_number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++line_number;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') {
            continue;
        }
        ContentsEntry entry;
        entry.line = line_number;
        int previous_level = entries.empty() ? 0 : entries.back().level;
        if (auto error = ReadEntry(line, previous_level, entry)) {
            reading.error = "line " + std::to_string(line_number) + ": " + *error;
            return reading;
        }
        entries.push_back(std::move(entry));
    }
    if (entries.empty()) {
        reading.error =
            "the file holds no entry; each line is a level, a context number (or "
            "\"-\") and a title";
        return reading;
    }
    reading.entries = std::move(entries);
    return reading;
}

ContentsReading ReadHelpContents(const std::string& path) {
    std::string error;
    std::optional<std::string> text = ReadWholeFile(path, error);
    if (!text) {
        return {std::nullopt, error};
    }
    ContentsReading reading = ParseHelpContents(*text);
    if (!reading.entries) {
        reading.error = path + ": " + reading.error;
    }
    return reading;
}

}  // namespace windlass
