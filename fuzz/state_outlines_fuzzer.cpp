// Fuzzes the reader of state_outlines.txt, the state borders and coasts of heatwise-cli's map.
// An input is the file's text.
//
// Properties: the reader either returns one outline for each line that is neither blank nor a
// comment, each naming one of the 50 states or DC, a second state only if it differs and
// neither is Alaska or Hawaii, and at least two points of finite degrees within the documented
// ranges; or it throws a std::runtime_error whose message starts with the file's name and,
// where it names a line, a line of the file.
#include <unistd.h>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "state_outlines.h"

namespace {

namespace cli = heatwise::cli;
using heatwise::fuzz::CarriageReturn;
using heatwise::fuzz::LeadingNumber;
using heatwise::fuzz::LineCount;
using heatwise::fuzz::Require;
using heatwise::fuzz::SplitLines;

// The reader takes a folder; this run's lies in memory where the machine has that.
const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::error_code error;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : ".";
        const auto path = base / ("heatwise-fuzz-" + std::to_string(::getpid()) + "-outlines");
        std::filesystem::create_directories(path);
        return path;
    }();
    static const int removal = std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    });
    (void)removal;
    return folder;
}

// The lines that hold an outline, counted as the format describes them: a byte order mark
// before the first line and a carriage return at a line's end are no part of it; blanks and
// tabs around the words do not count; a line that starts with # is a comment.
long OutlineLineCount(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    long count = 0;
    for (const std::string& line : SplitLines(text, CarriageReturn::kDrop)) {
        const std::size_t first = line.find_first_not_of(" \t");
        count += first != std::string::npos && line[first] != '#' ? 1 : 0;
    }
    return count;
}

bool IsCode(const std::string& code) {
    return code.size() == 2 && code[0] >= 'A' && code[0] <= 'Z' && code[1] >= 'A' && code[1] <= 'Z';
}

void CheckOutlines(const cli::StateOutlines& outlines, std::string_view text) {
    Require(static_cast<long>(outlines.size()) == OutlineLineCount(text),
            "each line that is not blank or a comment is one outline",
            std::to_string(outlines.size()) + " outlines, " +
                std::to_string(OutlineLineCount(text)) + " such lines");
    for (const cli::OutlineLine& line : outlines) {
        Require(IsCode(line.state), "an outline names a state by its postal code", line.state);
        Require(line.other_state.empty() ||
                    (IsCode(line.other_state) && line.other_state != line.state),
                "a border lies between two different states", line.other_state);
        Require(line.other_state.empty() || (line.state != "AK" && line.state != "HI" &&
                                             line.other_state != "AK" && line.other_state != "HI"),
                "Alaska and Hawaii border no other state");
        Require(line.points.size() >= 2, "an outline has at least two points");
        for (const heatwise::cli::GeoPosition& at : line.points) {
            Require(std::isfinite(at.latitude) && std::abs(at.latitude) <= 90,
                    "a latitude lies from -90 to 90");
            Require(std::isfinite(at.longitude) && at.longitude >= -190 && at.longitude <= 180,
                    "a longitude lies from -190 to 180");
        }
    }
}

void CheckFailure(const std::string& message, std::string_view text) {
    // The reader names the file as it was given: the folder, then the file's name.
    const std::string prefix = (Folder() / cli::kStateOutlineFileName).string() + ": ";
    Require(message.starts_with(prefix) && message.size() > prefix.size(),
            "a failure starts with the file's path and says what is wrong", message);
    const std::string line_mark = prefix + "line ";
    if (message.starts_with(line_mark)) {
        std::size_t digits = 0;
        const long long line =
            LeadingNumber(std::string_view(message).substr(line_mark.size()), &digits);
        Require(line >= 1 && line <= LineCount(text), "a failure names a line of the file",
                message + " (the file has " + std::to_string(LineCount(text)) + " lines)");
        Require(message.compare(line_mark.size() + digits, 2, ": ") == 0,
                "a failure reads \"file: line N: reason\"", message);
    } else {
        Require(OutlineLineCount(text) == 0,
                "a fault of the file as a whole is that it holds no outlines", message);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream file(Folder() / cli::kStateOutlineFileName,
                           std::ios::binary | std::ios::trunc);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    try {
        const std::optional<cli::StateOutlines> outlines = cli::ReadStateOutlines(Folder());
        Require(outlines.has_value(), "a file that is there is read");
        CheckOutlines(*outlines, text);
    } catch (const std::runtime_error& error) {
        CheckFailure(error.what(), text);
    }
    return 0;
}
