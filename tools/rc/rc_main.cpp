// heatwise-rc: compiles a resource script into a C++ source file that builds the resources
// into the program.
//
//   heatwise-rc INPUT.rc OUTPUT.cpp [-I folder]... [--depfile FILE]
//
// On any problem it prints "file:line: reason", leaves no output file behind and exits with
// status 1, so the build stops; a wrong command line gives status 2.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cpp_emitter.h"
#include "script_error.h"
#include "script_parser.h"

namespace {

namespace fs = std::filesystem;
using heatwise::rc::ScriptError;

constexpr int kExitScriptError = 1;
constexpr int kExitUsage = 2;

struct Arguments {
    fs::path input;
    fs::path output;
    fs::path depfile;
    std::vector<fs::path> include_dirs;
};

bool ParseArguments(int argc, char** argv, Arguments& arguments) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "-I" || arg == "--depfile") {
            if (i + 1 >= argc) {
                std::cerr << "heatwise-rc: " << arg << " needs a value\n";
                return false;
            }
            if (arg == "-I") {
                arguments.include_dirs.emplace_back(argv[++i]);
            } else {
                arguments.depfile = argv[++i];
            }
        } else if (arg.starts_with("-I") && arg.size() > 2) {
            arguments.include_dirs.emplace_back(arg.substr(2));
        } else if (arg.starts_with("-") && arg.size() > 1) {
            std::cerr << "heatwise-rc: unknown option '" << arg << "'\n";
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        return false;
    }
    arguments.input = positional[0];
    arguments.output = positional[1];
    return true;
}

// Writes the file through a temporary beside it, so that a half-written file never stands
// where the build expects a finished one.
void WriteWhole(const fs::path& path, const std::string& text) {
    fs::path temporary = path;
    temporary += ".partial";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            throw ScriptError(temporary.string(), 0, "cannot write the output file");
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        throw ScriptError(path.string(), 0, "cannot write the output file");
    }
}

// The dependency list in the form make and ninja read: "target: prerequisite ...", with
// blanks in names escaped.
std::string DependencyList(const fs::path& output, const fs::path& input,
                           const std::vector<fs::path>& dependencies) {
    auto escape = [](const fs::path& path) {
        std::string text = fs::absolute(path).lexically_normal().string();
        std::string escaped;
        for (char c : text) {
            if (c == ' ' || c == '#') {
                escaped += '\\';
            } else if (c == '$') {
                escaped += '$';
            }
            escaped += c;
        }
        return escaped;
    };
    std::string text = escape(output) + ":";
    text += " \\\n  " + escape(input);
    for (const fs::path& dependency : dependencies) {
        text += " \\\n  " + escape(dependency);
    }
    return text + "\n";
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!ParseArguments(argc, argv, arguments)) {
        std::cerr << "usage: heatwise-rc INPUT.rc OUTPUT.cpp [-I folder]... [--depfile FILE]\n";
        return kExitUsage;
    }
    try {
        heatwise::rc::PreprocessOptions options{arguments.include_dirs};
        heatwise::rc::ResourceScript script =
            heatwise::rc::ReadScriptFile(arguments.input, options);
        std::string source = heatwise::rc::EmitCpp(script, arguments.input.filename().string());
        WriteWhole(arguments.output, source);
        if (!arguments.depfile.empty()) {
            WriteWhole(arguments.depfile,
                       DependencyList(arguments.output, arguments.input, script.dependencies));
        }
    } catch (const ScriptError& error) {
        std::cerr << error.what() << "\n";
        std::error_code ignored;
        fs::remove(arguments.output, ignored);
        return kExitScriptError;
    } catch (const std::exception& error) {
        std::cerr << "heatwise-rc: " << error.what() << "\n";
        std::error_code ignored;
        fs::remove(arguments.output, ignored);
        return kExitScriptError;
    }
    return 0;
}
