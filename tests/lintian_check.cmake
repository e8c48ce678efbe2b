# SPDX-License-Identifier: GPL-3.0-or-later
# Runs lintian on the Debian package that the test package.deb made in DIR:
# any error, warning, informational or pedantic tag fails.
#   cmake -DDIR=DIR -P lintian_check.cmake
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message(FATAL_ERROR "lintian is missing: run tools/install-deps --tests (package lintian)")
endif()
file(GLOB debs ${DIR}/kasnak_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "not one package in ${DIR}: ${debs}")
endif()
# (Run as root, lintian says on standard error that it should not be.)
execute_process(COMMAND ${LINTIAN} --display-info --pedantic --fail-on none ${debs}
  OUTPUT_VARIABLE report ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR report MATCHES "(^|\n)[EWIP]: ")
  message(FATAL_ERROR "lintian ${debs} (status ${status}):\n${report}${errors}")
endif()
