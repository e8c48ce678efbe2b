# SPDX-License-Identifier: GPL-3.0-or-later
# The page and the node runner, built with em++ by tools/build-web when
# Emscripten is installed: build/web (the page) and build/node/kasnak-script.js
# (kasnak-script for node).  KASNAK_WEB_PAGE and KASNAK_WEB_NODE name what was
# built, for the tests that play the scenario scripts on them.
find_program(KASNAK_EMXX em++)
find_program(KASNAK_NODE node)
if(NOT KASNAK_EMXX OR NOT KASNAK_NODE)
  message(STATUS "em++ or node not found: the page is not built")
  return()
endif()

file(GLOB_RECURSE KASNAK_WEB_INPUTS CONFIGURE_DEPENDS
  numbers/* drive/* model/* procedures/* web/* app/icons/*.png app/fonts/*)
set(KASNAK_WEB_PAGE ${CMAKE_BINARY_DIR}/web)
add_custom_command(OUTPUT ${KASNAK_WEB_PAGE}/index.html ${KASNAK_WEB_PAGE}/model.wasm
  COMMAND ${CMAKE_SOURCE_DIR}/tools/build-web ${KASNAK_WEB_PAGE}
  DEPENDS ${KASNAK_WEB_INPUTS} ${CMAKE_SOURCE_DIR}/tools/build-web
  COMMENT "Building the page with em++" VERBATIM)
add_custom_target(web ALL DEPENDS ${KASNAK_WEB_PAGE}/index.html)

set(KASNAK_WEB_NODE ${CMAKE_BINARY_DIR}/node/kasnak-script)
add_custom_command(OUTPUT ${KASNAK_WEB_NODE}.js ${KASNAK_WEB_NODE}.wasm
  COMMAND ${CMAKE_SOURCE_DIR}/tools/build-web --node ${KASNAK_WEB_NODE}
  DEPENDS ${KASNAK_WEB_INPUTS} ${CMAKE_SOURCE_DIR}/tests/harness/script.cpp ${CMAKE_SOURCE_DIR}/tests/harness/script.h
          ${CMAKE_SOURCE_DIR}/tests/harness/script_main.cpp ${CMAKE_SOURCE_DIR}/tools/build-web
  COMMENT "Building kasnak-script for node with em++" VERBATIM)
add_custom_target(kasnak-script-node ALL DEPENDS ${KASNAK_WEB_NODE}.js)

# The page is played in headless Chromium through chromedriver and selenium.
find_program(KASNAK_CHROMIUM chromium)
find_program(KASNAK_CHROMEDRIVER chromedriver)
execute_process(COMMAND /usr/bin/python3 -c "import selenium" RESULT_VARIABLE KASNAK_NO_SELENIUM
  OUTPUT_QUIET ERROR_QUIET)
if(NOT KASNAK_CHROMIUM OR NOT KASNAK_CHROMEDRIVER OR KASNAK_NO_SELENIUM)
  message(STATUS "chromium, chromedriver or python3-selenium not found: the page is built but not played")
  set(KASNAK_WEB_BROWSER OFF)
else()
  set(KASNAK_WEB_BROWSER ON)
endif()
