# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks what a desktop finds
# there: the program, its menu entry (valid by desktop-file-validate, naming
# the installed program and icon) and its icon in every size.
#   cmake -DBUILD=DIR -DPREFIX=DIR -DAPP_ID=ID -P install_check.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
  OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed: ${log}")
endif()

set(program ${PREFIX}/bin/kasnak)
set(entry ${PREFIX}/share/applications/${APP_ID}.desktop)
if(NOT EXISTS ${program} OR IS_DIRECTORY ${program})
  message(FATAL_ERROR "no program at ${program}")
endif()
file(READ ${entry} text)

find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate is missing: run tools/install-deps --tests (package desktop-file-utils)")
endif()
execute_process(COMMAND ${VALIDATE} ${entry} OUTPUT_VARIABLE report ERROR_VARIABLE report RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT report STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${entry}:\n${report}")
endif()
foreach(line "Exec=kasnak\n" "Icon=kasnak\n" "Type=Application\n")
  string(FIND "${text}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${entry} lacks ${line}")
  endif()
endforeach()

# Each icon is a PNG of its folder's size: the width and height follow the
# signature and the IHDR chunk header.
foreach(size 32 48 64 128 256)
  set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/kasnak.png)
  if(NOT EXISTS ${icon})
    message(FATAL_ERROR "no icon at ${icon}")
  endif()
  file(READ ${icon} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${icon} is not a ${size}x${size} PNG (${signature}, ${width}x${height})")
  endif()
endforeach()
