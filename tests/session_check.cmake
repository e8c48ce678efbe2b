# SPDX-License-Identifier: GPL-3.0-or-later
# A check that an engine's session ran (tests/web/session.mjs): prints what it
# said, and fails unless it passed ("status=0" at the end of its log).
#   cmake -DLOG=SESSION/NAME.log -P session_check.cmake
if(NOT EXISTS ${LOG})
  message(FATAL_ERROR "no ${LOG}: the session did not run the check")
endif()
file(READ ${LOG} log)
message("${log}")
if(NOT log MATCHES "(^|\n)status=0\n$")
  message(FATAL_ERROR "the check failed")
endif()
