# The fuzz build (HEATWISE_FUZZ=ON): libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer. Only clang ships libFuzzer, so any other compiler stops the
# configuration here rather than failing later at the first link.
#
# Every library is compiled with the fuzzer's coverage instrumentation but without its main
# (fuzzer-no-link); each fuzz target adds the fuzzer's main at its link with
# heatwise_add_fuzz_target (fuzz/CMakeLists.txt).
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "HEATWISE_FUZZ needs clang (libFuzzer); configure with "
                        "-DCMAKE_CXX_COMPILER=clang++, not ${CMAKE_CXX_COMPILER_ID}")
endif()
if(HEATWISE_SANITIZE)
    message(FATAL_ERROR "HEATWISE_FUZZ brings its own sanitizers; leave HEATWISE_SANITIZE off")
endif()

add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=all)
add_link_options(-fsanitize=address,undefined)
