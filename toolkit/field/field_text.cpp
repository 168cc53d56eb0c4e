#include "field/field_text.h"

#include <algorithm>
#include <cmath>

#include "convert/zstring_convert.h"
#include "dialog/dialog_table.h"
#include "errors/error_state.h"
#include "field/field_access.h"
#include "platform/platform.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

// The arrows of a spin field move within what their platform control can hold.
int SpinBound(double bound) {
    if (std::isnan(bound)) {
        return 0;
    }
    constexpr double kReach = kIntegerSpinReach;
    return static_cast<int>(std::trunc(std::clamp(bound, -kReach, kReach)));
}

}  // namespace

int BarPositionOf(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double kLimit = 2147483647.0;
    return static_cast<int>(std::trunc(std::clamp(value, -kLimit, kLimit)));
}

std::optional<BarRange> BarRangeOf(double minimum, double maximum) {
    int low = BarPositionOf(minimum);
    int high = BarPositionOf(maximum);
    if (std::isnan(minimum) || std::isnan(maximum) || low >= high) {
        return std::nullopt;
    }
    return BarRange{low, high};
}

std::string yyfieldgetformat(const ControlRecord& control) {
    bool keeps_format = IsRealClass(control.control_class) || IsDoubleClass(control.control_class);
    if (keeps_format && control.field.format) {
        return *control.field.format;
    }
    return std::string(kDefaultRealFormat);
}

bool yyfieldrangecheck(int field_id, double value) {
    ControlRecord* control = CurrentFieldOrRaise(field_id);
    if (control == nullptr) {
        return false;
    }
    const FieldRecord& field = control->field;
    if (field.RangeInForce() && (value < field.minimum || value > field.maximum)) {
        yyerror(ERR_FIELD_RANGE);
        return false;
    }
    return true;
}

void yyfieldputtext(ControlRecord& control, std::string_view text, double value,
                    std::string_view format) {
    DialogControls& platform = ThePlatform().Controls();
    if (IsBar(control.control_class)) {
        // A bar shows its value as the place of its bar or thumb, not as a text.
        int at_end = 0;
        double shown = value != 0.0 ? value : yyAsciiToDouble(text, at_end);
        platform.SetBarPosition(control.handle, BarPositionOf(shown));
    } else if (!platform.SetControlText(control.handle, std::string(text))) {
        return;
    }
    FieldRecord& field = control.field;
    if (value == 0.0) {
        // Texts written without a number of their own (WDialogPutString) still give the field
        // the value they show.
        int at_end = 0;
        double scanned = yyAsciiToDouble(text, at_end);
        if (at_end == 1) {
            value = scanned;
        }
    }
    field.value = value;
    field.has_value = text.empty() ? 0 : 1;
    field.format.reset();
    if (!format.empty()) {
        field.format = std::string(format);
    }
    if (IsEditLike(control.control_class)) {
        platform.SetModified(control.handle, false);
    }
}

void SetFieldRange(ControlRecord& control, double minimum, double maximum) {
    control.field.minimum = minimum;
    control.field.maximum = maximum;
    DialogControls& platform = ThePlatform().Controls();
    if (IsSpinClass(control.control_class)) {
        platform.SetSpinRange(control.handle, SpinBound(minimum), SpinBound(maximum));
    }
    // A bar (an up-down control's arrows, a progress bar, a trackbar's thumb) reaches over the
    // range while it is in force, as far as whole numbers can show it.
    if (IsBar(control.control_class)) {
        if (std::optional<BarRange> range = BarRangeOf(minimum, maximum)) {
            platform.SetBarRange(control.handle, range->minimum, range->maximum);
        }
    }
}

void yyfieldrange2(int field_id, double minimum, double maximum) {
    if (ControlRecord* control = CurrentFieldOrRaise(field_id)) {
        SetFieldRange(*control, minimum, maximum);
    }
}

FieldValue yyfieldgetvalue(int field_id) {
    ControlRecord* control = CurrentFieldOrRaise(field_id);
    if (control == nullptr) {
        return {};
    }
    DialogControls& platform = ThePlatform().Controls();
    if (IsBar(control->control_class)) {
        return {FieldValue::Kind::Number,
                static_cast<double>(platform.BarPosition(control->handle))};
    }
    std::string text = platform.ControlText(control->handle);
    if (text.size() > kValueTextArea) {
        text.resize(kValueTextArea);
    }
    if (text.empty()) {
        yyerror(ERR_FIELD_UNDEFINED);
        return {FieldValue::Kind::Undefined, -999.0};
    }
    if (IsNumericClass(control->control_class) && !platform.IsModified(control->handle)) {
        return {FieldValue::Kind::Number, control->field.value};
    }
    double value = 0.0;
    yyst2dbl(value, text.c_str(), static_cast<int>(text.size()) + 1);
    return {FieldValue::Kind::Number, value};
}

}  // namespace windlass
