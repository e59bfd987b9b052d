#!/usr/bin/env bash
# Builds the release: instalar-<version>-windows.zip with instalar.exe (the
# x86 build, which runs on 32- and 64-bit Windows), comprobar.exe, LEAME.txt,
# an example instalar.inf and autorun.inf, and the licence.  Prints the
# ZIP's path on its last line.  Sign the programs first if you sign them:
#
#     scripts/publicar.sh            the ZIP, unsigned
#     scripts/firmar.sh CERT.pfx     see there
#
# Settings read from the environment:
#   INSTALAR_JOBS   parallel build jobs (default 2)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/paquetes.sh >&2
{
    cmake --preset windows-x86 >/dev/null
    cmake --build --preset windows-x86 --parallel "${INSTALAR_JOBS:-2}"
    cpack --preset publicacion
} >&2
ls -1 build/windows-x86/publicacion/instalar-*-windows.zip | tail -n 1
