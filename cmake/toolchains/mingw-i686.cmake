# Cross build for 32-bit Windows: inpout32.dll is a 32-bit library. Its
# programs run under Wine, which tests/wine/run.sh chooses.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
