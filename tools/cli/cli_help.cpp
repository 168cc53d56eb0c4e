#include "cli_help.h"

#include <string_view>

#include "cli_options.h"
#include "engine/heat_pump_cycling.h"
#include "engine/heat_pump_inputs.h"
#include "engine/input_defaults.h"
#include "heat_pump_text.h"
#include "inputs_text.h"
#include "sweep_range.h"
#include "value_parsing.h"

namespace heatwise::cli {

namespace {

// One option of the form's inputs: its help line, then its accepted values and default.
std::string InputOption(std::string_view usage, std::string_view meaning, std::string_view range,
                        std::string_view default_value) {
    std::string line = "  " + std::string(usage);
    line.resize(23, ' ');
    return line + std::string(meaning) + "\n                       " + std::string(range) +
           " (default " + std::string(default_value) + ")\n";
}

std::string InputOptionsHelp() {
    return InputOption("--hours H1,H2,H3", "thermostat hours of the shifts 1-8, 9-16, 17-24",
                       "each " + DescribeRange(kThermostatHoursRange),
                       ShiftText(kDefaultThermostatHours, ",")) +
           InputOption("--summer S1,S2,S3", "summer setpoints of the shifts, F",
                       "each " + DescribeRange(kSummerSetpointRange),
                       ShiftText(kDefaultSummerSetpoints, ",")) +
           InputOption("--winter W1,W2,W3", "winter setpoints of the shifts, F",
                       "each " + DescribeRange(kWinterSetpointRange),
                       ShiftText(kDefaultWinterSetpoints, ",")) +
           InputOption("--cool-capacity N", "cooling equipment rating, BTUh",
                       DescribeRange(kCapacityRange), std::to_string(kDefaultCoolCapacity)) +
           InputOption("--heat-capacity N", "heating equipment rating, BTUh",
                       DescribeRange(kCapacityRange), std::to_string(kDefaultHeatCapacity)) +
           InputOption("--heat-eff N", "heating efficiency, percent (the form's COP)",
                       DescribeRange(kHeatEfficiencyRange),
                       std::to_string(kDefaultHeatEfficiency)) +
           InputOption("--rate R", "electric rate, $/kWh",
                       DescribeRange(kElectricRateRange, RangeDetail::kWords),
                       RealText(kDefaultElectricRate)) +
           InputOption("--fuel-price P", "price of oil or propane per gallon, of gas per cu.ft.",
                       DescribeRange(kFuelPriceRange, RangeDetail::kWords),
                       RealText(kDefaultFuelPrice)) +
           InputOption("--eer E", "cooling efficiency, EER",
                       DescribeRange(kCoolEerRange, RangeDetail::kWords),
                       RealText(kDefaultCoolEer)) +
           "  --data-dir DIR       folder of bindata2.dat, cities.dat and stations.csv\n"
           "                       (default: the folder " +
           std::string(kDataFolderVariable) +
           " names, else the\n"
           "                       working folder); a climate file missing there is reported\n"
           "                       and nothing is created\n"
           "  --json               print JSON instead of a table\n"
           "  --csv                print a CSV header line and data instead of a table\n"
           "  --help               print this help\n\n"
           "Real values are compared with the form's single-precision limits, so a rate of 0.05\n"
           "is refused exactly as the form refuses it, while 0.06 is accepted. A value follows\n"
           "its option or is attached to it with an equals sign (--rate=0.10); a value that\n"
           "begins with a dash is taken for a forgotten value and refused, unless it is a\n"
           "number (a file whose name begins with a dash is named ./-name). A picture\n"
           "replaces only a plain file, keeping its permissions, and is written through a\n"
           "symbolic link to its target; a folder, device, FIFO, socket or read-only file is\n"
           "refused.\n";
}

// The unit's ratings and controls, which heat-pump, rating, compare --heat-pump and
// sweep --heat-pump take.
std::string UnitOptionsHelp() {
    const std::string capacity = DescribeRange(kHeatPumpRanges.capacity, RangeDetail::kWords);
    const std::string cop = DescribeRange(kHeatPumpRanges.cop, RangeDetail::kWords);
    return "  --capacity47 Q --cop47 C  the unit's rated capacity, BTUh, and COP at 47 F\n"
           "  --capacity17 Q --cop17 C  the same at 17 F; these four are required\n"
           "  --capacity35 Q --cop35 C  the frosting point at 35 F, both or neither (default:\n"
           "                       90 % of the capacity and 98.5 % of the power found 60 % of\n"
           "                       the way from 17 to 47 F)\n"
           "  --capacity5 Q --cop5 C    the cold-climate point at 5 F, both or neither; below\n"
           "                       17 F the curve then runs through it (default: none)\n"
           "                       every capacity " +
           capacity + ", every COP " + cop + "\n" +
           InputOption("--cd CD", "cycling degradation coefficient",
                       DescribeRange(kHeatPumpRanges.cycling_degradation, RangeDetail::kWords),
                       ShortText(kDefaultCyclingDegradation)) +
           "  --cutout T_OFF,T_ON  the compressor stops at T_OFF F and is back on above T_ON F,\n"
           "                       running half of the time between; T_OFF at most T_ON, each\n"
           "                       " +
           DescribeRange(kHeatPumpRanges.cutout_temperature, RangeDetail::kWords) +
           " (default: no cut-out)\n";
}

std::string BackupOptionsHelp() {
    return "  --backup electric|fuel  backup heat: electric resistance at the electric rate, or\n"
           "                       the furnace of --fuel at --heat-eff and --fuel-price\n"
           "                       (default electric)\n"
           "  --switchover T|auto  only with --backup fuel: the furnace carries every bin whose\n"
           "                       midpoint is T F or colder, T " +
           DescribeRange(kHeatPumpRanges.switchover_temperature, RangeDetail::kWords) +
           ", or with auto\n"
           "                       every bin where the heat pump's heat costs no less than the\n"
           "                       furnace's (default: the heat pump runs in every bin)\n"
           "  --fuel electricity|oil|propane|gas  the furnace's fuel (default " +
           std::string(FuelKey(kDefaultFuel)) + ")\n";
}

}  // namespace

std::string GeneralHelp() {
    return R"(Usage: heatwise-cli COMMAND [OPTIONS]

Estimates the yearly cost of cooling and heating a building by the temperature bin method.

Commands:
  estimate   one city's scaled bin hours, "% calc'd" column and yearly costs
  compare    the yearly costs of all 211 cities side by side
  sweep      one city's yearly costs while one input steps through a range
  heat-pump  one city's heating by a heat pump, bin by bin, against the furnace
  rating     a heat pump's HSPF by the rating procedure's bins for a climate region
  bins FILE  the bin hours, the hours below 0 F and the design values of a TMY3 or EPW
             weather file, as records of bindata2.dat, coldbins.dat and cities.dat

Run heatwise-cli COMMAND --help for the options of a command.
Exit status: 0 done, 1 a data, weather or picture file cannot be read or written, or the
output cannot be written, 2 a bad command line.
)";
}

