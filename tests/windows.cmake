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
# tools/test.sh runs these entries through tools/wine_testy.sh: on an Xvfb display, with a fresh Wine
# prefix whose one server lasts the run, and a Wine process that keeps Wine's desktop up, so that the
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
# desktop process clears the X root window when it starts; tools/postroj.sh paints the picture after.
add_executable(win_drzac_plochy win_drzac_plochy.cpp)

# --- resources, snapshot and registry (the Windows build's own ends) ---
zentrivo_add_wine_test(win_zdroje_test win_zdroje_test.cpp RESOURCES)
target_compile_definitions(win_zdroje_test PRIVATE ZENTRIVO_MANIFEST_CPU="${ZENTRIVO_MANIFEST_CPU}")
# The snapshot compares the display with the picture that the root window shows, read with stb_image.
zentrivo_add_wine_test(win_snimka_test win_snimka_test.cpp LIBS zentrivo_reference zentrivo_search_win32 zentrivo_search)
target_include_directories(win_snimka_test PRIVATE /usr/include/stb)
target_compile_definitions(win_snimka_test PRIVATE
  ZENTRIVO_TESTOVACIA_PLOCHA="Z:${CMAKE_SOURCE_DIR}/tests/data/win_plocha.png")
zentrivo_add_wine_test(win_registre_test win_registre_test.cpp
  LIBS zentrivo_shell_win32 zentrivo_shell zentrivo_shell_kvreg)
# The DPI seam; its scaled-display cases run in a child process while Wine's DPI setting is 144.
zentrivo_add_wine_test(win_dpi_test win_dpi_test.cpp
  LIBS zentrivo_reference zentrivo_search_win32 zentrivo_search zentrivo_tracking_win32 zentrivo_tracking zentrivo_render_win32
       zentrivo_render zentrivo_common_win32)
# The program itself, checked on the build machine (no Wine): PE32 i386 (PE32+ x86-64 in the 64-bit
# build), GUI, system DLLs only.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ZENTRIVO_PE_FORMAT pei-x86-64)
else()
  set(ZENTRIVO_PE_FORMAT pei-i386)
endif()
add_test(NAME win_program COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/win_program.sh $<TARGET_FILE:Zentrivo>
         ${CMAKE_OBJDUMP} ${ZENTRIVO_PE_FORMAT})
# The scan command: the same, with the console subsystem.
add_test(NAME win_scan_program COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/win_program.sh $<TARGET_FILE:zentrivo-scan>
         ${CMAKE_OBJDUMP} ${ZENTRIVO_PE_FORMAT} 3)
# --- end resources, snapshot and registry ---

# --- render and tracking: the GDI kit, the control window's picture, the readout ---
zentrivo_add_wine_test(win_kit_test win_kit_tvary.cpp win_kit_napis.cpp win_kit_platno.cpp
  LIBS zentrivo_render zentrivo_render_win32)
# Paints the control window over bitmap 201 in both modes and saves the canvases in screenshots/.
zentrivo_add_wine_test(win_kit_okno_test win_kit_okno.cpp RESOURCES
  LIBS zentrivo_tracking_win32 zentrivo_tracking zentrivo_render zentrivo_render_win32 zentrivo_shell)
target_compile_definitions(win_kit_okno_test PRIVATE ZENTRIVO_SNIMKY="Z:${CMAKE_BINARY_DIR}/screenshots")
set_tests_properties(win_kit_okno_test PROPERTIES FIXTURES_SETUP zentrivo_snimky)
# The labels are Windows-1250 bytes: Wine draws them as such only on a Central European system, which it
# takes from the Unix locale. A private sk_SK locale is compiled into the build tree for this one test.
find_program(ZENTRIVO_LOCALEDEF NAMES localedef)
if(ZENTRIVO_LOCALEDEF AND NOT EXISTS ${CMAKE_BINARY_DIR}/locale/sk_SK.UTF-8/LC_CTYPE)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/locale)
  execute_process(COMMAND ${ZENTRIVO_LOCALEDEF} -i sk_SK -f UTF-8 ${CMAKE_BINARY_DIR}/locale/sk_SK.UTF-8
                  OUTPUT_QUIET ERROR_QUIET)
endif()
if(EXISTS ${CMAKE_BINARY_DIR}/locale/sk_SK.UTF-8/LC_CTYPE)
  set_property(TEST win_kit_okno_test PROPERTY ENVIRONMENT
               "LOCPATH=${CMAKE_BINARY_DIR}/locale" "LC_ALL=sk_SK.UTF-8")
else()
  message(STATUS "No sk_SK locale: the screenshots show the labels in the Western code page")
