// Helpers for the resource compiler tests: reading scripts given as text, and writing the
// small files they name into the test's scratch folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "script_error.h"
#include "script_parser.h"

namespace heatwise::rc::testing {

// Reads a script named "test.rc" that lives in the current (scratch) folder.
inline ResourceScript Read(std::string_view text) {
    return ReadScriptText(text, SourceFile{"test.rc", std::filesystem::current_path(), {}},
                          PreprocessOptions{});
}

// The compiler's message for a script that must fail, or "no error" when it compiles.
inline std::string ErrorOf(std::string_view text) {
    try {
        Read(text);
    } catch (const ScriptError& error) {
        return error.what();
    }
    return "no error";
}

inline void WriteFile(const std::filesystem::path& path, std::string_view content) {
    std::filesystem::create_directories(std::filesystem::absolute(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

}  // namespace heatwise::rc::testing
