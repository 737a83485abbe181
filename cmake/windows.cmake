# Windows: the panel program importing inpout32.dll, and its end-to-end tests
# under Wine.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

add_executable(kalderon-test WIN32
  panel/panel_dialog.cpp
  ports/inpout32/driver_check.cpp
  resources/panel.rc)
target_include_directories(kalderon-test PRIVATE panel)
target_link_libraries(kalderon-test PRIVATE link port_inpout32)
# Runtime linked in: the program imports only system DLLs and inpout32.dll.
target_link_options(kalderon-test PRIVATE -municode -static -static-libgcc -static-libstdc++)
set_source_files_properties(resources/panel.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/panel.ico;${CMAKE_SOURCE_DIR}/panel/panel_ids.h")
set_property(SOURCE resources/panel.rc APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/panel)

# --- End-to-end tests under Wine ---------------------------------------------
# GoogleTest built from Debian's sources with the cross compiler.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# An inpout32.dll whose driver is not open, in a folder of its own, under
# the simulated board's export names.
add_library(closed_driver SHARED tests/wine/closed_driver.cpp ports/sim/inpout32.def)
target_link_libraries(closed_driver PRIVATE port_abi)
target_link_options(closed_driver PRIVATE -static -static-libgcc)
set_target_properties(closed_driver PROPERTIES OUTPUT_NAME inpout32 PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/closed-driver)

add_executable(panel_e2e tests/wine/panel_e2e.cpp)
target_include_directories(panel_e2e PRIVATE panel tests/support)
target_link_libraries(panel_e2e PRIVATE gtest)
target_link_options(panel_e2e PRIVATE -municode -static -static-libgcc -static-libstdc++)

add_test(NAME wine_panel_e2e
  COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/run.sh ${CMAKE_BINARY_DIR} $<TARGET_FILE:panel_e2e>)
set_tests_properties(wine_panel_e2e PROPERTIES LABELS wine RESOURCE_LOCK wine TIMEOUT 600)

# --- The operator's zip: the program, the simulated board in sim\, a README
install(TARGETS kalderon-test RUNTIME DESTINATION .)
install(TARGETS port_sim RUNTIME DESTINATION sim)
install(FILES docs/README-windows.txt DESTINATION . RENAME README.txt)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME kalderon-test-${PROJECT_VERSION}-windows)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
