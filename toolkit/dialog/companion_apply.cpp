#include "dialog/companion_apply.h"

#include <optional>
#include <string>

#include "dialog/companion_data.h"
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

// The companion data's lines as they act on one loaded dialog. The dialog has no tab,
// trackbar, grid or treeview controls on this platform, so those sections find nothing to
// act on.
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
        if (ControlRecord* control = dialog_.Find(field)) {
            SetFieldRange(*control, minimum, maximum);
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
