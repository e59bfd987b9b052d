#!/usr/bin/env bash
# The whole Wine set-up (scripts/entorno-wine.sh, sourced under
# "set -euo pipefail" as scripts/demo.sh and scripts/probar.sh source it) as
# a fresh machine whose kernel cannot run 32-bit programs meets it:
# binfmt_misc not mounted, no handler registered.  CI runs on a machine that
# keeps what earlier runs registered, so this points the scripts at an empty
# binfmt_misc folder of its own (with stand-ins for mount and id that act on
# that folder only) and at a 32-bit loader that never runs (a registered
# handler would run the real one); Wine, qemu, Xvfb and the Wine prefix are
# this machine's own, so x64 programs really run, through Wine's 64-bit
# loader.  Prints "ok:" and "FAILED:" lines, which scripts/probar.sh counts.
set -uo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
M=$(mktemp -d "${TMPDIR:-/tmp}/maquina-fresca.XXXXXX")
trap 'rm -rf "$M"' EXIT
mkdir -p "$M/binfmt" "$M/bin" "$M/estado"
cp "$raiz/tests/maquinas/falsos/_comun" "$raiz/tests/maquinas/falsos/mount" "$raiz/tests/maquinas/falsos/id" "$M/bin/"
id -u >"$M/estado/uid"
: >"$M/cambios"

# A set-up of its own: nothing of the caller's Wine environment.
unset INSTALAR_WINE_TMP INSTALAR_XVFB_PID WINEPREFIX WINELOADER INSTALAR_X86 INSTALAR_X86_MOTIVO INSTALAR_CARGADOR
salida=$(
    export MAQUINA=$M INSTALAR_PRUEBA_BINFMT="$M/binfmt" INSTALAR_PRUEBA_ORDENES="$M/bin" INSTALAR_XVFB=1
    export INSTALAR_PRUEBA_LD32=/bin/false
    bash -c 'set -euo pipefail
        . "$1/scripts/entorno-wine.sh"
        echo "decision=$INSTALAR_X86"
        wine cmd /c exit 7 && exit 1 || [ $? = 7 ]
        echo "x64=runs"' _ "$raiz" 2>&1
)
estado=$?
echo "$salida" | sed 's/^/  /'

comprobar() {  # DESCRIPTION CONDITION...
    local descripcion=$1
    shift
    if "$@"; then echo "ok: $descripcion"; else echo "FAILED: $descripcion"; fi
}
hay_linea() { grep -qE -- "$1" <<<"$salida"; }
anunciados() { hay_linea '^entorno-wine: mounted binfmt_misc .*undo' && hay_linea '^entorno-wine: registered .*undo'; }

comprobar "fresh machine: the Wine set-up ends with exit status 0 (was $estado)" [ "$estado" = 0 ]
comprobar "fresh machine: a Wine program runs and its exit code comes back" hay_linea '^x64=runs$'
comprobar "fresh machine: x64 programs run through Wine's 64-bit loader" hay_linea '^entorno-wine: x64 programs run with /usr/lib/wine/wine64;'
comprobar "fresh machine: binfmt_misc mounted" grep -qx "mount -t binfmt_misc binfmt_misc $M/binfmt" "$M/cambios"
comprobar "fresh machine: the system's qemu-i386 registered" grep -q '^:qemu-i386:M::.*:/usr/bin/qemu-i386[^/]*:FP$' "$M/binfmt/register"
comprobar "fresh machine: both changes announced with their undo" anunciados
