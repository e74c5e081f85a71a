# Windows test programs run under Wine on the build host, all in one session per CTest run: a fresh prefix
# and an Xvfb display, made by the fixture tests below and shared by every test that requires them.
include_guard(GLOBAL)

add_test(NAME wine_session_start
  COMMAND "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-session" start "${CMAKE_BINARY_DIR}/wine-session")
add_test(NAME wine_session_stop
  COMMAND "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-session" stop "${CMAKE_BINARY_DIR}/wine-session")
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP parcelo_wine TIMEOUT 300)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP parcelo_wine TIMEOUT 60)

# Gives a test the fixture and the session folder that wine-run reads.
# (Paths are worked out here: the guard above keeps variables of this file out of later includers.)
function(parcelo_require_wine_session test)
  set_tests_properties(${test} PROPERTIES
    FIXTURES_REQUIRED parcelo_wine
    ENVIRONMENT "PARCELO_WINE_SESSION=${CMAKE_BINARY_DIR}/wine-session")
endfunction()
