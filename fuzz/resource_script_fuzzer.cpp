// Fuzzes heatwise-rc's reading of resource scripts. An input is the text of a script named
// "fuzz.rc" whose #include lines, icons and data files are looked for in the program's own
// resources folder and then among the build's generated parts (the entries of the city list),
// so a script may pull in the real headers, script and icon.
//
// Properties: a script either compiles, and then its C++ source can be written, or fails with
// a ScriptError "file:line: reason" whose reason is not empty and whose line, for the fuzzed
// script itself, is one of its lines. Nothing else is thrown, nothing crashes, and the time and
// memory limits of the run catch a script that makes the compiler loop or swell.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "cpp_emitter.h"
#include "fuzz_check.h"
#include "script_error.h"
#include "script_parser.h"

namespace {

using heatwise::fuzz::LeadingNumber;
using heatwise::fuzz::LineCount;
using heatwise::fuzz::Require;

constexpr std::string_view kScriptName = "fuzz.rc";

// Finds the first ":<line>: " in the message and gives the file before it, the line and the
// reason after it; false when the message has no such part.
bool SplitMessage(const std::string& message, std::string& file, long long& line,
                  std::string& reason) {
    for (std::size_t colon = message.find(':'); colon != std::string::npos;
         colon = message.find(':', colon + 1)) {
        std::size_t digits = 0;
        const long long number =
            LeadingNumber(std::string_view(message).substr(colon + 1), &digits);
        const std::size_t after = colon + 1 + digits;
        if (number >= 0 && message.compare(after, 2, ": ") == 0) {
            file = message.substr(0, colon);
            line = number;
            reason = message.substr(after + 2);
            return true;
        }
    }
    return false;
}

void CheckFailure(const heatwise::rc::ScriptError& error, std::string_view script) {
    const std::string message = error.what();
    std::string file;
    long long line = 0;
    std::string reason;
    Require(SplitMessage(message, file, line, reason), "a failure reads \"file:line: reason\"",
            message);
    Require(!file.empty(), "a failure names its file", message);
    Require(reason.find_first_not_of(' ') != std::string::npos, "a failure gives a reason",
            message);
    if (file == kScriptName) {
        // The preprocessor numbers an empty script, or one ending in a line feed, up to its
        // last line, and at least line 1.
        Require(line >= 1 && line <= std::max(1, LineCount(script)),
                "a failure in the script names one of its lines",
                message + " (the script has " + std::to_string(LineCount(script)) + " lines)");
    } else {
        Require(line >= 1, "a failure in an included file names a line of it", message);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    const heatwise::rc::SourceFile file{std::string(kScriptName), HEATWISE_RESOURCES_DIR, {}};
    const heatwise::rc::PreprocessOptions options{{HEATWISE_GENERATED_DIR}};
    try {
        const heatwise::rc::ResourceScript compiled =
            heatwise::rc::ReadScriptText(script, file, options);
        const std::string source = heatwise::rc::EmitCpp(compiled, kScriptName);
        Require(!source.empty(), "a compiled script gives a C++ source");
    } catch (const heatwise::rc::ScriptError& error) {
        CheckFailure(error, script);
    }
    return 0;
}
