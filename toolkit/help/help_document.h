// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The help document format (".HLP") that the help viewer reads: a UTF-8 HTML file whose
// topics are <section> elements, each with its context number and title:
//
//   <title>Heatwise Help</title>
//   <section id="context-1" data-title="Contents" data-keywords="overview; menu">
//     ... the topic, in HTML; <a href="#context-20">links</a> open other topics ...
//   </section>
//
// The first topic is the contents topic. Context numbers are whole numbers from 1 up, each
// used once; titles are required; keywords, separated by ";", feed the finder's index. Topics
// do not nest. The whole format is described in docs/help-documents.md.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace windlass {

struct HelpTopic {
    int context = 0;
    std::string title;
    std::vector<std::string> keywords;
    // The HTML between the section's tags, as written.
    std::string body;
    // The line of the section's start tag, for messages.
    int line = 0;
};

struct HelpDocument {
    std::string title;
    // In document order; the first is the contents topic.
    std::vector<HelpTopic> topics;

    // Null when no topic has that context number.
    const HelpTopic* Find(int context) const;
    const HelpTopic& ContentsTopic() const { return topics.front(); }
};

// A document, or a message that says what is wrong with it and on which line.
struct HelpDocumentReading {
    std::optional<HelpDocument> document;
    std::string error;
};

HelpDocumentReading ParseHelpDocument(std::string_view text);

// Reads and parses a file; a message begins with the file's path.
HelpDocumentReading ReadHelpDocument(const std::string& path);

// The context number a link names: "#context-20" gives 20; nothing for any other link.
std::optional<int> LinkedContext(std::string_view href);

// Every context number the links of a topic's HTML name, in order of appearance.
std::vector<int> LinkedContexts(std::string_view html);

}  // namespace windlass
