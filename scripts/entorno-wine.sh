# shellcheck shell=bash
# A private Wine environment for the end-to-end tests; meant to be sourced:
#
#     . scripts/entorno-wine.sh
#
# It starts an Xvfb of its own (unless INSTALAR_XVFB=0, which keeps the
# current DISPLAY), makes a fresh Wine prefix in a temporary folder, starts a
# persistent Wine server and a small program that keeps Wine's desktop alive,
# and exports DISPLAY, WINEPREFIX and WINEDEBUG.  A trap on EXIT stops all of
# it again: the Wine server of this prefix, the Xvfb by its process id, and
# the temporary folder.
#
# It also decides, once, how this machine runs Windows programs, and every
# script and test that starts Wine afterwards (through `wine` on the PATH)
# follows that decision:
#   - where the kernel runs 32-bit Linux programs, Debian's own `wine`, as
#     always: x64 and x86 programs both run natively;
#   - where it cannot ("Exec format error"), Wine's 64-bit loader runs x64
#     programs, and x86 ones run through Wine's 32-bit loader emulated by
#     qemu-i386, which is registered for 32-bit programs here if nothing is
#     yet (scripts/paquetes.sh installs a qemu that is fast enough);
#   - where neither works, x86 programs do not run, and the tests say so.
# It exports the outcome for the scripts after it:
#   INSTALAR_X86         nativo, emulado or no
#   INSTALAR_X86_MOTIVO  in words: how x86 programs run, or why they cannot
#
# Settings read from the environment:
#   INSTALAR_DPI   screen resolution of the prefix in dots per inch (default 96)
#   INSTALAR_XVFB  1 (default) to start an own Xvfb, 0 to use $DISPLAY
#   INSTALAR_CXX   MinGW C++ compiler for the keep-alive program
#                  (default x86_64-w64-mingw32-g++-posix)
#   INSTALAR_SIN_X86  1 to run no x86 program, as on a machine where they
#                  cannot run (to see what the tests then skip and say)

_instalar_entorno_raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

instalar_wine_parar() {
    if [ -n "${INSTALAR_WINE_TMP:-}" ] && [ -d "$INSTALAR_WINE_TMP" ]; then
        WINEPREFIX="$INSTALAR_WINE_TMP/prefijo" wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX="$INSTALAR_WINE_TMP/prefijo" wineserver -w >/dev/null 2>&1 || true
    fi
    if [ -n "${INSTALAR_XVFB_PID:-}" ]; then
        kill "$INSTALAR_XVFB_PID" 2>/dev/null || true
        wait "$INSTALAR_XVFB_PID" 2>/dev/null || true
        INSTALAR_XVFB_PID=
    fi
    if [ -n "${INSTALAR_WINE_TMP:-}" ]; then
        rm -rf "$INSTALAR_WINE_TMP"
        INSTALAR_WINE_TMP=
    fi
}

_instalar_fallo() {
    echo "entorno-wine: $*" >&2
    instalar_wine_parar
    return 1
}

_instalar_xvfb() {
    local archivo="$INSTALAR_WINE_TMP/pantalla" i
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$archivo" >/dev/null 2>&1 &
    INSTALAR_XVFB_PID=$!
    for ((i = 0; i < 200; i++)); do
        if [ -s "$archivo" ]; then
            export DISPLAY=":$(tr -d '[:space:]' <"$archivo")"
            return 0
        fi
        kill -0 "$INSTALAR_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    _instalar_fallo "Xvfb did not start"
}

# Wine's drive Z: is the root of the Unix file system.
_instalar_ruta_windows() {
    local ruta=$1
    printf 'Z:%s' "${ruta//\//\\}"
}

