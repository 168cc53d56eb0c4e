// Helpers for the resource compiler tests: reading scripts given as text, and writing the
// small files they name into the test's scratch folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "script_model.h"

namespace heatwise::rc::testing {

// Reads a script named "test.rc" that lives in the current (scratch) folder.
ResourceScript Read(std::string_view text);

// The compiler's message for a script that must fail, or "no error" when it compiles.
std::string ErrorOf(std::string_view text);

void WriteFile(const std::filesystem::path& path, std::string_view content);

}  // namespace heatwise::rc::testing
