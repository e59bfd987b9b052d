#!/usr/bin/env bash
# Measures instalar.exe and prints the figures as a markdown table:
#   - start to ready (window shown, painted and idle) of a 3-item menu
#     against a bare Win32 window of the same size (bench/ventana_base.cpp)
#     and against the same window with two push buttons of common controls 6
#     (ventana_botones, built from the same source),
#     and of menus of 1,000, 10,000 and 32,767 items against the 3-item one;
#   - one Ctrl+Down in the 32,767-item menu against the 3-item start;
#   - peak working set against the bare window;
#   - size of the x64 and x86 programs and the DLLs they import.
# The timings run under Wine on a private virtual display
# (scripts/entorno-wine.sh), all programs taking turns, medians of several
# runs.  They are figures to read, not a test: the exit status is 0 whenever
# the measurement itself worked, whether or not a target is met.
#
# Settings read from the environment:
#   INSTALAR_BENCH_RONDAS  counted runs of each program (default 9, at least 7
#                          for the figures to mean much)
#   INSTALAR_JOBS          parallel build jobs (default 2)
#   INSTALAR_DPI           resolution of the Wine prefix (default 96)
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$raiz"
trabajos=${INSTALAR_JOBS:-2}
rondas=${INSTALAR_BENCH_RONDAS:-9}

scripts/paquetes.sh >&2
{
    cmake --preset windows-x64 >/dev/null
    cmake --build --preset windows-x64 --parallel "$trabajos" --target instalar ventana_base ventana_botones medir
    cmake --preset windows-x86 >/dev/null
    cmake --build --preset windows-x86 --parallel "$trabajos" --target instalar
} >&2

# What the machine is and how busy it was.
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)," \
    "$(wine --version), $(date -u '+%Y-%m-%d %H:%M UTC')"
cambios=$(git status --porcelain -- app common interfaces launch menufile resources win32host window CMakeLists.txt 2>/dev/null | wc -l)
echo "Code: $(git rev-parse --short HEAD 2>/dev/null || echo unknown)" \
    "$([ "$cambios" -eq 0 ] && echo '(program sources as committed)' || echo "(+ $cambios changed program files)")"
echo "Load average before: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo

# shellcheck source=entorno-wine.sh
. scripts/entorno-wine.sh

salida="$INSTALAR_WINE_TMP/medir.txt"
wine build/windows-x64/bin/medir.exe --rondas "$rondas" | tr -d '\r' >"$salida"

# Size and imports of each build, as rows of the same table.
objdump=x86_64-w64-mingw32-objdump
# DLLs that ship with every Windows and that Windows protects (KnownDLLs or
# System32 only); anything else next to the program would be a runtime DLL.
sistema='^(kernel32|user32|gdi32|shell32|msvcrt|advapi32|comctl32|ole32|oleaut32|shlwapi|comdlg32|version|ntdll)\.dll$'
filas_tamano() {
    local arquitectura=$1 exe=$2 bytes kib dlls ajenas resultado
    bytes=$(stat -c %s "$exe")
    kib=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1024 }')
    resultado=met
    [ "$bytes" -le $((300 * 1024)) ] || resultado='**missed**'
    echo "| Size of instalar.exe, $arquitectura | $kib KiB ($bytes bytes) | ≤ 300 KiB | $resultado |"
    dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
    ajenas=$(grep -Evi "$sistema" <<<"$dlls" || true)
    resultado=met
    [ -z "$ajenas" ] || resultado="**missed**: $(tr '\n' ' ' <<<"$ajenas")"
    echo "| DLLs imported, $arquitectura | $(tr '\n' ' ' <<<"$dlls" | sed 's/ $//; s/ /, /g') | system DLLs only | $resultado |"
}

# The table, the size rows appended to it, then the notes and samples.
awk 'NF == 0 { exit } { print }' "$salida"
filas_tamano x64 build/windows-x64/bin/instalar.exe
filas_tamano x86 build/windows-x86/bin/instalar.exe
awk 'seen { print } NF == 0 { seen = 1 }' "$salida" | sed '1s/^/\n/'
echo
echo "Load average after: $(cut -d ' ' -f 1-3 /proc/loadavg)"
