# Refuses an include that points up. The program's layers, bottom up: a file may include its
# own layer's headers and those of the layers below. The hook library stands on the platform
# alone; tools and tests may use everything. The simulated Windows is the platform's own
# business: the program reaches it only through platform/win32.h, never a file of
# platform/sim/ (corvane-sim's front end in app/sim/ works the machine), and within it no DLL includes the control side (platform/sim/control/) that
# tests and corvane-sim work the machine with.
#   cmake -DSOURCE_DIR=<repository> -P check_layers.cmake
set(LAYERS platform framework res device model view options shell app)
set(EXTRA_ALLOWED_hook platform hook)

function(layer_of path result)
    file(RELATIVE_PATH relative ${SOURCE_DIR} ${path})
    string(REGEX MATCH "^[^/]+" top "${relative}")
    set(${result} "${top}" PARENT_SCOPE)
endfunction()

function(allowed_layers layer result)
    if(DEFINED EXTRA_ALLOWED_${layer})
        set(${result} ${EXTRA_ALLOWED_${layer}} PARENT_SCOPE)
        return()
    endif()
    list(FIND LAYERS ${layer} index)
    list(SUBLIST LAYERS 0 ${index} below)
    set(${result} ${below} ${layer} PARENT_SCOPE)
endfunction()

set(violations "")
foreach(layer IN LISTS LAYERS ITEMS hook)
    allowed_layers(${layer} allowed)
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.c
         ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(source IN LISTS sources)
        get_filename_component(directory ${source} DIRECTORY)
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
            # As the compiler finds it: beside the file first, then from the repository root.
            get_filename_component(beside ${included} ABSOLUTE BASE_DIR ${directory})
            if(EXISTS ${beside})
                set(target ${beside})
            else()
                get_filename_component(target ${included} ABSOLUTE BASE_DIR ${SOURCE_DIR})
            endif()
            file(RELATIVE_PATH target_relative ${SOURCE_DIR} ${target})
            file(RELATIVE_PATH source_relative ${SOURCE_DIR} ${source})
            if(target_relative MATCHES "^platform/sim/" AND NOT layer STREQUAL "platform" AND
               NOT source_relative MATCHES "^app/sim/")
                string(APPEND violations "  ${source_relative}: ${layer}/ includes \"${included}\" of the simulated Windows\n")
                continue()
            endif()
            if(target_relative MATCHES "^platform/sim/control/" AND
               source_relative MATCHES "^platform/sim/" AND
               NOT source_relative MATCHES "^platform/sim/control/")
                string(APPEND violations "  ${source_relative}: a DLL includes \"${included}\" of the control side\n")
                continue()
            endif()
            layer_of(${target} target_layer)
            list(FIND LAYERS ${target_layer} known)
            list(FIND allowed ${target_layer} permitted)
            if((known GREATER -1 OR target_layer STREQUAL "hook") AND permitted EQUAL -1)
                file(RELATIVE_PATH where ${SOURCE_DIR} ${source})
                string(APPEND violations "  ${where}: ${layer}/ includes \"${included}\" from ${target_layer}/\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes that point up a layer:\n${violations}"
                        "A lower layer that must call up declares an interface a higher one implements.")
endif()
