// Numbers to field text under a display format: IntegerToString, IRealToString and
// IDoubleToString.
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "convert/edit_descriptor.h"
#include "convert/edit_output.h"
#include "errors/error_state.h"
#include "windlass/windlass.h"

namespace {

constexpr std::string_view kOverflowText = "**********";

// Places the written field at the start of the blank-filled text. A field that cannot be
// written, or that does not fit the text, or that holds an asterisk the format did not ask
// for, leaves ten asterisks instead and raises the conversion error: a dialog field then shows
// plainly that its number could not be displayed, whatever its width.
void PlaceField(const std::optional<std::string>& field, std::string& text,
                std::string_view format) {
    std::fill(text.begin(), text.end(), ' ');
    bool written = field.has_value() && field->size() <= text.size();
    if (written) {
        text.replace(0, field->size(), *field);
    }
    bool overflowed =
        text.find('*') != std::string::npos && format.find('*') == std::string_view::npos;
    if (!written || overflowed) {
        std::fill(text.begin(), text.end(), ' ');
        std::string_view stars = kOverflowText.substr(0, text.size());
        text.replace(0, stars.size(), stars);
        yyerror(ERR_NUMERIC_TO_STRING);
    }
}

template <typename Real>
void RealToString(Real value, std::string& text, std::string_view format) {
    std::optional<windlass::EditDescriptor> descriptor = windlass::ParseEditDescriptor(format);
    std::optional<std::string> field;
    if (descriptor) {
        field = windlass::WriteRealField(value, *descriptor);
    }
    PlaceField(field, text, format);
}

}  // namespace

void IntegerToString(int value, std::string& text, std::string_view format) {
    std::optional<windlass::EditDescriptor> descriptor = windlass::ParseEditDescriptor(format);
    std::optional<std::string> field;
    if (descriptor) {
        field = windlass::WriteIntegerField(value, *descriptor);
    }
    PlaceField(field, text, format);
}

void IRealToString(float value, std::string& text, std::string_view format) {
    RealToString(value, text, format);
}

void IDoubleToString(double value, std::string& text, std::string_view format) {
    RealToString(value, text, format);
}