# No window manager's two-second waits (Managed=N), the menu's fonts, the
# resolution, and no crash dialog: a program that crashes ends at once, with
# a backtrace on standard error and a non-zero exit code, instead of waiting
# for someone to close Wine's dialog until the case times out.
_instalar_registro() {
    local dpi=${INSTALAR_DPI:-96}
    local reg="$INSTALAR_WINE_TMP/ajustes.reg"
    printf '%s\r\n' \
        'REGEDIT4' '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
        '"Managed"="N"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"Verdana"="DejaVu Sans"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' \
        '"ShowCrashDialog"=dword:00000000' '' \
        '[HKEY_CURRENT_USER\Control Panel\Desktop]' \
        "\"LogPixels\"=dword:$(printf '%08x' "$dpi")" '' >"$reg"
    wine regedit /S "$(_instalar_ruta_windows "$reg")" >/dev/null 2>&1
}

# Changes the screen resolution for the programs started from now on (each
# Wine process reads it when it starts).
instalar_wine_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

_instalar_compilar_ayudantes() {
    local cxx=${INSTALAR_CXX:-x86_64-w64-mingw32-g++-posix} cxx32=i686-w64-mingw32-g++-posix
    command -v "$cxx" >/dev/null ||
        { _instalar_fallo "the MinGW-w64 compiler $cxx is missing: install g++-mingw-w64-x86-64-posix (scripts/paquetes.sh does)"; return 1; }
    "$cxx" -O2 -static -mwindows -municode -o "$INSTALAR_WINE_TMP/mantener_escritorio.exe" \
        "$_instalar_entorno_raiz/tests/e2e/mantener_escritorio.cpp" ||
        { _instalar_fallo "the keep-alive program tests/e2e/mantener_escritorio.cpp did not build with $cxx"; return 1; }
    "$cxx" -O2 -static -o "$INSTALAR_WINE_TMP/sonda64.exe" "$_instalar_entorno_raiz/tests/e2e/sonda_bits.cpp" ||
        { _instalar_fallo "the probe tests/e2e/sonda_bits.cpp did not build with $cxx"; return 1; }
    if [ "$INSTALAR_X86" != no ] &&
        ! "$cxx32" -O2 -static -o "$INSTALAR_WINE_TMP/sonda32.exe" "$_instalar_entorno_raiz/tests/e2e/sonda_bits.cpp"; then
        _instalar_sin_x86 "the x86 probe did not build: install g++-mingw-w64-i686-posix (scripts/paquetes.sh does)"
    fi
    return 0
}

# Starts the keep-alive program and waits until its window exists.
_instalar_mantener_escritorio() {
    local listo="$INSTALAR_WINE_TMP/escritorio-listo" i
    wine "$INSTALAR_WINE_TMP/mantener_escritorio.exe" "$(_instalar_ruta_windows "$listo")" >/dev/null 2>&1 &
    for ((i = 0; i < 1200; i++)); do
        [ -e "$listo" ] && return 0
        sleep 0.05
    done
    return 1
}

# --- Which loader runs which programs ------------------------------------

# shellcheck source=decidir-x86.sh
. "$_instalar_entorno_raiz/scripts/decidir-x86.sh"

_instalar_sin_x86() {
    INSTALAR_X86=no
    INSTALAR_X86_MOTIVO=$1
}

# `wine` on the PATH calls the loader decided on.
_instalar_elegir_cargador() {
    local orden
    [ "$INSTALAR_CARGADOR" = wine ] && return 0
    mkdir -p "$INSTALAR_WINE_TMP/bin"
    for orden in wine wine-stable; do
        printf '#!/bin/sh\nexec %s "$@"\n' "$INSTALAR_CARGADOR" >"$INSTALAR_WINE_TMP/bin/$orden"
        chmod +x "$INSTALAR_WINE_TMP/bin/$orden"
    done
    export PATH="$INSTALAR_WINE_TMP/bin:$PATH"
    export WINELOADER=$INSTALAR_CARGADOR
}

_instalar_cargador_usado() {
    if [ "$INSTALAR_CARGADOR" = wine ]; then echo "Debian's wine"; else echo "$INSTALAR_CARGADOR"; fi
}

