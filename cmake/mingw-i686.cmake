# Cross toolchain for the 32-bit Windows build, the program itself.
set(ZENTRIVO_MINGW_CPU i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
