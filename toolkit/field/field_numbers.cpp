// The number procedures of the dialog fields: WDialogPutInteger, WDialogPutReal,
// WDialogPutDouble, WDialogGetInteger, WDialogGetReal, WDialogRangeInteger and
// WDialogRangeReal.
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "dialog/dialog_table.h"
#include "errors/error_state.h"
#include "errors/fixed_text.h"
#include "field/field_access.h"
#include "field/field_text.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

// The format a real is written in: the one given, when it is not blank, else the field's
// own; either is cut to the format work area.
std::string RealFormat(int field_id, std::string_view given) {
    std::string format(given.substr(0, std::min(given.size(), kFormatArea)));
    if (IsBlank(format)) {
        DialogRecord* dialog = Dialogs().current_id != 0 ? Dialogs().Current() : nullptr;
        ControlRecord* control = dialog != nullptr ? dialog->Find(field_id) : nullptr;
        format = control != nullptr ? yyfieldgetformat(*control) : std::string(kDefaultRealFormat);
        if (format.size() > kFormatArea) {
            format.resize(kFormatArea);
        }
    }
    return format;
}

// The steps every put-number procedure shares once its number is written in the text area:
// a current dialog, the text moved to the left, the range test, and the write.
void PutNumberText(int field_id, std::string text, double value, std::string_view format) {
    if (Dialogs().current_id == 0) {
        yyerror(ERR_NO_DIALOG);
        return;
    }
    IJustifyString(text, "L");
    if (!yyfieldrangecheck(field_id, value)) {
        return;
    }
    ControlRecord* control = Dialogs().Current()->Find(field_id);
    yyfieldputtext(*control, TrimTrailingBlanks(text), value, TrimTrailingBlanks(format));
}

// A value read from a field, truncated toward zero and held to what an integer can take.
int TruncatedToInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    double truncated = std::trunc(value);
    if (truncated >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (truncated <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(truncated);
}

float RoundedToReal(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::isfinite(value) && std::fabs(value) > kLargest) {
        // Beyond the largest real a value still rounds to it up to half its last step; from
        // there on (the step's middle included, the largest real's last digit being odd) it
        // rounds to infinity.
        double halfway = kLargest + std::ldexp(1.0, 103);
        float magnitude = std::fabs(value) < halfway ? std::numeric_limits<float>::max()
                                                     : std::numeric_limits<float>::infinity();
        return value > 0 ? magnitude : -magnitude;
    }
    return static_cast<float>(value);
}

}  // namespace
}  // namespace windlass

void WDialogPutInteger(int ifield, int ivalue) {
    using namespace windlass;
    // The integer's field fills the first columns of the work area and the rest stays blank,
    // which the left justification and the trimming then drop; an area just as wide as the
    // field gives the same text without writing, scanning and trimming the blanks.
    std::string text(kIntegerWidth, ' ');
    IntegerToString(ivalue, text, kIntegerFormat);
    PutNumberText(ifield, std::move(text), static_cast<double>(ivalue), {});
}

void WDialogPutReal(int ifield, float value, std::string_view format) {
    using namespace windlass;
    std::string used = RealFormat(ifield, format);
    std::string text(kPutTextArea, ' ');
    IRealToString(value, text, used);
    PutNumberText(ifield, std::move(text), static_cast<double>(value), used);
}

void WDialogPutDouble(int ifield, double value, std::string_view format) {
    using namespace windlass;
    std::string used = RealFormat(ifield, format);
    std::string text(kPutTextArea, ' ');
    IDoubleToString(value, text, used);
    PutNumberText(ifield, std::move(text), value, used);
}

void WDialogGetInteger(int ifield, int& ivalue) {
    using namespace windlass;
    FieldValue found = yyfieldgetvalue(ifield);
    if (found.kind == FieldValue::Kind::Undefined) {
        ivalue = -999;
    } else if (found.kind == FieldValue::Kind::Number) {
        ivalue = TruncatedToInteger(found.value);
    }
}

void WDialogGetReal(int ifield, float& value) {
    using namespace windlass;
    FieldValue found = yyfieldgetvalue(ifield);
    if (found.kind == FieldValue::Kind::Undefined) {
        value = -999.0f;
    } else if (found.kind == FieldValue::Kind::Number) {
        value = RoundedToReal(found.value);
    }
}

void WDialogRangeInteger(int ifield, int imin, int imax) {
    using namespace windlass;
    if (CurrentDialogOrRaise() == nullptr) {
        return;
    }
    yyfieldrange2(ifield, static_cast<double>(imin), static_cast<double>(imax));
}

void WDialogRangeReal(int ifield, float min, float max) {
    using namespace windlass;
    if (CurrentDialogOrRaise() == nullptr) {
        return;
    }
    // A real widens to a double exactly: 0.05 becomes 0.0500000007450580596923828125.
    yyfieldrange2(ifield, static_cast<double>(min), static_cast<double>(max));
}
