# shellcheck shell=bash
# Sourced by the scripts a user runs (demo.sh, publicar.sh, paquetes.sh)
# right after "set -euo pipefail": a command that fails and so ends the
# script leaves a last line that names the script's step that failed (its
# line, as written), the command inside it that failed, and its exit status,
# instead of a bare exit status.
#
#     . "$(dirname "${BASH_SOURCE[0]}")/fallo.sh" demo

_instalar_fallo_nombre=$1
set -o errtrace   # a failure inside a function is reported too

_instalar_relativa() {
    echo "${1#"$PWD/"}"
}

_instalar_al_fallar() {
    local estado=$1 orden=$2 linea=$3 archivo=$4 n paso_archivo paso_linea paso
    # Once: a failing function would be reported again at its call.
    [ -n "${_instalar_fallo_dicho:-}" ] && return 0
    _instalar_fallo_dicho=1
    # The outermost frame: the script's own line that this failure ends.
    n=${#BASH_SOURCE[@]}
    paso_archivo=${BASH_SOURCE[n - 1]}
    paso_linea=${BASH_LINENO[n - 2]}
    paso=$(sed -n "${paso_linea}{s/^[[:space:]]*//;p;}" "$paso_archivo" 2>/dev/null)
    if [ "$paso_archivo:$paso_linea" = "$archivo:$linea" ]; then
        echo "$_instalar_fallo_nombre: stopped: \`$orden\` failed with exit status $estado ($(_instalar_relativa "$archivo"), line $linea)" >&2
    else
        echo "$_instalar_fallo_nombre: stopped: \`$paso\` ($(_instalar_relativa "$paso_archivo"), line $paso_linea) failed with exit status $estado, in \`$orden\` ($(_instalar_relativa "$archivo"), line $linea)" >&2
    fi
}
trap '_instalar_al_fallar $? "$BASH_COMMAND" "$LINENO" "${BASH_SOURCE[0]}"' ERR
