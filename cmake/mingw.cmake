# MinGW-w64 cross toolchain (posix threads), static runtime, tests under Wine, for the processor that
# the including toolchain file names in ZENTRIVO_MINGW_CPU (i686 or x86_64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ZENTRIVO_MINGW_CPU})
set(CMAKE_C_COMPILER ${ZENTRIVO_MINGW_CPU}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZENTRIVO_MINGW_CPU}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${ZENTRIVO_MINGW_CPU}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZENTRIVO_MINGW_CPU}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No runtime DLL beside the program: libgcc, libstdc++ and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
