# Runs comprobar on the demo menu, examples/instalar.inf, as its medium is
# laid out.
#
# The Windows build makes the demo medium in build/<preset>/demo (see
# examples/CMakeLists.txt): visor\visor-setup.exe, a real NSIS installer, and
# herramientas\setup.exe, a stand-in setup program.  The "Manual" item's
# manual\setup.exe is left out on purpose, so that the demo shows the message
# for a missing setup program.  This build cannot make those programs, and
# examples/ holds only the menu file, so the test lays out a copy of the
# medium with empty files at the two setup paths: comprobar only asks whether
# they exist.  It must then find that one error and nothing else.
#
# Arguments: COMPROBAR (the program), MENU (the demo menu), CARPETA (scratch).

file(REMOVE_RECURSE "${CARPETA}")
file(MAKE_DIRECTORY "${CARPETA}/visor" "${CARPETA}/herramientas")
file(COPY "${MENU}" DESTINATION "${CARPETA}")
file(TOUCH "${CARPETA}/visor/visor-setup.exe" "${CARPETA}/herramientas/setup.exe")

# Without arguments it checks instalar.inf in the current folder.
execute_process(COMMAND "${COMPROBAR}" WORKING_DIRECTORY "${CARPETA}"
                RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
set(esperado "instalar.inf:6: error: no existe el programa de instalación «manual\\setup.exe» (la ruta es relativa a la carpeta de instalar.exe)\n3 opciones, 1 error y 0 avisos.\n")
if(NOT estado EQUAL 1 OR NOT salida STREQUAL "" OR NOT errores STREQUAL esperado)
  message(FATAL_ERROR "comprobar sobre la demostración: estado ${estado}\nsalida:\n${salida}\nerrores:\n${errores}\n"
                      "se esperaba el estado 1, salida vacía y estos errores:\n${esperado}")
endif()

execute_process(COMMAND "${COMPROBAR}" --listar "${CARPETA}/instalar.inf"
                RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
if(NOT estado EQUAL 1 OR NOT salida MATCHES "1\\. Visor de notas.*2\\. Herramientas.*3\\. Manual \\(línea 6\\)")
  message(FATAL_ERROR "comprobar --listar sobre la demostración: estado ${estado}\nsalida:\n${salida}")
endif()
