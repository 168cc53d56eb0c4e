// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// Finding the executable's resources. The source file that heatwise-rc generates from a
// resource script registers its table when the program starts; lookups search every registered
// table in the order of registration and give nothing when the resource is absent.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "resources/resource_types.h"

namespace windlass {

// Adds a table of resources. The table must live as long as the program (the generated tables
// are constant data). Registering the same table twice has no further effect.
void RegisterResources(std::span<const Resource> table);

// Removes a table again; tests use this to keep their tables apart.
void UnregisterResources(std::span<const Resource> table);

// The resource of this type and id, or nullptr.
const Resource* FindResource(ResourceName type, ResourceName id);

const MenuTemplate* FindMenu(ResourceName id);
const DialogTemplate* FindDialog(ResourceName id);
const AcceleratorTable* FindAccelerators(ResourceName id);

// The bytes of a data-like resource (RCDATA, icons, menu prompts, types of the program's own);
// nothing when absent. An empty span is a resource that is present but empty.
std::optional<std::span<const std::uint8_t>> FindData(ResourceName type, ResourceName id);

// A string of the string table; nothing when absent.
std::optional<std::string_view> FindString(int id);

// Data resources read as 16-bit words, least significant byte first, as the resource compiler
// writes them; a trailing odd byte is no word and is left out.
std::vector<std::uint16_t> DataWords(std::span<const std::uint8_t> bytes);

// Data resources read as 8-bit text: everything up to the first zero byte, or all of it.
std::string_view DataText(std::span<const std::uint8_t> bytes);

}  // namespace windlass
