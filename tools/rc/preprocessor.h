// The preprocessing of a resource script: comments, #include, #define and the conditional
// directives, giving the token stream that the resource statements are read from.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "token.h"

namespace heatwise::rc {

struct PreprocessOptions {
    std::vector<std::filesystem::path> include_dirs;
};

struct PreprocessedScript {
    // Resource statements with every macro replaced by its value; ends with a kEnd token that
    // stands at the last line of the script.
    std::vector<Token> tokens;
    // Every header that was read, for the build's dependency list.
    std::vector<std::filesystem::path> headers;
};

// Reads the script file. Headers named .h, .hpp or .c contribute only their directives (so a
// header shared with C++ code may hold declarations); every other file is read in full.
PreprocessedScript PreprocessFile(const std::filesystem::path& script,
                                  const PreprocessOptions& options);

// As PreprocessFile, for a script given as text; `file` names it in messages and gives the
// folder its #include lines are resolved from.
PreprocessedScript PreprocessText(std::string_view text, const SourceFile& file,
                                  const PreprocessOptions& options);

}  // namespace heatwise::rc
