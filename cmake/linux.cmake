# Linux: the two panel programs, what installs them and the Debian package.
# --- The panel over Qt: the same dialog code and template as on Windows ------
find_package(Qt6 REQUIRED COMPONENTS Widgets)
find_program(LLVM_RC NAMES llvm-rc llvm-rc-14 REQUIRED)
# llvm-rc preprocesses the script with clang; without it the script's
# #include <windows.h> goes unread and the build fails far from the cause.
find_program(CLANG_FOR_RC NAMES clang clang-14 REQUIRED)

# A resource script compiled as on Windows, then embedded as bytes
# (EmbeddedResources) in a library of its own: the programs link the panel's,
# a test may link a script that holds more. llvm-rc does not act on the
# script's code-page pragma, hence -C 65001; its #include <windows.h> finds
# ours. It also reads any argument starting with '/' as an option (a source
# under /check... would be "/C heck..."), so the input comes after "--".
# Further arguments are folders to include from.
function(add_embedded_resources target script)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}.res)
  set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp)
  set(includes -I ${CMAKE_SOURCE_DIR}/platform/qt -I ${CMAKE_SOURCE_DIR}/panel -I ${CMAKE_SOURCE_DIR}/resources)
  foreach(folder ${ARGN})
    list(APPEND includes -I ${folder})
  endforeach()
  add_custom_command(OUTPUT ${res}
    COMMAND ${LLVM_RC} -C 65001 ${includes} -FO ${res} -- ${script}
    DEPENDS ${script} ${CMAKE_SOURCE_DIR}/resources/panel.rc ${CMAKE_SOURCE_DIR}/resources/panel.ico
            ${CMAKE_SOURCE_DIR}/panel/panel_ids.h ${CMAKE_SOURCE_DIR}/platform/qt/windows.h VERBATIM)
  add_custom_command(OUTPUT ${cpp}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${res} -DOUTPUT=${cpp} -P ${CMAKE_SOURCE_DIR}/cmake/embed.cmake
    DEPENDS ${res} ${CMAKE_SOURCE_DIR}/cmake/embed.cmake VERBATIM)
  add_library(${target} OBJECT ${cpp})  # objects: linked whatever the order
endfunction()

add_embedded_resources(panel_resources ${CMAKE_SOURCE_DIR}/resources/panel.rc)

add_library(qt_win32 STATIC
  platform/qt/dialog.cpp platform/qt/button.cpp platform/qt/message_box.cpp platform/qt/icons.cpp
  platform/qt/process.cpp platform/qt/dialog_template.cpp platform/qt/resources.cpp)
target_include_directories(qt_win32 PUBLIC platform/qt)
target_link_libraries(qt_win32 PUBLIC Qt6::Widgets)

add_library(panel STATIC panel/panel_dialog.cpp)
target_include_directories(panel PUBLIC panel)
target_link_libraries(panel PUBLIC link qt_win32)

# One program per port library, chosen at link time.
add_executable(kalderon-test platform/qt/main.cpp)
target_link_libraries(kalderon-test PRIVATE panel port_ppdev port_trouble_box panel_resources)
add_executable(kalderon-test-sim platform/qt/main.cpp)
target_link_libraries(kalderon-test-sim PRIVATE panel port_sim port_trouble_box panel_resources)

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
# One manual page covers both programs, in English and in Russian.
foreach(file kalderon-test.1 kalderon-test.ru.1 debian/changelog)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/resources/${file} > ${CMAKE_BINARY_DIR}/${name}.gz
    DEPENDS resources/${file})
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
