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
# Settings read from the environment:
#   INSTALAR_DPI   screen resolution of the prefix in dots per inch (default 96)
#   INSTALAR_XVFB  1 (default) to start an own Xvfb, 0 to use $DISPLAY
#   INSTALAR_CXX   MinGW C++ compiler for the keep-alive program
#                  (default x86_64-w64-mingw32-g++-posix)

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

_instalar_compilar_mantener() {
    local cxx=${INSTALAR_CXX:-x86_64-w64-mingw32-g++-posix}
    "$cxx" -O2 -static -mwindows -municode -o "$INSTALAR_WINE_TMP/mantener_escritorio.exe" \
        "$_instalar_entorno_raiz/tests/e2e/mantener_escritorio.cpp"
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

instalar_wine_iniciar() {
    INSTALAR_WINE_TMP=$(mktemp -d "${TMPDIR:-/tmp}/instalar-wine.XXXXXX") || return 1
    export INSTALAR_WINE_TMP
    trap instalar_wine_parar EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM

    if [ "${INSTALAR_XVFB:-1}" != 0 ]; then
        _instalar_xvfb || return 1
    elif [ -z "${DISPLAY:-}" ]; then
        _instalar_fallo "INSTALAR_XVFB=0 needs DISPLAY"
        return 1
    fi

    export WINEPREFIX="$INSTALAR_WINE_TMP/prefijo"
    export WINEDEBUG=-all
    export WINEARCH=win64
    _instalar_compilar_mantener ||
        { _instalar_fallo "keep-alive program did not build"; return 1; }
    mkdir -p "$WINEPREFIX"
    wineserver -p || { _instalar_fallo "wineserver did not start"; return 1; }
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 ||
        { _instalar_fallo "wineboot failed"; return 1; }
    # Right away, before Wine's desktop and services close down again.
    _instalar_mantener_escritorio ||
        { _instalar_fallo "Wine's desktop did not come up"; return 1; }
    ln -sf /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon \
        "$WINEPREFIX/drive_c/windows/Fonts/"
    _instalar_registro || { _instalar_fallo "registry settings failed"; return 1; }
}

instalar_wine_iniciar
