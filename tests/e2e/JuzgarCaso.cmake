# Runs one case of a GoogleTest program and judges it by both its report and
# its exit code:
#
#     cmake -DLIMITE=SECONDS -P JuzgarCaso.cmake -- [EMULATOR...] PROGRAM ARGS...
#
# CTest alone can do one or the other: with a pass expression it ignores the
# exit code, so a program that crashes after printing its summary (in a
# destructor, at exit) would pass; without one, a program that exits 0
# without running anything (as Wine does when it cannot load an exe) would.
#
# A case passes when the program ends with 0 and reports exactly one test
# passed; it is skipped when it ends with 0 and reports exactly one test
# skipped (the line "[ JUEZ     ] omitido" tells CTest so).  Anything else
# fails, with the reason on the last line.  A listing of the tests
# (--gtest_list_tests, for CTest's discovery) is passed through unjudged.

cmake_minimum_required(VERSION 3.25)

set(orden "")
set(tras_separador FALSE)
set(es_listado FALSE)
math(EXPR ultimo "${CMAKE_ARGC} - 1")
foreach(i RANGE ${ultimo})
  set(argumento "${CMAKE_ARGV${i}}")
  if(tras_separador)
    list(APPEND orden "${argumento}")
    if(argumento STREQUAL "--gtest_list_tests")
      set(es_listado TRUE)
    endif()
  elseif(argumento STREQUAL "--")
    set(tras_separador TRUE)
  endif()
endforeach()
if(NOT orden)
  message(FATAL_ERROR "usage: cmake -DLIMITE=SECONDS -P JuzgarCaso.cmake -- PROGRAM ARGS...")
endif()

# Where x86 programs run emulated, starting each x86 driver through the
# emulator costs about a second a case.  A driver that only works the menu
# from outside (CAMBIABLE) may then be swapped for its x64 build, from the
# folder INSTALAR_CONDUCTORES names; it is told where the programs under test
# and their stand-ins are, so it still copies and starts the x86 ones.
if(CAMBIABLE AND DEFINED ENV{INSTALAR_CONDUCTORES} AND NOT "$ENV{INSTALAR_CONDUCTORES}" STREQUAL "")
  set(cambiado FALSE)
  set(nueva_orden "")
  foreach(argumento IN LISTS orden)
    if(NOT cambiado AND argumento MATCHES "\\.exe$")
      get_filename_component(nombre "${argumento}" NAME)
      get_filename_component(carpeta "${argumento}" DIRECTORY)
      set(conductor "$ENV{INSTALAR_CONDUCTORES}/${nombre}")
      if(NOT EXISTS "${conductor}")
        message(FATAL_ERROR "[ JUEZ     ] INSTALAR_CONDUCTORES has no ${nombre}: build the x64 preset first")
      endif()
      # The driver is a Windows program: under Wine it sees the folder
      # through drive Z:.
      if(carpeta MATCHES "^/")
        string(REPLACE "/" "\\" carpeta "Z:${carpeta}")
      endif()
      set(ENV{INSTALAR_PRUEBA_PROGRAMAS} "${carpeta}")
      set(argumento "${conductor}")
      set(cambiado TRUE)
    endif()
    list(APPEND nueva_orden "${argumento}")
  endforeach()
  set(orden "${nueva_orden}")
endif()

if(es_listado)
  execute_process(COMMAND ${orden} RESULT_VARIABLE resultado)
  if(NOT resultado STREQUAL "0")
    message(FATAL_ERROR "listing the tests failed: ${resultado}")
  endif()
  return()
endif()

if(NOT LIMITE)
  set(LIMITE 55)
endif()
# One variable for both streams keeps them in the order they were written.
execute_process(COMMAND ${orden}
  OUTPUT_VARIABLE salida ERROR_VARIABLE salida
  RESULT_VARIABLE resultado
  TIMEOUT ${LIMITE})
message(NOTICE "${salida}")

set(aprobado FALSE)
set(omitido FALSE)
if(salida MATCHES "\\[  PASSED  \\] 1 test\\.")
  set(aprobado TRUE)
endif()
if(salida MATCHES "\\[==========\\] 1 test from 1 test suite ran" AND salida MATCHES "\\[  SKIPPED \\] 1 test,")
  set(omitido TRUE)
endif()

if(NOT resultado STREQUAL "0")
  if(aprobado OR omitido)
    message(FATAL_ERROR "[ JUEZ     ] the program ended with ${resultado} after reporting its case done: "
                        "a fault after the test (a destructor, the exit)")
  endif()
  if(NOT salida MATCHES "Running main\\(\\)")
    # Not even GoogleTest's first line: the case never ran.
    message(FATAL_ERROR "[ JUEZ     ] the program ended with ${resultado} before it printed anything: "
                        "Wine did not start it (its loader or its server failed), so no case ran")
  endif()
  message(FATAL_ERROR "[ JUEZ     ] the program ended with ${resultado}")
endif()
if(omitido)
  message(NOTICE "[ JUEZ     ] omitido")
elseif(NOT aprobado)
  message(FATAL_ERROR "[ JUEZ     ] the program ended with 0 but did not report exactly one test passed or "
                      "skipped: the case did not run")
endif()
