// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "window/status_bar_layout.h"

namespace windlass {

// One part of a status bar as the toolkit keeps it: where it ends, its border and its text.
struct StatusPart {
    int right_edge = kToRightEdge;
    PartBorder border = PartBorder::Sunken;
    std::string text;
};

// The parts of a window's status bar and their texts. A new bar has a single sunken part
// that spans it.
class StatusBarModel {
  public:
    StatusBarModel();

    // Gives the bar the laid-out parts. Parts that remain keep their texts and take their new
    // borders; parts added start empty; texts of parts that go are lost.
    void SetParts(const StatusPartLayout& layout);

    // Sets the text of the part with the zero-based `index`, without its trailing blanks.
    // False, and nothing changes, when the bar has no such part.
    bool SetText(int index, std::string_view text);

    const std::vector<StatusPart>& parts() const { return parts_; }

  private:
    std::vector<StatusPart> parts_;
};

}  // namespace windlass
