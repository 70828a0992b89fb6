# Runs fuzz_entry for a bounded number of inputs. Every run starts again from
# the seeds alone, so with the fixed -seed a failing run fails the same way
# when repeated.
file(REMOVE_RECURSE "${WORK}")
file(COPY "${SEEDS}/" DESTINATION "${WORK}")
get_filename_component(artifacts "${WORK}" DIRECTORY)
execute_process(COMMAND "${FUZZER}" -runs=500000 -seed=1 -max_len=300 -artifact_prefix=${artifacts}/ "${WORK}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "fuzz_entry failed (${status}); replay the failing input with: ${FUZZER} ${artifacts}/crash-*")
endif()
