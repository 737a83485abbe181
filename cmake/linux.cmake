# Linux: the two programs, one per port library chosen at link time, each
# with its own words; what installs them, and the Debian package.
function(add_program name port_library words)
  add_executable(${name} ${CMAKE_SOURCE_DIR}/platform/qt/main.cpp ${CMAKE_SOURCE_DIR}/program/this_program.cpp)
  target_compile_definitions(${name} PRIVATE PROGRAM_WORDS=${words})
  target_link_libraries(${name} PRIVATE start panel ${port_library} panel_resources)
  # At the top of the build tree, where make run and the package expect them.
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
add_program(kalderon-test port_ppdev LINUX_PROGRAM)
add_program(kalderon-test-sim port_sim LINUX_SIM_PROGRAM)

# --- Installing: the two programs, a desktop entry, the icon, the manual ------
include(GNUInstallDirs)
install(TARGETS kalderon-test kalderon-test-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop entry and the software centres' metainfo share one id.
set(APP_ID org.example.kalderon_test)
install(FILES resources/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The window icon's picture in the sizes desktops ask for, and scalable.
install(FILES resources/panel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
  RENAME kalderon-test.png)
foreach(size 48 64 128 256)
  install(FILES resources/icons/kalderon-test-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME kalderon-test.png)
endforeach()
install(FILES resources/icons/kalderon-test.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian wants manuals and changelogs compressed, without a timestamp inside.
# One manual page covers both programs, in English and in Russian (made from
# the table at the top).
foreach(source ${TEXTS}/kalderon-test.1 ${TEXTS}/kalderon-test.ru.1 ${CMAKE_SOURCE_DIR}/resources/debian/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}.gz
    COMMAND gzip -9nc ${source} > ${CMAKE_BINARY_DIR}/${name}.gz
    DEPENDS ${source})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/kalderon-test.1.gz
  ${CMAKE_BINARY_DIR}/kalderon-test.ru.1.gz ${CMAKE_BINARY_DIR}/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man/en ${CMAKE_BINARY_DIR}/man/ru)
foreach(language en ru)
  file(CREATE_LINK kalderon-test.1.gz ${CMAKE_BINARY_DIR}/man/${language}/kalderon-test-sim.1.gz SYMBOLIC)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/kalderon-test.1.gz ${CMAKE_BINARY_DIR}/man/en/kalderon-test-sim.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/kalderon-test.ru.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1
  RENAME kalderon-test.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/man/ru/kalderon-test-sim.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
install(FILES resources/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# GTKWave's view of the simulated board's waveforms.
install(FILES resources/kalderon-board.gtkw DESTINATION ${CMAKE_INSTALL_DATADIR}/kalderon-test)

# --- The Debian package: make package-linux -----------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalderon-test)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # kalderon-test_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "kalderon-test developers <kalderon-test@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/deb_depends.cmake)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "test panel for a parallel-port device-programmer board")
# The summary is the synopsis; CPack indents each line of this and turns the
# empty one into the paragraph mark.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "An operator's panel for a home-made device-programmer board on the
PC's first parallel port: compose a byte bit by bit and write it into one
of the board's four registers with a full strobe cycle (optionally pausing
after each phase), read a byte back in two nibbles, reset the board, step
its address and time its timer.

kalderon-test drives the real port through the kernel's ppdev driver;
kalderon-test-sim runs the same panel on a simulated board.")
include(CPack)
