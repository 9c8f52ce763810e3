# The conformance tests, built into the simulated test run and into conformance.exe.
set(CONFORMANCE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/harness.cpp
    ${CMAKE_CURRENT_LIST_DIR}/choice_controls_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/composition_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdi_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/input_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/kernel_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/property_sheet_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/registry_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trackbar_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_test.cpp)
