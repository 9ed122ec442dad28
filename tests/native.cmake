# native tests

# --- shell: control state, key commands, settings store ---
add_executable(shell_tests shell_ovladanie_test.cpp shell_vykonaj_test.cpp shell_enter_plocha_test.cpp
               shell_nastavenia_test.cpp shell_registry_test.cpp)
target_link_libraries(shell_tests PRIVATE zentrivo_shell zentrivo_shell_kvmem GTest::gtest_main)
gtest_discover_tests(shell_tests)
# The initial values are checked in a program of their own, before any test changes them.
add_executable(shell_stav_tests shell_stav_test.cpp)
target_link_libraries(shell_stav_tests PRIVATE zentrivo_shell GTest::gtest_main)
gtest_discover_tests(shell_stav_tests)
# --- end shell ---
