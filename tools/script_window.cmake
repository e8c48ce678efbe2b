# SPDX-License-Identifier: GPL-3.0-or-later
# The scenario runner's window mode (kasnak-script --window): the same
# scripts played on the Qt window through simulated user input.  Included
# from the top level when the window is built.
find_package(Qt6 REQUIRED COMPONENTS Test)
# The simulated user input and the reading of the widgets, shared with the
# window tests.
add_library(kasnak_window_input STATIC ${CMAKE_CURRENT_LIST_DIR}/window_input.cpp ${CMAKE_CURRENT_LIST_DIR}/window_input.h)
target_link_libraries(kasnak_window_input PUBLIC kasnak_window Qt6::Test)
add_library(kasnak_script_window STATIC ${CMAKE_CURRENT_LIST_DIR}/script_window.cpp)
target_link_libraries(kasnak_script_window PUBLIC kasnak_script kasnak_window_input)
target_link_libraries(kasnak-script PRIVATE kasnak_script_window)
target_compile_definitions(kasnak-script PRIVATE KASNAK_SCRIPT_WINDOW)
