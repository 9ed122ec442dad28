# Windows tests: GoogleTest built for Windows from the system's sources; each test program is ONE CTest
# entry, run under Wine through CMAKE_CROSSCOMPILING_EMULATOR (cmake/mingw-i686.cmake).
#
# Adding a Windows test program:
#
#   zentrivo_add_wine_test(<name> <source>... [LIBS <library>...] [RESOURCES])
#
# builds <name>.exe from the sources with GoogleTest's main (gtest_main; gmock is there too), links
# the LIBS, and with RESOURCES also the compiled resources/zentrivo.rc, so that the platform's loaders
# find every resource ID in the test program itself. It adds one CTest entry <name> that runs the
# program under Wine. Keep related cases in one program: every Wine start costs seconds.
#
# tools/test.sh runs these entries on an Xvfb display with one `wineserver -p` alive for the run, a
# private WINEPREFIX (build/wineprefix) and a Wine process that keeps Wine's desktop up, so that the
# root window keeps showing tests/data/win_plocha.png (see win_drzac_plochy below).

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(zentrivo_add_wine_test name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "RESOURCES" "" "LIBS")
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gmock gtest_main)
  if(ARG_RESOURCES)
    target_link_libraries(${name} PRIVATE zentrivo_resources_win32)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# Not a test: keeps one Wine process, and so Wine's desktop process, alive for the whole run. That
# desktop process clears the X root window when it starts; tools/test.sh paints the picture after.
add_executable(win_drzac_plochy win_drzac_plochy.cpp)

# --- resources, snapshot and registry (the Windows build's own ends) ---
zentrivo_add_wine_test(win_zdroje_test win_zdroje_test.cpp RESOURCES)
# The snapshot compares the display with the picture that the root window shows, read with stb_image.
zentrivo_add_wine_test(win_snimka_test win_snimka_test.cpp LIBS zentrivo_search_win32 zentrivo_search)
target_include_directories(win_snimka_test PRIVATE /usr/include/stb)
target_compile_definitions(win_snimka_test PRIVATE
  ZENTRIVO_TESTOVACIA_PLOCHA="Z:${CMAKE_SOURCE_DIR}/tests/data/win_plocha.png")
zentrivo_add_wine_test(win_registre_test win_registre_test.cpp LIBS zentrivo_shell_win32 zentrivo_shell)
# The program itself, checked on the build machine (no Wine): PE32 i386, GUI, system DLLs only.
add_test(NAME win_program COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/win_program.sh $<TARGET_FILE:Zentrivo>
         ${CMAKE_OBJDUMP})
# --- end resources, snapshot and registry ---
