# Runs one fuzzer over a scratch copy of its seed corpus: libFuzzer adds the
# inputs it finds to its first corpus folder, and the source tree must stay
# as it is. A failing input is left in WORK as crash-*.
#   cmake -DFUZZER=<program> -DSEEDS=<seed folder> -DWORK=<scratch folder> -DRUNS=<n> -P run_fuzzer.cmake
foreach(var FUZZER SEEDS WORK RUNS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "run_fuzzer.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus")
file(COPY "${SEEDS}/" DESTINATION "${WORK}/corpus")

# A fixed seed makes a failure repeat on the next run of the test.
execute_process(
    COMMAND "${FUZZER}" -runs=${RUNS} -seed=1 -max_len=256 -print_final_stats=1
            "-artifact_prefix=${WORK}/" "${WORK}/corpus"
    WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); see ${WORK}")
endif()
