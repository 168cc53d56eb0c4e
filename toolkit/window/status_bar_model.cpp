#include "window/status_bar_model.h"

#include <cstddef>

namespace windlass {

StatusBarModel::StatusBarModel() : parts_(1) {}

void StatusBarModel::SetParts(const StatusPartLayout& layout) {
    parts_.resize(layout.right_edges.size());
    for (std::size_t index = 0; index < parts_.size(); ++index) {
        parts_[index].right_edge = layout.right_edges[index];
        parts_[index].border = layout.borders[index];
    }
}

bool StatusBarModel::SetText(int index, std::string_view text) {
    if (index < 0 || static_cast<std::size_t>(index) >= parts_.size()) {
        return false;
    }
    std::size_t end = text.find_last_not_of(' ');
    text = end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
    parts_[static_cast<std::size_t>(index)].text = std::string(text);
    return true;
}

}  // namespace windlass
