#include "window/menu_model.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace windlass {
namespace {

// Reads the words of a companion resource one after the other; an odd last byte belongs to
// no word.
class WordReader {
  public:
    explicit WordReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::optional<int> Next() {
        if (position_ + 1 >= data_.size()) {
            return std::nullopt;
        }
        int word = data_[position_] | (data_[position_ + 1] << 8);
        position_ += 2;
        return word;
    }

  private:
    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
};

MenuEntry* ItemAt(std::vector<MenuEntry>& items, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > items.size()) {
        return nullptr;
    }
    return &items[static_cast<std::size_t>(position) - 1];
}

}  // namespace

std::vector<MenuNumbering> ParseMenuCompanion(std::span<const std::uint8_t> data) {
    std::vector<MenuNumbering> records;
    WordReader reader(data);
    for (;;) {
        std::optional<int> command = reader.Next();
        if (!command || *command == 0) {
            return records;
        }
        MenuNumbering record{*command, {}};
        for (;;) {
            std::optional<int> position = reader.Next();
            if (!position) {
                return records;
            }
            if (*position == 0) {
                break;
            }
            record.path.push_back(*position);
        }
        if (!record.path.empty()) {
            records.push_back(std::move(record));
        }
    }
}

std::map<int, std::string> ParseMenuPrompts(std::span<const std::uint8_t> data) {
    std::map<int, std::string> prompts;
    std::size_t position = 0;
    while (position + 1 < data.size()) {
        int command = data[position] | (data[position + 1] << 8);
        position += 2;
        if (command == 0) {
            break;
        }
        std::size_t end = position;
        while (end < data.size() && data[end] != 0) {
            ++end;
        }
        if (end == data.size()) {
            break;
        }
        prompts[command] = std::string(data.begin() + static_cast<std::ptrdiff_t>(position),
                                       data.begin() + static_cast<std::ptrdiff_t>(end));
        position = end + 1;
    }
    return prompts;
}

int NumberMenuItems(MenuBar& bar, const std::vector<MenuNumbering>& numbering) {
    int numbered = 0;
    for (const MenuNumbering& record : numbering) {
        std::vector<MenuEntry>* items = &bar;
        MenuEntry* item = nullptr;
        for (std::size_t step = 0; step < record.path.size(); ++step) {
            if (step > 0) {
                if (item->kind != MenuEntry::Kind::PopUp) {
                    item = nullptr;
                    break;
                }
                items = &item->items;
            }
            item = ItemAt(*items, record.path[step]);
            if (item == nullptr) {
                break;
            }
        }
        if (item != nullptr) {
            item->id = record.command_id;
            ++numbered;
        }
    }
    return numbered;
}

}  // namespace windlass
