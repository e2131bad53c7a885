# Runs one fuzz target for a bounded time. It works on a fresh copy of the
# seed corpus, so the inputs it adds never reach the repository, and a
# failing input is kept beside that copy.
#   cmake -DFUZZER=path -DSEEDS=folder -DWORK=folder -DSECONDS=n -P run_fuzz_target.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus" "${WORK}/failures")
file(COPY "${SEEDS}/" DESTINATION "${WORK}/corpus")
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SECONDS} -timeout=10 -print_final_stats=1
          -artifact_prefix=${WORK}/failures/ "${WORK}/corpus"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the failing input is in ${WORK}/failures")
endif()
