# heatwise_add_test(NAME SOURCES src... [LIBS lib...] [QT])
#
# Builds one GoogleTest program and registers each of its test cases with CTest as
# NAME.Suite.Case, so that `ctest -R` selects the cases of one program by its name.
# Every test runs on Qt's offscreen platform, so nothing needs a display, and in its
# own scratch directory under the build tree, so files a test writes never collide.
#
# The program is also run whole, its cases in an order shuffled from a fixed seed and then
# all of them a second time in the same process, as NAME.whole-shuffled (label "whole"): a
# case that passes alone but not after the others, that needs another to run first, or that
# passes only the first time a process runs it, fails there, and every run gives the same
# verdict.
include(GoogleTest)

function(heatwise_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
        HEATWISE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        HEATWISE_BINARY_DIR="${PROJECT_BINARY_DIR}"
        HEATWISE_CLIMATE_DIR="${HEATWISE_CLIMATE_DIR}")
    set(work_dir "${PROJECT_BINARY_DIR}/test-work/${name}")
    file(MAKE_DIRECTORY "${work_dir}")
    # Each test runs through "cmake -E env", which sets its environment: a list given as the
    # ENVIRONMENT property of discovered tests would keep only its first entry.
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
        "${CMAKE_COMMAND};-E;env;QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1")
    gtest_discover_tests(${name}
        TEST_PREFIX "${name}."
        WORKING_DIRECTORY "${work_dir}"
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 300)
    set(whole_dir "${PROJECT_BINARY_DIR}/test-work/${name}.whole")
    file(MAKE_DIRECTORY "${whole_dir}")
    add_test(NAME ${name}.whole-shuffled
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                UBSAN_OPTIONS=print_stacktrace=1
                $<TARGET_FILE:${name}> --gtest_shuffle --gtest_random_seed=1
                --gtest_repeat=2
        WORKING_DIRECTORY "${whole_dir}")
    set_tests_properties(${name}.whole-shuffled PROPERTIES LABELS whole TIMEOUT 600)
endfunction()
