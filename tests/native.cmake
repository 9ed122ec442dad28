# native tests

# --- shell: control state, key commands, settings store ---
add_executable(shell_tests shell_ovladanie_test.cpp shell_vykonaj_test.cpp shell_enter_plocha_test.cpp
               shell_nastavenia_test.cpp shell_registry_test.cpp)
target_link_libraries(shell_tests PRIVATE zentrivo_shell zentrivo_shell_kvmem zentrivo_reference GTest::gtest_main)
gtest_discover_tests(shell_tests TEST_PREFIX shell.)
# The initial values are checked in a program of their own, before any test changes them.
add_executable(shell_stav_tests shell_stav_test.cpp)
target_link_libraries(shell_stav_tests PRIVATE zentrivo_shell GTest::gtest_main)
gtest_discover_tests(shell_stav_tests TEST_PREFIX shell.)
# --- end shell ---

# --- render and tracking: kit double, control-window layout, arrow geometry, readout ---
add_executable(render_tests render_okno_kresba_test.cpp render_sipky_test.cpp)
target_link_libraries(render_tests PRIVATE zentrivo_render zentrivo_kit_zaznam GTest::gtest_main)
gtest_discover_tests(render_tests)
add_executable(tracking_tests tracking_sledovanie_test.cpp)
target_link_libraries(tracking_tests PRIVATE zentrivo_tracking zentrivo_kit_zaznam GTest::gtest_main)
gtest_discover_tests(tracking_tests)
# The picture a timer tick compares, against the calls a full repaint makes.
add_executable(shell_obraz_tests shell_obraz_test.cpp)
target_link_libraries(shell_obraz_tests PRIVATE zentrivo_shell zentrivo_render zentrivo_tracking zentrivo_kit_zaznam
                      GTest::gtest_main)
gtest_discover_tests(shell_obraz_tests TEST_PREFIX shell.)
# --- end render and tracking ---

# --- dialogs: pictures of the About and Settings dialogs, dialog fitting, window modes ---
add_executable(dialogs_tests dialogs_kresba_test.cpp dialogs_rozmer_test.cpp)
target_link_libraries(dialogs_tests PRIVATE zentrivo_dialogs zentrivo_shell zentrivo_kit_zaznam GTest::gtest_main)
gtest_discover_tests(dialogs_tests)
# --- end dialogs ---

# --- search: result lists, the search, the centres file, the scan command ---
add_executable(search_tests search_edge_test.cpp search_fixes_test.cpp search_differential_test.cpp
               search_stredy_test.cpp search_slova_test.cpp subory_pomoc.cpp)
target_link_libraries(search_tests PRIVATE zentrivo_reference GTest::gtest_main)
target_compile_definitions(search_tests PRIVATE SEARCH_TMP="${CMAKE_CURRENT_BINARY_DIR}/search_tmp")
gtest_discover_tests(search_tests TEST_PREFIX search.)
# The list sizes: the first test needs a process in which no search has run yet.
add_executable(search_lists_tests search_vysledky_test.cpp)
target_link_libraries(search_lists_tests PRIVATE zentrivo_reference GTest::gtest_main)
gtest_discover_tests(search_lists_tests TEST_PREFIX search.)
# Out of memory: calloc is wrapped in this program so that each allocation can be made to fail.
add_executable(search_alloc_tests search_alloc_test.cpp)
target_link_libraries(search_alloc_tests PRIVATE zentrivo_reference GTest::gtest_main)
target_link_options(search_alloc_tests PRIVATE -Wl,--wrap=calloc)
gtest_discover_tests(search_alloc_tests TEST_PREFIX search.)
# --- end search ---

# --- scan command: zentrivo-scan run as users run it, and its sample screenshot ---
add_executable(scan_make_desktop ${CMAKE_SOURCE_DIR}/tools/sample/make_desktop.cpp)
target_link_libraries(scan_make_desktop PRIVATE ${STB_LIBRARY})
add_executable(scan_tests scan_cli_test.cpp scan_skripty_test.cpp scan_cas_test.cpp scan_pomoc.cpp
               subory_pomoc.cpp scan_citanie_test.cpp scan_mena_test.cpp)