std::string EstimateHelp() {
    return "Usage: heatwise-cli estimate [OPTIONS]\n\n"
           "Works out one city's scaled bin hours, \"% calc'd\" column, design data and yearly\n"
           "cooling and heating cost, as the form shows them in the chosen mode, where the\n"
           "other season costs 0; then the other season's cost worked out in its own mode.\n"
           "Every option defaults to the form's default.\n\n"
           "  --city N|TEXT        city number 1 to 211, or its list text ignoring case, whole\n"
           "                       or before its comma (\"austin\" finds \"austin, TX\"); a text\n"
           "                       shared by several cities is refused (default " +
           std::to_string(kDefaultCity) +
           ")\n"
           "  --mode cooling|heating  the season of the \"% calc'd\" column and of the form's\n"
           "                       costs (default " +
           std::string(ModeKey(kDefaultMode)) +
           ")\n"
           "  --fuel electricity|oil|propane|gas|all  heating fuel; all prints the heating cost\n"
           "                       of each fuel side by side, in mode Heating, and then JSON\n"
           "                       adds heating_cost_by_fuel (default " +
           std::string(FuelKey(kDefaultFuel)) +
           ")\n"
           "  --svg FILE           also draw the year as an SVG picture: each bin's scaled hours\n"
           "                       shift by shift, the \"% calc'd\" column, the design\n"
           "                       temperatures, and both seasons' costs, each in its own mode,\n"
           "                       in the title\n" +
           InputOptionsHelp();
}

