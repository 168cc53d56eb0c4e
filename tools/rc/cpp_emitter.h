// Writing the compiled resources as a C++ source file: constant tables in the toolkit's
// resource types, and a registrar that hands them to the toolkit when the program starts.
#pragma once

#include <string>
#include <string_view>

#include "script_model.h"

namespace heatwise::rc {

// The whole generated source. `script_name` appears in its heading comment only.
std::string EmitCpp(const ResourceScript& script, std::string_view script_name);

}  // namespace heatwise::rc
