#!/usr/bin/env bash
# Fuzzes the menu file: builds the 'fuzz' preset (clang, libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) and runs lector_menu_fuzz in
# one process for SECONDS (default 60) on a copy of tests/fuzz/corpus: three
# quarters of the time with inputs up to 256 KB, then, with seeds added that
# have lines at the 16-bit position limits, with inputs up to 1 MB.
#
# Exits non-zero when the fuzzer finds a crash, a leak, a hang, a sanitizer
# report or a failed check; the input that caused it is kept in
# build/fuzz/hallazgos/ (reproduce with: build/fuzz/tests/fuzz/lector_menu_fuzz FILE).
#
#     scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

segundos=${1:-60}
if ! [[ $segundos =~ ^[0-9]+$ ]] || [ "$segundos" -lt 2 ]; then
    echo "uso: scripts/fuzz.sh [SEGUNDOS]   (2 o más; 60 por omisión)" >&2
    exit 2
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

fuzzer=build/fuzz/tests/fuzz/lector_menu_fuzz
hallazgos=build/fuzz/hallazgos
mkdir -p "$hallazgos"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fuzz/corpus/* "$corpus/"

opciones=(-rss_limit_mb=2048 -timeout=30 -dict=tests/fuzz/menu.dict -print_final_stats=1 -print_funcs=0
          -artifact_prefix="$hallazgos/")
largo=$((segundos / 4 > 0 ? segundos / 4 : 1))
corto=$((segundos - largo))

echo "fuzz: ${corto} s with inputs up to 256 KB"
"$fuzzer" "${opciones[@]}" -max_len=262144 -max_total_time="$corto" "$corpus"

echo "fuzz: ${largo} s with inputs up to 1 MB and long lines"
# Entry lines just inside and just past the limits of a 16-bit position,
# and one longer than the reader's 64 KB buffer.
repetir() { head -c "$1" /dev/zero | tr '\0' "$2"; }
semilla() { { printf 'T\r\nV\r\nA;a.exe;antes\r\n'; cat; printf '\r\nZ;z.exe;despu\xe9s\r\n'; } >"$corpus/$1"; }
repetir 32766 n | { cat; printf ';c.exe;d'; } | semilla nombre_32766
repetir 32767 n | { cat; printf ';c.exe;d'; } | semilla nombre_32767
{ printf 'N;'; repetir 32766 c; } | semilla comando_32766
{ printf 'N;'; repetir 32767 c; } | semilla comando_32767
{ printf 'N;'; repetir 32766 c; printf ';d'; } | semilla segundo_32767
{ printf 'N;'; repetir 32767 c; printf ';d'; } | semilla segundo_32768
{ printf 'N;c.exe;'; repetir 70000 d; } | semilla descripcion_70000

"$fuzzer" "${opciones[@]}" -max_len=1048576 -max_total_time="$largo" "$corpus"
echo "fuzz: nothing found in ${segundos} s"

