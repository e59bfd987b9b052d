#!/usr/bin/env bash
# The rig's decisions on made-up machines.  Each row builds a machine in a
# temporary folder (binfmt_misc, the 32-bit loader, Wine's loaders, qemu,
# dpkg and apt, /etc/os-release, root or not) and runs scripts/decidir-x86.sh
# the way scripts/entorno-wine.sh sources it, or scripts/paquetes.sh the way
# the other scripts run it, both under "set -euo pipefail", pointed at that
# machine through the INSTALAR_PRUEBA_* variables of scripts/maquina.sh.  It
# then checks the decision, its reason, the exit status and every change the
# script made to that machine.  No Wine runs and this machine is not changed:
# the stand-in commands refuse anything they do not stand in for.
#
#     tests/maquinas/maquinas.sh            every row, then "N passed, M failed"
#     tests/maquinas/maquinas.sh --filas    the rows' names
#     tests/maquinas/maquinas.sh ROW        one row (CTest runs each so)
set -uo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
falsos="$raiz/tests/maquinas/falsos"

# --- A made-up machine ------------------------------------------------------

# Debian 12 on a kernel without 32-bit support, as root; binfmt_misc is not
# mounted; Wine (both loaders) and every package are installed, qemu 10 in
# /usr/bin but not its package.  Each row changes what it is about.
maquina_nueva() {
    M=$(mktemp -d "${TMPDIR:-/tmp}/maquina.XXXXXX")
    mkdir -p "$M/binfmt" "$M/bin" "$M/usr/bin" "$M/wine" "$M/estado" "$M/fuentes" "$M/casa/bin"
    cp "$falsos"/* "$M/bin/"
    programa "$M/ld-linux.so.2" 'exit 126'
    programa "$M/wine/wine64" 'exit 0'
    programa "$M/wine/wine" 'exit 0'
    qemu "$M/usr/bin" 10.0.2
    ln -s qemu-i386 "$M/usr/bin/qemu-i386-static"
    printf '%s\n' 'PRETTY_NAME="Debian GNU/Linux 12 (bookworm)"' ID=debian VERSION_ID=12 VERSION_CODENAME=bookworm >"$M/os-release"
    echo 0 >"$M/estado/uid"
    echo si >"$M/estado/sudo"
    echo i386 >"$M/estado/arquitecturas"
    todos_los_paquetes >"$M/estado/instalados"
    echo 7.2+dfsg-7+deb12u7 >"$M/estado/candidata"
    echo 1:10.0.2+ds-2~bpo12+1 >"$M/estado/candidata-backports"
    politica "http://deb.debian.org/debian bookworm/main" Debian >"$M/estado/politica"
    : >"$M/cambios"
    export INSTALAR_PRUEBA_BINFMT="$M/binfmt" INSTALAR_PRUEBA_LD32="$M/ld-linux.so.2"
    export INSTALAR_PRUEBA_WINE64="$M/wine/wine64" INSTALAR_PRUEBA_WINE32="$M/wine/wine"
    export INSTALAR_PRUEBA_QEMU_DIR="$M/usr/bin" INSTALAR_PRUEBA_UID_SISTEMA
    INSTALAR_PRUEBA_UID_SISTEMA=$(id -u)
    export INSTALAR_PRUEBA_OS_RELEASE="$M/os-release" INSTALAR_PRUEBA_FUENTES_APT="$M/fuentes"
    export INSTALAR_PRUEBA_ORDENES="$M/bin" MAQUINA="$M"
    unset INSTALAR_SIN_X86
}

programa() {
    printf '#!/bin/sh\n%s\n' "$2" >"$1"
    chmod 755 "$1"
}

qemu() {
    programa "$1/qemu-i386" "echo 'qemu-i386 version $2 (Debian)'"
}

todos_los_paquetes() {
    sed -n '/^paquetes=(/,/^)/p' "$raiz/scripts/paquetes.sh" | sed '1d;$d' | tr ' ' '\n' | sed '/^$/d'
}

# politica "URI SUITE" ORIGIN...: apt-cache policy's list of sources, each
# serving SUITE for amd64 with a release from ORIGIN.
politica() {
    echo 'Package files:'
    echo ' 100 /var/lib/dpkg/status'
    echo '     release a=now'
    while [ $# -gt 1 ]; do
        echo " 500 $1 amd64 Packages"
        echo "     release v=12,o=$2,a=oldstable,n=${1##* },l=$2,c=main,b=amd64"
        echo "     origin ${1#http://}"
        shift 2
    done
}

# A binfmt_misc folder as the kernel shows it once mounted, with a handler.
montado() {
    : >"$M/binfmt/register"
    echo enabled >"$M/binfmt/status"
}
manejador() {  # NAME enabled|disabled MAGIC INTERPRETER
    printf '%s\ninterpreter %s\nflags: FP\noffset 0\nmagic %s\nmask ffffffffff\n' "$2" "$4" "$3" >"$M/binfmt/$1"
}
magia_i386=7f454c4601010100000000000000000002000300
magia_arm=7f454c4601010100000000000000000002002800

# --- Running a script on it --------------------------------------------------

# decidir: scripts/decidir-x86.sh as scripts/entorno-wine.sh sources it.
decidir() {
    (cd "$M" && bash -c 'set -euo pipefail
        . "$1"
        instalar_decidir_maquina
        printf "decision=%s\nmotivo=%s\ncargador=%s\n" "$INSTALAR_X86" "$INSTALAR_X86_MOTIVO" "$INSTALAR_CARGADOR"' \
        _ "$raiz/scripts/decidir-x86.sh") >"$M/salida" 2>&1
    estado=$?
    # What was written to the register file, as the kernel would take it.
    if [ -s "$M/binfmt/register" ]; then
        echo "register $(cat "$M/binfmt/register")" >>"$M/cambios"
    fi
}

# paquetes: scripts/paquetes.sh as the other scripts run it.
paquetes() {
    (cd "$M" && bash "$raiz/scripts/paquetes.sh") >"$M/salida" 2>&1
    estado=$?
    (. "$falsos/_comun" && anotar_fuentes_nuevas)
}

# --- Checks ------------------------------------------------------------------

fallos=()
falla() { fallos+=("$*"); }

espera_estado() {
    [ "$estado" = "$1" ] || falla "exit status $estado, expected $1"
}
espera_decision() {
    grep -qx "decision=$1" "$M/salida" || falla "decision $(sed -n 's/^decision=//p' "$M/salida"), expected $1"
}
# espera_linea REGEX: a line of the output matches (the reason, a notice).
espera_linea() {
    grep -qE -- "$1" "$M/salida" || falla "no line matches /$1/"
}
espera_ultima_linea() {
    tail -n 1 "$M/salida" | grep -qE -- "$1" || falla "the last line \"$(tail -n 1 "$M/salida")\" does not match /$1/"
}
# espera_cambios LINE...: exactly these changes to the machine, in order.
espera_cambios() {
    local esperados obtenidos
    esperados=$(printf '%s\n' "$@" | sed '/^$/d')
    obtenidos=$(cat "$M/cambios")
    [ "$obtenidos" = "$esperados" ] ||
        falla "changes made:"$'\n'"${obtenidos:-(none)}"$'\n'"expected:"$'\n'"${esperados:-(none)}"
}
registro_qemu() {  # the line written to the register file for qemu at $1
    printf 'register :qemu-i386:M::%s:%s:%s:FP' \
        '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00' \
        '\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff' "$1"
}
montaje() { echo "mount -t binfmt_misc binfmt_misc $M/binfmt"; }

# --- The rows: how x86 programs run -------------------------------------------

fila_binfmt_sin_montar() {
    decidir
    espera_estado 0
    espera_decision emulado
    espera_linea '^motivo=.*x86 programs run emulated .*registered now'
    espera_linea '^entorno-wine: mounted binfmt_misc .*undo: umount '
    espera_linea '^entorno-wine: registered .*undo: echo -1 > '
    espera_cambios "$(montaje)" "$(registro_qemu "$M/usr/bin/qemu-i386")"
}

fila_binfmt_montado_y_vacio() {
    montado
    decidir
    espera_estado 0
    espera_decision emulado
    espera_cambios "$(registro_qemu "$M/usr/bin/qemu-i386")"
}

fila_manejador_i386_activo() {
    montado
    manejador qemu-i386 enabled "$magia_i386" /usr/libexec/qemu-binfmt/i386-binfmt-P
    decidir
    espera_estado 0
    espera_decision emulado
    espera_linea '^motivo=.*handler qemu-i386 \(/usr/libexec/qemu-binfmt/i386-binfmt-P\).*emulated'
    espera_cambios
}

fila_manejador_i386_desactivado() {
    montado
    manejador qemu-i386 disabled "$magia_i386" /usr/bin/qemu-i386
    decidir
    espera_estado 0
    espera_decision no
    espera_linea "^motivo=.*handler qemu-i386 for them is disabled: enable it \(echo 1 > $M/binfmt/qemu-i386\)"
    espera_cambios
}

fila_solo_manejador_de_otra_arquitectura() {
    montado
    manejador qemu-arm enabled "$magia_arm" /usr/bin/qemu-arm
    decidir
    espera_estado 0
    espera_decision emulado
    espera_cambios "$(registro_qemu "$M/usr/bin/qemu-i386")"
}

fila_kernel_con_32_bits() {
    programa "$M/ld-linux.so.2" 'exit 0'
    decidir
    espera_estado 0
    espera_decision nativo
    espera_linea '^motivo=this kernel runs 32-bit programs'
    espera_linea '^cargador=wine$'
    espera_cambios
}

fila_kernel_con_32_bits_y_manejador() {
    programa "$M/ld-linux.so.2" 'exit 0'
    montado
    manejador qemu-i386 enabled "$magia_i386" /usr/bin/qemu-i386
    decidir
    espera_estado 0
    espera_decision emulado
    espera_linea "^cargador=$M/wine/wine64\$"
    espera_cambios
}

fila_sin_qemu() {
    rm "$M/usr/bin/qemu-i386" "$M/usr/bin/qemu-i386-static"
    decidir
    espera_estado 0
    espera_decision no
    espera_linea '^motivo=.*has no qemu-i386 owned by root: install qemu-user-static'
    espera_cambios
}

fila_qemu_7_2() {
    qemu "$M/usr/bin" 7.2.19
    decidir
    espera_estado 0
    espera_decision no
    espera_linea '^motivo=.*version 7\.2\.19.*takes about a minute.*qemu-user-static 8 or newer'
    espera_cambios
}

fila_qemu_solo_en_el_path_del_usuario() {
    rm "$M/usr/bin/qemu-i386" "$M/usr/bin/qemu-i386-static"
    qemu "$M/casa/bin" 10.0.2
    PATH="$M/casa/bin:$PATH" decidir
    espera_estado 0
    espera_decision no
    espera_cambios
}

fila_qemu_de_otro_usuario() {
    INSTALAR_PRUEBA_UID_SISTEMA=$(($(id -u) + 1)) decidir
    espera_estado 0
    espera_decision no
    espera_cambios
}

fila_qemu_escribible_por_otros() {
    chmod 777 "$M/usr/bin/qemu-i386"
    decidir
    espera_estado 0
    espera_decision no
    espera_cambios
}

# A path the old "sh -c" string would have run part of.
fila_ruta_de_qemu_con_comillas() {
    local carpeta="$M/sis'tema \$(touch $M/ejecutado)"
    mkdir -p "$carpeta"
    qemu "$carpeta" 10.0.2
    INSTALAR_PRUEBA_QEMU_DIR=$carpeta decidir
    espera_estado 0
    espera_decision emulado
    espera_cambios "$(montaje)" "$(registro_qemu "$carpeta/qemu-i386")"
    [ ! -e "$M/ejecutado" ] || falla "a part of qemu's path was run as a command"
}

fila_sin_wine32() {
    rm "$M/wine/wine"
    decidir
    espera_estado 0
    espera_decision no
    espera_linea "^motivo=Wine's 32-bit loader .* is missing: install wine32:i386"
    espera_cambios
}

fila_sin_wine64() {
    rm "$M/wine/wine64"
    decidir
    espera_estado 1
    espera_linea "^entorno-wine: Wine's 64-bit loader .* is missing: install wine64"
    espera_cambios
}

fila_sin_wine64_con_kernel_de_32_bits() {
    rm "$M/wine/wine64"
    programa "$M/ld-linux.so.2" 'exit 0'
    decidir
    espera_estado 0
    espera_decision nativo
    espera_cambios
}

fila_montaje_rehusado_sin_root() {
    echo 1000 >"$M/estado/uid"
    echo no >"$M/estado/sudo"
    decidir
    espera_estado 0
    espera_decision no
    espera_linea "^motivo=.*$M/binfmt could not be mounted .*run as root"
    espera_cambios
}

fila_sin_root_con_sudo() {
    echo 1000 >"$M/estado/uid"
    decidir
    espera_estado 0
    espera_decision emulado
    espera_cambios "sudo $(montaje)" "$(registro_qemu "$M/usr/bin/qemu-i386")"
}

fila_sin_x86_pedido() {
    INSTALAR_SIN_X86=1 decidir
    espera_estado 0
    espera_decision no
    espera_linea '^motivo=INSTALAR_SIN_X86=1'
    espera_cambios
}

# --- The rows: what scripts/paquetes.sh installs and changes -----------------

instalacion_completa() {
    echo "apt-get install -y $(todos_los_paquetes | tr '\n' ' ' | sed 's/ $//')"
}
fuente_backports() {  # URI
    echo "source $M/fuentes/instalar-bookworm-backports.sources: URIs: $1 Suites: bookworm-backports"
}
qemu_de_backports='apt-get install -y --no-install-recommends -t bookworm-backports qemu-user-static'

fila_paquetes_debian_nueva() {
    : >"$M/estado/instalados"
    : >"$M/estado/arquitecturas"
    paquetes
    espera_estado 0
    espera_linea '^paquetes: added the i386 architecture to dpkg.*undo: .*dpkg --remove-architecture i386'
    espera_linea '^paquetes: added bookworm-backports from http://deb.debian.org/debian .*undo: rm '
    espera_cambios "dpkg --add-architecture i386" "apt-get update" "$(instalacion_completa)" \
        "$(fuente_backports http://deb.debian.org/debian)" "apt-get update" "$qemu_de_backports"
}

fila_paquetes_todo_instalado() {
    echo 1:10.0.2+ds-2~bpo12+1 >"$M/estado/version-qemu"
    paquetes
    espera_estado 0
    espera_cambios
}

fila_paquetes_kernel_con_32_bits() {
    programa "$M/ld-linux.so.2" 'exit 0'
    paquetes
    espera_estado 0
    espera_cambios
}

# A third party's repository that also serves bookworm/main, listed first:
# Debian's key would break apt-get update for its backports.
fila_paquetes_otro_repositorio_sirve_bookworm() {
    politica "http://repo.ejemplo.test/debian bookworm/main" Ejemplo \
        "http://deb.debian.org/debian bookworm/main" Debian >"$M/estado/politica"
    paquetes
    espera_estado 0
    espera_cambios "apt-get update" "$(fuente_backports http://deb.debian.org/debian)" "apt-get update" "$qemu_de_backports"
}

fila_paquetes_backports_ya_en_las_fuentes() {
    politica "http://deb.debian.org/debian bookworm/main" Debian \
        "http://deb.debian.org/debian bookworm-backports/main" "Debian Backports" >"$M/estado/politica"
    paquetes
    espera_estado 0
    espera_cambios "apt-get update" "$qemu_de_backports"
}

fila_paquetes_qemu_nuevo_en_la_version() {
    echo 1:10.0.2+ds-1 >"$M/estado/candidata"
    paquetes
    espera_estado 0
    espera_cambios "apt-get update" "apt-get install -y --no-install-recommends qemu-user-static"
}

fila_paquetes_no_debian() {
    printf '%s\n' ID=ubuntu VERSION_CODENAME=jammy >"$M/os-release"
    echo 1:6.2+dfsg-2ubuntu6 >"$M/estado/candidata"
    paquetes
    espera_estado 0
    espera_linea '^paquetes: .*this is not Debian \(ID=ubuntu\), so no Debian backports are added'
    espera_cambios "apt-get update"
}

fila_paquetes_update_falla_con_backports() {
    touch "$M/estado/update-falla-con-backports"
    paquetes
    espera_estado 1
    espera_ultima_linea '^paquetes: apt-get update failed with bookworm-backports added, so .* is removed again'
    espera_cambios "apt-get update" "$(fuente_backports http://deb.debian.org/debian)" "apt-get update" \
        "rm -f $M/fuentes/instalar-bookworm-backports.sources"
    [ -z "$(ls "$M/fuentes")" ] || falla "apt's sources keep $(ls "$M/fuentes")"
}

fila_paquetes_sin_espejo_de_debian() {
    politica "http://repo.ejemplo.test/debian bookworm/main" Ejemplo >"$M/estado/politica"
    paquetes
    espera_estado 1
    espera_ultima_linea '^paquetes: no Debian mirror for bookworm'
    espera_cambios "apt-get update"
}

# A failing command names itself in the last line.
fila_paquetes_apt_get_install_falla() {
    echo wine >"$M/estado/instalados"
    touch "$M/estado/install-falla"
    paquetes
    espera_estado 100
    espera_ultima_linea '^paquetes: stopped: `instalar "\$\{faltan\[@\]\}"` \(.*paquetes\.sh, line [0-9]+\) failed with exit status 100, in `.*`'
}

fila_paquetes_sin_root_ni_sudo() {
    echo 1000 >"$M/estado/uid"
    echo no >"$M/estado/sudo"
    : >"$M/estado/instalados"
    paquetes
    [ "$estado" != 0 ] || falla "exit status 0 without root or sudo"
    espera_cambios
}

# --- Running rows --------------------------------------------------------------

filas() {
    declare -F | sed -n 's/^declare -f fila_//p'
}

correr_fila() {
    local fila=$1
    fallos=()
    maquina_nueva
    "fila_$fila"
    if [ ${#fallos[@]} -eq 0 ]; then
        echo "ok: $fila"
        rm -rf "$M"
        return 0
    fi
    echo "FAILED: $fila"
    printf '  %s\n' "${fallos[@]}"
    echo "  output of the script:"
    sed 's/^/    /' "$M/salida"
    rm -rf "$M"
    return 1
}

case ${1:-} in
--filas) filas ;;
"")
    aprobadas=0 fallidas=0
    for fila in $(filas); do
        if correr_fila "$fila"; then aprobadas=$((aprobadas + 1)); else fallidas=$((fallidas + 1)); fi
    done
    echo "$aprobadas passed, $fallidas failed"
    [ "$fallidas" -eq 0 ]
    ;;
*)
    declare -F "fila_$1" >/dev/null || { echo "maquinas: no row $1" >&2; exit 2; }
    correr_fila "$1"
    ;;
esac
