# Checks that the core of Windlass includes one way: a file may include headers of its own
# folder and of lower folders only, and no Qt header at all. Run as
#   cmake -DTOOLKIT_DIR=<checkout>/toolkit -P check_layers.cmake
# Every offending include is named with its file and line; the check fails when there is one.

# The folders of the core, lowest first. Folders on one line are one layer: the dialogs, their
# fields and the numeric edit fields call each other and are one layer of the toolkit.
set(kLayers
    "windlass"
    "resources"
    "platform"
    "errors"
    "convert"
    "init"
    "window"
    "message"
    "help"
    "field numeric dialog"
    "state")

if(NOT TOOLKIT_DIR)
    message(FATAL_ERROR "TOOLKIT_DIR must name the toolkit folder")
endif()

set(rank 0)
set(core_folders "")
foreach(layer IN LISTS kLayers)
    string(REPLACE " " ";" folders "${layer}")
    foreach(folder IN LISTS folders)
        set(rank_of_${folder} ${rank})
        list(APPEND core_folders ${folder})
    endforeach()
    math(EXPR rank "${rank} + 1")
endforeach()

set(problems 0)
foreach(folder IN LISTS core_folders)
    file(GLOB_RECURSE sources RELATIVE "${TOOLKIT_DIR}" "${TOOLKIT_DIR}/${folder}/*.h"
         "${TOOLKIT_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${TOOLKIT_DIR}/${source}" lines)
        set(line_number 0)
        foreach(line IN LISTS lines)
            math(EXPR line_number "${line_number} + 1")
            if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<(Q[A-Za-z]*|qt[^>]*|q[a-z]+\\.h)>")
                message("${source}:${line_number}: includes the Qt header <${CMAKE_MATCH_1}>")
                math(EXPR problems "${problems} + 1")
            elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/")
                set(target "${CMAKE_MATCH_1}")
                if(NOT DEFINED rank_of_${target})
                    message("${source}:${line_number}: includes from ${target}/, which is not a "
                            "folder of the core")
                    math(EXPR problems "${problems} + 1")
                elseif(rank_of_${target} GREATER rank_of_${folder})
                    message("${source}:${line_number}: ${folder}/ includes from the higher "
                            "folder ${target}/")
                    math(EXPR problems "${problems} + 1")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(problems GREATER 0)
    message(FATAL_ERROR "${problems} include(s) against the layers of the core")
endif()
message("The core's includes run one way.")
