// What the window tests expect of the program's form, worked out from the widgets alone:
// the inputs the form holds (the texts of its number fields, its radio buttons and its city
// list, read straight from the Qt widgets), whether a number field's text is one the field
// lets go of, and what every output field must show after a recalculation pass. Nothing here
// asks the program's own recalculation pass or the toolkit's field procedures.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "bin_calc.h"
#include "climate_data.h"
#include "form_ids.h"
#include "form_inputs.h"

namespace heatwise::testing {

// A number field the user may type into, with the bounds its range holds it to and the input
// its number stands for. The real bounds are single-precision values widened exactly, as the
// field holds them: 0.05 lies just below the electric rate's smallest value, 0.35 just above
// its largest. A whole number is the field's number truncated.
struct InputField {
    int id;
    bool whole_number;
    double minimum;
    double maximum;
    void (*store)(FormInputs& inputs, double number);
};

inline std::int32_t Whole(double number) {
    return static_cast<std::int32_t>(std::trunc(number));
}

inline constexpr std::array<InputField, 15> kInputFields = {{
    {FLD_TSTAT_HOURS_1, true, 0, 8,
     [](FormInputs& in, double n) { in.thermostat_hours[0] = Whole(n); }},
    {FLD_TSTAT_SUMMER_1, true, 65, 94,
     [](FormInputs& in, double n) { in.summer_setpoint[0] = Whole(n); }},
    {FLD_TSTAT_WINTER_1, true, 40, 84,
     [](FormInputs& in, double n) { in.winter_setpoint[0] = Whole(n); }},
    {FLD_TSTAT_HOURS_2, true, 0, 8,
     [](FormInputs& in, double n) { in.thermostat_hours[1] = Whole(n); }},
    {FLD_TSTAT_SUMMER_2, true, 65, 94,
     [](FormInputs& in, double n) { in.summer_setpoint[1] = Whole(n); }},
    {FLD_TSTAT_WINTER_2, true, 40, 84,
     [](FormInputs& in, double n) { in.winter_setpoint[1] = Whole(n); }},
    {FLD_TSTAT_HOURS_3, true, 0, 8,
     [](FormInputs& in, double n) { in.thermostat_hours[2] = Whole(n); }},
    {FLD_TSTAT_SUMMER_3, true, 65, 94,
     [](FormInputs& in, double n) { in.summer_setpoint[2] = Whole(n); }},
    {FLD_TSTAT_WINTER_3, true, 40, 84,
     [](FormInputs& in, double n) { in.winter_setpoint[2] = Whole(n); }},
    {FLD_COOL_CAPACITY, true, 0, 240000,
     [](FormInputs& in, double n) { in.cool_capacity = Whole(n); }},
    {FLD_HEAT_CAPACITY, true, 0, 240000,
     [](FormInputs& in, double n) { in.heat_capacity = Whole(n); }},
    {FLD_HEAT_EFF, true, 50, 250, [](FormInputs& in, double n) { in.heat_efficiency = Whole(n); }},
    {FLD_ELECTRIC_RATE, false, static_cast<double>(0.05f), static_cast<double>(0.35f),
     [](FormInputs& in, double n) { in.electric_rate = static_cast<float>(n); }},
    {FLD_FUEL_PRICE, false, 0.0, 10.0,
     [](FormInputs& in, double n) { in.fuel_price = static_cast<float>(n); }},
    {FLD_COOL_EER, false, 4.0, 15.0,
     [](FormInputs& in, double n) { in.cool_eer = static_cast<float>(n); }},
}};

inline constexpr std::array<int, 2> kModeButtons = {FLD_MODE_COOLING, FLD_MODE_HEATING};
inline constexpr std::array<int, 4> kFuelButtons = {FLD_FUEL_ELECTRIC, FLD_FUEL_OIL,
                                                    FLD_FUEL_PROPANE, FLD_FUEL_GAS};

// The output fields: 63 bin hours, 21 percentages, the city's three values and the two costs.
inline std::vector<int> OutputIds() {
    std::vector<int> ids;
    for (int id = FLD_HOURS_1_8; id < FLD_PCT_CALCD + kBinCount; ++id) {
        ids.push_back(id);
    }
    for (int id : {FLD_DEGREE_DAYS, FLD_SUMMER_DESIGN, FLD_WINTER_DESIGN, FLD_COST_COOLING,
                   FLD_COST_HEATING}) {
        ids.push_back(id);
    }
    return ids;
}

// A field's text read the way a number field judges it when the focus would leave: blanks
// and tabs first, a sign, digits with at most one decimal point, then an exponent letter with
// its own sign and digits. The value is built digit by digit and scaled by tenths or tens,
// one step per decimal place. `whole` tells whether the scan reached the end of the text.
struct ScannedText {
    bool whole = false;
    double value = 0.0;
};

inline ScannedText ScanAsTheFieldDoes(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    double value = 0.0;
    int exponent = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        char c = text[at];
        if (c >= '0' && c <= '9') {
            value = value * 10.0 + (c - '0');
            exponent -= point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (at < text.size() &&
        (text[at] == 'e' || text[at] == 'E' || text[at] == 'd' || text[at] == 'D')) {
        ++at;
        bool exponent_negative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            exponent_negative = text[at] == '-';
            ++at;
        }
        int written = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
            // A written exponent beyond a few thousand makes the value 0 or infinite all the
            // same; holding it there keeps the scaling below short.
            written = std::min(written * 10 + (text[at] - '0'), 100000);
        }
        exponent += exponent_negative ? -written : written;
    }
    for (; exponent < 0; ++exponent) {
        value *= 0.1;
    }
    for (; exponent > 0 && std::isfinite(value); --exponent) {
        value *= 10.0;
    }
    return {at == text.size(), negative ? -value : value};
}

