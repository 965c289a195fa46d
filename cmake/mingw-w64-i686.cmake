# Cross-build for 32-bit Windows, run in its own Wine prefix made with the 32-bit loader
# (wine-env.sh).
set(KELP_MINGW_CPU i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR env KELP_WINEARCH=win32 ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
