# shellcheck shell=bash
# Sourced by scripts/paquetes.sh and scripts/decidir-x86.sh (after
# scripts/maquina.sh): whether something other than the kernel's own loader
# runs 32-bit x86 programs.  Each function prints a handler's name and
# succeeds, or prints nothing and fails, which callers under "set -e" must
# take as an answer ("|| true"), not as an error.
#
# instalar_manejador_i386 [disabled]: the enabled binfmt_misc handler (an
# emulator) for 32-bit x86 ELF files, if there is one; with "disabled", a
# disabled one.
instalar_manejador_i386() {
    local estado=${1:-enabled} entrada magia
    for entrada in "$instalar_binfmt"/*; do
        case ${entrada##*/} in register | status) continue ;; esac
        [ -f "$entrada" ] && grep -qx "$estado" "$entrada" 2>/dev/null || continue
        magia=$(sed -n 's/^magic //p' "$entrada")
        # ELF, 32-bit, little-endian, and machine 3 (i386) at byte 18.
        if [ "${magia:0:12}" = 7f454c460101 ] && [ "${magia:36:4}" = 0300 ]; then
            echo "${entrada##*/}"
            return 0
        fi
    done
    return 1
}
