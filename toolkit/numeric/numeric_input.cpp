#include "numeric/numeric_input.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "convert/zstring_convert.h"
#include "field/field_text.h"
#include "init/settings.h"
#include "numeric/validation_state.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

// Ctrl+A, Ctrl+C, Backspace, Tab, Return, Ctrl+V, Ctrl+X, Ctrl+Z and Escape.
constexpr std::array<int, 9> kEditingCharacters = {1, 3, 8, 9, 13, 22, 24, 26, 27};

bool IsDigit(int character) {
    return character >= '0' && character <= '9';
}

CharacterVerdict Insert(int character) {
    return {CharacterVerdict::Kind::Insert, character, false};
}

// The field's text as its value: the number it starts with, 0 for an empty text.
double ScannedValue(const std::string& text) {
    int at_end = 0;
    return text.empty() ? 0.0 : yyAsciiToDouble(text, at_end);
}

// The text a spin field shows for a value, in the field's display form.
std::string SpinText(const ControlRecord& field, double value) {
    std::string text(kPutTextArea, ' ');
    if (IsIntegerClass(field.control_class)) {
        IntegerToString(static_cast<int>(value), text, kIntegerFormat);
    } else if (IsRealClass(field.control_class)) {
        IRealToString(static_cast<float>(value), text, yyfieldgetformat(field));
    } else {
        IDoubleToString(value, text, yyfieldgetformat(field));
    }
    IJustifyString(text, "L");
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

}  // namespace

CharacterVerdict NumericCharacterVerdict(ControlClass control_class, int character) {
    bool real = IsRealClass(control_class) || IsDoubleClass(control_class);
    bool dbl = IsDoubleClass(control_class);
    if (IsDigit(character) || character == '-' || character == '+') {
        return Insert(character);
    }
    if (std::find(kEditingCharacters.begin(), kEditingCharacters.end(), character) !=
        kEditingCharacters.end()) {
        return Insert(character);
    }
    if (real && (character == '.' || character == 'E')) {
        return Insert(character);
    }
    if (real && character == 'e') {
        return Insert('E');
    }
    if (dbl && (character == 'D' || character == 'd')) {
        return Insert('D');
    }
    return {CharacterVerdict::Kind::Drop, character, Settings().bell_enabled != 0};
}

CharacterVerdict NumericCharacter(ControlRecord& field, int character) {
    if (character == kSelectAllCharacter) {
        ThePlatform().Controls().FocusControl(field.handle, SelectText::All);
        return {CharacterVerdict::Kind::Drop, character, false};
    }
    return NumericCharacterVerdict(field.control_class, character);
}

void NumericKey(ControlRecord& field, int virtual_key) {
    if (virtual_key == vk::kTab) {
        field.field.tab_flag = 1;
    }
}

void NumericFocusGained(ControlRecord& field) {
    DialogControls& platform = ThePlatform().Controls();
    std::string text = platform.ControlText(field.handle);
    if (text.size() > kValueTextArea) {
        text.resize(kValueTextArea);
    }
    if (platform.IsModified(field.handle)) {
        field.field.value = ScannedValue(text);
        // A field once given a value keeps it in the range check: a text the user has wiped
        // is still refused when the focus would leave.
        if (!text.empty()) {
            field.field.has_value = 1;
        }
    }
    ValidationState& validation = Validation();
    if (validation.save_on_next_focus) {
        validation.save_on_next_focus = false;
        validation.saved_text = text;
        validation.saved_value = field.field.value;
    }
    field.field.tab_flag = 0;
    platform.SetModified(field.handle, false);
}

void SpinStep(ControlRecord& field, int step) {
    DialogControls& platform = ThePlatform().Controls();
    FieldRecord& record = field.field;
    if (platform.IsModified(field.handle)) {
        record.value = ScannedValue(platform.ControlText(field.handle));
    }
    double value = record.value;
    if (step == -5 || step == 5) {
        value += step > 0 ? record.large_step : -record.large_step;
    } else if (step == -1 || step == 1) {
        value += step > 0 ? record.small_step : -record.small_step;
    }
    if (record.RangeInForce()) {
        value = std::clamp(value, record.minimum, record.maximum);
    }
    if (IsIntegerClass(field.control_class)) {
        // The arrows of an integer field write whole numbers within their own reach. Those of
        // the real and double classes do not step by themselves: the toolkit steps their
        // values, unbounded but for the field's range.
        constexpr double kReach = kIntegerSpinReach;
        value = std::trunc(std::clamp(value, -kReach, kReach));
    }
    platform.SetControlText(field.handle, SpinText(field, value));
    platform.SetModified(field.handle, false);
    record.value = value;
    record.has_value = 1;
}

}  // namespace windlass
