# SPDX-License-Identifier: GPL-3.0-or-later
# The page and, with the tests, the node runner, built with em++ by
# tools/build-web when Emscripten is installed: build/web (the page, and the
# page in one file, build/web/kasnak.html) and build/node/kasnak-script.js
# (kasnak-script for node).  KASNAK_WEB_PAGE and KASNAK_WEB_NODE name what was
# built, for the tests that play the scenario scripts on them.
find_program(KASNAK_EMXX em++)
find_program(KASNAK_EMCMAKE emcmake)
find_program(KASNAK_NODE node)
if(NOT KASNAK_EMXX OR NOT KASNAK_EMCMAKE OR NOT KASNAK_NODE)
  message(STATUS "kasnak: page left out: em++, emcmake or node not found (tools/install-deps --tests)")
  return()
endif()

# tools/build-web builds both from this source tree under Emscripten's CMake
# toolchain, in one build folder (build/emscripten) that it builds again only
# where something changed; one command after the other, never at once.  They
# depend on every file of the core and of the faces' build, of the page and,
# with the tests, of the runner.
list(TRANSFORM KASNAK_STACK APPEND /* OUTPUT_VARIABLE KASNAK_STACK_FILES)
set(KASNAK_WEB_GLOBS ${KASNAK_STACK_FILES} web/* app/icons/*.png app/fonts/*)
if(KASNAK_TESTS)
  list(APPEND KASNAK_WEB_GLOBS tests/harness/*)
endif()
file(GLOB_RECURSE KASNAK_WEB_INPUTS CONFIGURE_DEPENDS ${KASNAK_WEB_GLOBS})
list(APPEND KASNAK_WEB_INPUTS ${CMAKE_SOURCE_DIR}/CMakeLists.txt ${CMAKE_SOURCE_DIR}/tools/build-web
  ${CMAKE_SOURCE_DIR}/tools/single-page)
set(KASNAK_WEB_BUILD ${CMAKE_BINARY_DIR}/emscripten)
set(KASNAK_WEB_PAGE ${CMAKE_BINARY_DIR}/web)
# The page in one file, opened from disk.
set(KASNAK_WEB_SINGLE ${KASNAK_WEB_PAGE}/kasnak.html)
set(KASNAK_WEB_OUTPUTS ${KASNAK_WEB_PAGE}/index.html ${KASNAK_WEB_PAGE}/model.wasm ${KASNAK_WEB_SINGLE})
set(KASNAK_WEB_COMMANDS
  COMMAND ${CMAKE_COMMAND} -E env KASNAK_TESTS=${KASNAK_TESTS}
          ${CMAKE_SOURCE_DIR}/tools/build-web --build ${KASNAK_WEB_BUILD} ${KASNAK_WEB_PAGE})
if(KASNAK_TESTS)
  set(KASNAK_WEB_NODE ${CMAKE_BINARY_DIR}/node/kasnak-script)
  list(APPEND KASNAK_WEB_OUTPUTS ${KASNAK_WEB_NODE}.js ${KASNAK_WEB_NODE}.wasm)
  list(APPEND KASNAK_WEB_COMMANDS
    COMMAND ${CMAKE_SOURCE_DIR}/tools/build-web --build ${KASNAK_WEB_BUILD} --node ${KASNAK_WEB_NODE})
endif()
add_custom_command(
  OUTPUT ${KASNAK_WEB_OUTPUTS}
  ${KASNAK_WEB_COMMANDS}
  DEPENDS ${KASNAK_WEB_INPUTS}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Building the page (and, with the tests, kasnak-script for node) with em++" VERBATIM)
add_custom_target(web ALL DEPENDS ${KASNAK_WEB_OUTPUTS})
if(NOT KASNAK_TESTS)
  return()
endif()
add_custom_target(kasnak-script-node DEPENDS web)

# The scenario scripts are played on the page by tools/script-web in each
# browser engine that is installed, with the npm packages of tests/web
# (tools/install-deps): KASNAK_WEB_ENGINES names them.
set(KASNAK_WEB_ENGINES)
if(NOT EXISTS ${CMAKE_SOURCE_DIR}/tests/web/node_modules/puppeteer-core
   OR NOT EXISTS ${CMAKE_SOURCE_DIR}/tests/web/node_modules/selenium-webdriver)
  message(STATUS "tests/web/node_modules not installed (tools/install-deps): the page is not played")
  return()
endif()
find_program(KASNAK_CHROMIUM chromium-headless-shell)
if(KASNAK_CHROMIUM)
  list(APPEND KASNAK_WEB_ENGINES chromium)
endif()
find_program(KASNAK_FIREFOX firefox-esr)
if(KASNAK_FIREFOX)
  list(APPEND KASNAK_WEB_ENGINES firefox)
endif()
# WebKit: WebKitGTK's WebDriver and its MiniBrowser, on a private X display
# (xvfb-run, through tools/private-display).
find_program(KASNAK_WEBKITDRIVER WebKitWebDriver)
find_program(KASNAK_XVFB_RUN xvfb-run)
file(GLOB KASNAK_MINIBROWSER /usr/lib/*/webkit2gtk-4.1/MiniBrowser)
if(KASNAK_WEBKITDRIVER AND KASNAK_XVFB_RUN AND KASNAK_MINIBROWSER)
  list(APPEND KASNAK_WEB_ENGINES webkit)
endif()
message(STATUS "the page is played in: ${KASNAK_WEB_ENGINES}")
