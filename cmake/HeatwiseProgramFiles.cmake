# The files the program finds beside itself: the help document HELP.HLP with its contents
# file HELP.CNT, which the Help command looks for beside the running program, and the climate
# files bindata2.dat and cities.dat, which the program reads from its working folder. All are
# kept in data/.
#
# heatwise_program_file_names(VAR) sets VAR to their names.
#
# heatwise_copy_program_files(TARGET) copies them into the folder of TARGET, which must be the
# folder being processed, and copies them again whenever one in data/ changes. Started from
# its own folder, a program built in the build tree then runs as it does when installed.
function(heatwise_program_file_names out_var)
    set(${out_var} HELP.HLP HELP.CNT bindata2.dat cities.dat PARENT_SCOPE)
endfunction()

function(heatwise_copy_program_files target)
    heatwise_program_file_names(names)
    set(copies)
    foreach(name IN LISTS names)
        set(source "${PROJECT_SOURCE_DIR}/data/${name}")
        set(copy "${CMAKE_CURRENT_BINARY_DIR}/${name}")
        add_custom_command(
            OUTPUT "${copy}"
            COMMAND ${CMAKE_COMMAND} -E copy_if_different "${source}" "${copy}"
            DEPENDS "${source}"
            COMMENT "Copying ${name} beside ${target}"
            VERBATIM)
        list(APPEND copies "${copy}")
    endforeach()
    add_custom_target(${target}_program_files DEPENDS ${copies})
    add_dependencies(${target} ${target}_program_files)
endfunction()
