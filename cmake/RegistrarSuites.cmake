# Writes the CTest file that registers the unit tests, one test per suite.
#
# A process of the sanitized test program takes a third of a second to start
# (its data is tens of megabytes to map), and all its cases together run in
# a few seconds: a process per case spent minutes starting.  A suite is run
# by one process; a failing one prints which of its cases failed and why.
# Each suite also leaves its cases' results in RESULTADOS/<suite>.xml, from
# which a whole run counts cases, not suites (scripts/probar.sh).
#
#   cmake -DPROGRAMA=<test program> -DSALIDA=<file to write>
#         -DRESULTADOS=<folder for the results> -P RegistrarSuites.cmake

execute_process(COMMAND "${PROGRAMA}" --gtest_list_tests
                OUTPUT_VARIABLE lista RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
  message(FATAL_ERROR "${PROGRAMA} --gtest_list_tests ended with ${resultado}")
endif()

# "Suite.  # TypeParam = ..." starts a suite; its cases follow, indented.
string(REPLACE "\n" ";" lineas "${lista}")
set(texto "")
set(suites 0)
foreach(linea IN LISTS lineas)
  if(linea MATCHES "^([^ #][^ ]*)\\.")
    set(suite "${CMAKE_MATCH_1}")
    string(REPLACE "/" "_" archivo "${suite}")
    string(APPEND texto
           "add_test([=[${suite}]=] [=[${PROGRAMA}]=] [=[--gtest_filter=${suite}.*]=]"
           " [=[--gtest_output=xml:${RESULTADOS}/${archivo}.xml]=])\n"
           "set_tests_properties([=[${suite}]=] PROPERTIES LABELS unitarias)\n")
    math(EXPR suites "${suites} + 1")
  endif()
endforeach()
if(suites EQUAL 0)
  message(FATAL_ERROR "${PROGRAMA} lists no test suite")
endif()
file(WRITE "${SALIDA}" "${texto}")