# Runs the probe for BITS (32 or 64) and checks that it ran as such.
_instalar_sonda() {
    local codigo=0
    timeout 300 wine "$INSTALAR_WINE_TMP/sonda$1.exe" >"$INSTALAR_WINE_TMP/sonda$1.log" 2>&1 || codigo=$?
    [ "$codigo" = "$1" ]
}

_instalar_comprobar_arquitecturas() {
    _instalar_sonda 64 || {
        _instalar_fallo "$(_instalar_cargador_usado) did not run an x64 program: $(tail -n 3 "$INSTALAR_WINE_TMP/sonda64.log")"
        return 1
    }
    [ "$INSTALAR_X86" = no ] && return 0
    _instalar_sonda 32 && return 0
    local salida
    salida=$(tail -n 3 "$INSTALAR_WINE_TMP/sonda32.log")
    if [ "$INSTALAR_X86" = nativo ]; then
        _instalar_fallo "Wine's 32-bit loader $instalar_wine32 did not run an x86 program, although this kernel runs 32-bit programs: $salida"
        return 1
    fi
    _instalar_sin_x86 "x86 programs were to run emulated, but Wine's 32-bit loader did not run the x86 probe under the emulator: ${salida:-no output}"
}

_instalar_wineboot() {
    local registro="$INSTALAR_WINE_TMP/wineboot.log"
    WINEDLLOVERRIDES="mscoree,mshtml=" timeout 900 wineboot -i >"$registro" 2>&1 && return 0
    _instalar_fallo "wineboot -i, with $(_instalar_cargador_usado), could not make the Wine prefix ($INSTALAR_X86_MOTIVO): $(tail -n 5 "$registro")"
    return 1
}

instalar_wine_iniciar() {
    INSTALAR_WINE_TMP=$(mktemp -d "${TMPDIR:-/tmp}/instalar-wine.XXXXXX") || return 1
    export INSTALAR_WINE_TMP
    trap instalar_wine_parar EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM

    instalar_decidir_maquina || { _instalar_fallo "x64 programs cannot run here"; return 1; }
    export INSTALAR_X86 INSTALAR_X86_MOTIVO INSTALAR_CARGADOR
    _instalar_elegir_cargador
    command -v wineserver >/dev/null ||
        { _instalar_fallo "wineserver is missing: install wine (scripts/paquetes.sh does)"; return 1; }

    if [ "${INSTALAR_XVFB:-1}" != 0 ]; then
        command -v Xvfb >/dev/null ||
            { _instalar_fallo "Xvfb is missing: install xvfb (scripts/paquetes.sh does)"; return 1; }
        _instalar_xvfb || return 1
    elif [ -z "${DISPLAY:-}" ]; then
        _instalar_fallo "INSTALAR_XVFB=0 needs DISPLAY"
        return 1
    fi

    export WINEPREFIX="$INSTALAR_WINE_TMP/prefijo"
    export WINEDEBUG=-all
    export WINEARCH=win64
    _instalar_compilar_ayudantes || return 1
    mkdir -p "$WINEPREFIX"
    wineserver -p || { _instalar_fallo "wineserver -p did not start a Wine server for $WINEPREFIX"; return 1; }
    _instalar_wineboot || return 1
    # Right away, before Wine's desktop and services close down again.
    _instalar_mantener_escritorio ||
        { _instalar_fallo "Wine's desktop did not come up: the keep-alive program, run by $(_instalar_cargador_usado), made no window within a minute"; return 1; }
    ln -sf /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon \
        "$WINEPREFIX/drive_c/windows/Fonts/" ||
        { _instalar_fallo "Wine's fonts are missing from /usr/share/wine/fonts: install fonts-wine (scripts/paquetes.sh does)"; return 1; }
    _instalar_registro || { _instalar_fallo "regedit did not take the prefix's settings"; return 1; }
    _instalar_comprobar_arquitecturas || return 1
    echo "entorno-wine: x64 programs run with $(_instalar_cargador_usado); x86: $INSTALAR_X86_MOTIVO"
}

instalar_wine_iniciar
