# The shipped plug-in: 32-bit Windows, built with MinGW-w64 and run under
# 32-bit Wine (through qemu where the kernel cannot run i386 code).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZQM_MINGW_PREFIX i686-w64-mingw32)
set(ZQM_WINE_BITS 32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# SSE2 arithmetic instead of the x87 unit's 80-bit intermediates, so that date
# rounding and every other double computation give the same bits as in the
# 64-bit and native builds.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
