#!/usr/bin/env bash
# Checks a built instalar.exe without running it, so on any machine:
#
#     scripts/comprobar-exe.sh x86|x64 PATH/instalar.exe
#
# that it is a program for that architecture, that it imports only the
# system DLLs it is meant to (everything else is loaded by name from
# System32 when needed), that it imports no function Windows 7 lacks, and
# that it stays small.  Prints one line per check, "ok: ..." or
# "FAILED: ...", and exits non-zero if any failed.
set -uo pipefail

arquitectura=${1:-}
exe=${2:-}
case $arquitectura in
    x86) formato=pei-i386 ;;
    x64) formato=pei-x86-64 ;;
    *) echo "usage: $0 x86|x64 PATH/instalar.exe" >&2; exit 2 ;;
esac
[ -f "$exe" ] || { echo "FAILED: $exe does not exist"; exit 1; }

fallos=0
comprobar() {  # comprobar DESCRIPTION WHAT-WAS-FOUND COMMAND...
    local descripcion=$1 hallado=$2
    shift 2
    if "$@"; then
        echo "ok: $arquitectura $descripcion"
    else
        echo "FAILED: $arquitectura $descripcion: $hallado"
        fallos=$((fallos + 1))
    fi
}

objdump=x86_64-w64-mingw32-objdump
cabecera=$("$objdump" -f "$exe" 2>&1)
hallado=$(sed -n 's/.*file format //p' <<<"$cabecera")
comprobar "is a Windows program for $arquitectura ($formato)" "${hallado:-$cabecera}" [ "$hallado" = "$formato" ]

importaciones=$("$objdump" -p "$exe")
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$importaciones" | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
comprobar "imports only gdi32, kernel32, msvcrt and user32" "$dlls" \
    [ "$dlls" = "gdi32.dll kernel32.dll msvcrt.dll user32.dll " ]

# What instalar.exe may only find at run time, since Windows 7 lacks it.
solo_posteriores=$(grep -owE 'GetDpiForWindow|GetDpiForMonitor|GetDpiForSystem|AdjustWindowRectExForDpi|GetSystemMetricsForDpi|SystemParametersInfoForDpi|SetProcessDpiAwarenessContext|SetThreadDpiAwarenessContext|SetProcessDpiAwareness|EnableNonClientDpiScaling|GetDpiFromDpiAwarenessContext|SetDefaultDllDirectories' <<<"$importaciones" | sort -u | tr '\n' ' ')
comprobar "imports no function that Windows 7 lacks" "$solo_posteriores" [ -z "$solo_posteriores" ]

# The benchmark's goal is 300 KiB (scripts/bench.sh prints whether it is
# met).  This guard against growth allows 320: the x86 build, with the
# items that depend on the machine and the menu's texts in other languages,
# is 314 KiB, of which about 72 KiB are DWARF unwind tables and about 30 KiB
# the POSIX threads library that the toolchain's C++ runtime brings along.
bytes=$(stat -c %s "$exe")
comprobar "is at most 320 KiB" "$bytes bytes" [ "$bytes" -le $((320 * 1024)) ]

[ "$fallos" -eq 0 ]
