// The names and descriptions the program's form gives its fields for screen readers, shared by
// the test of the naming rule and the test of the names on the real Qt widgets.
#pragma once

#include "app/form_ids.h"

namespace windlass::testing {

struct ExpectedName {
    int id;
    const char* name;
    const char* description;
};

// What a screen reader announces for every input of the form and for outputs of each kind:
// the name and the description (the title of the group box the field lies in).
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
    {1028, "1 - 8, 100/104", ""},
    {1029, "1 - 8, 95/99", ""},
    {1048, "1 - 8, 0/4", ""},
    {1049, "9 - 16, 100/104", ""},
    {1069, "9 - 16, 0/4", ""},
    {1070, "17 - 24, 100/104", ""},
    {1090, "17 - 24, 0/4", ""},
    {1091, "% calc'd, 100/104", ""},
    {1101, "% calc'd, 50/54", ""},
    {1111, "% calc'd, 0/4", ""},
};

// The inputs of the form, in template order: every radio button counted.
inline const int kMainFormInputs[] = {
    FLD_CITY,           FLD_TSTAT_HOURS_1,  FLD_TSTAT_SUMMER_1, FLD_TSTAT_WINTER_1,
    FLD_TSTAT_HOURS_2,  FLD_TSTAT_SUMMER_2, FLD_TSTAT_WINTER_2, FLD_TSTAT_HOURS_3,
    FLD_TSTAT_SUMMER_3, FLD_TSTAT_WINTER_3, FLD_MODE_COOLING,   FLD_MODE_HEATING,
    FLD_ELECTRIC_RATE,  FLD_FUEL_ELECTRIC,  FLD_FUEL_OIL,       FLD_FUEL_PROPANE,
    FLD_FUEL_GAS,       FLD_FUEL_PRICE,     FLD_COOL_CAPACITY,  FLD_HEAT_CAPACITY,
    FLD_COOL_EER,       FLD_HEAT_EFF};

}  // namespace windlass::testing