endif()
# The screenshots again as PNG, for any image viewer.
find_program(ZENTRIVO_CONVERT NAMES convert)
if(ZENTRIVO_CONVERT)
  add_test(NAME win_kit_snimky_png COMMAND sh -c
    "for f in \"$1\"/*.bmp; do \"$0\" \"$f\" \"\${f%.bmp}.png\" || exit 1; done"
    ${ZENTRIVO_CONVERT} ${CMAKE_BINARY_DIR}/screenshots)
  set_tests_properties(win_kit_snimky_png PROPERTIES FIXTURES_REQUIRED zentrivo_snimky)
endif()
# --- end render and tracking ---

# --- dialogs and the whole program end to end ---
zentrivo_add_wine_test(dialogs_win32_test dialogs_win32_test.cpp RESOURCES
  LIBS zentrivo_dialogs_win32 zentrivo_dialogs zentrivo_shell_win32 zentrivo_render_win32)
# The window procedure on a real window: it is compiled in, as in the program.
zentrivo_add_wine_test(okno_win32_test okno_win32_test.cpp ${CMAKE_SOURCE_DIR}/shell/wndproc_win32.cpp RESOURCES
  LIBS zentrivo_dialogs_win32 zentrivo_dialogs zentrivo_shell_win32 zentrivo_shell zentrivo_shell_kvreg
       zentrivo_search_win32 zentrivo_search zentrivo_tracking_win32 zentrivo_tracking zentrivo_render
       zentrivo_render_win32 zentrivo_common_win32 comctl32)
# Prints what Win32 says about a window of the running program (its rectangle, style, controls).
add_executable(okno_info e2e/okno_info_win32.cpp)
# The end-to-end cases, one test each: every e2e/e2e_*.sh file (see e2e/pomoc.sh). Each starts
# Zentrivo.exe on a virtual display of its own; the native build gives them the centres they expect
# (its scan command) and the window's sizes and colours (e2e_hodnoty), so it is built first.
# The native build tree is a cache value (the Windows presets give the native preset's tree); each
# tool can also be named on its own.
set(ZENTRIVO_NATIVE_BUILD "" CACHE PATH "The native build tree whose tools the end-to-end tests and win_scan use")
if(NOT ZENTRIVO_NATIVE_BUILD)
  message(WARNING "ZENTRIVO_NATIVE_BUILD is not set: the end-to-end tests and win_scan need the native "
                  "build's tools (-DZENTRIVO_NATIVE_BUILD=DIR, or a Windows preset)")
endif()
set(ZENTRIVO_SCAN "" CACHE FILEPATH "zentrivo-scan of the native build (empty: the one in ZENTRIVO_NATIVE_BUILD)")
set(ZENTRIVO_HODNOTY "" CACHE FILEPATH "e2e_hodnoty of the native build (empty: the one in ZENTRIVO_NATIVE_BUILD)")
if(NOT ZENTRIVO_SCAN)
  set(ZENTRIVO_SCAN "${ZENTRIVO_NATIVE_BUILD}/scan/zentrivo-scan")
endif()
if(NOT ZENTRIVO_HODNOTY)
  set(ZENTRIVO_HODNOTY "${ZENTRIVO_NATIVE_BUILD}/tests/e2e_hodnoty")
endif()
file(GLOB ZENTRIVO_E2E CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/e2e/e2e_*.sh)
foreach(pripad ${ZENTRIVO_E2E})
  get_filename_component(nazov ${pripad} NAME_WE)
  add_test(NAME ${nazov} COMMAND bash ${pripad})
  set_tests_properties(${nazov} PROPERTIES TIMEOUT 300 RESOURCE_LOCK wine_e2e ENVIRONMENT
    "ZENTRIVO_WIN_BUILD=${CMAKE_BINARY_DIR};ZENTRIVO_SCAN=${ZENTRIVO_SCAN};ZENTRIVO_HODNOTY=${ZENTRIVO_HODNOTY}")
endforeach()
# zentrivo-scan.exe on a file, on standard input, on two images on two threads and on Wine's screen,
# which shows tests/data/win_plocha.png: each gives what the native build's command gives for the file.
add_test(NAME win_scan COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win_scan.sh $<TARGET_FILE:zentrivo-scan>
         ${ZENTRIVO_SCAN} ${CMAKE_SOURCE_DIR}/tests/data/win_plocha.png ${CMAKE_BINARY_DIR}/win_scan)
set_tests_properties(win_scan PROPERTIES TIMEOUT 300)
# --- end dialogs and the whole program end to end ---
