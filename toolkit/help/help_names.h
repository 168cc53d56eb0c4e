// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The rules that turn the name a program passes to WHelpFile1 into a document and a viewer:
// the kind of document, the folder a bare name is looked for in, and the contents file that
// may stand beside a help document.

#include <optional>
#include <string>
#include <string_view>

namespace windlass {

// The longest help file name WHelpFile1 takes; the rest of a longer name is cut off.
inline constexpr std::size_t kHelpNameLimit = 513;

enum class HelpKind {
    ViewerDocument,  // A help document of our own format (".HLP"), shown in the help viewer.
    CompiledHtml,    // A compiled HTML help file (".CHM"), opened by the desktop.
    WebAddress,      // "http://...", opened in the browser.
    WebPage,         // A web page file (".HTM", ".HTML"), opened in the browser.
};

// The kind of a help file name, told by its letters in any case; the name is taken without
// its trailing blanks, and a blank name is a help document. Nothing for a name of no kind.
std::optional<HelpKind> HelpKindOf(std::string_view name);

// A name that holds no folder ("/" or "\") and does not begin with a drive ("X:") is looked
// for in the folder of the running executable.
bool IsBareName(std::string_view name);

// The folder of an executable path, up to and including its last "/" (or "\"); empty when the
// path has none.
std::string_view FolderOf(std::string_view executable_path);

// The contents file that belongs to a help document: the same name with its three-letter
// extension changed to "CNT", each letter in the case of the letter it replaces, so that
// "HELP.HLP" has "HELP.CNT" and "help.hlp" has "help.cnt".
std::string ContentsFileOf(std::string_view document);

// The address of a web-address name: from its first non-blank character on.
std::string_view WebAddressOf(std::string_view name);

}  // namespace windlass
