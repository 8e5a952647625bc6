# Scores the bundled sample log with zqm-score, in a scratch directory, and
# compares the report and the rejection log byte for byte with the stored ones.
#   -DSCORE=<zqm-score> [-DEMULATOR=<runner;args>] -DLOG=<.adi> -DEXPECTED_DIR=<dir> -DWORK_DIR=<dir>
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${EMULATOR} ${SCORE} --call XX1AA --country Xland --continent EU ${LOG}
                WORKING_DIRECTORY ${WORK_DIR}
                OUTPUT_FILE ${WORK_DIR}/report.txt
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "zqm-score exited with ${rc}")
endif()

set(failures "")
foreach(pair "report.txt;sample-report.txt" "err.txt;sample-err.txt")
  list(GET pair 0 actual)
  list(GET pair 1 expected)
  file(READ ${WORK_DIR}/${actual} actual_hex HEX)
  file(READ ${EXPECTED_DIR}/${expected} expected_hex HEX)
  if(NOT actual_hex STREQUAL expected_hex)
    file(READ ${WORK_DIR}/${actual} shown)
    string(APPEND failures "${actual} differs from ${expected}; it reads:\n${shown}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "sample log scored as expected")
