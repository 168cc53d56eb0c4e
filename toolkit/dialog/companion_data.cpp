#include "dialog/companion_data.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "convert/zstring_convert.h"

namespace windlass {
namespace {

constexpr std::array<std::pair<std::string_view, CompanionSection>, 11> kHeaders = {{
    {"[Ranges]", CompanionSection::Ranges},
    {"[Menus]", CompanionSection::Menus},
    {"[Checks]", CompanionSection::Checks},
    {"[Tabs]", CompanionSection::Tabs},
    {"[Grids]", CompanionSection::Grids},
    {"[Colours]", CompanionSection::Colours},
    {"[Trackbars]", CompanionSection::Trackbars},
    {"[Lengths]", CompanionSection::Lengths},
    {"[Dialog]", CompanionSection::Dialog},
    {"[Formats]", CompanionSection::Formats},
    {"[Treeviews]", CompanionSection::Treeviews},
}};

// A reading position in the companion text.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::string_view Rest() const { return text_.substr(pos_); }

    void SkipSpaces() {
        while (!AtEnd() && text_[pos_] == ' ') {
            ++pos_;
        }
    }

    std::optional<CompanionSection> Header() const {
        for (const auto& [header, section] : kHeaders) {
            if (Rest().starts_with(header)) {
                return section;
            }
        }
        return std::nullopt;
    }

    int Integer() const { return yyAsciiToInt(Rest()); }

    double Real() const {
        int at_end = 0;
        return yyAsciiToDouble(Rest(), at_end);
    }

    // Moves to the next space and past every space after it. The search does not stop at the
    // end of a line: the number after it may stand on a later line.
    void NextItem() {
        while (!AtEnd() && text_[pos_] != ' ') {
            ++pos_;
        }
        SkipSpaces();
    }

    // The rest of the line, without its line feed; the position moves to the line feed.
    std::string_view TakeRestOfLine() {
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) {
            end = text_.size();
        }
        std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end;
        return line;
    }

    // Moves past the line feed that ends the line.
    void SkipLine() {
        TakeRestOfLine();
        if (!AtEnd()) {
            ++pos_;
        }
    }

    // From the line feed that ends one line to the start of the next; false when the data
    // has ended.
    bool StartNextLine() {
        if (!AtEnd() && text_[pos_] == '\n') {
            ++pos_;
        }
        return !AtEnd();
    }

    void Advance(std::size_t count) { pos_ += std::min(count, text_.size() - pos_); }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string_view WithoutTrailingSpaces(std::string_view text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// The numbers of a line after the field id, each but the first reached by NextItem.
template <std::size_t N>
std::array<int, N> Integers(Reader& reader) {
    std::array<int, N> numbers{};
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) {
            reader.NextItem();
        }
        numbers[i] = reader.Integer();
    }
    return numbers;
}

// The entry lines of a list: taken by count alone, whatever they hold.
void ReadMenu(Reader& reader, int field, CompanionActions& actions) {
    int count = reader.Integer();
    reader.NextItem();
    int initial = reader.Integer() - 1;
    reader.TakeRestOfLine();
    actions.ClearEntries(field);
    for (int entry = 0; entry < count && reader.StartNextLine(); ++entry) {
        std::string_view line = reader.TakeRestOfLine();
        actions.AddEntry(field, WithoutTrailingSpaces(line.substr(0, kMaxEntryLength)));
    }
    if (initial != -1) {
        actions.SelectEntry(field, initial);
    }
}

// A tab control's pages: a count and the first page's dialog id, then one line per page with
// the page's dialog id and its caption.
void ReadTabs(Reader& reader, int field, CompanionActions& actions) {
    int count = reader.Integer();
    reader.NextItem();
    int initial = reader.Integer();
    reader.TakeRestOfLine();
    std::vector<TabPage> pages;
    for (int page = 0; page < count && reader.StartNextLine(); ++page) {
        std::string_view line = reader.TakeRestOfLine();
        TabPage tab;
        tab.dialog_id = yyAsciiToInt(line);
        std::size_t gap = line.find(' ');
        if (gap != std::string_view::npos) {
            std::size_t caption = line.find_first_not_of(' ', gap);
            if (caption != std::string_view::npos) {
                tab.caption = std::string(line.substr(caption));
            }
        }
        pages.push_back(std::move(tab));
    }
    actions.TabPages(field, initial, pages);
}

void ReadDataLine(Reader& reader, CompanionSection section, CompanionActions& actions) {
    int field = reader.Integer();
    reader.NextItem();
    switch (section) {
        case CompanionSection::None:
            break;
        case CompanionSection::Checks:
            actions.Check(field, reader.Integer());
            break;
        case CompanionSection::Menus:
            ReadMenu(reader, field, actions);
            break;
        case CompanionSection::Ranges: {
            double minimum = reader.Real();
            reader.NextItem();
            actions.Range(field, minimum, reader.Real());
            break;
        }
        case CompanionSection::Lengths:
            actions.Length(field, reader.Integer());
            break;
        case CompanionSection::Formats:
            actions.Format(field, reader.TakeRestOfLine());
            break;
        case CompanionSection::Dialog:
            actions.DialogFlag(field != 0 ? 1 : 0);
            break;
        case CompanionSection::Colours: {
            auto c = Integers<6>(reader);
            actions.Colours(field, {c[0], c[1], c[2]}, {c[3], c[4], c[5]});
            break;
        }
        case CompanionSection::Tabs:
            ReadTabs(reader, field, actions);
            break;
        case CompanionSection::Trackbars: {
            auto t = Integers<5>(reader);
            actions.Trackbar(field, {t[0], t[1], t[2], t[3], t[4]});
            break;
        }
        case CompanionSection::Grids:
            reader.Advance(actions.GridSettings(field, reader.Rest()));
            break;
        case CompanionSection::Treeviews: {
            auto t = Integers<2>(reader);
            actions.Treeview(field, t[0], t[1]);
            break;
        }
    }
}

}  // namespace

void ParseCompanionData(std::string_view text, CompanionActions& actions) {
    Reader reader(text);
    CompanionSection section = CompanionSection::None;
    while (true) {
        reader.SkipSpaces();
        if (reader.AtEnd()) {
            return;
        }
        if (std::optional<CompanionSection> header = reader.Header()) {
            section = *header;
        } else {
            ReadDataLine(reader, section, actions);
        }
        reader.SkipLine();
    }
}

}  // namespace windlass
