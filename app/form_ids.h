// The identifiers of the main form, its menu and the menu's commands.
//
// One source for both the program and its resource script: resources/heatwise.rc includes
// this header, so it holds #define lines only, which every resource compiler reads. The
// program addresses the form's controls by these numbers alone.
//
// Sections:
//   Resources                  the form and the menu bar
//   Menu commands
//   Bin table                  the first field of each column of 21 bins
//   City and climate           the city list and the city's design values
//   Mode, fuel and costs       the two radio groups, the fuel price and the yearly costs
//   Equipment                  ratings and efficiencies
//   Thermostat                 hours and setpoints of the three shifts of the day
#pragma once

// ---- Resources -------------------------------------------------------------------------------

// The form that fills the main window; its companion text resource has the same number.
#define DLG_MAIN 102
// The menu bar; its companion data resource has the same number.
#define MENU_MAIN 30001

// ---- Menu commands ---------------------------------------------------------------------------

#define CMD_HELP 40002
#define CMD_EXIT 40004

// ---- Bin table -------------------------------------------------------------------------------

// Each column holds 21 fields, bin 1 (100/104 F) at the top: the field of bin b is the
// column's first field + b - 1. The three hour columns follow each other, so value k of a
// city's 63 bin hours (k = 21 x (shift - 1) + bin) belongs to field FLD_HOURS_1_8 + k - 1.
#define FLD_HOURS_1_8 1028
#define FLD_HOURS_9_16 1049
#define FLD_HOURS_17_24 1070
// The share of the season's degree-hours that each bin contributes, in percent.
#define FLD_PCT_CALCD 1091

// ---- City and climate ------------------------------------------------------------------------

#define FLD_CITY 1112
#define FLD_DEGREE_DAYS 1135
#define FLD_SUMMER_DESIGN 1138
#define FLD_WINTER_DESIGN 1139

// ---- Mode, fuel and costs --------------------------------------------------------------------

// Rates and prices in dollars: per kWh for electricity, per unit of the other fuels.
#define FLD_ELECTRIC_RATE 1137
#define FLD_FUEL_PRICE 1149

// The fuel group: Electricity, Fuel Oil, Propane, Natural Gas, read as 1 to 4 from its first
// button.
#define FLD_FUEL_ELECTRIC 1144
#define FLD_FUEL_OIL 1145
#define FLD_FUEL_PROPANE 1146
#define FLD_FUEL_GAS 1147

// The mode group: Cooling, Heating, read as 1 or 2 from its first button.
#define FLD_MODE_COOLING 1118
#define FLD_MODE_HEATING 1119

// Yearly costs in whole dollars.
#define FLD_COST_COOLING 1152
#define FLD_COST_HEATING 1153

// ---- Equipment -------------------------------------------------------------------------------

// Ratings in BTU per hour; the heating efficiency in percent.
#define FLD_COOL_CAPACITY 1157
#define FLD_HEAT_CAPACITY 1158
#define FLD_COOL_EER 1161
#define FLD_HEAT_EFF 1162

// ---- Thermostat ------------------------------------------------------------------------------

// Per shift of the day (1 = hours 1-8, 2 = 9-16, 3 = 17-24): the hours the schedule holds the
// setpoints, and the summer and winter setpoints in degrees Fahrenheit.
#define FLD_TSTAT_HOURS_1 1123
#define FLD_TSTAT_SUMMER_1 1124
#define FLD_TSTAT_WINTER_1 1125
#define FLD_TSTAT_HOURS_2 1126
#define FLD_TSTAT_SUMMER_2 1127
#define FLD_TSTAT_WINTER_2 1128
#define FLD_TSTAT_HOURS_3 1129
#define FLD_TSTAT_SUMMER_3 1130
#define FLD_TSTAT_WINTER_3 1131
