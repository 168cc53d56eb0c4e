#include "engine/city_list.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>

#include "engine/climate_data.h"

namespace heatwise {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string_view CityName(int city) {
    if (city < 1 || city > kCityCount) {
        throw std::out_of_range("city " + std::to_string(city) + " is not an entry of the list");
    }
    return CityNames()[static_cast<std::size_t>(city - 1)];
}

std::vector<int> FindCities(std::string_view text) {
    const std::string_view wanted = TrimBlanks(text);
    std::vector<int> found;
    if (wanted.empty()) {
        return found;
    }
    for (int city = 1; city <= kCityCount; ++city) {
        const std::string_view name = CityName(city);
        const std::string_view place = TrimBlanks(name.substr(0, name.find(',')));
        if (EqualIgnoringCase(wanted, name) || EqualIgnoringCase(wanted, place)) {
            found.push_back(city);
        }
    }
    return found;
}

}  // namespace heatwise
