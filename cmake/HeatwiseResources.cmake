# heatwise_add_resources(TARGET SCRIPT.rc [INCLUDE_DIRS folder...])
#
# Compiles a resource script with heatwise-rc when the target is built and adds the generated
# C++ source to the target, which must link the windlass library (the generated source
# registers its resources with the toolkit). The script is compiled again whenever it, the
# compiler, or any file it reads changes: the compiler lists the headers, icons and data files
# it read in a dependency file that the build tool picks up. A malformed script, or a file it
# names that cannot be read, fails the build with "file:line: reason". Besides the folders
# given, a script's #include finds the parts the build generates (HEATWISE_GENERATED_DIR, see
# cmake/HeatwiseCityList.cmake), such as the entries of the city list.
function(heatwise_add_resources target script)
    cmake_parse_arguments(ARG "" "" "INCLUDE_DIRS" ${ARGN})
    get_filename_component(script_path "${script}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    get_filename_component(script_name "${script}" NAME_WE)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_${script_name}_rc.cpp")
    set(depfile "${output}.d")
    set(include_args)
    if(HEATWISE_GENERATED_DIR)
        list(APPEND include_args -I "${HEATWISE_GENERATED_DIR}")
    endif()
    foreach(dir IN LISTS ARG_INCLUDE_DIRS)
        get_filename_component(dir "${dir}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
        list(APPEND include_args -I "${dir}")
    endforeach()
    # The compiler may itself be built with the sanitizers; leak checking is left to the tests.
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:heatwise-rc> "${script_path}" "${output}" ${include_args}
                --depfile "${depfile}"
        DEPENDS "${script_path}" heatwise-rc
        DEPFILE "${depfile}"
        COMMENT "Compiling resource script ${script_name}.rc for ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE "${output}")
endfunction()
