#include "help/help_names.h"

#include <algorithm>
#include <cctype>

#include "errors/fixed_text.h"

namespace windlass {
namespace {

std::string UpperCased(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::optional<HelpKind> HelpKindOf(std::string_view name) {
    std::string upper = UpperCased(TrimTrailingBlanks(name));
    if (upper.empty() || EndsWith(upper, ".HLP")) {
        return HelpKind::ViewerDocument;
    }
    if (EndsWith(upper, ".CHM")) {
        return HelpKind::CompiledHtml;
    }
    // The order matters: an address that ends in ".HLP" is a help document, and one that ends
    // in ".HTM" is an address, not a page on disk.
    std::size_t first = upper.find_first_not_of(' ');
    if (upper.compare(first, 7, "HTTP://") == 0) {
        return HelpKind::WebAddress;
    }
    if (EndsWith(upper, ".HTM") || EndsWith(upper, ".HTML")) {
        return HelpKind::WebPage;
    }
    return std::nullopt;
}

bool IsBareName(std::string_view name) {
    bool has_folder = name.find_first_of("/\\") != std::string_view::npos;
    bool has_drive = name.size() >= 2 && name[1] == ':';
    return !has_folder && !has_drive;
}

std::string_view FolderOf(std::string_view executable_path) {
    std::size_t last = executable_path.find_last_of("/\\");
    if (last == std::string_view::npos) {
        return {};
    }
    return executable_path.substr(0, last + 1);
}

std::string ContentsFileOf(std::string_view document) {
    std::string contents(document);
    if (contents.size() < 4 || contents[contents.size() - 4] != '.') {
        return contents + ".CNT";
    }
    static constexpr std::string_view kExtension = "CNT";
    for (std::size_t i = 0; i < kExtension.size(); ++i) {
        char& letter = contents[contents.size() - 3 + i];
        bool lower = std::islower(static_cast<unsigned char>(letter)) != 0;
        letter = lower ? static_cast<char>(std::tolower(kExtension[i])) : kExtension[i];
    }
    return contents;
}

std::string_view WebAddressOf(std::string_view name) {
    std::size_t first = name.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : name.substr(first);
}

}  // namespace windlass
