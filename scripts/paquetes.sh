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
# Runs apt-get as root, or through sudo.
set -euo pipefail

paquetes=(
    cmake ninja-build g++ googletest libgtest-dev python3
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine wine64 wine32:i386 fonts-wine xvfb
    nsis wixl imagemagick osslsigncode openssl fakeroot
    clang libclang-rt-14-dev
)

como=()
if [ "$(id -u)" != 0 ]; then
    command -v sudo >/dev/null || { echo "paquetes: run as root or install sudo" >&2; exit 1; }
    como=(sudo)
fi
actualizado=0
actualizar() {
    [ "$actualizado" = 1 ] && return 0
    "${como[@]}" apt-get update
    actualizado=1
}
instalar() {
    echo "paquetes: installing $*"
    actualizar
    "${como[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "$@"
}

faltan=()
for paquete in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q 'install ok installed'; then
        faltan+=("$paquete")
    fi
done
if [ ${#faltan[@]} -gt 0 ]; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${como[@]}" dpkg --add-architecture i386
    fi
    # On a kernel without 32-bit support, some i386 packages cannot run
    # their own set-up steps; dpkg reports it and goes on.
    instalar "${faltan[@]}"
fi

# --- qemu, where the kernel cannot run 32-bit programs ----------------------

# shellcheck source=manejador-i386.sh
. "$(dirname "${BASH_SOURCE[0]}")/manejador-i386.sh"
version_mayor() {
    sed -n 's/^[0-9]*:\{0,1\}\([0-9][0-9]*\)\..*/\1/p' <<<"$1"
}
qemu_instalado() {
    version_mayor "$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null)"
}

if /lib/ld-linux.so.2 --help >/dev/null 2>&1 && ! instalar_manejador_i386 >/dev/null; then
    exit 0  # 32-bit programs run natively
fi
[ "$(qemu_instalado)" -ge 8 ] 2>/dev/null && exit 0

actualizar >/dev/null
candidata=$(apt-cache policy qemu-user-static | sed -n 's/^ *Candidate: //p')
if [ "$(version_mayor "$candidata")" -ge 8 ] 2>/dev/null; then
    instalar --no-install-recommends qemu-user-static
    exit 0
fi

# The release's own qemu is older: take it from the release's backports, from
# the same Debian mirror the machine already uses.
. /etc/os-release
backports="${VERSION_CODENAME}-backports"
if ! apt-cache policy | grep -q " $backports/main "; then
    espejo=$(apt-cache policy | sed -n "s|^ *[0-9]* \([^ ]*\) $VERSION_CODENAME/main $(dpkg --print-architecture) Packages\$|\1|p" | head -n 1)
    [ -n "$espejo" ] || { echo "paquetes: no Debian mirror for $VERSION_CODENAME found in apt's sources, to take qemu-user-static from $backports" >&2; exit 1; }
    echo "paquetes: adding $backports from $espejo, for qemu-user-static 8 or newer"
    printf '%s\n' 'Types: deb' "URIs: $espejo" "Suites: $backports" 'Components: main' \
        'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
        "${como[@]}" tee "/etc/apt/sources.list.d/instalar-$backports.sources" >/dev/null
    actualizado=0
fi
instalar --no-install-recommends -t "$backports" qemu-user-static
[ "$(qemu_instalado)" -ge 8 ] 2>/dev/null ||
    { echo "paquetes: qemu-user-static 8 or newer could not be installed; x86 programs will not run under Wine here" >&2; exit 1; }
