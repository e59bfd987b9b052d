# Runs comprobar on the demo menu, examples/instalar.inf, as its medium is
# laid out.
#
# The Windows build makes the demo medium in build/<preset>/demo (see
# examples/CMakeLists.txt): visor\visor-setup.exe, a real NSIS installer,
# agenda\agenda.msi, a real Windows Installer package, herramientas\setup.exe,
# a stand-in setup program, and manual\manual.html, a document.  The
# "Complementos" item's complementos\setup.exe is left out on purpose, so that
# the demo shows the message for a missing setup program.  This build makes
# none of those files, so the test lays out a copy of the medium with empty
# files at the four paths: comprobar only asks whether they exist.  It must
# then find that one error and nothing else: packages and documents are
# items like programs.
#
# Arguments: COMPROBAR (the program), MENU (the demo menu), CARPETA (scratch).

file(REMOVE_RECURSE "${CARPETA}")
file(MAKE_DIRECTORY "${CARPETA}/visor" "${CARPETA}/agenda" "${CARPETA}/herramientas" "${CARPETA}/manual")
file(COPY "${MENU}" DESTINATION "${CARPETA}")
file(TOUCH "${CARPETA}/visor/visor-setup.exe" "${CARPETA}/agenda/agenda.msi" "${CARPETA}/herramientas/setup.exe"
           "${CARPETA}/manual/manual.html")

# Without arguments it checks instalar.inf in the current folder.
execute_process(COMMAND "${COMPROBAR}" WORKING_DIRECTORY "${CARPETA}"
                RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
set(esperado "instalar.inf:8: error: no existe el programa de instalación «complementos\\setup.exe» (la ruta es relativa a la carpeta de instalar.exe)\n5 opciones, 1 error y 0 avisos.\n")
if(NOT estado EQUAL 1 OR NOT salida STREQUAL "" OR NOT errores STREQUAL esperado)
  message(FATAL_ERROR "comprobar sobre la demostración: estado ${estado}\nsalida:\n${salida}\nerrores:\n${errores}\n"
                      "se esperaba el estado 1, salida vacía y estos errores:\n${esperado}")
endif()

execute_process(COMMAND "${COMPROBAR}" --listar "${CARPETA}/instalar.inf"
                RESULT_VARIABLE estado OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
if(NOT estado EQUAL 1 OR NOT salida MATCHES
   "1\\. Visor de notas.*2\\. Agenda.*agenda\\\\agenda\\.msi.*3\\. Herramientas.*4\\. Manual.*manual\\\\manual\\.html.*5\\. Complementos \\(línea 8\\)")
  message(FATAL_ERROR "comprobar --listar sobre la demostración: estado ${estado}\nsalida:\n${salida}")
endif()
