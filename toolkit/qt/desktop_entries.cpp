#include "qt/desktop_entries.h"

#include <sstream>

namespace windlass::qt {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Calls `visit(group, key, value)` for every "key=value" line of a desktop-style file.
template <typename Visit>
void ForEachEntry(std::string_view text, Visit visit) {
    std::string group;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        std::string_view trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed.front() == '#') {
            continue;
        }
        if (trimmed.front() == '[' && trimmed.back() == ']') {
            group = std::string(trimmed.substr(1, trimmed.size() - 2));
            continue;
        }
        const auto equals = trimmed.find('=');
        if (equals != std::string_view::npos) {
            visit(group, Trimmed(trimmed.substr(0, equals)), Trimmed(trimmed.substr(equals + 1)));
        }
    }
}

void AppendIds(std::string_view value, std::vector<std::string>& ids) {
    while (!value.empty()) {
        const auto semicolon = value.find(';');
        std::string_view id = Trimmed(value.substr(0, semicolon));
        if (!id.empty()) {
            ids.emplace_back(id);
        }
        if (semicolon == std::string_view::npos) {
            break;
        }
        value.remove_prefix(semicolon + 1);
    }
}

// Splits an Exec value into words: blanks separate words outside double quotes; inside them a
// backslash keeps the next character as it is.
std::vector<std::string> SplitExec(std::string_view value) {
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    bool quoted = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < value.size()) {
                word += value[++i];
            } else {
                word += c;
            }
        } else if (c == '"') {
            quoted = true;
            in_word = true;
        } else if (c == ' ' || c == '\t') {
            if (in_word) {
                words.push_back(word);
                word.clear();
                in_word = false;
            }
        } else {
            word += c;
            in_word = true;
        }
    }
    if (in_word) {
        words.push_back(word);
    }
    return words;
}

}  // namespace

std::vector<std::string> ApplicationsFor(std::string_view list_text, std::string_view mime_type) {
    std::vector<std::string> defaults;
    std::vector<std::string> added;
    ForEachEntry(list_text,
                 [&](const std::string& group, std::string_view key, std::string_view value) {
                     if (key != mime_type) {
                         return;
                     }
                     if (group == "Default Applications" || group == "MIME Cache") {
                         AppendIds(value, defaults);
                     } else if (group == "Added Associations") {
                         AppendIds(value, added);
                     }
                 });
    defaults.insert(defaults.end(), added.begin(), added.end());
    return defaults;
}

std::optional<EntryCommand> EntryCommandOf(std::string_view entry_text) {
    std::optional<std::string> exec;
    bool application = false;
    bool hidden = false;
    RunsIn runs_in = RunsIn::Itself;
    ForEachEntry(entry_text,
                 [&](const std::string& group, std::string_view key, std::string_view value) {
                     if (group != "Desktop Entry") {
                         return;
                     }
                     if (key == "Exec") {
                         exec = std::string(value);
                     } else if (key == "Type") {
                         application = value == "Application";
                     } else if (key == "Hidden") {
                         hidden = value == "true";
                     } else if (key == "Terminal") {
                         runs_in = value == "true" ? RunsIn::Terminal : RunsIn::Itself;
                     }
                 });
    if (!exec || !application || hidden) {
        return std::nullopt;
    }
    std::vector<std::string> words = SplitExec(*exec);
    if (words.empty()) {
        return std::nullopt;
    }
    return EntryCommand{std::move(words), runs_in};
}

std::vector<std::string> CommandFor(const std::vector<std::string>& exec_words,
                                    const std::string& target) {
    std::vector<std::string> command;
    bool target_placed = false;
    for (const std::string& word : exec_words) {
        if (word == "%f" || word == "%F" || word == "%u" || word == "%U") {
            command.push_back(target);
            target_placed = true;
            continue;
        }
        std::string expanded;
        bool dropped = false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (word[i] != '%' || i + 1 == word.size()) {
                expanded += word[i];
                continue;
            }
            const char code = word[++i];
            if (code == '%') {
                expanded += '%';
            } else if (code == 'f' || code == 'F' || code == 'u' || code == 'U') {
                expanded += target;
                target_placed = true;
            } else {
                // The icon, name and entry codes and the old ones stand for nothing here.
                dropped = true;
            }
        }
        if (!expanded.empty() || !dropped) {
            command.push_back(expanded);
        }
    }
    if (!target_placed) {
        command.push_back(target);
    }
    return command;
}

}  // namespace windlass::qt