// Whether a number field may give up the focus with this text: an empty text never (every
// input field holds a value from the start), a text that is not wholly a number never, and a
// number only inside the field's range.
inline bool Acceptable(const InputField& field, const std::string& text) {
    if (text.empty()) {
        return false;
    }
    ScannedText scanned = ScanAsTheFieldDoes(text);
    return scanned.whole && scanned.value >= field.minimum && scanned.value <= field.maximum;
}

inline std::string TextOf(QWidget* widget) {
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit != nullptr ? edit->text().toStdString() : std::string();
}

// The position from 1 of the checked button of a group, -999 when none is checked.
template <std::size_t N>
int CheckedPosition(const std::array<int, N>& buttons, QWidget* (*field)(int)) {
    for (std::size_t at = 0; at < N; ++at) {
        auto* button = qobject_cast<QRadioButton*>(field(buttons[at]));
        if (button != nullptr && button->isChecked()) {
            return static_cast<int>(at) + 1;
        }
    }
    return -999;
}

// The number a pass takes from a field's text: the nearest to what the text writes. Only
// texts that the field accepts are read this way; every other one is a fault of its own.
inline double NumberIn(const std::string& text) {
    std::string mantissa;
    std::string exponent;
    std::size_t letter = text.find_first_of("eEdD");
    mantissa = text.substr(0, letter);
    exponent = letter == std::string::npos ? std::string() : text.substr(letter + 1);
    if (mantissa.find_first_of("0123456789") == std::string::npos) {
        return 0.0;  // a sign or a point alone writes nothing but zero
    }
    std::string written = mantissa + "e" + (exponent == "+" || exponent == "-" ? "" : exponent);
    if (written.back() == 'e') {
        written.pop_back();
    }
    return std::strtod(written.c_str(), nullptr);
}

// The inputs the form holds now, read from its widgets, or a description of the first input
// that no pass could take as a number.
struct ReadInputs {
    FormInputs inputs;
    std::string refused;
};

inline ReadInputs InputsOnTheForm(QWidget* (*field)(int)) {
    ReadInputs read;
    FormInputs& inputs = read.inputs;
    auto* list = qobject_cast<QComboBox*>(field(FLD_CITY));
    inputs.city = list != nullptr ? list->currentIndex() + 1 : 0;
    if (inputs.city < 1 || inputs.city > kCityCount) {
        read.refused = "the city list has no city selected";
    }
    inputs.mode = static_cast<CalcMode>(CheckedPosition(kModeButtons, field));
    inputs.fuel = static_cast<HeatingFuel>(CheckedPosition(kFuelButtons, field));
    for (const InputField& input : kInputFields) {
        std::string text = TextOf(field(input.id));
        if (!Acceptable(input, text)) {
            if (read.refused.empty()) {
                read.refused = "field " + std::to_string(input.id) + " holds \"" + text +
                               "\", which the field does not let go of";
            }
            continue;
        }
        input.store(inputs, NumberIn(text));
    }
    return read;
}

// Every output field whose shown number differs from the engine's result, one per line.
inline std::string OutputDifferences(const BinCalcResult& expected, QWidget* (*field)(int)) {
    std::ostringstream differences;
    auto compare = [&](int id, std::int32_t want, const char* what) {
        std::string shown = TextOf(field(id));
        if (shown != std::to_string(want)) {
            differences << "  " << what << " (field " << id << ") shows \"" << shown
                        << "\", the engine gives " << want << "\n";
        }
    };
    for (std::size_t k = 0; k < expected.scaled_hours.size(); ++k) {
        compare(FLD_HOURS_1_8 + static_cast<int>(k), expected.scaled_hours[k], "bin hours");
    }
    for (std::size_t bin = 0; bin < expected.percent_calcd.size(); ++bin) {
        compare(FLD_PCT_CALCD + static_cast<int>(bin), expected.percent_calcd[bin], "% calc'd");
    }
    compare(FLD_DEGREE_DAYS, expected.degree_days, "degree days");
    compare(FLD_SUMMER_DESIGN, expected.summer_design, "summer design temperature");
    compare(FLD_WINTER_DESIGN, expected.winter_design, "winter design temperature");
    compare(FLD_COST_COOLING, expected.cooling_cost, "cooling cost");
    compare(FLD_COST_HEATING, expected.heating_cost, "heating cost");
    return differences.str();
}

}  // namespace heatwise::testing
