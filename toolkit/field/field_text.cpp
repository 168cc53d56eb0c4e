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
constexpr double kSpinLimit = 31073.0;

int SpinBound(double bound) {
    if (std::isnan(bound)) {
        return 0;
    }
    return static_cast<int>(std::trunc(std::clamp(bound, -kSpinLimit, kSpinLimit)));
}

}  // namespace

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
    if (!platform.SetControlText(control.handle, std::string(text))) {
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
    if (IsSpinClass(control.control_class)) {
        ThePlatform().Controls().SetSpinRange(control.handle, SpinBound(minimum),
                                              SpinBound(maximum));
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
