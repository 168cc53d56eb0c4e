# Runs the Fortran reference generator for a few fixed seeds and checks the display-format
# writers against every case it draws. The seeds never change, so neither does the outcome.
#
# Expects GENERATOR, TEST_PROGRAM, WORK_DIR, SEEDS (a list) and CASES.
foreach(seed IN LISTS SEEDS)
    set(table "${WORK_DIR}/random_cases_${seed}.txt")
    execute_process(COMMAND "${GENERATOR}" random ${seed} ${CASES}
                    OUTPUT_FILE "${table}" RESULT_VARIABLE generated)
    if(NOT generated EQUAL 0)
        message(FATAL_ERROR "reference generator failed for seed ${seed}: ${generated}")
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env "WINDLASS_FORMAT_REFERENCE=${table}"
                            "${TEST_PROGRAM}" --gtest_filter=ConvertFortranReference.*
                    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE compared)
    if(NOT compared EQUAL 0)
        message(FATAL_ERROR "seed ${seed}: the writers disagree with the reference:\n${output}")
    endif()
endforeach()
