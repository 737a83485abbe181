# Linux: the tests and the benchmark, on the programs' own libraries.
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)
include(GoogleTest)

# Test doubles: the final program's StepNotifier, and a port that records.
add_library(step_recorder STATIC tests/support/step_recorder.cpp)
target_include_directories(step_recorder PUBLIC tests/support)
target_link_libraries(step_recorder PUBLIC link)

add_library(recording_port STATIC tests/support/recording_port.cpp)
target_include_directories(recording_port PUBLIC tests/support)
target_link_libraries(recording_port PUBLIC port_abi)

add_executable(link_test tests/link_test.cpp)
target_link_libraries(link_test PRIVATE link recording_port step_recorder GTest::gtest_main)
gtest_discover_tests(link_test PROPERTIES LABELS unit)

add_executable(sim_board_test tests/sim_board_test.cpp)
target_link_libraries(sim_board_test PRIVATE link port_sim step_recorder GTest::gtest_main)
gtest_discover_tests(sim_board_test PROPERTIES LABELS unit)

# The simulated board's waveform, read back by sigrok-cli.
add_executable(vcd_write_read tests/vcd_write_read.cpp)
target_link_libraries(vcd_write_read PRIVATE link port_sim)
add_test(NAME vcd_read_by_sigrok
  COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/vcd_sigrok.py $<TARGET_FILE:vcd_write_read>
          ${CMAKE_BINARY_DIR}/write-read.vcd)
set_tests_properties(vcd_read_by_sigrok PROPERTIES LABELS unit)

# The port choice's rules, Windows' included: they need no platform.
add_executable(port_choice_test tests/port_choice_test.cpp ports/port_args.cpp ports/inpout32/lpt_rules.cpp)
target_include_directories(port_choice_test PRIVATE ports)
target_link_libraries(port_choice_test PRIVATE GTest::gtest_main)
gtest_discover_tests(port_choice_test PROPERTIES LABELS unit)

add_executable(ppdev_test tests/ppdev_test.cpp)
target_link_libraries(ppdev_test PRIVATE port_ppdev GTest::gtest_main)
gtest_discover_tests(ppdev_test PROPERTIES LABELS unit)

# A static guest program and timing runs have no place in a sanitizer build.
if(NOT KALDERON_SANITIZE)
  add_subdirectory(bench)
endif()

# --- Panel tests, headless -----------------------------------------------------
add_executable(panel_template_test tests/qt/template_test.cpp)
target_link_libraries(panel_template_test PRIVATE qt_win32 GTest::gtest_main)
target_include_directories(panel_template_test PRIVATE panel tests/support)
gtest_discover_tests(panel_template_test PROPERTIES LABELS panel)

# The tests run on the objects of kalderon-test-sim, without its main.
add_library(panel_driver STATIC tests/qt/panel_driver.cpp tests/support/panel_scenarios.cpp)
target_include_directories(panel_driver PUBLIC tests/qt tests/support)
target_link_libraries(panel_driver PUBLIC panel port_sim Qt6::Test GTest::gtest)

add_executable(panel_qt_test tests/qt/panel_test.cpp)
target_link_libraries(panel_qt_test PRIVATE panel_driver)
target_compile_definitions(panel_qt_test PRIVATE PANEL_PNG="${CMAKE_BINARY_DIR}/panel.png")
gtest_discover_tests(panel_qt_test PROPERTIES LABELS panel ENVIRONMENT QT_QPA_PLATFORM=offscreen)

# 10,000 seeded random operator actions, with invariants after each.
add_executable(panel_random_run tests/qt/random_run.cpp)
target_link_libraries(panel_random_run PRIVATE panel_driver)
add_test(NAME panel_random_run COMMAND panel_random_run)
set_tests_properties(panel_random_run PROPERTIES LABELS panel ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)

add_test(NAME ppdev_program_refuses_a_missing_port
  COMMAND ${CMAKE_SOURCE_DIR}/tests/qt/no_port.sh $<TARGET_FILE:kalderon-test>)
set_tests_properties(ppdev_program_refuses_a_missing_port PROPERTIES LABELS panel SKIP_RETURN_CODE 77)

# The same refusal on a desktop, and a port that goes away after the claim:
# an error box each. The vanishing port is a preloaded stand-in for the
# device; a preload cannot come before the sanitizers' runtime.
if(NOT KALDERON_SANITIZE)
  enable_language(C)
  add_library(vanishing_port MODULE tests/qt/vanishing_port.c)
  target_link_libraries(vanishing_port PRIVATE ${CMAKE_DL_LIBS})
  add_test(NAME ppdev_program_shows_port_trouble_in_a_box
    COMMAND ${CMAKE_SOURCE_DIR}/tests/qt/port_trouble.sh $<TARGET_FILE:kalderon-test>
            $<TARGET_FILE:vanishing_port> ${CMAKE_BINARY_DIR})
  set_tests_properties(ppdev_program_shows_port_trouble_in_a_box PROPERTIES LABELS panel TIMEOUT 60)
endif()

# --- ppdev against the real kernel drivers, under qemu ---------------------------
if(NOT KALDERON_SANITIZE)
  add_executable(ppdev_guest_test tests/qemu/guest_test.cpp)
  target_link_libraries(ppdev_guest_test PRIVATE link port_ppdev)
  target_link_options(ppdev_guest_test PRIVATE -static)
  add_test(NAME ppdev_under_qemu
    COMMAND ${CMAKE_SOURCE_DIR}/tests/qemu/run.sh ${CMAKE_BINARY_DIR}/qemu $<TARGET_FILE:ppdev_guest_test>)
  set_tests_properties(ppdev_under_qemu PROPERTIES LABELS qemu TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()

# --- The Debian package, built by make package-linux before the tests run ------
if(NOT KALDERON_SANITIZE)
  add_test(NAME debian_package
    COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check_deb.sh
            ${CMAKE_BINARY_DIR}/kalderon-test_${PROJECT_VERSION}_amd64.deb)
  set_tests_properties(debian_package PROPERTIES LABELS package TIMEOUT 300)
endif()
