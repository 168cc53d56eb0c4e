# The texts of the city list, written once, in data/stations.csv (its column list_name), and
# made from it at configuration into the two places that need them:
#
#   ${HEATWISE_GENERATED_DIR}/city_names.cpp   the calculation's table of the 211 texts
#                                              (CityNames(), engine/city_list.h)
#   ${HEATWISE_GENERATED_DIR}/city_entries.rc  the entries of the form's city list, which
#                                              resources/main_form_companion.rc includes
#
# Both are written again whenever the station table changes (the build then configures
# anew), and only when their text changes. The table must begin with the columns index and
# list_name and hold the 211 entries in list order; a list text is plain printable ASCII
# without double quotes, backslashes or at signs, so it stands in a C++ string and a resource
# string as it is. Anything else stops the configuration, naming the line of the table.
set(HEATWISE_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")

function(heatwise_generate_city_list)
    set(table "${PROJECT_SOURCE_DIR}/data/stations.csv")
    if(NOT CMAKE_SCRIPT_MODE_FILE)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${table}")
    endif()
    file(STRINGS "${table}" lines)
    list(LENGTH lines line_count)
    if(line_count LESS 1)
        message(FATAL_ERROR "data/stations.csv: the file is empty")
    endif()
    list(GET lines 0 header)
    if(NOT header MATCHES "^index,list_name,")
        message(FATAL_ERROR "data/stations.csv:1: the header must begin with the columns "
                            "index,list_name")
    endif()
    set(cpp_entries "")
    set(rc_entries "")
    set(index 0)
    foreach(line IN LISTS lines)
        math(EXPR line_number "${index} + 1")
        if(index EQUAL 0)
            set(index 1)
            continue()
        endif()
        # The two forms are tried one after the other: a failed match clears the groups.
        if(line MATCHES "^([0-9]+),\"([^\"]*)\",")
            set(number "${CMAKE_MATCH_1}")
            set(name "${CMAKE_MATCH_2}")
        elseif(line MATCHES "^([0-9]+),([^,\"]*),")
            set(number "${CMAKE_MATCH_1}")
            set(name "${CMAKE_MATCH_2}")
        else()
            message(FATAL_ERROR "data/stations.csv:${line_number}: expected index,list_name,... "
                                "with the list text in double quotes or without a comma")
        endif()
        if(NOT number EQUAL index)
            message(FATAL_ERROR "data/stations.csv:${line_number}: index ${number} should be "
                                "${index}; the entries run from 1 to 211 in list order")
        endif()
        string(FIND "${name}" "\\" backslash)
        string(FIND "${name}" "@" at_sign)
        if(name STREQUAL "" OR NOT name MATCHES "^[ -~]+$" OR backslash GREATER -1 OR
           at_sign GREATER -1)
            message(FATAL_ERROR "data/stations.csv:${line_number}: the list text '${name}' is "
                                "empty or holds a character other than printable ASCII "
                                "without double quotes, backslashes and at signs")
        endif()
        string(APPEND cpp_entries "    \"${name}\",\n")
        string(APPEND rc_entries "    \"${name}\\n\"\n")
        math(EXPR index "${index} + 1")
    endforeach()
    math(EXPR entries "${index} - 1")
    if(NOT entries EQUAL 211)
        message(FATAL_ERROR "data/stations.csv: ${entries} entries; the city list has 211")
    endif()

    set(banner "Made from data/stations.csv by cmake/HeatwiseCityList.cmake; do not edit.")
    file(CONFIGURE OUTPUT "${HEATWISE_GENERATED_DIR}/city_names.cpp" CONTENT
"// ${banner}
#include <array>
#include <span>
#include <string_view>

#include \"engine/city_list.h\"
#include \"engine/climate_data.h\"

namespace heatwise {

namespace {

constexpr std::array<std::string_view, kCityCount> kCityNames = {
${cpp_entries}};

}  // namespace

std::span<const std::string_view> CityNames() {
    return kCityNames;
}

}  // namespace heatwise
" @ONLY)
    file(CONFIGURE OUTPUT "${HEATWISE_GENERATED_DIR}/city_entries.rc" CONTENT
"// ${banner}
// The 211 entries of the city list, one string a line, for the form's companion text.
${rc_entries}" @ONLY)
endfunction()

heatwise_generate_city_list()
