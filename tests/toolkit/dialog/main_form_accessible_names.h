// The names and descriptions the program's form gives its fields for screen readers, shared by
// the test of the naming rule and the test of the names on the real Qt widgets.
#pragma once

namespace windlass::testing {

struct ExpectedName {
    int id;
    const char* name;
    const char* description;
};

// What a screen reader announces for every input of the form and for outputs of each kind:
// the name and the description (the title of the group box the field lies in). The fields of
// the bin table are named by rule (FormNames.EveryBinFieldIsNamedByItsColumnAndItsBin).
inline const ExpectedName kMainFormNames[] = {
    {1112, "City", ""},
    {1135, "Heating Degree Days", ""},
    {1137, "Electric Rate, $/kwh", ""},
    {1138, "Summer Design Temp.", ""},
    {1139, "Winter Design Temp.", ""},
    {1118, "Cooling", ""},
    {1119, "Heating", ""},
    {1144, "Electricity", "Heating Fuel"},
    {1145, "Fuel Oil, $/gal", "Heating Fuel"},
    {1146, "Propane, $/gal", "Heating Fuel"},
    {1147, "Natural Gas, $/cu.ft.", "Heating Fuel"},
    {1149, "OR, $/unit", "Heating Fuel"},
    {1152, "Cost/Yr., Cooling", ""},
    {1153, "Cost/Yr., Heating", ""},
    {1157, "Cooling, BTUh rating", "Equipment Peak Loads and Efficiency"},
    {1158, "Heating, BTUh rating", "Equipment Peak Loads and Efficiency"},
    {1161, "Cooling, EER", "Equipment Peak Loads and Efficiency"},
    {1162, "Heating, COP", "Equipment Peak Loads and Efficiency"},
    {1123, "HOURS, 1 - 8", "Thermostat Settings"},
    {1124, "Summer, 1 - 8", "Thermostat Settings"},
    {1125, "Winter, 1 - 8", "Thermostat Settings"},
    {1126, "HOURS, 9 - 16", "Thermostat Settings"},
    {1127, "Summer, 9 - 16", "Thermostat Settings"},
    {1128, "Winter, 9 - 16", "Thermostat Settings"},
    {1129, "HOURS, 17 - 24", "Thermostat Settings"},
    {1130, "Summer, 17 - 24", "Thermostat Settings"},
    {1131, "Winter, 17 - 24", "Thermostat Settings"},
};

}  // namespace windlass::testing
