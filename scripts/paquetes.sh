#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing instalar need,
# if any of them is missing: native and MinGW-w64 compilers, CMake, Ninja,
# GoogleTest, Python (resources), NSIS and wixl (the demo's installer and
# Windows Installer package), Wine with its 32-bit loader, Xvfb, Wine's fonts
# and ImageMagick (screenshots), clang with its runtime libraries
# (libFuzzer, for scripts/fuzz.sh), and osslsigncode with OpenSSL (signing
# the release), and fakeroot (the release's ZIP, as user 0 whoever builds it).
#
# Where the kernel cannot run 32-bit programs, Wine's 32-bit loader runs
# under qemu-i386 (see scripts/entorno-wine.sh), and this installs a qemu
# that is fast enough for it: version 8 or newer, from the release's
# backports where the release itself has an older one.
#
# Runs apt-get as root, or through sudo.  Each change to the system's own
# set-up (an architecture added to dpkg, a source added to apt) gets a line
# that says what changed and how to undo it.
set -euo pipefail
# shellcheck source=fallo.sh
. "$(dirname "${BASH_SOURCE[0]}")/fallo.sh" paquetes

# shellcheck source=maquina.sh
. "$(dirname "${BASH_SOURCE[0]}")/maquina.sh"
# shellcheck source=manejador-i386.sh
. "$(dirname "${BASH_SOURCE[0]}")/manejador-i386.sh"

paquetes=(
    cmake ninja-build g++ googletest libgtest-dev python3
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine wine64 wine32:i386 fonts-wine xvfb
    nsis wixl imagemagick osslsigncode openssl fakeroot
    clang libclang-rt-14-dev
)

if ! instalar_es_root && ! [ -x "$(command -v sudo)" ] && [ -z "${INSTALAR_PRUEBA_ORDENES:-}" ]; then
    echo "paquetes: run as root or install sudo" >&2
    exit 1
fi
actualizado=0
actualizar() {
    [ "$actualizado" = 1 ] && return 0
    instalar_como_root apt-get update
    actualizado=1
}
instalar() {
    echo "paquetes: installing $*"
    actualizar
    instalar_como_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "$@"
}
instalado() {
    instalar_orden dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

faltan=()
for paquete in "${paquetes[@]}"; do
    instalado "$paquete" || faltan+=("$paquete")
done
if [ ${#faltan[@]} -gt 0 ]; then
    if ! instalar_orden dpkg --print-foreign-architectures | grep -qx i386; then
        instalar_como_root dpkg --add-architecture i386
        echo "paquetes: added the i386 architecture to dpkg, for Wine's 32-bit loader (undo: remove the :i386 packages, then dpkg --remove-architecture i386)"
    fi
    # On a kernel without 32-bit support, some i386 packages cannot run
    # their own set-up steps; dpkg reports it and goes on.
    instalar "${faltan[@]}"
fi

# --- qemu, where the kernel cannot run 32-bit programs ----------------------

version_mayor() {
    sed -n 's/^[0-9]*:\{0,1\}\([0-9][0-9]*\)\..*/\1/p' <<<"$1"
}
qemu_instalado() {
    version_mayor "$(instalar_orden dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || true)"
}
# The address of the source that serves SUITE/main for this machine's
# architecture and whose release comes from ORIGIN, as apt-cache policy
# shows them; never a third party's that serves the same suite.
fuente_de() {
    local suite=$1 origen=$2
    instalar_orden apt-cache policy | awk -v suite="$suite/main" -v origen="$origen" \
        -v arquitectura="$(instalar_orden dpkg --print-architecture)" '
        $3 == suite && $4 == arquitectura && $5 == "Packages" { uri = $2; next }
        uri != "" && $1 == "release" {
            n = split(substr($0, index($0, "release ") + 8), campos, ",")
            for (i = 1; i <= n; i++) if (campos[i] == "o=" origen) { print uri; exit }
        }
        { uri = "" }'
}

if instalar_kernel_32 && ! instalar_manejador_i386 >/dev/null; then
    exit 0  # 32-bit programs run natively
fi
[ "$(qemu_instalado)" -ge 8 ] 2>/dev/null && exit 0

actualizar >/dev/null
candidata=$(instalar_orden apt-cache policy qemu-user-static | sed -n 's/^ *Candidate: //p')
if [ "$(version_mayor "$candidata")" -ge 8 ] 2>/dev/null; then
    instalar --no-install-recommends qemu-user-static
    exit 0
fi

# The release's own qemu is older: take it from the release's backports, on
# Debian only, from the Debian mirror the machine already uses.
# shellcheck source=/dev/null
. "$instalar_os_release"
if [ "${ID:-}" != debian ]; then
    echo "paquetes: qemu-user-static here is ${candidata:-not available}, and this is not Debian (ID=${ID:-unknown}), so no Debian backports are added for version 8 or newer: x86 programs will not run under Wine here unless you install it"
    exit 0
fi
backports="${VERSION_CODENAME}-backports"
if [ -z "$(fuente_de "$backports" "Debian Backports")" ]; then
    espejo=$(fuente_de "$VERSION_CODENAME" Debian)
    [ -n "$espejo" ] || { echo "paquetes: no Debian mirror for $VERSION_CODENAME found in apt's sources, to take qemu-user-static from $backports" >&2; exit 1; }
    fuente="$instalar_fuentes_apt/instalar-$backports.sources"
    instalar_escribir_como_root "$fuente" "$(printf '%s\n' 'Types: deb' "URIs: $espejo" "Suites: $backports" \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg')"$'\n'
    echo "paquetes: added $backports from $espejo to apt's sources, for qemu-user-static 8 or newer (undo: rm $fuente && apt-get update)"
    if ! instalar_como_root apt-get update; then
        instalar_como_root rm -f "$fuente"
        echo "paquetes: apt-get update failed with $backports added, so $fuente is removed again; apt's sources are as they were" >&2
        exit 1
    fi
    actualizado=1
fi
instalar --no-install-recommends -t "$backports" qemu-user-static
[ "$(qemu_instalado)" -ge 8 ] 2>/dev/null ||
    { echo "paquetes: qemu-user-static 8 or newer could not be installed; x86 programs will not run under Wine here" >&2; exit 1; }
