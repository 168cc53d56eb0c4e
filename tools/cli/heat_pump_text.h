// The heat pump's inputs and what it does, in the words the reports and the pictures use.
#pragma once

#include <string>
#include <string_view>

#include "engine/estimate_inputs.h"
#include "engine/heat_pump.h"
#include "engine/heat_pump_inputs.h"
#include "inputs_text.h"

namespace heatwise::cli {

// The shortest text that reads back as the value: 36000, 3.5, 0.25, -4.
std::string ShortText(double value);

// The value with `decimals` decimals.
std::string FixedText(double value, int decimals);

// How temperatures are written: "F" in the text reports, as the form writes them, "°F" in the
// pictures.
enum class Degrees { kLetter, kSign };

// The unit's ratings and controls, such as "36000 BTUh at COP 3.5 at 47 F, 22000 BTUh at COP 2.5
// at 17 F, the 35 F point by the frost default; Cd 0.25; no cut-out". A varied input among them
// is given by its range, such as "18000 to 48000 BTUh at COP 3.5 at 47 F".
std::string UnitText(const HeatPumpSettings& unit, Degrees degrees, const VariedRange& varied = {});

// The furnace the heat pump is weighed against, such as "the Natural Gas furnace at 85 %"; its
// efficiency by its range where a sweep varies it.
std::string FurnaceText(const EstimateInputs& inputs, const VariedRange& varied = {});

// The backup heat and the switchover, such as "backup electric resistance" or "backup the
// Natural Gas furnace at 85 %, switchover at 10 F".
std::string BackupText(const HeatPumpSettings& unit, const EstimateInputs& inputs, Degrees degrees);

// The unit, its backup and the prices in one line short enough for a picture's subtitle, such
// as "BTUh/COP 36000/3.8 at 47 °F, 25000/2.6 at 17 °F; backup furnace 85 %, switchover auto;
// electricity $0.08/kWh, gas $0.012/cu.ft.". A 35 or 5 °F point is there where it is given, and
// the cycling degradation where it is not the default. A varied input among them is given by its
// range, such as "18000 to 48000/3.8 at 47 °F".
std::string UnitSummary(const HeatPumpSettings& unit, const EstimateInputs& inputs,
                        const VariedRange& varied = {});

// What the unit does in a bin, in a word or two: "runs", "cycles", "cut out", "gives nothing",
// "furnace".
std::string_view StateText(HeatPumpState state);

// The names of the JSON and CSV output: "electric" or "fuel" as --backup takes them; the state
// as "runs", "cycling", "cut_out", "no_output", "switched_over".
std::string_view BackupKey(BackupHeat backup);
std::string_view StateKey(HeatPumpState state);

// The unit of the backup's energy: kWh of resistance, or the furnace fuel's own unit.
std::string_view BackupEnergyUnit(const HeatPumpSettings& unit, HeatingFuel fuel);

}  // namespace heatwise::cli
