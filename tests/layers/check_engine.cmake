cmake_minimum_required(VERSION 3.25)
# Checks that the calculation stands on the standard library alone: every file in engine/
# includes headers of engine/ itself ("engine/...") and of the C++ standard library only, never
# the program's window side, the toolkit, the tools or any other library. Run as
#   cmake -DENGINE_DIR=<checkout>/engine -P check_engine.cmake
# Every offending include is named with its file and line; the check fails when there is one.

set(kStandardHeaders
    algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono cinttypes
    climits cmath compare complex concepts cstddef cstdint cstdio cstdlib cstring ctime
    deque exception execution filesystem format fstream functional initializer_list iomanip ios
    iosfwd iostream istream iterator limits list locale map memory mutex new numbers numeric
    optional ostream queue random ranges ratio regex set source_location span sstream stack
    stdexcept streambuf string string_view system_error tuple type_traits typeinfo
    unordered_map unordered_set utility valarray variant vector version)

if(NOT ENGINE_DIR)
    message(FATAL_ERROR "ENGINE_DIR must name the engine folder")
endif()

set(problems 0)
file(GLOB_RECURSE sources RELATIVE "${ENGINE_DIR}" "${ENGINE_DIR}/*.h" "${ENGINE_DIR}/*.cpp")
foreach(source IN LISTS sources)
    file(STRINGS "${ENGINE_DIR}/${source}" lines)
    set(line_number 0)
    foreach(line IN LISTS lines)
        math(EXPR line_number "${line_number} + 1")
        if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>")
            set(header "${CMAKE_MATCH_1}")
            if(NOT header IN_LIST kStandardHeaders)
                message("engine/${source}:${line_number}: includes <${header}>, which is "
                        "not a header of the standard library")
                math(EXPR problems "${problems} + 1")
            endif()
        elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\"")
            set(header "${CMAKE_MATCH_1}")
            if(NOT header MATCHES "^engine/[a-z_]+\\.h$")
                message("engine/${source}:${line_number}: includes \"${header}\"; the "
                        "calculation includes only its own headers, as \"engine/NAME.h\"")
                math(EXPR problems "${problems} + 1")
            endif()
        endif()
    endforeach()
endforeach()

if(problems GREATER 0)
    message(FATAL_ERROR "${problems} include(s) outside the calculation and the standard library")
endif()
message("The calculation includes only itself and the standard library.")