target_link_libraries(scan_tests PRIVATE zentrivo_reference ${STB_LIBRARY} GTest::gtest_main)
add_dependencies(scan_tests zentrivo-scan)
target_compile_definitions(scan_tests PRIVATE
  ZENTRIVO_SCAN="$<TARGET_FILE:zentrivo-scan>" MAKE_DESKTOP="$<TARGET_FILE:scan_make_desktop>"
  SAMPLE_DESKTOP="${CMAKE_SOURCE_DIR}/tools/sample/desktop.png" SCAN_TMP="${CMAKE_CURRENT_BINARY_DIR}/scan_tmp"
  FUZZ_KORPUS="${CMAKE_SOURCE_DIR}/fuzz/korpus"
  ZENTRIVO_VERZIA="${PROJECT_VERSION}")
gtest_discover_tests(scan_tests TEST_PREFIX scan.)
# --screen on a virtual display whose root window shows the sample desktop, with and without the
# shared-memory extension (Xvfb, ImageMagick's display and import).
find_program(ZENTRIVO_XVFB Xvfb)
if(ZENTRIVO_X11 AND ZENTRIVO_XVFB)
  add_test(NAME scan.obrazovka COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scan_obrazovka.sh
           $<TARGET_FILE:zentrivo-scan> ${CMAKE_SOURCE_DIR}/tools/sample/desktop.png ${CMAKE_CURRENT_BINARY_DIR}/scan_obrazovka)
  set_tests_properties(scan.obrazovka PROPERTIES TIMEOUT 120)
  # --watch and --until, through DAMAGE and by polling (Xvfb, ImageMagick, jq).
  add_test(NAME scan.sledovanie COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scan_sledovanie.sh
           $<TARGET_FILE:zentrivo-scan> ${CMAKE_CURRENT_BINARY_DIR}/scan_sledovanie)
  set_tests_properties(scan.sledovanie PROPERTIES TIMEOUT 180)
  # Two RandR monitors: --list-monitors and --monitor (xrandr).
  add_test(NAME scan.monitory COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scan_monitory.sh $<TARGET_FILE:zentrivo-scan>
           ${CMAKE_CURRENT_BINARY_DIR}/scan_monitory)
  set_tests_properties(scan.monitory PROPERTIES TIMEOUT 60)
endif()
# --screen on a headless sway, one output and two (sway, swaybg, grim).
find_program(ZENTRIVO_SWAY sway)
find_program(ZENTRIVO_GRIM grim)
if(ZENTRIVO_WAYLAND AND ZENTRIVO_SWAY AND ZENTRIVO_GRIM)
  add_test(NAME scan.wayland COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scan_wayland.sh $<TARGET_FILE:zentrivo-scan>
           ${CMAKE_SOURCE_DIR}/tools/sample/desktop.png ${CMAKE_CURRENT_BINARY_DIR}/scan_wayland)
  set_tests_properties(scan.wayland PROPERTIES TIMEOUT 120)
