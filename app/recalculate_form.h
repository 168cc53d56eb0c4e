// The recalculation pass: the program's whole answer to a change on the main form.
#pragma once

#include "engine/climate_data.h"
#include "engine/estimate_inputs.h"
#include "form_fields.h"

namespace heatwise {

// What one pass hands on to the next.
struct CarriedValues {
    // The heating cost of the last pass that could cost the heating: a pass with a heating
    // efficiency of 0, or with no fuel chosen, shows it again.
    double heating_cost = 0.0;
    // Every input as last read. An input whose field cannot be read at all keeps its value
    // from the pass before; until the first pass these are the form's defaults.
    EstimateInputs inputs;
};

// Reads every input of the main form, runs the bin method for the selected city and writes
// every result back: the 63 scaled bin hours, the "% calc'd" column, the city's degree days
// and design temperatures, and the yearly cooling and heating cost. Nothing is compared with
// an earlier pass; everything is read and rewritten each time.
//
// The reads and writes come in a fixed order: the city, the mode and the thermostat schedule
// are read and the bin columns and city values written before the equipment, the prices and
// the fuel are read for the two costs.
void RecalculateForm(const ClimateTables& climate, CarriedValues& carried,
                     FormFields& form = ToolkitFormFields());

}  // namespace heatwise
