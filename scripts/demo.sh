#!/usr/bin/env bash
# Builds instalar.exe and the demo medium, and opens the demo menu under Wine
# in a fresh Wine prefix.
#
# With a display ($DISPLAY set) the menu opens there; use it, then close it.
# Without one, the menu opens on a virtual display and a screenshot of it is
# saved as build/demo.png.
#
# It shows the x86 build, the one the release ships, wherever x86 programs
# can run here (natively, or emulated where the kernel cannot run 32-bit
# programs), else the x64 build; one line says which and why.
#
# Settings read from the environment:
#   INSTALAR_PRESET  build preset (default: windows-x86 where it can run,
#                    else windows-x64)
#   INSTALAR_JOBS    parallel build jobs (default 2)
#   INSTALAR_DPI     screen resolution of the Wine prefix (default 96)
set -euo pipefail
# shellcheck source=fallo.sh
. "$(dirname "${BASH_SOURCE[0]}")/fallo.sh" demo

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$raiz"

scripts/paquetes.sh

if [ -n "${DISPLAY:-}" ]; then
    export INSTALAR_XVFB=0
else
    export INSTALAR_XVFB=1
fi
# shellcheck source=entorno-wine.sh
. scripts/entorno-wine.sh

if [ -n "${INSTALAR_PRESET:-}" ]; then
    preset=$INSTALAR_PRESET
    echo "demo: the $preset build, as INSTALAR_PRESET asks"
elif [ "$INSTALAR_X86" = no ]; then
    preset=windows-x64
    echo "demo: the x64 build, since x86 programs cannot run here: $INSTALAR_X86_MOTIVO"
else
    preset=windows-x86
    echo "demo: the x86 build, the one the release ships ($INSTALAR_X86_MOTIVO)"
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --parallel "${INSTALAR_JOBS:-2}" --target instalar demo

# The menu runs from a copy of the medium, as from a CD.
medio="$INSTALAR_WINE_TMP/medio"
cp -r "build/$preset/demo" "$medio"

if [ "$INSTALAR_XVFB" = 0 ]; then
    echo "demo: the menu is open on $DISPLAY"
    wine "$medio/instalar.exe" || true
    if [ -t 0 ]; then
        read -r -p "demo: press Enter to stop Wine (and any setup program started from the menu) "
    fi
    exit 0
fi

wine "$medio/instalar.exe" >/dev/null 2>&1 &

# Wait for the window: the screen is black until it shows.
captura="$INSTALAR_WINE_TMP/pantalla.png"
# (up to a minute: an emulated x86 program starts slowly the first time).
for ((i = 0; i < 300; i++)); do
    sleep 0.2
    import -window root "$captura"
    caja=$(convert "$captura" -format '%@' info: 2>/dev/null)  # e.g. 451x366+286+201; nothing while the screen is black
    [ "${caja%%x*}" -ge 300 ] 2>/dev/null && break
done
sleep 0.5  # let it finish painting
import -window root "$captura"
convert "$captura" -trim +repage build/demo.png
echo "demo: screenshot in build/demo.png ($(convert build/demo.png -format '%wx%h' info:))"
