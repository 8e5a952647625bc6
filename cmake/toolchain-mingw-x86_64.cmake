# 64-bit Windows build: the same code under wine64, which starts in a blink,
# so the Windows tests run here on every change without emulation.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZQM_MINGW_PREFIX x86_64-w64-mingw32)
set(ZQM_WINE_BITS 64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
