#include "script_test_support.h"

#include <fstream>

#include "script_error.h"
#include "script_parser.h"

namespace heatwise::rc::testing {

ResourceScript Read(std::string_view text) {
    SourceFile file{"test.rc", std::filesystem::current_path(), {}};
    return ReadScriptText(text, file, PreprocessOptions{});
}

std::string ErrorOf(std::string_view text) {
    try {
        Read(text);
    } catch (const ScriptError& error) {
        return error.what();
    }
    return "no error";
}

void WriteFile(const std::filesystem::path& path, std::string_view content) {
    std::filesystem::create_directories(std::filesystem::absolute(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

}  // namespace heatwise::rc::testing
