#!/usr/bin/env bash
# Fuzzes the menu file: builds the 'fuzz' preset (clang, libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) and runs, one process at a
# time, for SECONDS in all (default 60) on a copy of tests/fuzz/corpus:
#
#   - lector_menu_fuzz (both readers, the window, the paths) for half the
#     time, with inputs up to 256 KB;
#   - comprobar_fuzz (the menu checker) for a quarter, the same way;
#   - lector_menu_fuzz again for the last quarter, with inputs up to 1 MB and
#     seeds added whose lines stand at the 16-bit position limits.
#
# Exits non-zero when a fuzzer finds a crash, a leak, a hang, a sanitizer
# report or a failed check; the input that caused it is kept in
# build/fuzz/hallazgos/ (reproduce with: build/fuzz/tests/fuzz/<target> FILE).
# Installs the Debian packages it needs first (scripts/paquetes.sh).
#
#     scripts/fuzz.sh [SECONDS]
#
# INSTALAR_JOBS: parallel build jobs (default 2).  The fuzzers themselves
# always run as a single process.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

segundos=${1:-60}
if ! [[ $segundos =~ ^[0-9]+$ ]] || [ "$segundos" -lt 4 ]; then
    echo "usage: scripts/fuzz.sh [SECONDS]   (4 or more; default 60)" >&2
    exit 2
fi

scripts/paquetes.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"${INSTALAR_JOBS:-2}"

objetivos=build/fuzz/tests/fuzz
hallazgos=build/fuzz/hallazgos
mkdir -p "$hallazgos"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fuzz/corpus/* "$corpus/"

opciones=(-rss_limit_mb=2048 -timeout=30 -dict=tests/fuzz/menu.dict -print_final_stats=1 -print_funcs=0
          -artifact_prefix="$hallazgos/")
lector=$((segundos / 2))
comprobar=$((segundos / 4))
largas=$((segundos - lector - comprobar))

echo "fuzz: lector_menu_fuzz for ${lector} s, inputs up to 256 KB"
"$objetivos/lector_menu_fuzz" "${opciones[@]}" -max_len=262144 -max_total_time="$lector" "$corpus"

echo "fuzz: comprobar_fuzz for ${comprobar} s, inputs up to 256 KB"
"$objetivos/comprobar_fuzz" "${opciones[@]}" -max_len=262144 -max_total_time="$comprobar" "$corpus"

echo "fuzz: lector_menu_fuzz for ${largas} s, inputs up to 1 MB and long lines"
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
"$objetivos/lector_menu_fuzz" "${opciones[@]}" -max_len=1048576 -max_total_time="$largas" "$corpus"

echo "fuzz: nothing found in ${segundos} s"
