// Fuzzes the reader of a dialog's companion data, the text that sets check states, list
// entries, ranges and more when a dialog is loaded. An input is the text; a zero byte in it
// ends the data as it ends a resource.
//
// Properties:
// - the reader never reads past the terminating zero: what follows it changes nothing, and
//   the data up to the zero, given in a buffer of exactly its size, is read without a single
//   read past the buffer;
// - every text handed on (list entries, formats, tab captions, grid settings) lies within the
//   data before the zero and holds no zero byte; entries, formats and captions hold no line
//   feed either;
// - a list entry holds at most 1024 characters and no trailing spaces;
// - the reader ends, whatever the counts and the grid's answers ask for.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/companion_data.h"
#include "fuzz_check.h"

namespace {

using heatwise::fuzz::Require;
using windlass::ColourTriple;
using windlass::CompanionActions;
using windlass::TabPage;
using windlass::TrackbarSettings;

// Writes down every call, and checks each text it is handed against the data it came from.
class RecordingActions : public CompanionActions {
  public:
    explicit RecordingActions(std::string_view data) : data_(data) {}

    const std::string& log() const { return log_; }

    void Check(int field, int state) override { Note("check", field, std::to_string(state)); }
    void ClearEntries(int field) override { Note("clear", field, ""); }
    void AddEntry(int field, std::string_view text) override {
        CheckWithin(text, "a list entry");
        CheckOneLine(text, "a list entry");
        Require(text.size() <= windlass::kMaxEntryLength,
                "a list entry holds at most 1024 characters",
                std::to_string(text.size()) + " characters");
        Require(text.empty() || text.back() != ' ', "a list entry has no trailing spaces");
        Note("entry", field, std::string(text));
    }
    void SelectEntry(int field, int index) override {
        Note("select", field, std::to_string(index));
    }
    void Range(int field, double minimum, double maximum) override {
        Note("range", field, std::to_string(minimum) + " " + std::to_string(maximum));
    }
    void Length(int field, int limit) override { Note("length", field, std::to_string(limit)); }
    void Format(int field, std::string_view format) override {
        CheckWithin(format, "a format");
        CheckOneLine(format, "a format");
        Note("format", field, std::string(format));
    }
    void DialogFlag(int flag) override { Note("dialog", flag, ""); }
    void Colours(int field, ColourTriple text, ColourTriple background) override {
        Note("colours", field,
             std::to_string(text.red) + " " + std::to_string(text.green) + " " +
                 std::to_string(text.blue) + " " + std::to_string(background.red) + " " +
                 std::to_string(background.green) + " " + std::to_string(background.blue));
    }
    void TabPages(int field, int initial, const std::vector<TabPage>& pages) override {
        std::string pages_text = std::to_string(initial);
        for (const TabPage& page : pages) {
            CheckOneLine(page.caption, "a tab caption");
            pages_text += " " + std::to_string(page.dialog_id) + ":" + page.caption;
        }
        Note("tabs", field, pages_text);
    }
    void Trackbar(int field, const TrackbarSettings& s) override {
        Note("trackbar", field,
             std::to_string(s.tick_frequency) + " " + std::to_string(s.page_size) + " " +
                 std::to_string(s.line_size) + " " + std::to_string(s.selection_start) + " " +
                 std::to_string(s.selection_end));
    }
    std::size_t GridSettings(int field, std::string_view data) override {
        CheckWithin(data, "the grid's settings");
        Require(data.data() + data.size() == data_.data() + data_.size(),
                "the grid is handed the rest of the data, up to the zero");
        Note("grid", field, std::to_string(data.size()));
        // The grid's answer, any number, even one beyond the data: the reader must go on
        // from a place within the data whatever it is told.
        const unsigned answer = static_cast<unsigned>(field) % 64;
        return answer == 63 ? data.size() + 1000 : answer;
    }
    void Treeview(int field, int first, int second) override {
        Note("treeview", field, std::to_string(first) + " " + std::to_string(second));
    }

  private:
    void Note(std::string_view what, int field, const std::string& values) {
        log_ += std::string(what) + " " + std::to_string(field) + " " + values + "\n";
    }

    void CheckWithin(std::string_view text, std::string_view what) const {
        const bool within =
            text.empty() || (text.data() >= data_.data() &&
                             text.data() + text.size() <= data_.data() + data_.size());
        Require(within, "every text handed on lies within the data before the zero",
                std::string(what));
        Require(text.find('\0') == std::string_view::npos, "no text handed on holds a zero byte",
                std::string(what));
    }

    static void CheckOneLine(std::string_view text, std::string_view what) {
        Require(text.find('\n') == std::string_view::npos,
                "entries, formats and captions hold no line feed", std::string(what));
    }

    std::string_view data_;
    std::string log_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view before_zero = input.substr(0, input.find('\0'));

    // The whole input, with whatever follows its zero byte.
    RecordingActions whole(before_zero);
    windlass::ParseCompanionData(input, whole);

    // The data alone and its zero, in a buffer of exactly that size.
    std::unique_ptr<char[]> buffer(new char[before_zero.size() + 1]);
    std::memcpy(buffer.get(), before_zero.data(), before_zero.size());
    buffer[before_zero.size()] = '\0';
    const std::string_view exact(buffer.get(), before_zero.size() + 1);
    RecordingActions alone(exact.substr(0, before_zero.size()));
    windlass::ParseCompanionData(exact, alone);

    Require(whole.log() == alone.log(), "what follows the terminating zero changes nothing");
    return 0;
}
