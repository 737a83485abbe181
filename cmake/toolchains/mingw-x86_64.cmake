# Cross build for 64-bit Windows, importing the 64-bit port library
# inpoutx64.dll. Its programs run under wine64, which tests/wine/run.sh chooses.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
