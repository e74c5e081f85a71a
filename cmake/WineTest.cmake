# Windows test programs run under Wine on the build host, all in one session per CTest run: a fresh prefix
# and an Xvfb display, made by the fixture tests below and shared by every test that requires them.
include_guard(GLOBAL)

set(PARCELO_WINE_SESSION "${CMAKE_BINARY_DIR}/wine-session")
set(PARCELO_WINE_RUN "${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/wine-run")
set(_wine_session_script "${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/wine-session")

add_test(NAME wine_session_start COMMAND "${_wine_session_script}" start "${PARCELO_WINE_SESSION}")
add_test(NAME wine_session_stop COMMAND "${_wine_session_script}" stop "${PARCELO_WINE_SESSION}")
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP parcelo_wine TIMEOUT 300)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP parcelo_wine TIMEOUT 60)

# Sets what a test needs to find the Wine session: the fixture and the session folder.
function(parcelo_require_wine_session test)
  set_tests_properties(${test} PROPERTIES
    FIXTURES_REQUIRED parcelo_wine
    ENVIRONMENT "PARCELO_WINE_SESSION=${PARCELO_WINE_SESSION}")
endfunction()

# parcelo_add_wine_test(NAME name COMMAND target-or-exe args... [LABELS labels...])
# registers a console Windows program as a test run by wine-run in the session.
function(parcelo_add_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "COMMAND;LABELS")
  list(POP_FRONT arg_COMMAND program)
  if(TARGET ${program})
    set(program "$<TARGET_FILE:${program}>")
  endif()
  add_test(NAME ${arg_NAME} COMMAND "${PARCELO_WINE_RUN}" "${program}" ${arg_COMMAND})
  parcelo_require_wine_session(${arg_NAME})
  if(arg_LABELS)
    set_tests_properties(${arg_NAME} PROPERTIES LABELS "${arg_LABELS}")
  endif()
endfunction()
