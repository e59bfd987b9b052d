#!/usr/bin/env bash
# Checks that the release rebuilds byte for byte: builds the release of the
# current commit (scripts/publicar.sh, plus the x64 instalar.exe) in two
# clean clones in two different folders, and compares instalar.exe (x86 and
# x64), comprobar.exe and the ZIP by SHA-256.  On a difference it names the
# file and the part of it that differs.
#
#     scripts/probar-reproducible.sh                          two clean clones
#     scripts/probar-reproducible.sh --con-esta-construccion  one clean clone,
#         compared with the release this checkout has built (scripts/probar.sh
#         has, by then), when the checkout is that commit with nothing
#         changed and that release is there; else two clones, as without it
#
# It checks the commit, not uncommitted changes.  Exits non-zero on any
# difference.
#
# Settings read from the environment:
#   INSTALAR_JOBS   parallel build jobs (default 2)
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
commit=$(git -C "$raiz" rev-parse HEAD)
limpio=0
if [ -z "$(git -C "$raiz" status --porcelain --untracked-files=no)" ]; then
    limpio=1
else
    echo "reproducible: note: uncommitted changes are not part of this check, which builds commit $commit"
fi

trabajo=$(mktemp -d "${TMPDIR:-/tmp}/instalar-reproducible.XXXXXX")
trap 'rm -rf "$trabajo"' EXIT

# construir FOLDER RESULTS: a clean clone in FOLDER, its release into RESULTS.
# (Each step chained: under "||" below, set -e would not stop it.)
construir() {
    local carpeta=$1 resultados=$2 zip
    git clone --quiet --no-hardlinks "$raiz" "$carpeta" &&
        git -C "$carpeta" checkout --quiet --detach "$commit" || return 1
    zip=$(cd "$carpeta" && scripts/publicar.sh | tail -n 1) && [ -n "$zip" ] || return 1
    (cd "$carpeta" &&
        cmake --preset windows-x64 &&
        cmake --build --preset windows-x64 --parallel "${INSTALAR_JOBS:-2}" --target instalar) || return 1
    mkdir -p "$resultados" &&
        cp "$carpeta/$zip" "$resultados/" &&
        cp "$carpeta/build/windows-x86/bin/instalar.exe" "$resultados/instalar-x86.exe" &&
        cp "$carpeta/build/windows-x86/bin/comprobar.exe" "$resultados/comprobar.exe" &&
        cp "$carpeta/build/windows-x64/bin/instalar.exe" "$resultados/instalar-x64.exe"
}

# The release this checkout has built, if it is there.
de_esta_construccion() {
    local resultados=$1 zip
    zip=$(ls -1 "$raiz"/build/windows-x86/publicacion/instalar-*-windows.zip 2>/dev/null | tail -n 1)
    [ -n "$zip" ] && [ -f "$raiz/build/windows-x86/bin/instalar.exe" ] &&
        [ -f "$raiz/build/windows-x86/bin/comprobar.exe" ] && [ -f "$raiz/build/windows-x64/bin/instalar.exe" ] &&
        [ "$zip" -nt "$raiz/build/windows-x86/bin/instalar.exe" ] || return 1
    mkdir -p "$resultados" &&
        cp "$zip" "$resultados/" &&
        cp "$raiz/build/windows-x86/bin/instalar.exe" "$resultados/instalar-x86.exe" &&
        cp "$raiz/build/windows-x86/bin/comprobar.exe" "$resultados/comprobar.exe" &&
        cp "$raiz/build/windows-x64/bin/instalar.exe" "$resultados/instalar-x64.exe"
}

inicio=$SECONDS
builds=(a otra/carpeta/mas/larga)
if [ "${1:-}" = --con-esta-construccion ]; then
    if [ "$limpio" = 1 ] && de_esta_construccion "$trabajo/resultados-a"; then
        echo "reproducible: comparing the release built in $raiz with one built from a clean clone"
        builds=(otra/carpeta/mas/larga)
    else
        echo "reproducible: this checkout has no release of commit $commit built with nothing changed: building it twice"
    fi
fi
for build in "${builds[@]}"; do
    registro="$trabajo/registro-${build//\//-}.txt"
    construir "$trabajo/$build" "$trabajo/resultados-${build%%/*}" >"$registro" 2>&1 ||
        { tail -n 30 "$registro"; echo "reproducible: the build in $trabajo/$build failed" >&2; exit 1; }
done
echo "reproducible: commit $commit built ${#builds[@]} time(s) in $((SECONDS - inicio)) s"
python3 "$raiz/scripts/comparar_publicaciones.py" "$trabajo/resultados-a" "$trabajo/resultados-otra"
