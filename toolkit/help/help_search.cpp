#include "help/help_search.h"

#include <algorithm>

#include "help/help_text.h"

namespace windlass {
namespace {

bool IsWordByte(char c) {
    auto byte = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           byte >= 0x80;
}

// A hit in the title says more of what the topic is about than one in its text.
constexpr int kTitleHitWeight = 5;

int CountHits(const std::vector<std::string>& words, const std::string& wanted) {
    return static_cast<int>(std::count_if(
        words.begin(), words.end(), [&](const std::string& w) { return w.starts_with(wanted); }));
}

}  // namespace

std::vector<std::string> SearchWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && !IsWordByte(text[at])) {
            ++at;
        }
        std::size_t start = at;
        while (at < text.size() && IsWordByte(text[at])) {
            ++at;
        }
        if (at > start) {
            words.push_back(AsciiLower(text.substr(start, at - start)));
        }
    }
    return words;
}

std::vector<IndexEntry> KeywordIndex(const HelpDocument& document) {
    std::vector<IndexEntry> index;
    for (const HelpTopic& topic : document.topics) {
        for (const std::string& keyword : topic.keywords) {
            index.push_back({keyword, topic.context, topic.title});
        }
    }
    std::stable_sort(index.begin(), index.end(), [](const IndexEntry& a, const IndexEntry& b) {
        return AsciiLower(a.keyword) < AsciiLower(b.keyword);
    });
    return index;
}

std::vector<int> SearchTopics(const HelpDocument& document, std::string_view query) {
    std::vector<std::string> wanted = SearchWords(query);
    if (wanted.empty()) {
        return {};
    }
    struct Match {
        int score;
        std::size_t order;
        int context;
    };
    std::vector<Match> matches;
    for (std::size_t i = 0; i < document.topics.size(); ++i) {
        const HelpTopic& topic = document.topics[i];
        std::vector<std::string> title_words = SearchWords(topic.title);
        std::vector<std::string> text_words = SearchWords(PlainText(topic.body));
        int score = 0;
        bool all_found = true;
        for (const std::string& word : wanted) {
            int hits = kTitleHitWeight * CountHits(title_words, word) + CountHits(text_words, word);
            if (hits == 0) {
                all_found = false;
                break;
            }
            score += hits;
        }
        if (all_found) {
            matches.push_back({score, i, topic.context});
        }
    }
    std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        return a.score != b.score ? a.score > b.score : a.order < b.order;
    });
    std::vector<int> contexts;
    for (const Match& match : matches) {
        contexts.push_back(match.context);
    }
    return contexts;
}

}  // namespace windlass