endif()
# --screen through the desktop portal: a stand-in portal on a private session bus (dbus-daemon).
find_program(ZENTRIVO_DBUS_DAEMON dbus-daemon)
if(ZENTRIVO_PORTAL AND ZENTRIVO_DBUS_DAEMON)
  add_executable(portal_nahrada portal_nahrada.cpp)
  target_link_libraries(portal_nahrada PRIVATE PkgConfig::ZENTRIVO_SYSTEMD)
  # With a compositor that offers no screencopy, where the Wayland libraries are there.
  find_package(PkgConfig)
  pkg_check_modules(ZENTRIVO_WAYLAND_SERVER IMPORTED_TARGET wayland-server)
  if(ZENTRIVO_WAYLAND AND ZENTRIVO_WAYLAND_SERVER_FOUND)
    # Its screencopy: the server's side of the protocol file the command reads.
    set(xml ${CMAKE_SOURCE_DIR}/scan/protokoly/wlr-screencopy-unstable-v1.xml)
    set(protokol ${CMAKE_CURRENT_BINARY_DIR}/protokoly/wlr-screencopy-unstable-v1)
    add_custom_command(OUTPUT ${protokol}-server.h ${protokol}.c
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/protokoly
      COMMAND ${ZENTRIVO_WAYLAND_SCANNER} server-header ${xml} ${protokol}-server.h
      COMMAND ${ZENTRIVO_WAYLAND_SCANNER} private-code ${xml} ${protokol}.c
      DEPENDS ${xml} VERBATIM)
    add_executable(kompozitor_nahrada kompozitor_nahrada.cpp ${protokol}.c ${protokol}-server.h)
    target_include_directories(kompozitor_nahrada PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/protokoly)
    target_link_libraries(kompozitor_nahrada PRIVATE PkgConfig::ZENTRIVO_WAYLAND_SERVER)
    set(kompozitor $<TARGET_FILE:kompozitor_nahrada>)
    # Screencopy frames in each pixel format and row order.
    add_test(NAME scan.wayland_formaty COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scan_wayland_formaty.sh
             $<TARGET_FILE:zentrivo-scan> ${kompozitor} ${CMAKE_SOURCE_DIR}/tools/sample/desktop.png
             ${CMAKE_CURRENT_BINARY_DIR}/scan_wayland_formaty)
    set_tests_properties(scan.wayland_formaty PROPERTIES TIMEOUT 60)
  endif()
  add_test(NAME scan.portal COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scan_portal.sh $<TARGET_FILE:zentrivo-scan>
           $<TARGET_FILE:portal_nahrada> ${CMAKE_SOURCE_DIR}/tools/sample/desktop.png ${CMAKE_CURRENT_BINARY_DIR}/scan_portal
           ${kompozitor})
  set_tests_properties(scan.portal PROPERTIES TIMEOUT 60)
endif()
# The real portal on a headless sway (xdg-desktop-portal, -wlr and -gtk, pipewire).
find_program(ZENTRIVO_XDP_WLR xdg-desktop-portal-wlr PATHS /usr/libexec /usr/lib NO_DEFAULT_PATH)
find_program(ZENTRIVO_PIPEWIRE pipewire)
if(ZENTRIVO_PORTAL AND ZENTRIVO_DBUS_DAEMON AND ZENTRIVO_WAYLAND AND ZENTRIVO_SWAY AND ZENTRIVO_GRIM AND ZENTRIVO_XDP_WLR
   AND ZENTRIVO_PIPEWIRE)
  add_test(NAME scan.portal_wlr COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/scan_portal_wlr.sh $<TARGET_FILE:zentrivo-scan>
           ${CMAKE_SOURCE_DIR}/tools/sample/desktop.png ${CMAKE_CURRENT_BINARY_DIR}/scan_portal_wlr)
  set_tests_properties(scan.portal_wlr PROPERTIES TIMEOUT 90)
endif()
# --- end scan command ---

# --- search speed: the search against the reference steps on large crowded scenes ---
# ZENTRIVO_SEEDS=N in the environment runs N large scenes and 10 N smaller ones instead of 12 and 120.
add_executable(search_velke_tests search_velke_sceny_test.cpp)
target_link_libraries(search_velke_tests PRIVATE zentrivo_reference GTest::gtest_main)
gtest_discover_tests(search_velke_tests TEST_PREFIX search.)
# --- end search speed ---

# --- end to end: the values the Wine cases look for on the screen, from the product's own code ---
add_executable(e2e_hodnoty e2e/hodnoty.cpp)
target_link_libraries(e2e_hodnoty PRIVATE zentrivo_render zentrivo_tracking zentrivo_kit_zaznam)
# --- end end to end ---

# --- set-up: the package choice where the i386 packages cannot be had ---
add_test(NAME setup.bez_i386 COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/setup_bez_i386.sh ${CMAKE_CURRENT_BINARY_DIR}/setup_bez_i386)
# --- end set-up ---
