# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the page after a script to PDF in a browser, with its defaults (no
# background graphics), and reads the PDF's text.  Faults caught: a printout
# that loses the selected profile or a tick (drawn only as a background), a
# result, the advice or the ordering and fitting section, that prints the
# section's copy button, or that runs past one page.
# The PDF is the one a browser session printed (tests/web/session.mjs), beside
# its log, which ends in "status=0" when the player passed:
#   cmake -DLOG=SESSION/NAME.log -DPDF=SESSION/NAME.pdf -P print_check.cmake
if(EXISTS ${LOG})
  file(READ ${LOG} log)
  string(REGEX MATCH "status=([0-9]+)\n$" status "${log}")
  set(status ${CMAKE_MATCH_1})
else()
  set(status "none: the session did not print")
endif()
execute_process(COMMAND pdfinfo ${PDF} OUTPUT_VARIABLE info)
execute_process(COMMAND pdftotext -layout ${PDF} - OUTPUT_VARIABLE text)
foreach(shown "Pages: +1\n" "◉ PK" "○ PM" "☑ Ağır Hizmet" "☐ Kompakt Motor" "Toplam Kayış Gücü = +16\\.31 +kW"
        "Yazdırılma zamanı: [0-9]" "motor 22 kW: en az 9 kanal gerekir\\." "Sipariş ve montaj\n"
        "stok kayış: 6PK1298, eksen mesafesi 275\\.9 mm\n")
  if(NOT status EQUAL 0 OR NOT "${info}${text}" MATCHES "${shown}")
    message(FATAL_ERROR "the printout (status ${status}) lacks \"${shown}\":\n${info}${text}")
  endif()
endforeach()
if("${text}" MATCHES "Tümünü kopyala")
  message(FATAL_ERROR "the printout shows the section's copy button:\n${text}")
endif()
