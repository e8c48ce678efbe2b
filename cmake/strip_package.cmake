# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the package's files are in its staging folder: strips
# the program as Debian's packages are stripped (dh_strip), of its symbols,
# its debugging information and the .comment and .note sections.
file(GLOB_RECURSE programs LIST_DIRECTORIES false ${CPACK_TEMPORARY_DIRECTORY}/*/bin/*)
if(NOT programs)
  message(FATAL_ERROR "no program to strip in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(program ${programs})
  execute_process(COMMAND ${CPACK_KASNAK_STRIP} --remove-section=.comment --remove-section=.note ${program}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CPACK_KASNAK_STRIP} failed on ${program}")
  endif()
endforeach()
