# Shared part of the two MinGW toolchain files. The -posix compilers bring
# std::thread and std::mutex, which GoogleTest needs; -static keeps the DLL
# and the test programs free of MinGW runtime DLLs, so Wine needs nothing
# beside them.
set(CMAKE_C_COMPILER ${ZQM_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZQM_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZQM_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZQM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-run;${ZQM_WINE_BITS})
