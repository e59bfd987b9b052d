#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing instalar need,
# if any of them is missing: native and MinGW-w64 compilers, CMake, Ninja,
# GoogleTest, Python (resources), NSIS and wixl (the demo's installer and
# Windows Installer package), Wine with its 32-bit loader, Xvfb, Wine's fonts
# and ImageMagick (screenshots), clang with its runtime libraries
# (libFuzzer, for scripts/fuzz.sh), and osslsigncode with OpenSSL (signing
# the release).
#
# Runs apt-get as root, or through sudo.
set -euo pipefail

paquetes=(
    cmake ninja-build g++ googletest libgtest-dev python3
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine wine64 wine32:i386 fonts-wine xvfb
    nsis wixl imagemagick osslsigncode openssl
    clang libclang-rt-14-dev
)

faltan=()
for paquete in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q 'install ok installed'; then
        faltan+=("$paquete")
    fi
done
[ ${#faltan[@]} -eq 0 ] && exit 0

echo "paquetes: installing ${faltan[*]}"
como=()
if [ "$(id -u)" != 0 ]; then
    command -v sudo >/dev/null || { echo "paquetes: run as root or install sudo" >&2; exit 1; }
    como=(sudo)
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${como[@]}" dpkg --add-architecture i386
fi
"${como[@]}" apt-get update
"${como[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${faltan[@]}"
