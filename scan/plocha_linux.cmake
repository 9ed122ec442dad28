# The Wayland ways of zentrivo-scan --screen, each built where its library is there: a wlroots
# compositor's screencopy (libwayland-dev; wayland-scanner makes the protocols' code from the XML
# files in protokoly/) and the desktop portal over the session bus (sd-bus, libsystemd-dev).
# One such way built into zentrivo-scan: its source, its library, and the definition that turns it on,
# also seen by the tests' CMake files, which test only the ways built.
macro(zentrivo_sposob zdroj kniznica definicia)
  target_sources(zentrivo-scan PRIVATE ${zdroj})
  target_link_libraries(zentrivo-scan PRIVATE ${kniznica})
  target_compile_definitions(zentrivo-scan PRIVATE ${definicia})
  set(${definicia} ON PARENT_SCOPE)
endmacro()
find_package(PkgConfig)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(ZENTRIVO_WAYLAND_CLIENT IMPORTED_TARGET wayland-client)
  pkg_check_modules(ZENTRIVO_SYSTEMD IMPORTED_TARGET GLOBAL libsystemd)
endif()
find_program(ZENTRIVO_WAYLAND_SCANNER wayland-scanner)
if(ZENTRIVO_WAYLAND_CLIENT_FOUND AND ZENTRIVO_WAYLAND_SCANNER)
  set(protokoly ${CMAKE_CURRENT_BINARY_DIR}/protokoly)
  file(MAKE_DIRECTORY ${protokoly})
  foreach(p wlr-screencopy-unstable-v1 xdg-output-unstable-v1)
    set(xml ${CMAKE_CURRENT_SOURCE_DIR}/protokoly/${p}.xml)
    add_custom_command(OUTPUT ${protokoly}/${p}.h ${protokoly}/${p}.c
      COMMAND ${ZENTRIVO_WAYLAND_SCANNER} client-header ${xml} ${protokoly}/${p}.h
      COMMAND ${ZENTRIVO_WAYLAND_SCANNER} private-code ${xml} ${protokoly}/${p}.c
      DEPENDS ${xml} VERBATIM)
    target_sources(zentrivo-scan PRIVATE ${protokoly}/${p}.c)
  endforeach()
  target_include_directories(zentrivo-scan PRIVATE ${protokoly})
  zentrivo_sposob(plocha_wayland.cpp PkgConfig::ZENTRIVO_WAYLAND_CLIENT ZENTRIVO_WAYLAND)
else()
  message(STATUS "No libwayland-dev: zentrivo-scan --screen reads no Wayland compositor in this build")
endif()
if(ZENTRIVO_SYSTEMD_FOUND)
  zentrivo_sposob(plocha_portal.cpp PkgConfig::ZENTRIVO_SYSTEMD ZENTRIVO_PORTAL)
else()
  message(STATUS "No libsystemd-dev: zentrivo-scan --screen calls no desktop portal in this build")
endif()
