// The main form's controls, transcribed from the form's tables: the bin table on the left
// (column headings, bin labels, four columns of 21 fields), then the controls of the right side.
// The rows follow the template order, not the order of the tables.
//
// Sections, in template order:
//   Bin table          labels, headings, hours 1-8, 9-16, 17-24, "% calc'd"
//   City list
//   Thermostat         headings, shift labels, the nine fields, the frame
//   Mode group
//   City climate       degree days, electric rate, design temperatures and their labels
//   Heating fuel       the frame, the four fuel buttons, the price
//   Costs
//   Equipment          ratings and efficiencies
//   Mode heading       "CALCULATE", last of all

#include "main_form_controls.h"

#include <iterator>
#include <string>
#include <vector>

namespace heatwise {

namespace {

using enum ControlKind;

// The bin table, which the form's tables give by rule: row r is bin r, (105 - 5r)/(109 - 5r) °F,
// at y = 20 + 12r, and the fields of the 9-16 column sit one unit lower than the others. The
// template holds the heading and the 21 labels, the four column headings, 9-16 first, then the
// four columns one after the other.
void AddBinTable(std::vector<ExpectedControl>& rows) {
    rows.push_back({1002, "STATIC", kLabel, "Temperature", 6, 12, 44, 8, "D"});
    for (int r = 1; r <= 21; ++r) {
        std::string bin = std::to_string(105 - 5 * r) + "/" + std::to_string(109 - 5 * r);
        rows.push_back({1002 + r, "STATIC", kLabel, bin, 13, 20 + 12 * r, 30, 8, "D"});
    }
    rows.push_back({1024, "STATIC", kLabel, "9 - 16", 115, 13, 24, 8, "D"});
    rows.push_back({1025, "STATIC", kLabel, "1 - 8", 67, 12, 20, 8, "D"});
    rows.push_back({1026, "STATIC", kLabel, "17 - 24", 165, 12, 26, 8, "D"});
    rows.push_back({1027, "STATIC", kLabel, "% calc'd", 212, 12, 32, 8, "D"});
    const int column_x[] = {61, 111, 161, 212};
    const int column_drop[] = {0, 1, 0, 0};
    for (int column = 0; column < 4; ++column) {
        for (int r = 1; r <= 21; ++r) {
            rows.push_back({1027 + 21 * column + r, "INTEGEREDIT", kNumeric, "0", column_x[column],
                            20 + 12 * r + column_drop[column], 30, 8, "D"});
        }
    }
}

// The controls of the right side, as the form's tables lay them down.
const ExpectedControl kRightSide[] = {
    // The city list; its height is that of the opened list.
    {1112, "COMBOBOX", kDropDownList, "", 260, 12, 96, 220, ""},

    // Thermostat settings.
    {1001, "STATIC", kLabel, "TIME", 307, 206, 24, 8, "G"},
    {1113, "STATIC", kLabel, "HOURS", 345, 206, 32, 8, ""},
    {1115, "STATIC", kLabel, "Summer", 387, 206, 28, 8, ""},
    {1116, "STATIC", kLabel, "Winter", 427, 206, 24, 8, ""},
    {1120, "STATIC", kLabel, "1 - 8", 307, 226, 22, 8, ""},
    {1121, "STATIC", kLabel, "9 - 16", 307, 242, 26, 8, ""},
    {1122, "STATIC", kLabel, "17 - 24", 307, 258, 28, 8, ""},
    {1123, "INTEGEREDIT", kNumeric, "8", 347, 226, 20, 8, ""},
    {1124, "INTEGEREDIT", kNumeric, "85", 387, 226, 20, 8, ""},
    {1125, "INTEGEREDIT", kNumeric, "65", 427, 226, 20, 8, ""},
    {1126, "INTEGEREDIT", kNumeric, "8", 347, 242, 20, 8, ""},
    {1127, "INTEGEREDIT", kNumeric, "85", 387, 242, 20, 8, ""},
    {1128, "INTEGEREDIT", kNumeric, "60", 427, 242, 20, 8, ""},
    {1129, "INTEGEREDIT", kNumeric, "8", 347, 258, 20, 8, ""},
    {1130, "INTEGEREDIT", kNumeric, "78", 387, 258, 20, 8, ""},
    {1131, "INTEGEREDIT", kNumeric, "75", 427, 258, 20, 8, ""},
    {1114, "BUTTON", kGroupBox, "Thermostat Settings", 291, 190, 170, 88, "D"},

    // The mode group.
    {1118, "BUTTON", kRadio, "Cooling", 282, 106, 40, 8, "G"},
    {1119, "BUTTON", kRadio, "Heating", 282, 119, 40, 8, ""},

    // City climate and electric rate.
    {1134, "STATIC", kLabel, "City", 366, 16, 16, 8, "G"},
    {1135, "INTEGEREDIT", kNumeric, "1700", 260, 32, 40, 8, "D"},
    {1136, "STATIC", kLabel, "Heating Degree Days", 311, 32, 74, 8, "G"},
    {1137, "REALEDIT", kNumeric, "0.80000E-01", 260, 44, 40, 8, "T"},
    {1138, "INTEGEREDIT", kNumeric, "97", 260, 56, 40, 8, "D"},
    {1139, "INTEGEREDIT", kNumeric, "28", 260, 68, 40, 8, "D"},
    {1140, "STATIC", kLabel, "Electric Rate, $/kwh", 311, 44, 72, 8, "G"},
    {1141, "STATIC", kLabel, "Summer Design Temp.", 311, 56, 76, 8, ""},
    {1142, "STATIC", kLabel, "Winter Design Temp.", 311, 68, 74, 8, ""},

    // Heating fuel.
    {1143, "BUTTON", kGroupBox, "Heating Fuel", 398, 48, 104, 91, "D"},
    {1144, "BUTTON", kRadio, "Electricity", 410, 65, 45, 8, "G"},
    {1145, "BUTTON", kRadio, "Fuel Oil, $/gal", 410, 97, 60, 8, "T"},
    {1146, "BUTTON", kRadio, "Propane, $/gal", 410, 109, 61, 8, ""},
    {1147, "BUTTON", kRadio, "Natural Gas, $/cu.ft.", 410, 121, 70, 8, ""},
    {1148, "STATIC", kLabel, "OR", 410, 81, 15, 8, "G"},
    {1149, "REALEDIT", kNumeric, "4.0000", 434, 80, 30, 8, ""},
    {1150, "STATIC", kLabel, "$/unit", 470, 80, 20, 8, ""},

    // Costs.
    {1151, "STATIC", kLabel, "Cost/Yr.", 332, 94, 28, 8, "G"},
    {1152, "INTEGEREDIT", kNumeric, "0", 332, 106, 30, 8, "D"},
    {1153, "INTEGEREDIT", kNumeric, "0", 332, 118, 30, 8, "D"},

    // Equipment.
    {1154, "BUTTON", kGroupBox, "Equipment Peak Loads and Efficiency", 267, 142, 226, 40, "D"},
    {1155, "STATIC", kLabel, "Cooling", 282, 156, 28, 8, ""},
    {1156, "STATIC", kLabel, "Heating", 282, 168, 28, 8, ""},
    {1157, "INTEGEREDIT", kNumeric, "20000", 322, 156, 40, 8, ""},
    {1158, "INTEGEREDIT", kNumeric, "20000", 322, 168, 40, 8, ""},
    {1159, "STATIC", kLabel, "BTUh rating", 368, 156, 40, 8, "G"},
    {1160, "STATIC", kLabel, "BTUh rating", 368, 168, 40, 8, ""},
    {1161, "REALEDIT", kNumeric, "6.5000", 422, 156, 30, 8, ""},
    {1162, "INTEGEREDIT", kNumeric, "85", 422, 168, 30, 8, ""},
    {1163, "STATIC", kLabel, "EER", 458, 157, 16, 8, "G"},
    {1164, "STATIC", kLabel, "COP", 458, 169, 18, 8, ""},

    // The heading of the mode buttons, last in the template.
    {1117, "STATIC", kLabel, "CALCULATE", 279, 93, 44, 8, "G"},
};

}  // namespace

std::span<const ExpectedControl> ExpectedMainFormControls() {
    static const std::vector<ExpectedControl> rows = [] {
        std::vector<ExpectedControl> all;
        AddBinTable(all);
        all.insert(all.end(), std::begin(kRightSide), std::end(kRightSide));
        return all;
    }();
    return rows;
}

}  // namespace heatwise
