# shellcheck shell=bash
# Sourced by scripts/entorno-wine.sh: decides, once, how this machine runs
# Windows programs.
#
# instalar_decidir_maquina sets
#   INSTALAR_X86         nativo, emulado or no: how x86 programs run here
#   INSTALAR_X86_MOTIVO  that decision in words: how, or why they cannot
#   INSTALAR_CARGADOR    the Wine loader for every program: "wine" (Debian's
#                        own, which picks the loader itself) or the 64-bit
#                        loader, which hands x86 programs to the 32-bit one
# and fails, saying why on standard error, only where x64 programs cannot
# run either.  Every probe's answer is a decision, never an exit: the callers
# source this under "set -euo pipefail".
#
# Where the kernel cannot run 32-bit programs and nothing runs them yet, it
# mounts binfmt_misc (if it is not) and registers the system's qemu-i386 for
# them, saying so in one line each, with how to undo it.

_instalar_decidir_raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=maquina.sh
. "$_instalar_decidir_raiz/maquina.sh"
# shellcheck source=manejador-i386.sh
. "$_instalar_decidir_raiz/manejador-i386.sh"

_instalar_x86() {
    INSTALAR_X86=$1
    INSTALAR_X86_MOTIVO=$2
}

# qemu-user before version 8 keeps its page flags per page, and Wine's
# 32-bit loader reserves nearly 4 GiB at start: each x86 program then takes
# about a minute to start.  From version 8 on it takes a fraction of a second.
_instalar_qemu_suficiente() {
    local version
    version=$("$1" --version 2>/dev/null | sed -n '1s/.*version \([0-9][0-9]*\)\..*/\1/p')
    [ -n "$version" ] && [ "$version" -ge 8 ]
}

# The system's own qemu-i386, as Debian's packages install it: a file in the
# system's folder, owned by root and writable by nobody else.  Never one
# found first on the caller's PATH, which the kernel would then run for every
# 32-bit program of every user.
_instalar_qemu_del_sistema() {
    local nombre ruta carpeta
    carpeta=$(readlink -f "$instalar_qemu_dir") || return 1
    for nombre in qemu-i386-static qemu-i386; do
        [ -x "$instalar_qemu_dir/$nombre" ] || continue
        ruta=$(readlink -f "$instalar_qemu_dir/$nombre") || continue
        [ "$(dirname "$ruta")" = "$carpeta" ] || continue
        [ "$(stat -c %u "$ruta")" = "$instalar_uid_sistema" ] || continue
        [ -z "$(find "$ruta" -perm /022)" ] || continue
        echo "$ruta"
        return 0
    done
    return 1
}

_instalar_montar_binfmt() {
    [ -e "$instalar_binfmt/register" ] && return 0
    instalar_como_root mount -t binfmt_misc binfmt_misc "$instalar_binfmt" >/dev/null 2>&1 &&
        [ -e "$instalar_binfmt/register" ] || return 1
    echo "entorno-wine: mounted binfmt_misc on $instalar_binfmt, to register qemu-i386 there (undo: umount $instalar_binfmt)"
}

# Registers qemu-i386 for 32-bit x86 ELF files.  The flags: F opens the
# emulator now, so it is found from any mount namespace; P passes the
# program's own name on, which Wine's loader needs.  Left registered
# afterwards, as Debian's qemu-user-binfmt does on other machines: other
# runs on this machine may be using it.
_instalar_registrar_qemu() {
    local qemu magia mascara
    qemu=$(_instalar_qemu_del_sistema) || {
        _instalar_x86 no "this kernel cannot run 32-bit programs (Exec format error) and $instalar_qemu_dir has no qemu-i386 owned by root: install qemu-user-static (scripts/paquetes.sh does)"
        return 1
    }
    _instalar_qemu_suficiente "$qemu" || {
        _instalar_x86 no "this kernel cannot run 32-bit programs, and $qemu ($("$qemu" --version 2>/dev/null | head -n 1)) takes about a minute to start each x86 program under Wine: install qemu-user-static 8 or newer from bookworm-backports (scripts/paquetes.sh does)"
        return 1
    }
    _instalar_montar_binfmt || {
        _instalar_x86 no "this kernel cannot run 32-bit programs, and $instalar_binfmt could not be mounted to register qemu-i386 for them: run as root, or mount it (mount -t binfmt_misc binfmt_misc $instalar_binfmt)"
        return 1
    }
    magia='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mascara='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    instalar_escribir_como_root "$instalar_binfmt/register" ":qemu-i386:M::$magia:$mascara:$qemu:FP" 2>/dev/null || {
        _instalar_x86 no "this kernel cannot run 32-bit programs, and qemu-i386 could not be registered for them in $instalar_binfmt/register: run as root"
        return 1
    }
    echo "entorno-wine: registered $qemu for 32-bit x86 programs in binfmt_misc as qemu-i386, left for later runs (undo: echo -1 > $instalar_binfmt/qemu-i386)"
    _instalar_x86 emulado "this kernel cannot run 32-bit programs: x86 programs run emulated ($qemu, binfmt_misc handler qemu-i386, registered now), many times slower"
}

# How x86 programs run here: nativo, emulado or no.
_instalar_decidir_x86() {
    local manejador
    if [ "${INSTALAR_SIN_X86:-0}" = 1 ]; then
        _instalar_x86 no "INSTALAR_SIN_X86=1 asks for no x86 program to run"
        return 0
    fi
    if [ ! -x "$instalar_wine32" ]; then
        _instalar_x86 no "Wine's 32-bit loader $instalar_wine32 is missing: install wine32:i386 (scripts/paquetes.sh does)"
        return 0
    fi
    # A handler takes 32-bit programs even where the kernel could run them.
    if manejador=$(instalar_manejador_i386); then
        _instalar_x86 emulado "32-bit programs run through the binfmt_misc handler $manejador ($(sed -n 's/^interpreter //p' "$instalar_binfmt/$manejador")): x86 programs run emulated, many times slower"
        return 0
    fi
    if instalar_kernel_32; then
        _instalar_x86 nativo "this kernel runs 32-bit programs: x86 programs run natively"
        return 0
    fi
    # Someone turned it off; registering another would overrule that.
    if manejador=$(instalar_manejador_i386 disabled); then
        _instalar_x86 no "this kernel cannot run 32-bit programs, and the binfmt_misc handler $manejador for them is disabled: enable it (echo 1 > $instalar_binfmt/$manejador)"
        return 0
    fi
    # Without the 64-bit loader nothing runs: change nothing for it.
    if [ ! -x "$instalar_wine64" ]; then
        _instalar_x86 no "Wine's 64-bit loader $instalar_wine64, which runs x86 programs where the kernel cannot, is missing: install wine64 (scripts/paquetes.sh does)"
        return 0
    fi
    _instalar_registrar_qemu || true
}

instalar_decidir_maquina() {
    _instalar_decidir_x86
    if [ "$INSTALAR_X86" = nativo ]; then
        INSTALAR_CARGADOR=wine
        return 0
    fi
    # Debian's `wine` would still pick the 32-bit loader, and fail.
    if [ ! -x "$instalar_wine64" ]; then
        echo "entorno-wine: Wine's 64-bit loader $instalar_wine64 is missing: install wine64 (scripts/paquetes.sh does)" >&2
        return 1
    fi
    INSTALAR_CARGADOR=$instalar_wine64
}
