# Windows: the panel program importing this width's port library, and its
# end-to-end tests under Wine.
# The width (PORT_LIBRARY, WINDOWS_BITS, MANIFEST_ARCH) is chosen at the top.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Version information and the application manifest, from the project's version.
set(WINDOWS_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
string(REPLACE "." "," WINDOWS_VERSION_COMMAS ${WINDOWS_VERSION})
set(MANIFEST_FILE ${CMAKE_BINARY_DIR}/kalderon-test.manifest)
configure_file(resources/kalderon-test.manifest.in ${MANIFEST_FILE} @ONLY)
configure_file(resources/version.rc.in ${CMAKE_BINARY_DIR}/version.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/version.rc PROPERTIES OBJECT_DEPENDS ${MANIFEST_FILE})

add_executable(kalderon-test WIN32
  panel/panel_dialog.cpp
  resources/panel.rc
  ${CMAKE_BINARY_DIR}/version.rc)
target_include_directories(kalderon-test PRIVATE panel)
target_link_libraries(kalderon-test PRIVATE link port_inpout32)
# Across the link and the port library, so that the move of each access to
# the chosen port is an add in the caller, not a call of its own.
set_property(TARGET kalderon-test link port_inpout32 PROPERTY INTERPROCEDURAL_OPTIMIZATION ON)
# Runtime linked in: the program imports only system DLLs and the port library.
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

# A port library whose driver is not open, in a folder of its own, under
# the simulated board's export names.
add_library(closed_driver SHARED tests/wine/closed_driver.cpp ports/sim/${PORT_LIBRARY}.def)
target_link_libraries(closed_driver PRIVATE port_abi)
target_link_options(closed_driver PRIVATE -static -static-libgcc)
set_target_properties(closed_driver PROPERTIES OUTPUT_NAME ${PORT_LIBRARY} PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/closed-driver)

# A stand-in for the real port library: the simulated board under the real
# DLL's exports alone, so that the program looks its port up as it would on
# a PC, and the board's trace shows which ports it reached.
add_library(stand_in_port SHARED ports/sim/sim_board.cpp ports/sim/vcd_trace.cpp ports/sim/${PORT_LIBRARY}.def)
target_link_libraries(stand_in_port PRIVATE port_abi)
target_link_options(stand_in_port PRIVATE -static -static-libgcc -static-libstdc++)
set_target_properties(stand_in_port PROPERTIES OUTPUT_NAME ${PORT_LIBRARY} PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/stand-in)

add_executable(panel_e2e tests/wine/panel_e2e.cpp tests/support/panel_scenarios.cpp)
target_include_directories(panel_e2e PRIVATE panel tests/support)
target_link_libraries(panel_e2e PRIVATE gtest version)
target_compile_definitions(panel_e2e PRIVATE "PROGRAM_VERSION=L\"${PROJECT_VERSION}\"")
target_link_options(panel_e2e PRIVATE -municode -static -static-libgcc -static-libstdc++)

# The 32-bit run is skipped (77) where the machine cannot run 32-bit programs.
add_test(NAME wine${WINDOWS_BITS}_panel_e2e
  COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/run.sh ${WINDOWS_BITS} ${CMAKE_BINARY_DIR} $<TARGET_FILE:panel_e2e>)
set_tests_properties(wine${WINDOWS_BITS}_panel_e2e PROPERTIES LABELS wine RESOURCE_LOCK wine TIMEOUT 600
  SKIP_RETURN_CODE 77)

# What the program needs at run time: Windows' own DLLs and the port library.
add_test(NAME imports_only_system_dlls_and_the_port_library
  COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/imports.sh ${TOOLCHAIN_PREFIX}-objdump $<TARGET_FILE:kalderon-test>
          ${PORT_LIBRARY}.dll)

# --- The operator's zip: the program, the simulated board in sim\, a README
# saying which zip is for whom
install(TARGETS kalderon-test RUNTIME DESTINATION .)
install(TARGETS port_sim RUNTIME DESTINATION sim)
install(FILES docs/README-windows.txt DESTINATION . RENAME README.txt)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME kalderon-test-${PROJECT_VERSION}-windows-${WINDOWS_BITS}bit)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
