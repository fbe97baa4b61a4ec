# cmake -DPROGRAM=path -DARGUMENTS="args..." -DEXPECTED=code -P ExpectExitCode.cmake
# Runs the program with the blank-separated arguments and fails unless it exits with exactly EXPECTED.
separate_arguments(arguments UNIX_COMMAND "${ARGUMENTS}")
execute_process(COMMAND "${PROGRAM}" ${arguments} RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result STREQUAL "${EXPECTED}")
    message(FATAL_ERROR "${PROGRAM} ${ARGUMENTS}: exit code ${result}, expected ${EXPECTED}")
endif()
