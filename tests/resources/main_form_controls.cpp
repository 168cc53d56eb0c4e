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

namespace heatwise {

namespace {

using enum ControlKind;

constexpr ExpectedControl kControls[] = {
    // Bin table: the heading of the bin column and the 21 bin labels.
    {1002, "STATIC", kLabel, "Temperature", 6, 12, 44, 8, "D"},
    {1003, "STATIC", kLabel, "100/104", 13, 32, 30, 8, "D"},
    {1004, "STATIC", kLabel, "95/99", 13, 44, 30, 8, "D"},
    {1005, "STATIC", kLabel, "90/94", 13, 56, 30, 8, "D"},
    {1006, "STATIC", kLabel, "85/89", 13, 68, 30, 8, "D"},
    {1007, "STATIC", kLabel, "80/84", 13, 80, 30, 8, "D"},
    {1008, "STATIC", kLabel, "75/79", 13, 92, 30, 8, "D"},
    {1009, "STATIC", kLabel, "70/74", 13, 104, 30, 8, "D"},
    {1010, "STATIC", kLabel, "65/69", 13, 116, 30, 8, "D"},
    {1011, "STATIC", kLabel, "60/64", 13, 128, 30, 8, "D"},
    {1012, "STATIC", kLabel, "55/59", 13, 140, 30, 8, "D"},
    {1013, "STATIC", kLabel, "50/54", 13, 152, 30, 8, "D"},
    {1014, "STATIC", kLabel, "45/49", 13, 164, 30, 8, "D"},
    {1015, "STATIC", kLabel, "40/44", 13, 176, 30, 8, "D"},
    {1016, "STATIC", kLabel, "35/39", 13, 188, 30, 8, "D"},
    {1017, "STATIC", kLabel, "30/34", 13, 200, 30, 8, "D"},
    {1018, "STATIC", kLabel, "25/29", 13, 212, 30, 8, "D"},
    {1019, "STATIC", kLabel, "20/24", 13, 224, 30, 8, "D"},
    {1020, "STATIC", kLabel, "15/19", 13, 236, 30, 8, "D"},
    {1021, "STATIC", kLabel, "10/14", 13, 248, 30, 8, "D"},
    {1022, "STATIC", kLabel, "5/9", 13, 260, 30, 8, "D"},
    {1023, "STATIC", kLabel, "0/4", 13, 272, 30, 8, "D"},

    // Bin table: the column headings, 9-16 first.
    {1024, "STATIC", kLabel, "9 - 16", 115, 13, 24, 8, "D"},
    {1025, "STATIC", kLabel, "1 - 8", 67, 12, 20, 8, "D"},
    {1026, "STATIC", kLabel, "17 - 24", 165, 12, 26, 8, "D"},
    {1027, "STATIC", kLabel, "% calc'd", 212, 12, 32, 8, "D"},

    // Hours 1-8, bins 1 to 21.
    {1028, "INTEGEREDIT", kNumeric, "0", 61, 32, 30, 8, "D"},
    {1029, "INTEGEREDIT", kNumeric, "0", 61, 44, 30, 8, "D"},
    {1030, "INTEGEREDIT", kNumeric, "0", 61, 56, 30, 8, "D"},
    {1031, "INTEGEREDIT", kNumeric, "0", 61, 68, 30, 8, "D"},
    {1032, "INTEGEREDIT", kNumeric, "0", 61, 80, 30, 8, "D"},
    {1033, "INTEGEREDIT", kNumeric, "0", 61, 92, 30, 8, "D"},
    {1034, "INTEGEREDIT", kNumeric, "0", 61, 104, 30, 8, "D"},
    {1035, "INTEGEREDIT", kNumeric, "0", 61, 116, 30, 8, "D"},
    {1036, "INTEGEREDIT", kNumeric, "0", 61, 128, 30, 8, "D"},
    {1037, "INTEGEREDIT", kNumeric, "0", 61, 140, 30, 8, "D"},
    {1038, "INTEGEREDIT", kNumeric, "0", 61, 152, 30, 8, "D"},
    {1039, "INTEGEREDIT", kNumeric, "0", 61, 164, 30, 8, "D"},
    {1040, "INTEGEREDIT", kNumeric, "0", 61, 176, 30, 8, "D"},
    {1041, "INTEGEREDIT", kNumeric, "0", 61, 188, 30, 8, "D"},
    {1042, "INTEGEREDIT", kNumeric, "0", 61, 200, 30, 8, "D"},
    {1043, "INTEGEREDIT", kNumeric, "0", 61, 212, 30, 8, "D"},
    {1044, "INTEGEREDIT", kNumeric, "0", 61, 224, 30, 8, "D"},
    {1045, "INTEGEREDIT", kNumeric, "0", 61, 236, 30, 8, "D"},
    {1046, "INTEGEREDIT", kNumeric, "0", 61, 248, 30, 8, "D"},
    {1047, "INTEGEREDIT", kNumeric, "0", 61, 260, 30, 8, "D"},
    {1048, "INTEGEREDIT", kNumeric, "0", 61, 272, 30, 8, "D"},

    // Hours 9-16, one unit lower than the other columns.
    {1049, "INTEGEREDIT", kNumeric, "0", 111, 33, 30, 8, "D"},
    {1050, "INTEGEREDIT", kNumeric, "0", 111, 45, 30, 8, "D"},
    {1051, "INTEGEREDIT", kNumeric, "0", 111, 57, 30, 8, "D"},
    {1052, "INTEGEREDIT", kNumeric, "0", 111, 69, 30, 8, "D"},
    {1053, "INTEGEREDIT", kNumeric, "0", 111, 81, 30, 8, "D"},
    {1054, "INTEGEREDIT", kNumeric, "0", 111, 93, 30, 8, "D"},
    {1055, "INTEGEREDIT", kNumeric, "0", 111, 105, 30, 8, "D"},
    {1056, "INTEGEREDIT", kNumeric, "0", 111, 117, 30, 8, "D"},
    {1057, "INTEGEREDIT", kNumeric, "0", 111, 129, 30, 8, "D"},
    {1058, "INTEGEREDIT", kNumeric, "0", 111, 141, 30, 8, "D"},
    {1059, "INTEGEREDIT", kNumeric, "0", 111, 153, 30, 8, "D"},
    {1060, "INTEGEREDIT", kNumeric, "0", 111, 165, 30, 8, "D"},
    {1061, "INTEGEREDIT", kNumeric, "0", 111, 177, 30, 8, "D"},
    {1062, "INTEGEREDIT", kNumeric, "0", 111, 189, 30, 8, "D"},
    {1063, "INTEGEREDIT", kNumeric, "0", 111, 201, 30, 8, "D"},
    {1064, "INTEGEREDIT", kNumeric, "0", 111, 213, 30, 8, "D"},
    {1065, "INTEGEREDIT", kNumeric, "0", 111, 225, 30, 8, "D"},
    {1066, "INTEGEREDIT", kNumeric, "0", 111, 237, 30, 8, "D"},
    {1067, "INTEGEREDIT", kNumeric, "0", 111, 249, 30, 8, "D"},
    {1068, "INTEGEREDIT", kNumeric, "0", 111, 261, 30, 8, "D"},
    {1069, "INTEGEREDIT", kNumeric, "0", 111, 273, 30, 8, "D"},

    // Hours 17-24.
    {1070, "INTEGEREDIT", kNumeric, "0", 161, 32, 30, 8, "D"},
    {1071, "INTEGEREDIT", kNumeric, "0", 161, 44, 30, 8, "D"},
    {1072, "INTEGEREDIT", kNumeric, "0", 161, 56, 30, 8, "D"},
    {1073, "INTEGEREDIT", kNumeric, "0", 161, 68, 30, 8, "D"},
    {1074, "INTEGEREDIT", kNumeric, "0", 161, 80, 30, 8, "D"},
    {1075, "INTEGEREDIT", kNumeric, "0", 161, 92, 30, 8, "D"},
    {1076, "INTEGEREDIT", kNumeric, "0", 161, 104, 30, 8, "D"},
    {1077, "INTEGEREDIT", kNumeric, "0", 161, 116, 30, 8, "D"},
    {1078, "INTEGEREDIT", kNumeric, "0", 161, 128, 30, 8, "D"},
    {1079, "INTEGEREDIT", kNumeric, "0", 161, 140, 30, 8, "D"},
    {1080, "INTEGEREDIT", kNumeric, "0", 161, 152, 30, 8, "D"},
    {1081, "INTEGEREDIT", kNumeric, "0", 161, 164, 30, 8, "D"},
    {1082, "INTEGEREDIT", kNumeric, "0", 161, 176, 30, 8, "D"},
    {1083, "INTEGEREDIT", kNumeric, "0", 161, 188, 30, 8, "D"},
    {1084, "INTEGEREDIT", kNumeric, "0", 161, 200, 30, 8, "D"},
    {1085, "INTEGEREDIT", kNumeric, "0", 161, 212, 30, 8, "D"},
    {1086, "INTEGEREDIT", kNumeric, "0", 161, 224, 30, 8, "D"},
    {1087, "INTEGEREDIT", kNumeric, "0", 161, 236, 30, 8, "D"},
    {1088, "INTEGEREDIT", kNumeric, "0", 161, 248, 30, 8, "D"},
    {1089, "INTEGEREDIT", kNumeric, "0", 161, 260, 30, 8, "D"},
    {1090, "INTEGEREDIT", kNumeric, "0", 161, 272, 30, 8, "D"},

    // "% calc'd".
    {1091, "INTEGEREDIT", kNumeric, "0", 212, 32, 30, 8, "D"},
    {1092, "INTEGEREDIT", kNumeric, "0", 212, 44, 30, 8, "D"},
    {1093, "INTEGEREDIT", kNumeric, "0", 212, 56, 30, 8, "D"},
    {1094, "INTEGEREDIT", kNumeric, "0", 212, 68, 30, 8, "D"},
    {1095, "INTEGEREDIT", kNumeric, "0", 212, 80, 30, 8, "D"},
    {1096, "INTEGEREDIT", kNumeric, "0", 212, 92, 30, 8, "D"},
    {1097, "INTEGEREDIT", kNumeric, "0", 212, 104, 30, 8, "D"},
    {1098, "INTEGEREDIT", kNumeric, "0", 212, 116, 30, 8, "D"},
    {1099, "INTEGEREDIT", kNumeric, "0", 212, 128, 30, 8, "D"},
    {1100, "INTEGEREDIT", kNumeric, "0", 212, 140, 30, 8, "D"},
    {1101, "INTEGEREDIT", kNumeric, "0", 212, 152, 30, 8, "D"},
    {1102, "INTEGEREDIT", kNumeric, "0", 212, 164, 30, 8, "D"},
    {1103, "INTEGEREDIT", kNumeric, "0", 212, 176, 30, 8, "D"},
    {1104, "INTEGEREDIT", kNumeric, "0", 212, 188, 30, 8, "D"},
    {1105, "INTEGEREDIT", kNumeric, "0", 212, 200, 30, 8, "D"},
    {1106, "INTEGEREDIT", kNumeric, "0", 212, 212, 30, 8, "D"},
    {1107, "INTEGEREDIT", kNumeric, "0", 212, 224, 30, 8, "D"},
    {1108, "INTEGEREDIT", kNumeric, "0", 212, 236, 30, 8, "D"},
    {1109, "INTEGEREDIT", kNumeric, "0", 212, 248, 30, 8, "D"},
    {1110, "INTEGEREDIT", kNumeric, "0", 212, 260, 30, 8, "D"},
    {1111, "INTEGEREDIT", kNumeric, "0", 212, 272, 30, 8, "D"},

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
    return kControls;
}

}  // namespace heatwise
