// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The companion data of a dialog: the text resource of the dialog's id that sets what the
// template cannot say (check states, list entries, ranges, text limits, formats and more).
//
// The text is 8-bit, ends at its first zero byte, and its lines end with a line feed alone (a
// carriage return is an ordinary character). It is read in sections that start at a header
// line such as "[Checks]"; each other line names a field by its id and gives that section's
// values, every number but a line's last followed by a space. The reader keeps the quirks the
// program's resource scripts were written against:
// - headers are told apart by a case-sensitive comparison of only as many characters as the
//   header has, so "[Checks] on" is a header and "[checks]" is not;
// - the step from one number to the next looks for the next space wherever it is, across the
//   end of the line if need be, so a blank line (a line for field 0) swallows the line after;
// - "[Menus]" takes as many whole lines for entries as its count says, headers included.
//
// ParseCompanionData only reads; what each line means for a dialog is the business of the
// CompanionActions it is given.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace windlass {

// The sections in the order their headers are tested.
enum class CompanionSection {
    None,
    Ranges,
    Menus,
    Checks,
    Tabs,
    Grids,
    Colours,
    Trackbars,
    Lengths,
    Dialog,
    Formats,
    Treeviews,
};

// The longest list entry taken; the rest of a longer line is dropped.
inline constexpr std::size_t kMaxEntryLength = 1024;

struct ColourTriple {
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct TabPage {
    int dialog_id = 0;
    std::string caption;
};

struct TrackbarSettings {
    int tick_frequency = 0;
    int page_size = 0;
    int line_size = 0;
    int selection_start = 0;
    int selection_end = 0;
};

// What the lines of the companion data ask for, one call per line (and per entry). Every
// action does nothing unless overridden.
class CompanionActions {
  public:
    virtual ~CompanionActions() = default;

    // "[Checks]": the button's check state.
    virtual void Check(int /*field*/, int /*state*/) {}
    // "[Menus]": the list is emptied, takes its entries in order, and then, unless `index` is
    // -1, selects the entry at the 0-based index.
    virtual void ClearEntries(int /*field*/) {}
    virtual void AddEntry(int /*field*/, std::string_view /*text*/) {}
    virtual void SelectEntry(int /*field*/, int /*index*/) {}
    // "[Ranges]".
    virtual void Range(int /*field*/, double /*minimum*/, double /*maximum*/) {}
    // "[Lengths]".
    virtual void Length(int /*field*/, int /*limit*/) {}
    // "[Formats]": the rest of the line as it stands; empty for none.
    virtual void Format(int /*field*/, std::string_view /*format*/) {}
    // "[Dialog]": 1 when the line's field id is not 0, else 0.
    virtual void DialogFlag(int /*flag*/) {}
    // "[Colours]": text and background; a red of 256 asks for the system's colour.
    virtual void Colours(int /*field*/, ColourTriple /*text*/, ColourTriple /*background*/) {}
    // "[Tabs]": the pages of a tab control and the dialog id of the page shown first.
    virtual void TabPages(int /*field*/, int /*initial*/, const std::vector<TabPage>& /*pages*/) {}
    // "[Trackbars]".
    virtual void Trackbar(int /*field*/, const TrackbarSettings& /*settings*/) {}
    // "[Grids]": the rest of the data goes to the grid, which gives back how many characters
    // it read; reading goes on after them, and the rest of the line they end on is passed
    // over as after any other line.
    virtual std::size_t GridSettings(int /*field*/, std::string_view /*data*/) { return 0; }
    // "[Treeviews]".
    virtual void Treeview(int /*field*/, int /*first*/, int /*second*/) {}
};

// Reads companion data and tells `actions` what each line asks for.
void ParseCompanionData(std::string_view text, CompanionActions& actions);

}  // namespace windlass
