# satzlupe_add_test(NAME name SOURCES ... LIBS ... LABELS ... [ENV ...] [TIMEOUT seconds])
# Adds one test executable, registers it with CTest under its labels and hands it the path of
# the small EDBS files beside the core tests and of the shared sample delivery. Every test program
# has a timeout (60 s unless given), so that a dialog left open fails the run instead of halting it.
set(SATZLUPE_TEST_TIMEOUT 60 CACHE STRING "Seconds after which CTest stops a test program")
function(satzlupe_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT ${SATZLUPE_TEST_TIMEOUT})
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  target_compile_options(${T_NAME} PRIVATE ${SATZLUPE_WARNINGS})
  target_compile_definitions(${T_NAME} PRIVATE
    SATZLUPE_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/core/data"
    SATZLUPE_GOLDEN_DIR="${PROJECT_SOURCE_DIR}/tests/core/golden"
    SATZLUPE_EXAMPLES="${PROJECT_SOURCE_DIR}/examples"
    SATZLUPE_SHARED_DATA="${PROJECT_SOURCE_DIR}/../shared/data")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT})
  if(T_ENV)
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${T_ENV}")
  endif()
endfunction()
