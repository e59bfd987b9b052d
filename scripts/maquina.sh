# shellcheck shell=bash
# Sourced by the scripts that look at this machine (scripts/paquetes.sh,
# scripts/manejador-i386.sh, scripts/decidir-x86.sh): every file, folder and
# command through which they read or change the machine is named here once.
#
# Each can be pointed at a fixture by an INSTALAR_PRUEBA_* variable.  Only
# the table of machine states (tests/maquinas/maquinas.sh) sets them, to run
# the scripts against a made-up machine without changing this one; nobody
# else should.
#   INSTALAR_PRUEBA_BINFMT      the binfmt_misc folder (its register file inside)
#   INSTALAR_PRUEBA_LD32        the 32-bit loader, run to see whether this
#                               kernel runs 32-bit programs
#   INSTALAR_PRUEBA_WINE64      Wine's 64-bit loader
#   INSTALAR_PRUEBA_WINE32      Wine's 32-bit loader
#   INSTALAR_PRUEBA_QEMU_DIR    the system folder qemu-i386 is taken from
#   INSTALAR_PRUEBA_UID_SISTEMA the owner a qemu there must have (root's 0)
#   INSTALAR_PRUEBA_OS_RELEASE  /etc/os-release
#   INSTALAR_PRUEBA_FUENTES_APT the folder of apt's sources
#   INSTALAR_PRUEBA_ORDENES     a folder holding stand-ins for the commands
#                               that read or change the system: id, sudo,
#                               env, mount, rm, dpkg, dpkg-query, apt-get,
#                               apt-cache

instalar_binfmt=${INSTALAR_PRUEBA_BINFMT:-/proc/sys/fs/binfmt_misc}
instalar_ld32=${INSTALAR_PRUEBA_LD32:-/lib/ld-linux.so.2}
instalar_wine64=${INSTALAR_PRUEBA_WINE64:-/usr/lib/wine/wine64}
instalar_wine32=${INSTALAR_PRUEBA_WINE32:-/usr/lib/wine/wine}
instalar_qemu_dir=${INSTALAR_PRUEBA_QEMU_DIR:-/usr/bin}
instalar_uid_sistema=${INSTALAR_PRUEBA_UID_SISTEMA:-0}
instalar_os_release=${INSTALAR_PRUEBA_OS_RELEASE:-/etc/os-release}
instalar_fuentes_apt=${INSTALAR_PRUEBA_FUENTES_APT:-/etc/apt/sources.list.d}

# instalar_orden COMMAND ARGS...: runs one of the system commands above.
instalar_orden() {
    if [ -n "${INSTALAR_PRUEBA_ORDENES:-}" ]; then
        local orden=$1
        shift
        "$INSTALAR_PRUEBA_ORDENES/$orden" "$@"
    else
        "$@"
    fi
}

instalar_es_root() {
    [ "$(instalar_orden id -u)" = 0 ]
}

# instalar_como_root COMMAND ARGS...: runs a system command as root, directly
# or through sudo without a password; fails if neither can.
instalar_como_root() {
    if instalar_es_root; then
        instalar_orden "$@"
    else
        instalar_orden sudo -n "$@"
    fi
}

# instalar_escribir_como_root FILE TEXT: writes TEXT to FILE as root, in one
# write (binfmt_misc takes a registration only so).  No command line is
# built from the text, so nothing in it is ever run.
instalar_escribir_como_root() {
    if instalar_es_root; then
        printf '%s' "$2" >"$1"
    else
        printf '%s' "$2" | instalar_orden sudo -n tee "$1" >/dev/null
    fi
}

# Whether this kernel runs 32-bit x86 programs itself.
instalar_kernel_32() {
    "$instalar_ld32" --help >/dev/null 2>&1
}
