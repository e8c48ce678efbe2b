# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package of the build into a scratch folder and checks it
# with dpkg-deb: Debian's file name, the desktop program under /usr with its
# manual pages, its copyright file, changelog and guide, and a Depends line
# with the libraries found by dpkg-shlibdeps and the run-time package no link
# shows.
#   cmake -DCPACK=cpack -DBUILD=DIR -DOUT=DIR -DAPP_ID=ID -DVERSION=V -P package_check.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT} --config ${BUILD}/CPackConfig.cmake
  OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE status)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb ${OUT}/kasnak_${VERSION}_${arch}.deb)
if(NOT status EQUAL 0 OR NOT EXISTS ${deb})
  message(FATAL_ERROR "cpack made no ${deb}:\n${log}")
endif()

execute_process(COMMAND dpkg-deb --contents ${deb} OUTPUT_VARIABLE contents RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --contents ${deb} failed")
endif()
set(files
  usr/bin/kasnak
  usr/share/applications/${APP_ID}.desktop
  usr/share/metainfo/${APP_ID}.metainfo.xml
  usr/share/doc/kasnak/copyright
  usr/share/doc/kasnak/changelog.gz
  usr/share/doc/kasnak/kullanim.md
  usr/share/doc/kasnak/typical-use.png
  usr/share/doc/kasnak/README.md
  usr/share/man/man1/kasnak.1.gz
  usr/share/man/tr/man1/kasnak.1.gz)
foreach(size 32 48 64 128 256)
  list(APPEND files usr/share/icons/hicolor/${size}x${size}/apps/kasnak.png)
endforeach()
foreach(file ${files})
  string(REPLACE "." "\\." pattern "${file}")
  if(NOT contents MATCHES "(^|\n)-[^\n]* \\./${pattern}\n")
    message(FATAL_ERROR "${deb} lacks /${file}:\n${contents}")
  endif()
endforeach()
if(NOT contents MATCHES "(^|\n)-rwxr-xr-x [^\n]* \\./usr/bin/kasnak\n")
  message(FATAL_ERROR "/usr/bin/kasnak is not executable by all:\n${contents}")
endif()

execute_process(COMMAND dpkg-deb --field ${deb} Depends OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(package libqt6widgets6 qt6-translations-l10n libc6)
  if(NOT ", ${depends}," MATCHES ", ${package}[ ,]")
    message(FATAL_ERROR "${deb} does not depend on ${package}: Depends: ${depends}")
  endif()
endforeach()
