# Linux: the tests and the benchmark; the panel programs join them here.
find_package(GTest REQUIRED)
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

add_executable(ppdev_test tests/ppdev_test.cpp)
target_link_libraries(ppdev_test PRIVATE port_ppdev GTest::gtest_main)
gtest_discover_tests(ppdev_test PROPERTIES LABELS unit)

# A static guest program and timing runs have no place in a sanitizer build.
if(NOT KALDERON_SANITIZE)
  add_subdirectory(bench)
endif()

# --- The panel over Qt: the same dialog code and template as on Windows ------
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
find_program(LLVM_RC NAMES llvm-rc llvm-rc-14 REQUIRED)

# The resource script compiled as on Windows, then embedded as bytes. llvm-rc
# does not act on the script's code-page pragma, hence -C 65001; its
# #include <windows.h> finds ours. It also reads any argument starting with '/'
# as an option (a source under /check... would be "/C heck..."), so the input
# comes after "--".
set(panel_res ${CMAKE_BINARY_DIR}/panel.res)
set(panel_res_cpp ${CMAKE_BINARY_DIR}/panel_res.cpp)
add_custom_command(OUTPUT ${panel_res}
  COMMAND ${LLVM_RC} -C 65001 -I ${CMAKE_SOURCE_DIR}/platform/qt -I ${CMAKE_SOURCE_DIR}/panel
          -I ${CMAKE_SOURCE_DIR}/resources -FO ${panel_res} -- ${CMAKE_SOURCE_DIR}/resources/panel.rc
  DEPENDS resources/panel.rc resources/panel.ico panel/panel_ids.h platform/qt/windows.h VERBATIM)
add_custom_command(OUTPUT ${panel_res_cpp}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${panel_res} -DOUTPUT=${panel_res_cpp} -P ${CMAKE_SOURCE_DIR}/cmake/embed.cmake
  DEPENDS ${panel_res} cmake/embed.cmake VERBATIM)

add_library(qt_win32 STATIC
  platform/qt/dialog_manager.cpp platform/qt/dialog_template.cpp platform/qt/resources.cpp ${panel_res_cpp})
target_include_directories(qt_win32 PUBLIC platform/qt)
target_link_libraries(qt_win32 PUBLIC Qt6::Widgets)

add_library(panel STATIC panel/panel_dialog.cpp)
target_include_directories(panel PUBLIC panel)
target_link_libraries(panel PUBLIC link qt_win32)

# One program per port library, chosen at link time.
add_executable(kalderon-test platform/qt/main.cpp)
target_link_libraries(kalderon-test PRIVATE panel port_ppdev port_trouble_box)
add_executable(kalderon-test-sim platform/qt/main.cpp)
target_link_libraries(kalderon-test-sim PRIVATE panel port_sim)

# --- Panel tests, headless -----------------------------------------------------
add_executable(panel_template_test tests/qt/template_test.cpp)
target_link_libraries(panel_template_test PRIVATE qt_win32 GTest::gtest_main)
target_include_directories(panel_template_test PRIVATE panel tests/support)
gtest_discover_tests(panel_template_test PROPERTIES LABELS panel)

# The tests run on the objects of kalderon-test-sim, without its main.
add_library(panel_driver STATIC tests/qt/panel_driver.cpp)
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
set_tests_properties(ppdev_program_refuses_a_missing_port PROPERTIES LABELS panel)

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

# --- Installing: the two programs, a desktop entry and the icon ----------------
include(GNUInstallDirs)
install(TARGETS kalderon-test kalderon-test-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/kalderon-test.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/panel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
  RENAME kalderon-test.png)

# --- ppdev against the real kernel drivers, under qemu ---------------------------
if(NOT KALDERON_SANITIZE)
  add_executable(ppdev_guest_test tests/qemu/guest_test.cpp)
  target_link_libraries(ppdev_guest_test PRIVATE link port_ppdev)
  target_link_options(ppdev_guest_test PRIVATE -static)
  add_test(NAME ppdev_under_qemu
    COMMAND ${CMAKE_SOURCE_DIR}/tests/qemu/run.sh ${CMAKE_BINARY_DIR}/qemu $<TARGET_FILE:ppdev_guest_test>)
  set_tests_properties(ppdev_under_qemu PROPERTIES LABELS qemu TIMEOUT 300 SKIP_RETURN_CODE 77)
endif()
