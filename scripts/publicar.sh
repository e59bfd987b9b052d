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
# shellcheck source=fallo.sh
. "$(dirname "${BASH_SOURCE[0]}")/fallo.sh" publicar
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/paquetes.sh >&2
# The ZIP's times are the commit's, so that the same commit gives the same
# ZIP (CPack reads SOURCE_DATE_EPOCH); and its entries belong to user and
# group 0 whoever builds it, since CPack records the builder's ids (fakeroot
# makes them 0).
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}
[ -n "$SOURCE_DATE_EPOCH" ] || { echo "publicar: not a git checkout: set SOURCE_DATE_EPOCH to the release's time (seconds since 1970)" >&2; exit 1; }
export SOURCE_DATE_EPOCH
como_root=()
[ "$(id -u)" = 0 ] || como_root=(fakeroot)
{
    cmake --preset windows-x86 >/dev/null
    cmake --build --preset windows-x86 --parallel "${INSTALAR_JOBS:-2}" --target publicacion
    "${como_root[@]}" cpack --preset publicacion
} >&2
ls -1 build/windows-x86/publicacion/instalar-*-windows.zip | tail -n 1
