// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The finder's keyword index and full-text search over the topics of a help document.

#include <string>
#include <string_view>
#include <vector>

#include "help/help_document.h"

namespace windlass {

// One line of the index: a keyword and a topic it leads to.
struct IndexEntry {
    std::string keyword;
    int context = 0;
    std::string topic_title;
};

// Every keyword of every topic, sorted without regard to letter case; a keyword that several
// topics carry has one entry for each, in document order.
std::vector<IndexEntry> KeywordIndex(const HelpDocument& document);

// The topics that hold every word of the query, at the start of one of their own words and
// without regard to letter case ("recalc" finds "recalculation"), best matches first: by the
// number of hits, a hit in the title counting more, then in document order. Gives context
// numbers; nothing for a query without words.
std::vector<int> SearchTopics(const HelpDocument& document, std::string_view query);

// The words of a text as the search sees them: runs of letters and digits (any byte of a UTF-8
// sequence counts as a letter), lowered.
std::vector<std::string> SearchWords(std::string_view text);

}  // namespace windlass
