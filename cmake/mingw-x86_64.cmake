# Cross toolchain for the 64-bit Windows build of the same tree, for machines whose kernel runs no
# 32-bit programs: there the Windows tests run this build under 64-bit Wine.
set(ZENTRIVO_MINGW_CPU x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
