#include "engine/city_list.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engine/climate_data.h"

namespace heatwise {

namespace {

// The list runs state by state; within a state only the first entry carries the state's
// abbreviation. Entry 1 stands apart from the other Texas entries.
constexpr std::array<std::string_view, kCityCount> kCityNames = {
    // Entries 1 to 10.
    "austin, TX",
    "birmingham, AL",
    "fort rucker",
    "huntsville",
    "montgomery",
    "mitchell field, AK",
    "barrow",
    "fairbanks",
    "anchorage",
    "juneau",
    // Entries 11 to 20.
    "kodiak",
    "nome",
    "tucson, AZ",
    "flagstaff",
    "fort huachuca",
    "glendale",
    "yuma",
    "blythville, AK",
    "fort smith",
    "little rock",
    // Entries 21 to 30.
    "nimitz field, CA",
    "arcata",
    "marysville",
    "bishop",
    "merced",
    "edwards AFB",
    "los angeles",
    "sacramento",
    "moffett field NAS",
    "san bernadino",
    // Entries 31 to 40.
    "san diego",
    "fairfield",
    "lompoc",
    "denver, CO",
    "colorado springs",
    "grand junction",
    "pueblo",
    "trinidad",
    "dover AFB, DE",
    "wilmington",
    // Entries 41 to 50.
    "valparaiso, FL",
    "fort myers",
    "homestead AFB",
    "jacksonville",
    "key west",
    "tampa",
    "orlando",
    "cocoa beach",
    "pensacola",
    "panama city",
    // Entries 51 to 60.
    "atlanta, GA",
    "augusta",
    "fort benning",
    "brunswick",
    "savannah",
    "valdosta",
    "macon",
    "turner AFB",
    "barbers point NAS, HI",
    "lewiston, ID",
    // Entries 61 to 70.
    "mountain home AFB",
    "pocatello",
    "chicago, IL",
    "glenview NAS",
    "moline",
    "belleville",
    "springfield",
    "evansville",
    "bunker hill",
    "south bend",
    // Entries 71 to 80.
    "terre haute",
    "des moines, IA",
    "sioux city",
    "dodge city, KS",
    "topeka",
    "fort riley",
    "goodland",
    "wichita",
    "fort campbell, KY",
    "fort knox",
    // Entries 81 to 90.
    "alexandria, LA",
    "lake charles",
    "new orleans",
    "bangor, ME",
    "brunswick",
    "loring AFB",
    "andrews AFB, MD",
    "paduxent river NAS",
    "bedford, MASS",
    "falmouth",
    // Entries 91 to 100.
    "westover AFB",
    "kinchloe AFB, MICH",
    "K I Sawyer AFB",
    "lansing",
    "muskegon",
    "mt. clemens",
    "traverse city",
    "oscoda",
    "duluth, MN",
    "international falls",
    // Entries 101 to 110.
    "minneapolis",
    "columbus, MISS",
    "jackson",
    "biloxi",
    "meridian NAS",
    "columbia, MO",
    "fort leonard wood",
    "grandview",
    "st. louis",
    "springfield",
    // Entries 111 to 120.
    "billings, MONT",
    "glasgo AFB",
    "helena",
    "malmstrom AFB",
    "missoula",
    "grand island, NE",
    "north platte",
    "offutt AFB",
    "scottsbluff",
    "ely, NV",
    // Entries 121 to 130.
    "fallon NAS",
    "las vegas",
    "reno",
    "tonopah",
    "winnemucca",
    "portsmouth, NH",
    "mcguire AFB",
    "newark, NJ",
    "albuquerque, NM",
    "clovis",
    // Entries 131 to 140.
    "farmington",
    "alamogordo",
    "albany,NY",
    "rome",
    "stewart",
    "niagra falls",
    "plattsburg AFB",
    "suffolk",
    "syracuse",
    "cherry point, NC",
    // Entries 141 to 150.
    "elizabeth city",
    "fort bragg",
    "greensboro",
    "seymour johnson",
    "bismark, ND",
    "grand forks AFB",
    "minot AFB",
    "akron, OH",
    "cincinnati",
    "toledo",
    // Entries 151 to 160.
    "wright patterson AFB",
    "altus, OK",
    "fort sill",
    "oklahoma city",
    "tulsa",
    "enid",
    "astoria, OR",
    "eugene",
    "kingsley field",
    "medford",
    // Entries 161 to 170.
    "pendleton",
    "portland",
    "olmsted",
    "pittsburgh, PA",
    "scranton",
    "williamsport",
    "quonset point NAS, RI",
    "charleston, SC",
    "spartanburg",
    "myrtle beach",
    // Entries 171 to 180.
    "sumpter",
    "rapid city, SD",
    "huron",
    "sioux falls",
    "bristol, TN",
    "knoxville",
    "memphis",
    "amarillo, TX",
    "brownsville",
    "fort worth",
    // Entries 181 to 190.
    "corpus christi",
    "abilene",
    "houston",
    "fort bliss",
    "fort hood",
    "san antonio",
    "laughlin AFB",
    "sherman",
    "waco",
    "big spring",
    // Entries 191 to 200.
    "dugway, UT",
    "ogden",
    "wendover AFB",
    "fort belvoir, VA",
    "hampton",
    "richmond",
    "roannoke",
    "spokane, WA",
    "tacoma",
    "moses lake",
    // Entries 201 to 210.
    "seattle",
    "charleston, WV",
    "elkins",
    "huntington",
    "green bay, WS",
    "la crosse",
    "madison",
    "casper, WY",
    "cheyenne",
    "rock springs",
    // Entries 211 to 211.
    "sheridan",
};

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

std::span<const std::string_view> CityNames() {
    return kCityNames;
}

std::string_view CityName(int city) {
    return kCityNames.at(static_cast<std::size_t>(city - 1));
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