std::string CompareHelp() {
    return "Usage: heatwise-cli compare [OPTIONS]\n\n"
           "Works out the yearly costs of all 211 cities from the same inputs, one row per city\n"
           "with its design data. Each season is reported in its own mode: the cooling cost is\n"
           "worked out in mode Cooling and the heating cost in mode Heating, so both are shown\n"
           "(on the form, the mode not chosen always costs 0). --city and --mode do not apply.\n"
           "The table names the inputs above its rows, the CSV in columns after the costs.\n\n"
           "  --fuel electricity|oil|propane|gas  heating fuel (default " +
           std::string(FuelKey(kDefaultFuel)) +
           ")\n"
           "  --sort list|cooling|heating|name  list order (default), costliest cooling or\n"
           "                       heating first, or by city text\n"
           "  --svg FILE           also draw a map of the cities coloured by the heating cost\n"
           "                       with --sort heating, else by the cooling cost; it needs\n"
           "                       stations.csv beside the climate files\n"
           "  --heat-pump          price a heat pump against the furnace in every city, with\n"
           "                       the heat-pump command's options; --sort then takes list,\n"
           "                       savings or name, and --svg maps the saving\n" +
           InputOptionsHelp();
}

std::string SweepHelp() {
    return "Usage: heatwise-cli sweep --vary NAME=FROM:TO:STEP [OPTIONS]\n\n"
           "Works out one city's yearly costs again and again while one input steps from FROM\n"
           "to TO, each step's value being FROM + i x STEP, exactly, in the decimals the range\n"
           "is written with (at most 9); the steps must land on TO, and two steps that the\n"
           "calculation holds as the same value are refused. As in compare, the cooling cost is\n"
           "worked out in mode Cooling and the heating cost in mode Heating. Every other input\n"
           "is as its option gives it, else the form's default; a step outside the input's\n"
           "range is refused as estimate refuses that value.\n\n"
           "  --vary NAME=FROM:TO:STEP  the input to vary: rate, fuel-price, eer, heat-eff,\n"
           "                       cool-capacity, heat-capacity; summer, winter or hours for all\n"
           "                       three shifts at once; summer1, winter2, hours3 and so on for\n"
           "                       one shift; at most " +
           std::to_string(kMaxSweepSteps) +
           " steps (example: winter=72:62:-1)\n"
           "  --city N|TEXT        as for estimate (default " +
           std::to_string(kDefaultCity) +
           ")\n"
           "  --fuel electricity|oil|propane|gas  heating fuel (default " +
           std::string(FuelKey(kDefaultFuel)) +
           ")\n"
           "  --heat-pump          price a heat pump against the furnace at every step, with\n"
           "                       the heat-pump command's options; --vary then takes its\n"
           "                       inputs too: capacity47, cop47, capacity17, cop17,\n"
           "                       capacity35, cop35, capacity5, cop5, cd, switchover\n"
           "  --svg FILE           also draw both costs against the varied input as an SVG\n"
           "                       picture; with --heat-pump, the heat pump's heating cost, the\n"
           "                       furnace's and the saving\n" +
           InputOptionsHelp();
}

