# Starts the program where nobody can answer a message box (Qt's offscreen platform) in a
# folder whose bin file is broken: it must say why on standard error and end with exit code 2,
# not wait for a user who is not there.
#   cmake -DPROGRAM=... -DDATA=... -DWORK=... -P no_user_start.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${DATA}/cities.dat" DESTINATION "${WORK}")
file(WRITE "${WORK}/bindata2.dat" "garbage\n")
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${PROGRAM}" WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE exit_code
                OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT exit_code STREQUAL "2")
    message(FATAL_ERROR "exit code ${exit_code}, expected 2; standard error:\n${err}")
endif()
foreach(expected "Heatwise cannot start: a climate file cannot be used."
                 "bindata2.dat: line 1: city 1, value 1: 'garbage' is not a whole number")
    string(FIND "${err}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "standard error lacks \"${expected}\":\n${err}")
    endif()
endforeach()
