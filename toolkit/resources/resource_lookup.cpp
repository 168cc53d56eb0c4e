#include "resources/resource_lookup.h"

#include <algorithm>
#include <vector>

namespace windlass {

namespace {

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameNameIgnoringCase(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (UpperAscii(*a) != UpperAscii(*b)) {
            return false;
        }
    }
    return *a == *b;
}

// The registered tables. A function-local object, so the generated registrars can add to it
// while the program's static objects are still being constructed.
std::vector<std::span<const Resource>>& Tables() {
    static std::vector<std::span<const Resource>> tables;
    return tables;
}

bool SameTable(std::span<const Resource> a, std::span<const Resource> b) {
    return a.data() == b.data() && a.size() == b.size();
}

}  // namespace

bool ResourceName::Matches(ResourceName other) const {
    if (IsNumber() != other.IsNumber()) {
        return false;
    }
    if (IsNumber()) {
        return number_ == other.number_;
    }
    return SameNameIgnoringCase(name_, other.name_);
}

void RegisterResources(std::span<const Resource> table) {
    auto& tables = Tables();
    auto same = [table](std::span<const Resource> t) { return SameTable(t, table); };
    if (std::none_of(tables.begin(), tables.end(), same)) {
        tables.push_back(table);
    }
}

void UnregisterResources(std::span<const Resource> table) {
    auto& tables = Tables();
    std::erase_if(tables, [table](std::span<const Resource> t) { return SameTable(t, table); });
}

const Resource* FindResource(ResourceName type, ResourceName id) {
    for (const auto& table : Tables()) {
        for (const Resource& resource : table) {
            if (resource.type.Matches(type) && resource.id.Matches(id)) {
                return &resource;
            }
        }
    }
    return nullptr;
}

const MenuTemplate* FindMenu(ResourceName id) {
    const Resource* resource = FindResource(kTypeMenu, id);
    return resource != nullptr ? resource->menu : nullptr;
}

const DialogTemplate* FindDialog(ResourceName id) {
    const Resource* resource = FindResource(kTypeDialog, id);
    return resource != nullptr ? resource->dialog : nullptr;
}

const AcceleratorTable* FindAccelerators(ResourceName id) {
    const Resource* resource = FindResource(kTypeAccelerators, id);
    return resource != nullptr ? resource->accelerators : nullptr;
}

std::optional<std::span<const std::uint8_t>> FindData(ResourceName type, ResourceName id) {
    const Resource* resource = FindResource(type, id);
    if (resource == nullptr || resource->bytes == nullptr) {
        return std::nullopt;
    }
    return std::span<const std::uint8_t>(resource->bytes, resource->size);
}

std::optional<std::string_view> FindString(int id) {
    auto bytes = FindData(kTypeString, id);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

std::vector<std::uint16_t> DataWords(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint16_t> words;
    words.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        words.push_back(static_cast<std::uint16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return words;
}

std::string_view DataText(std::span<const std::uint8_t> bytes) {
    const char* text = reinterpret_cast<const char*>(bytes.data());
    std::string_view all(text, bytes.size());
    return all.substr(0, all.find('\0'));
}

}  // namespace windlass
