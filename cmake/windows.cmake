# Windows: the panel program importing this width's port library, and the
# operator's zip.
# The width (PORT_LIBRARY, WINDOWS_BITS, MANIFEST_ARCH) is chosen at the top.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Version information and the application manifest, from the project's version.
set(WINDOWS_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
string(REPLACE "." "," WINDOWS_VERSION_COMMAS ${WINDOWS_VERSION})
set(MANIFEST_FILE ${CMAKE_BINARY_DIR}/kalderon-test.manifest)
# Its comments and its layout are for the reader of the source, not shipped
# in every program.
file(READ resources/kalderon-test.manifest.in manifest)
string(REGEX REPLACE "[ \n]*<!--[^>]*-->" "" manifest "${manifest}")
string(REGEX REPLACE ">[ \n]+<" "><" manifest "${manifest}")
string(REGEX REPLACE "\n +" " " manifest "${manifest}")
string(CONFIGURE "${manifest}" manifest @ONLY)
file(CONFIGURE OUTPUT ${MANIFEST_FILE} CONTENT "${manifest}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS resources/kalderon-test.manifest.in)
set(FILE_DESCRIPTION "Тестовая панель платы программатора")
set(ORIGINAL_FILENAME kalderon-test.exe)
configure_file(resources/version.rc.in ${CMAKE_BINARY_DIR}/version.rc @ONLY)
set(FILE_DESCRIPTION "Тестовая панель платы программатора: запуск из командной строки")
set(ORIGINAL_FILENAME kalderon-test.com)
configure_file(resources/version.rc.in ${CMAKE_BINARY_DIR}/version-com.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/version.rc ${CMAKE_BINARY_DIR}/version-com.rc PROPERTIES
  OBJECT_DEPENDS ${MANIFEST_FILE})

# The program: one port library chosen at link time, with its words, as the
# Linux programs are defined; the template is a resource of its own here.
function(add_program name port_library words)
  add_executable(${name} WIN32 program/this_program.cpp program/runtime_windows.cpp resources/panel.rc
    ${CMAKE_BINARY_DIR}/version.rc)
  target_compile_definitions(${name} PRIVATE PROGRAM_WORDS=${words})
  target_link_libraries(${name} PRIVATE start panel ${port_library})
  # Runtime linked in: the program imports only system DLLs and the port library.
  target_link_options(${name} PRIVATE -municode -static -static-libgcc -static-libstdc++
    -Wl,--disable-auto-import -Wl,--disable-runtime-pseudo-reloc)
endfunction()
add_program(kalderon-test port_inpout32 WINDOWS_PROGRAM)
# Across the link and the port library, so that the move of each access to
# the chosen port is an add in the caller, not a call of its own. The
# objects the simulated board's DLL shares carry plain code too.
set_property(TARGET kalderon-test start panel link board_script command_line run_end program_text port_inpout32 port_choice
  PROPERTY INTERPROCEDURAL_OPTIMIZATION ON)
target_compile_options(port_choice PRIVATE -ffat-lto-objects)
target_compile_options(program_text PRIVATE -ffat-lto-objects)
set_source_files_properties(resources/panel.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/panel.ico;${CMAKE_SOURCE_DIR}/panel/panel_ids.h")
set_property(SOURCE resources/panel.rc APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}/panel)

# The console's way in: cmd runs kalderon-test.com before kalderon-test.exe,
# and waits for it, with the program's output and exit status.
add_executable(kalderon-test-com start/kalderon_test_com.cpp ${CMAKE_BINARY_DIR}/version-com.rc)
set_target_properties(kalderon-test-com PROPERTIES OUTPUT_NAME kalderon-test SUFFIX .com)
target_include_directories(kalderon-test-com PRIVATE program)  # the path limit
target_compile_definitions(kalderon-test-com PRIVATE "PORT_LIBRARY_FILE=L\"${PORT_LIBRARY}.dll\"")
target_link_options(kalderon-test-com PRIVATE -municode -static -static-libgcc -static-libstdc++)

# --- The operator's zip: the program, the simulated board in sim\, a README
# saying which zip is for whom
install(TARGETS kalderon-test kalderon-test-com RUNTIME DESTINATION .)
install(TARGETS port_sim RUNTIME DESTINATION sim)
install(FILES ${TEXTS}/README.txt DESTINATION .)  # made from docs/README-windows.txt at the top
set(CPACK_GENERATOR ZIP)
set(OPERATOR_ZIP_NAME kalderon-test-${PROJECT_VERSION}-windows-${WINDOWS_BITS}bit)
set(CPACK_PACKAGE_FILE_NAME ${OPERATOR_ZIP_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
