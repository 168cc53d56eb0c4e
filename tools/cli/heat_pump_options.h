// The heat pump's options on the command line: the unit's ratings and controls, each read and
// checked against its range in kHeatPumpRanges, and the unit they make once the whole command
// line has been read.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "command_line.h"
#include "engine/estimate_inputs.h"
#include "engine/heat_pump_inputs.h"

namespace heatwise::cli {

// What compare and sweep work out: the form's costs, or with --heat-pump a heat pump's against
// the furnace.
enum class Pricing { kForm, kHeatPump };

// A rating point as given: either half may be missing until the whole command line is read.
struct GivenPoint {
    std::optional<double> capacity;  // BTU per hour
    std::optional<double> cop;
};

// The heat pump's options as the command line gives them, before they make a unit.
struct HeatPumpOptionValues {
    GivenPoint at47;
    GivenPoint at17;
    GivenPoint at35;
    GivenPoint at5;
    double cycling_degradation = kDefaultCyclingDegradation;
    std::optional<CompressorCutout> cutout;
    BackupHeat backup = BackupHeat::kElectricResistance;
    Switchover switchover;
};

// Which of the heat pump's options a command takes: the rating takes the unit alone, the
// commands of the heating season its backup and switchover too.
enum class HeatPumpOptionSet { kUnit, kUnitAndBackup };

void AddHeatPumpOptions(CommandLine& command_line, HeatPumpOptionValues& values,
                        HeatPumpOptionSet set);

// Takes every heat-pump option and refuses it, saying that `command` prices a heat pump only
// with --heat-pump.
void RefuseHeatPumpOptions(CommandLine& command_line, std::string_view command);

// A heat-pump input of one value, as a sweep varies it: its name without the dashes and the
// reader that checks a value and sets it.
struct HeatPumpValueInput {
    std::string_view name;  // such as "capacity47"
    void (*read)(HeatPumpOptionValues& values, std::string_view option, std::string_view text);
};
std::span<const HeatPumpValueInput> HeatPumpValueInputs();

// The ratings the options give: both halves of the 47 and 17 °F points must be given, and a
// 35 or 5 °F point whole or not at all. Throws UsageError.
HeatPumpRatings MakeRatings(const HeatPumpOptionValues& values);

// The unit the options make beside the form's inputs: its ratings as above, then the whole
// checked by the model's own CheckHeatPumpInput (a cut-out above its cut-in, a switchover
// without the furnace), whose message is given for the option it is about. Throws UsageError.
HeatPumpSettings MakeHeatPumpSettings(const HeatPumpOptionValues& values,
                                      const EstimateInputs& inputs);

// The option that a problem of the model's input is about, as the command line names it.
std::string_view OptionOf(HeatPumpField field);

}  // namespace heatwise::cli
