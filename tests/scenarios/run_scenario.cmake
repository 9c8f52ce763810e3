# Runs a scenario through corvane-sim and compares what it printed with what is expected.
#   SIM       the corvane-sim executable
#   SCENARIO  the scenario's path without extension: NAME.script, an optional NAME.2.script
#             run next against the same registry, and NAME.expected
#   WORK      a folder for the registry file and, on a mismatch, NAME.actual
# A script's first line may name the options: "# options: --lang ja --no-converter".
get_filename_component(name "${SCENARIO}" NAME)
set(registry "${WORK}/${name}.registry")
file(REMOVE "${registry}")
set(actual "")
foreach(part "" ".2")
    set(script "${SCENARIO}${part}.script")
    if(NOT EXISTS "${script}")
        continue()
    endif()
    file(STRINGS "${script}" first LIMIT_COUNT 1)
    set(options "")
    if(first MATCHES "^# options:(.*)$")
        separate_arguments(options UNIX_COMMAND "${CMAKE_MATCH_1}")
    endif()
    # Errors go to standard error, in their place among the output; the script is named as
    # given, from its folder, so that the expected output names no machine's paths.
    get_filename_component(folder "${script}" DIRECTORY)
    get_filename_component(file "${script}" NAME)
    execute_process(COMMAND "${SIM}" --registry "${registry}" ${options} "${file}"
                    WORKING_DIRECTORY "${folder}"
                    OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE rc)
    string(APPEND actual "${out}")
    # A run that did not succeed says so, and the expected output says whether it should.
    if(NOT rc EQUAL 0)
        string(APPEND actual "(exit status ${rc})\n")
    endif()
endforeach()
file(READ "${SCENARIO}.expected" expected)
if(NOT actual STREQUAL expected)
    file(WRITE "${WORK}/${name}.actual" "${actual}")
    execute_process(COMMAND diff -u "${SCENARIO}.expected" "${WORK}/${name}.actual")
    message(FATAL_ERROR "${name}: the output differs from ${SCENARIO}.expected")
endif()
