# SPDX-License-Identifier: GPL-3.0-or-later
# Plays one scenario script and compares the runner's output with the
# expected output beside it.  MODE, when given, is passed to the runner
# before the script (--window); TAG, when given, names the kept output of a
# failed run (NAME-TAG.actual).
execute_process(COMMAND ${RUNNER} ${MODE} ${SCRIPT}
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "runner exited ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  string(REPLACE ".out" "${MODE}${TAG}.actual" actual_file ${EXPECTED})
  get_filename_component(actual_name ${actual_file} NAME)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${actual_name} "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${CMAKE_CURRENT_BINARY_DIR}/${actual_name})
  message(FATAL_ERROR "output differs from ${EXPECTED}")
endif()
