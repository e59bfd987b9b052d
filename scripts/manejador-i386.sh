# shellcheck shell=bash
# Sourced by scripts/paquetes.sh and scripts/entorno-wine.sh: whether
# something other than the kernel's own loader runs 32-bit x86 programs.
#
# instalar_manejador_i386 prints the name of the enabled binfmt_misc
# handler (an emulator) for 32-bit x86 ELF files, if there is one.
instalar_manejador_i386() {
    local entrada magia
    for entrada in /proc/sys/fs/binfmt_misc/*; do
        case ${entrada##*/} in register | status) continue ;; esac
        [ -f "$entrada" ] && grep -qx enabled "$entrada" 2>/dev/null || continue
        magia=$(sed -n 's/^magic //p' "$entrada")
        # ELF, 32-bit, little-endian, and machine 3 (i386) at byte 18.
        if [ "${magia:0:12}" = 7f454c460101 ] && [ "${magia:36:4}" = 0300 ]; then
            echo "${entrada##*/}"
            return 0
        fi
    done
    return 1
}
