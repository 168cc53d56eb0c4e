// What the program keeps from its start to its end.
#pragma once

#include "engine/climate_data.h"
#include "recalculate_form.h"

namespace heatwise {

struct ProgramState {
    // The climate of every city, loaded once at start-up and only read afterwards.
    ClimateTables climate;
    // What each recalculation pass leaves for the next.
    CarriedValues carried;
    // 1 ends the main loop at its next test: set by a close request or by File > Exit, and
    // never reset.
    int quit_flag = 0;
};

}  // namespace heatwise
