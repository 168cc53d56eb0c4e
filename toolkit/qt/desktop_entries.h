// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The desktop's choice of program for a kind of document, as Linux desktops record it: the
// lists of default applications ("mimeapps.list" and the "mimeinfo.cache" of installed
// programs) and the desktop entries ("*.desktop") that say how to start each program. Plain
// text handling, without Qt; the backend finds the files and the document's MIME type.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace windlass::qt {

// The desktop entry ids a list file gives for one MIME type, in the order the file gives them:
// for "mimeapps.list" those of its [Default Applications] group, then of [Added
// Associations]; for "mimeinfo.cache" those of [MIME Cache].
std::vector<std::string> ApplicationsFor(std::string_view list_text, std::string_view mime_type);

// Where a desktop entry's program runs: on its own, or in a terminal (Terminal=true), for a
// program that reads and writes a terminal and shows nothing without one.
enum class RunsIn { Itself, Terminal };

// How a desktop entry starts its program: the words of its Exec key, and where it runs.
struct EntryCommand {
    std::vector<std::string> exec_words;
    RunsIn runs_in = RunsIn::Itself;

    bool operator==(const EntryCommand&) const = default;
};

// How a desktop entry starts its program. Nothing when the text is not an application entry,
// is hidden (the entry is deleted), or has no Exec key.
std::optional<EntryCommand> EntryCommandOf(std::string_view entry_text);

// The command that opens `target` with an entry's Exec words: the field codes for files and
// addresses (%f %F %u %U) become the target, the others are dropped, "%%" is a percent sign;
// an Exec line without a file or address code gets the target at its end.
std::vector<std::string> CommandFor(const std::vector<std::string>& exec_words,
                                    const std::string& target);

}  // namespace windlass::qt
