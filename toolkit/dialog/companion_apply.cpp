#include "dialog/companion_apply.h"

#include <optional>
#include <string>

#include "convert/zstring_convert.h"
#include "dialog/companion_data.h"
#include "dialog/dialog_load.h"
#include "dialog/dialog_table.h"
#include "field/field_text.h"
#include "platform/platform.h"
#include "resources/resource_lookup.h"

namespace windlass {
namespace {

// A red value that asks for the platform's own colour.
constexpr int kSystemRed = 256;

int PackedColour(ColourTriple colour) {
    if (colour.red == kSystemRed) {
        return kSystemColour;
    }
    return (colour.red & 0xFF) | ((colour.green & 0xFF) << 8) | ((colour.blue & 0xFF) << 16);
}

bool IsList(const ControlRecord& control) {
    return control.control_class == ControlClass::ListBox ||
           control.control_class == ControlClass::ComboBox;
}

// A progress bar or trackbar starts at the number its template text holds.
int TemplatePosition(const ControlRecord& control) {
    const char* text = control.source->text != nullptr ? control.source->text : "";
    int at_end = 0;
    return BarPositionOf(yyAsciiToDouble(text, at_end));
}

// The companion data's lines as they act on one loaded dialog. Grids and tree views take no
// settings on this platform, so their sections find nothing to act on.
class DialogCompanion : public CompanionActions {
  public:
    explicit DialogCompanion(DialogRecord& dialog)
        : dialog_(dialog), platform_(ThePlatform().Controls()) {}

    void Check(int field, int state) override {
        if (ControlRecord* control = dialog_.Find(field)) {
            platform_.SetCheckState(control->handle, state);
        }
    }
    void ClearEntries(int field) override {
        ControlRecord* control = dialog_.Find(field);
        if (control != nullptr && IsList(*control)) {
            platform_.ClearEntries(control->handle);
        }
    }
    void AddEntry(int field, std::string_view text) override {
        ControlRecord* control = dialog_.Find(field);
        if (control != nullptr && IsList(*control)) {
            platform_.AddEntry(control->handle, std::string(text));
        }
    }
    void SelectEntry(int field, int index) override {
        ControlRecord* control = dialog_.Find(field);
        if (control != nullptr && IsList(*control)) {
            platform_.Select(control->handle, index);
        }
    }
    void Range(int field, double minimum, double maximum) override {
        ControlRecord* control = dialog_.Find(field);
        if (control == nullptr) {
            return;
        }
        if (control->control_class == ControlClass::Progress ||
            control->control_class == ControlClass::Trackbar) {
            // A bar's range is the bar's own; one it cannot take is passed over, as any value
            // of the companion data a control cannot take is.
            if (std::optional<BarRange> range = BarRangeOf(minimum, maximum)) {
                platform_.SetBarRange(control->handle, range->minimum, range->maximum);
                platform_.SetBarPosition(control->handle, TemplatePosition(*control));
            }
            return;
        }
        SetFieldRange(*control, minimum, maximum);
    }
    void Trackbar(int field, const TrackbarSettings& settings) override {
        ControlRecord* control = dialog_.Find(field);
        if (control == nullptr || control->control_class != ControlClass::Trackbar) {
            return;
        }
        platform_.SetTrackbarSteps(
            control->handle, {settings.tick_frequency, settings.page_size, settings.line_size});
        if (styles::Has(control->style, styles::kTrackbarSelectionRange)) {
            platform_.SetTrackbarSelection(control->handle, settings.selection_start,
                                           settings.selection_end);
        }
    }
    void TabPages(int field, int initial, const std::vector<TabPage>& pages) override {
        ControlRecord* control = dialog_.Find(field);
        if (control == nullptr || control->control_class != ControlClass::TabControl) {
            return;
        }
        // Each page is a dialog of its own, loaded as the program would load it; the dialog
        // whose data this is stays the current one.
        DialogTable& table = Dialogs();
        int own_slot = table.current;
        int selected = 0;
        int added = 0;
        for (const TabPage& page : pages) {
            if (yydialogload2(page.dialog_id, control->handle) <= 0) {
                continue;
            }
            DialogRecord* loaded = table.Current();
            // A dialog is a page of one tab control at most, and never of itself.
            if (loaded == nullptr || loaded == &dialog_ || loaded->tab_control != nullptr) {
                continue;
            }
            loaded->tab_control = control->handle;
            loaded->tab_owner = &dialog_;
            platform_.AddTabPage(control->handle, loaded->window, page.caption);
            if (page.dialog_id == initial) {
                selected = added;
            }
            ++added;
        }
        table.current = own_slot;
        if (added > 0) {
            platform_.SelectTabPage(control->handle, selected);
        }
    }
    void Length(int field, int limit) override {
        ControlRecord* control = dialog_.Find(field);
        if (control == nullptr) {
            return;
        }
        if (IsEditLike(control->control_class) ||
            control->control_class == ControlClass::ComboBox) {
            platform_.SetTextLimit(control->handle, limit);
        }
        control->field.text_limit = limit;
    }
    void Format(int field, std::string_view format) override {
        if (ControlRecord* control = dialog_.Find(field)) {
            control->field.format.reset();
            if (!format.empty()) {
                control->field.format = std::string(format);
            }
        }
    }
    void DialogFlag(int flag) override { dialog_.dialog_flag = flag; }
    void Colours(int field, ColourTriple text, ColourTriple background) override {
        if (ControlRecord* control = dialog_.Find(field)) {
            control->field.text_colour = PackedColour(text);
            control->field.background_colour = PackedColour(background);
            platform_.SetControlColours(control->handle, control->field.text_colour,
                                        control->field.background_colour);
        }
    }

  private:
    DialogRecord& dialog_;
    DialogControls& platform_;
};

}  // namespace

void yydialogextra(DialogRecord& dialog) {
    std::optional<std::span<const std::uint8_t>> data = FindData(kTypeRcData, dialog.id);
    if (!data) {
        return;
    }
    DialogCompanion companion(dialog);
    ParseCompanionData(DataText(*data), companion);
}

}  // namespace windlass
