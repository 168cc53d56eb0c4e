// The yearly figures of a heat-pump run as every heat-pump report gives them: the same names in
// the JSON, the CSV columns and the table's lines.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/heat_pump.h"
#include "json_layout.h"

namespace heatwise::cli {

// The figures as JSON members, unrounded but for the whole-dollar costs; a figure that is not
// defined (a balance point where the unit keeps up, a seasonal COP where it never runs) is null.
// `switchover` is the coldest bin midpoint at which the heat pump runs at all.
void AddHeatPumpFigures(const HeatPumpResult& result, JsonDocument& document);

// The CSV column names of the same figures, and one run's fields in that order; an undefined
// figure is an empty field.
std::vector<std::string> HeatPumpFigureColumns();
std::vector<std::string> HeatPumpFigureFields(const HeatPumpResult& result);

// A figure that may be undefined, with `decimals` decimals, or "none".
std::string OptionalText(const std::optional<double>& value, int decimals);

// The shifts' balance points as the table writes them: "38.2 F, 35.0 F, none".
std::string BalancePointsText(const HeatPumpResult& result);

}  // namespace heatwise::cli
