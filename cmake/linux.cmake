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

add_subdirectory(bench)
