// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// What passes between the toolkit's help access and the platform: a request to the help
// viewer, and what the desktop made of a request to open a file or an address.

#include <string>
#include <vector>

namespace windlass {

// What the help viewer is asked to show of a help document.
enum class HelpCommand {
    Finder,      // The contents tree, the keyword index and the full-text search.
    Contents,    // The document's contents topic.
    Topic,       // The topic with a given context number, in the help window.
    TopicPopup,  // That topic in a small pop-up window.
    Quit,        // Close the viewer; no document is named.
};

struct HelpRequest {
    HelpCommand command = HelpCommand::Contents;
    // The context number of Topic and TopicPopup.
    int topic = 0;
    // The contents file beside the document, for Finder.
    std::string contents_file;
};

// What the desktop answers when asked which program opens a document or an address.
enum class DesktopLookup {
    Found,          // A program is chosen for it and can be started.
    NoAssociation,  // No program is chosen for documents of this kind.
    Failed,         // The desktop's choice cannot be read, or names a program that is not there.
};

struct AssociatedProgram {
    DesktopLookup lookup = DesktopLookup::NoAssociation;
    // When found: the program, and its arguments with the document or address among them.
    std::string program;
    std::vector<std::string> arguments;
};

}  // namespace windlass
