# SPDX-License-Identifier: GPL-3.0-or-later
# em++'s settings for everything built under Emscripten's CMake toolchain
# (tools/build-web configures such a build): the core, the page's module and
# the runner for node.  The core reports arithmetic faults by throwing:
# exceptions stay on.  STRICT also holds while compiling (it leaves out the
# old EMSCRIPTEN define).
add_compile_options(-Oz -flto -fwasm-exceptions -sSTRICT=1)
add_link_options(-Oz -flto -fwasm-exceptions -sSTRICT=1 -sMALLOC=emmalloc -sTOTAL_STACK=256KB)

# The number rules' fmt and fast_float are header-only, and come from the
# build machine's include folder.  em++ must not see that folder as a whole
# (it would shadow its own C library), so they come in through a folder of two
# links.  fmt with a fixed thousands separator leaves out the C++ locales,
# which the number rules never use (they write '.' and no separator), and
# which would double the code.
set(KASNAK_STAGED_INCLUDE ${CMAKE_BINARY_DIR}/staged-include)
file(MAKE_DIRECTORY ${KASNAK_STAGED_INCLUDE})
find_path(KASNAK_FMT_INCLUDE fmt/format.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(KASNAK_FAST_FLOAT_INCLUDE fast_float/fast_float.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(CREATE_LINK ${KASNAK_FMT_INCLUDE}/fmt ${KASNAK_STAGED_INCLUDE}/fmt SYMBOLIC)
file(CREATE_LINK ${KASNAK_FAST_FLOAT_INCLUDE}/fast_float ${KASNAK_STAGED_INCLUDE}/fast_float SYMBOLIC)
add_library(fmt::fmt-header-only INTERFACE IMPORTED)
target_include_directories(fmt::fmt-header-only INTERFACE ${KASNAK_STAGED_INCLUDE})
target_compile_definitions(fmt::fmt-header-only INTERFACE FMT_HEADER_ONLY "FMT_STATIC_THOUSANDS_SEPARATOR=','")
add_library(FastFloat::fast_float INTERFACE IMPORTED)
target_include_directories(FastFloat::fast_float INTERFACE ${KASNAK_STAGED_INCLUDE})
