#!/usr/bin/env bash
# Checks that the release rebuilds byte for byte: makes two clean clones of
# the current commit in two different folders, builds the release in each
# (scripts/publicar.sh, plus the x64 instalar.exe) and compares
# instalar.exe (x86 and x64), comprobar.exe and the ZIP by SHA-256.  On a
# difference it names the file and the part of it that differs.
#
# It checks the commit, not uncommitted changes.  Exits non-zero on any
# difference.
#
# Settings read from the environment:
#   INSTALAR_JOBS   parallel build jobs (default 2)
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
commit=$(git -C "$raiz" rev-parse HEAD)
[ -z "$(git -C "$raiz" status --porcelain --untracked-files=no)" ] ||
    echo "reproducible: note: uncommitted changes are not part of this check, which builds commit $commit"

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

inicio=$SECONDS
for build in a otra/carpeta/mas/larga; do
    registro="$trabajo/registro-${build//\//-}.txt"
    construir "$trabajo/$build" "$trabajo/resultados-${build%%/*}" >"$registro" 2>&1 ||
        { tail -n 30 "$registro"; echo "reproducible: the build in $trabajo/$build failed" >&2; exit 1; }
done
echo "reproducible: commit $commit built twice in $((SECONDS - inicio)) s"
python3 "$raiz/scripts/comparar_publicaciones.py" "$trabajo/resultados-a" "$trabajo/resultados-otra"
