# shellcheck shell=bash
# Sourced by the scripts a user runs (demo.sh, publicar.sh, paquetes.sh)
# right after "set -euo pipefail": a command that fails and so ends the
# script leaves one last line that names it, where it stands and its exit
# status, instead of a bare exit status.
#
#     . "$(dirname "${BASH_SOURCE[0]}")/fallo.sh" demo

_instalar_fallo_nombre=$1
set -o errtrace   # functions and subshells report too
_instalar_al_fallar() {
    local estado=$1 orden=$2 linea=$3 archivo=$4
    # Once: a failing function would be reported again at its call.
    [ -n "${_instalar_fallo_dicho:-}" ] && return 0
    _instalar_fallo_dicho=1
    echo "$_instalar_fallo_nombre: stopped: \`$orden\` failed with exit status $estado (${archivo#"$PWD/"}, line $linea)" >&2
}
trap '_instalar_al_fallar $? "$BASH_COMMAND" "$LINENO" "${BASH_SOURCE[0]}"' ERR
