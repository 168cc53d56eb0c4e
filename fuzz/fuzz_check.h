// Property checks shared by the fuzz targets.
#pragma once

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace heatwise::fuzz {

// Ends the run when a property does not hold. The abort is what libFuzzer reports as a crash,
// so the input that broke the property is kept like any input that crashed the reader.
inline void Require(bool holds, std::string_view property, const std::string& detail = {}) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "\nproperty broken: %.*s\n", static_cast<int>(property.size()),
                 property.data());
    if (!detail.empty()) {
        std::fprintf(stderr, "  %s\n", detail.c_str());
    }
    std::abort();
}

// The number of lines a reader that splits at line feeds sees in `text`: a last line without
// its line feed counts, an empty text has none.
inline int LineCount(std::string_view text) {
    int lines = 0;
    for (char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    return lines + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

// What a line split keeps of a carriage return that ends a line.
enum class CarriageReturn { kKeep, kDrop };

// The lines of `text` split at line feeds; a last line without its line feed counts, and an
// empty text has none.
inline std::vector<std::string> SplitLines(std::string_view text, CarriageReturn at_end) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string line(text.substr(start, end - start));
        if (at_end == CarriageReturn::kDrop && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// Reads the whole number that starts `text` (digits only); -1 when no digit stands there.
inline long long LeadingNumber(std::string_view text, std::size_t* length = nullptr) {
    long long value = -1;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && i < 18; ++i) {
        value = (value < 0 ? 0 : value * 10) + (text[i] - '0');
    }
    if (length != nullptr) {
        *length = i;
    }
    return value;
}

// A file of this process for readers that take only a path. It lies in memory (/dev/shm) where
// the machine has that: a file rewritten on disk for every input is flushed on each rewrite
// and slows a run tenfold. The file is removed when the run ends.
inline const std::string& ScratchFile(std::string_view name) {
    static const std::string path = [name] {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path folder = fs::is_directory("/dev/shm", error) ? "/dev/shm" : ".";
        return (folder / ("heatwise-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name)))
            .string();
    }();
    static const int removal = std::atexit([] {
        std::error_code error;
        std::filesystem::remove(path, error);
    });
    (void)removal;
    return path;
}

}  // namespace heatwise::fuzz
