#include "startup.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/input_defaults.h"
#include "form_ids.h"
#include "windlass/windlass.h"

namespace heatwise {
namespace {

// System menu, minimise box and status bar. The maximise box is asked for too, but a window
// that holds a form drops it and cannot be resized: the form has one size.
constexpr int kMainWindowFlags = WF_SYSMENU | WF_MINBOX | WF_MAXBOX | WF_STATUSBAR;

// The three prices and efficiencies the user first sees, with two decimals.
constexpr std::string_view kRealDefaultFormat = "(F4.2)";

struct IntegerFieldRange {
    int field;
    IntegerRange range;
};

struct RealFieldRange {
    int field;
    RealRange range;
};

// Thermostat hours, summer setpoints and winter setpoints of the three shifts, then the
// equipment.
constexpr IntegerFieldRange kIntegerRanges[] = {
    {FLD_TSTAT_HOURS_1, kThermostatHoursRange}, {FLD_TSTAT_HOURS_2, kThermostatHoursRange},
    {FLD_TSTAT_HOURS_3, kThermostatHoursRange}, {FLD_TSTAT_SUMMER_1, kSummerSetpointRange},
    {FLD_TSTAT_SUMMER_2, kSummerSetpointRange}, {FLD_TSTAT_SUMMER_3, kSummerSetpointRange},
    {FLD_TSTAT_WINTER_1, kWinterSetpointRange}, {FLD_TSTAT_WINTER_2, kWinterSetpointRange},
    {FLD_TSTAT_WINTER_3, kWinterSetpointRange}, {FLD_COOL_CAPACITY, kCapacityRange},
    {FLD_HEAT_CAPACITY, kCapacityRange},        {FLD_HEAT_EFF, kHeatEfficiencyRange},
};

constexpr RealFieldRange kRealRanges[] = {
    {FLD_ELECTRIC_RATE, kElectricRateRange},
    {FLD_FUEL_PRICE, kFuelPriceRange},
    {FLD_COOL_EER, kCoolEerRange},
};

void ShowFirstCityHours(const ClimateTables& climate) {
    const CityBinHours& hours = climate.bins.City(kDefaultCity);
    for (int k = 1; k <= kBinValueCount; ++k) {
        WDialogPutInteger(FLD_HOURS_1_8 + k - 1, hours[static_cast<std::size_t>(k - 1)]);
    }
}

void SetUpStatusBar() {
    const int thirds[] = {3333, 3333, 3333};
    WindowStatusBarParts(3, thirds);
    for (std::size_t part = 0; part < kStatusTexts.size(); ++part) {
        WindowOutStatusBar(static_cast<int>(part) + 1, kStatusTexts[part]);
    }
}

void SetRanges() {
    for (const IntegerFieldRange& entry : kIntegerRanges) {
        WDialogRangeInteger(entry.field, entry.range.minimum, entry.range.maximum);
    }
    for (const RealFieldRange& entry : kRealRanges) {
        WDialogRangeReal(entry.field, entry.range.minimum, entry.range.maximum);
    }
}

void WriteRealDefaults() {
    WDialogPutReal(FLD_ELECTRIC_RATE, kDefaultElectricRate, kRealDefaultFormat);
    WDialogPutReal(FLD_FUEL_PRICE, kDefaultFuelPrice, kRealDefaultFormat);
    WDialogPutReal(FLD_COOL_EER, kDefaultCoolEer, kRealDefaultFormat);
}

// The line that tells the user there is no display, naming the reason and the ways out: a
// virtual display, or the command-line estimator.
std::string NoDisplayLine(std::string_view reason) {
    return "heatwise: cannot open a display (" + std::string(reason) +
           "); run under Xvfb (xvfb-run heatwise) or use heatwise-cli";
}

// Heatwise is nothing without its window, so a start without a display ends at once.
void EndWithoutDisplay() {
    std::string reason(200, ' ');
    InfoDisplay(reason);
    std::string_view trimmed(reason);
    trimmed = trimmed.substr(0, trimmed.find_last_not_of(' ') + 1);
    std::fprintf(stderr, "%s\n", NoDisplayLine(trimmed).c_str());
    // A blank message: the line above has said everything.
    IOsExitProgram({}, kNoDisplayExitCode);
}

}  // namespace

void StartUp(ProgramState& state) {
    WInitialise();
    if (InfoDisplay() == 0) {
        EndWithoutDisplay();
    }
    WindowOpen2(kMainWindowFlags, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, MENU_MAIN, {}, DLG_MAIN,
                kWindowTitle);
    // The window is up while the files are read, so that a fault can be shown over it; the
    // form is filled only once both files have loaded.
    try {
        state.climate = LoadClimateTables({});
    } catch (const DataError& fault) {
        EndWithDataFault(fault);
    }
    ShowFirstCityHours(state.climate);
    SetUpStatusBar();
    SetRanges();
    WriteRealDefaults();
    WMessageEnable(MSG_FIELD, 1);
}

void EndWithDataFault(const DataError& fault) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    std::fprintf(stderr, "heatwise: %s\n", fault.what());
    const std::string report =
        std::string("Heatwise cannot start: a climate file cannot be used.\n\n") + fault.what() +
        "\n\nHeatwise reads " + kBinFileName + " and " + kDesignFileName +
        " from its working folder, " + folder.string() + ".";
    constexpr int kOkButtonOnly = 0;
    constexpr int kStopIcon = 1;
    constexpr int kFocusOnFirstButton = 1;
    WMessageBox(kOkButtonOnly, kStopIcon, kFocusOnFirstButton, report, kWindowTitle);
    // A blank message: the user has been told already, in the program's own words.
    IOsExitProgram({}, kDataFaultExitCode);
}

}  // namespace heatwise