std::string HeatPumpHelp() {
    return "Usage: heatwise-cli heat-pump --capacity47 Q --cop47 C --capacity17 Q --cop17 C "
           "[OPTIONS]\n\n"
           "Runs a single-speed heat pump on one city's heating bins and hours below 0 F, per\n"
           "shift as the form counts them for the winter setpoint, with the load line\n"
           "--heat-capacity / (64 - winter design) BTUh per F, and prices it against the\n"
           "furnace of the chosen fuel heating the same bins. Prints each bin's hours, load,\n"
           "capacity, COP, heat by source and energy, then the heat, the energy, the seasonal\n"
           "COP, the HSPF on this climate, each shift's balance point, both yearly costs (whole\n"
           "dollars, truncated as the form's), the saving, the electric rate at which both\n"
           "cost the same, and the cooling cost as estimate works it out.\n\n" +
           UnitOptionsHelp() + BackupOptionsHelp() +
           "  --city N|TEXT        as for estimate (default " + std::to_string(kDefaultCity) +
           ")\n"
           "  --svg FILE           also draw the capacity, the COP and each shift's load line\n"
           "                       with its balance point, and each bin's heat by source\n" +
           InputOptionsHelp() +
           "\nWith --csv the bin table is printed, a line per shift and bin that needs heat,\n"
           "with the columns of the JSON's bins (shift, midpoint, hours, difference, load,\n"
           "capacity, cop, part_load, part_load_factor, compressor_factor, state,\n"
           "heat_pump_heat_btu, backup_heat_btu, heat_pump_wh, backup_energy) after the city,\n"
           "the fuel and the backup. The year's figures are in the table and the JSON; compare\n"
           "--heat-pump --csv gives them a line per city.\n";
}

std::string RatingHelp() {
    return "Usage: heatwise-cli rating --region N --capacity47 Q --cop47 C --capacity17 Q "
           "--cop17 C [OPTIONS]\n\n"
           "Works out the unit's HSPF as its certificate gives it: the rating procedure's bins\n"
           "centred on 62, 57, 52 ... F with the region's fractions of the season's hours, the\n"
           "load line (65 - T) / (65 - T_OD) x 0.77 x DHR and electric resistance backup. The\n"
           "5 F point plays no part.\n\n"
           "  --region N           the climate region " +
           DescribeRange(kHeatPumpRanges.region) +
           " (IV, 4, is the one certificates quote)\n"
           "  --dhr N              design heating requirement, BTUh, " +
           DescribeRange(kHeatPumpRanges.design_heating_requirement) +
           " (default: Q47 x (65 - T_OD) / 60\n"
           "                       rounded to the nearest standard one)\n" +
           UnitOptionsHelp() +
           "  --json               print JSON instead of a table\n"
           "  --help               print this help\n";
}

std::string BinsHelp() {
    return "Usage: heatwise-cli bins FILE [--json|--records]\n\n"
           "Reads a year of hourly dry-bulb temperatures from a TMY3 CSV or EnergyPlus EPW file,\n"
           "repairs the hours no weather makes (single hours and runs of up to 12 hours that lie\n"
           "at least 9 C beyond both hours around them, away from the station's usual weather;\n"
           "see data/README.md) and prints, by the rules heatwise-derive uses for the climate\n"
           "files:\n"
           "  the hours in each 5 F bin for the shifts 1-8, 9-16 and 17-24 (a record of\n"
           "  bindata2.dat, whose bin 0/4 holds every hour below 0 F), the hours below 0 F in\n"
           "  ten bins of their own (a record of coldbins.dat, -50/-46 holding every hour\n"
           "  colder), the winter design temperature, heating degree days and summer design\n"
           "  temperature (a record of cities.dat), and each repaired hour with the\n"
           "  temperature read and the one used.\n\n"
           "  --json               print JSON: bin_hours and cold_bin_hours as three arrays, one\n"
           "                       per shift, with the bins' labels, the design values and the\n"
           "                       repairs\n"
           "  --records            print only the three records as the files hold them, one a\n"
           "                       line: bindata2.dat, cities.dat, then coldbins.dat\n"
           "  --help               print this help\n";
}

}  // namespace heatwise::cli
