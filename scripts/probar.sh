#!/usr/bin/env bash
# Runs every test of instalar:
#   1. the unit tests of the core, natively, under ASan and UBSan (preset
#      native), counted by their cases; the scripts' decisions on made-up
#      machines and the project's own checks of its sources;
#   2. the end-to-end tests of the real x64 and x86 programs under Wine on a
#      virtual display (presets windows-x64 and windows-x86);
#   3. static checks of both instalar.exe builds, which need no Wine
#      (scripts/comprobar-exe.sh);
#   4. the release: built, unpacked, smoke-tested, signed and verified
#      (scripts/probar-publicacion.sh);
#   5. the Wine set-up as a fresh machine meets it (tests/maquinas/entorno-fresco.sh);
#   6. the fuzzers, where INSTALAR_FUZZ asks for them (scripts/fuzz.sh);
#   7. the release built again from a clean clone elsewhere, byte for byte the
#      same as this run's (scripts/probar-reproducible.sh), beside the
#      end-to-end suites.
# Where the kernel cannot run 32-bit programs, the x86 programs run
# emulated (see scripts/entorno-wine.sh); where they cannot run at all,
# their cases are skipped, counted as such and named with the reason.
# It goes on after a failure, so that one run shows everything, and exits
# non-zero if any step or test failed.  The last line is "N passed, S
# skipped, M failed" (a step that could not run, such as a failed build,
# counts as one failure; a case skips when only Windows can check it).
#
# Settings read from the environment:
#   INSTALAR_DPI    resolution of the end-to-end run (default 96; e.g. 144)
#   INSTALAR_DPI_OTROS  further resolutions the end-to-end suite runs at
#                   afterwards (default "144": 150 % as many users have it)
#   INSTALAR_JOBS   parallel build jobs (default 2)
#   INSTALAR_FUZZ   seconds to run the fuzzers for (scripts/fuzz.sh), as a
#                   step beside the end-to-end suites; none by default
#   INSTALAR_E2E_A_LA_VEZ  0 to run the x86 end-to-end suites after the x64
#                   ones instead of beside them (default 1)
set -uo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$raiz" || exit 1
trabajos=${INSTALAR_JOBS:-2}

aprobadas=0
omitidas=0
fallidas=0
pasos_fallidos=()

# paso NAME COMMAND...: runs a step, noting a failure.
paso() {
    local nombre=$1 inicio=$SECONDS
    shift
    echo "==> $nombre"
    if "$@"; then
        echo "==> $nombre: done in $((SECONDS - inicio)) s"
        return 0
    fi
    echo "==> $nombre: FAILED after $((SECONDS - inicio)) s"
    pasos_fallidos+=("$nombre")
    return 1
}

# ctest_contado PRESET [CTEST OPTIONS...]: runs ctest and adds its counts to
# the totals.
ctest_contado() {
    local salida codigo linea total fallan omiten
    salida=$(mktemp)
    ctest --preset "$@" 2>&1 | tee "$salida"
    codigo=${PIPESTATUS[0]}
    # "93% tests passed, 1 tests failed out of 14"; skipped cases count as
    # passed there, and are listed as "  7 - Name (Skipped)".
    linea=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$salida" | tail -n 1)
    omiten=$(grep -cE '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$salida")
    rm -f "$salida"
    ultimo_total=0
    if [ -n "$linea" ]; then
        fallan=$(sed -E 's/.* ([0-9]+) tests? failed out of [0-9]+.*/\1/' <<<"$linea")
        total=$(sed -E 's/.*failed out of ([0-9]+).*/\1/' <<<"$linea")
        ultimo_total=$total
        ultimo_resumen="$((total - fallan - omiten)) passed, $omiten skipped, $fallan failed"
        aprobadas=$((aprobadas + total - fallan - omiten))
        omitidas=$((omitidas + omiten))
        fallidas=$((fallidas + fallan))
    else
        # No test ran at all (for example none was found).
        fallidas=$((fallidas + 1))
        [ "$codigo" -ne 0 ] || codigo=1
    fi
    return "$codigo"
}

# anotar_reintentos PRESET DPI: notes the cases of the last run of PRESET
# in which the harness had to start the menu again (Wine's rare start error
# 1359, which the harness alone retries; no case is ever run twice).
reintentados=()
anotar_reintentos() {
    local registro="build/$1/Testing/Temporary/LastTest.log" caso
    [ -f "$registro" ] || return 0
    while IFS= read -r caso; do
        reintentados+=("$1 at $2 dpi: $caso")
    done < <(awk '/^[0-9]+\/[0-9]+ Test: / { sub(/^[0-9]+\/[0-9]+ Test: /, ""); caso = $0 }
                  /^\[ REINTENTO \]/ { print caso }' "$registro" | sort -u)
}

# Lines for the summary: what ran emulated, and what was skipped and why.
emuladas=()
omisiones=()

# omitir COUNT WHAT: counts COUNT cases as skipped, with the reason.
omitir() {
    omitidas=$((omitidas + $1))
    omisiones+=("$2")
    echo "==> skipped: $2"
}

# The x86 cases that run at the first resolution only: a CTest pattern for
# all of them, and a line for each group with its reason and its cases.
una_resolucion=tests/e2e/una_resolucion.txt
patron_una_resolucion() {
    grep -v '^#' "$una_resolucion" | cut -f 1 | paste -sd '|'
}
decir_una_resolucion() {  # PRESET DPI
    local patron motivo casos
    echo "==> $1 at $2 dpi leaves out the cases whose results do not depend on the resolution (they ran at ${INSTALAR_DPI:-96} dpi; see $una_resolucion):"
    while IFS=$'\t' read -r patron motivo; do
        casos=$(ctest --preset "$1" -N -R "$patron" 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: //p' | paste -sd ' ')
        echo "    $motivo: ${casos:-(none)}"
    done < <(grep -v '^#' "$una_resolucion")
}

# e2e PRESET DPI [CTEST OPTIONS...]: the end-to-end suite of PRESET, or for
# x86 where x86 programs cannot run, its cases counted as skipped (as many
# as the x64 suite has, which is built from the same sources).
casos_x64=1
e2e() {
    local preset=$1 dpi=$2
    shift 2
    if [ "$preset" = windows-x86 ] && [ "$INSTALAR_X86" = no ]; then
        omitir "$casos_x64" "$casos_x64 x86 end-to-end cases at $dpi dpi: $INSTALAR_X86_MOTIVO"
        return 0
    fi
    if [ "$preset" = windows-x86 ] && [ "$INSTALAR_X86" = emulado ] && [[ " ${windows[*]} " == *" windows-x64 "* ]]; then
        # Each x86 driver would start through the emulator too; the x64
        # ones drive the x86 programs just as well (tests/e2e/JuzgarCaso.cmake).
        echo "==> the x86 programs run emulated: the x64 build's test drivers drive them, except the platform tests, which run the x86 Win32 layer inside them"
        INSTALAR_CONDUCTORES="$raiz/build/windows-x64/bin" \
            paso "end-to-end tests $preset at $dpi dpi" ctest_contado "$preset" "$@"
    else
        paso "end-to-end tests $preset at $dpi dpi" ctest_contado "$preset" "$@"
    fi
    anotar_reintentos "$preset" "$dpi"
    [ "$preset" = windows-x64 ] && [ "$ultimo_total" -gt 0 ] && casos_x64=$ultimo_total
    if [ "$preset" = windows-x86 ] && [ "$INSTALAR_X86" = emulado ]; then
        emuladas+=("x86 end-to-end at $dpi dpi ran emulated: $ultimo_resumen")
    fi
    return 0
}

# comprobaciones_contadas COMMAND...: runs a command that prints "ok: ..."
# and "FAILED: ..." lines, counting each.
comprobaciones_contadas() {
    local salida codigo
    salida=$("$@")
    codigo=$?
    echo "$salida"
    aprobadas=$((aprobadas + $(grep -c '^ok: ' <<<"$salida")))
    fallidas=$((fallidas + $(grep -c '^FAILED: ' <<<"$salida")))
    return "$codigo"
}

# publicacion: the release's check, whose SKIPPED lines count as skipped.
publicacion() {
    local salida codigo linea
    salida=$(mktemp)
    scripts/probar-publicacion.sh 2>&1 | tee "$salida"
    codigo=${PIPESTATUS[0]}
    while IFS= read -r linea; do
        omitidas=$((omitidas + 1))
        omisiones+=("release: ${linea#publicacion: SKIPPED }")
    done < <(grep '^publicacion: SKIPPED ' "$salida")
    rm -f "$salida"
    return "$codigo"
}

# casos_unitarios: the unit test suites of the core, a process each, counted
# by their cases (scripts/contar-casos.py).
casos_unitarios() {
    local programa=build/native/tests/unit/pruebas_unitarias
    local resultados=build/native/tests/unit/resultados cuentas codigo a o f
    local fallidos=build/native/Testing/Temporary/LastTestsFailed.log
    rm -rf "$resultados" "$fallidos"
    ctest --preset native -L unitarias
    codigo=$?
    if ! cuentas=$(python3 scripts/contar-casos.py "$programa" "$resultados" "$fallidos"); then
        fallidas=$((fallidas + 1))
        return 1
    fi
    read -r a o f <<<"$cuentas"
    echo "==> the core's cases: $a passed, $o skipped, $f failed"
    aprobadas=$((aprobadas + a)) omitidas=$((omitidas + o)) fallidas=$((fallidas + f))
    if [ "$codigo" -ne 0 ] && [ "$f" -eq 0 ]; then
        fallidas=$((fallidas + 1))
    fi
    return "$codigo"
}

construir() {
    cmake --preset "$1" && cmake --build --preset "$1" --parallel "$trabajos"
}

paso "packages" scripts/paquetes.sh || exit 1

if paso "build native" construir native; then
    paso "unit tests of the core" casos_unitarios
    paso "unit tests of the scripts and the sources" ctest_contado native -LE unitarias
fi

windows=()
for preset in windows-x64 windows-x86; do
    paso "build $preset" construir "$preset" && windows+=("$preset")
done

# The fuzzers are built here, at full speed, and run beside the
# end-to-end suites.
if [ -n "${INSTALAR_FUZZ:-}" ]; then
    paso "build fuzz" construir fuzz
fi

for preset in "${windows[@]}"; do
    arquitectura=${preset#windows-}
    paso "static checks of the $arquitectura instalar.exe" \
        comprobaciones_contadas scripts/comprobar-exe.sh "$arquitectura" "build/$preset/bin/instalar.exe"
done

# e2e_a_cada_resolucion PRESET: the suite of PRESET at the first resolution,
# then at each further one, in this shell's Wine prefix.
e2e_a_cada_resolucion() {
    local preset=$1 dpi
    for dpi in ${INSTALAR_DPI_OTROS-144}; do
        instalar_wine_dpi "$dpi"
        if [ "$preset" = windows-x86 ] && [ "$INSTALAR_X86" != no ]; then
            decir_una_resolucion "$preset" "$dpi"
            e2e "$preset" "$dpi" -E "$(patron_una_resolucion)"
        else
            e2e "$preset" "$dpi"
        fi
    done
}

# e2e_aparte PRESET FOLDER primera|otras [STEP...]: in a subshell, the suite
# of PRESET at the first resolution, or at each further one, in a Wine
# environment of its own (its own Xvfb and prefix), so that it runs beside
# the others; then the functions named as STEPs.  The counts and lines for
# the summary go to FOLDER.
e2e_aparte() {
    local preset=$1 carpeta=$2 resoluciones=$3 paso_despues
    shift 3
    aprobadas=0 omitidas=0 fallidas=0
    pasos_fallidos=() emuladas=() omisiones=() reintentados=()
    if instalar_wine_iniciar; then
        if [ "$resoluciones" = primera ]; then
            e2e "$preset" "${INSTALAR_DPI:-96}"
        else
            e2e_a_cada_resolucion "$preset"
        fi
        instalar_wine_parar
    else
        pasos_fallidos+=("Wine environment of $preset")
    fi
    for paso_despues in "$@"; do
        "$paso_despues"
    done
    echo "$aprobadas $omitidas $fallidas" >"$carpeta/cuentas"
    printf '%s\n' "${pasos_fallidos[@]}" >"$carpeta/pasos_fallidos"
    printf '%s\n' "${emuladas[@]}" >"$carpeta/emuladas"
    printf '%s\n' "${omisiones[@]}" >"$carpeta/omisiones"
    printf '%s\n' "${reintentados[@]}" >"$carpeta/reintentados"
}

# sumar_aparte FOLDER: adds what e2e_aparte left in FOLDER to this shell's.
sumar_aparte() {
    local carpeta=$1 a o f lista linea
    if ! read -r a o f <"$carpeta/cuentas" 2>/dev/null; then
        pasos_fallidos+=("end-to-end tests beside the x64 ones (they left no counts)")
        return
    fi
    aprobadas=$((aprobadas + a)) omitidas=$((omitidas + o)) fallidas=$((fallidas + f))
    for lista in pasos_fallidos emuladas omisiones reintentados; do
        while IFS= read -r linea; do
            [ -n "$linea" ] && eval "$lista+=(\"\$linea\")"
        done <"$carpeta/$lista"
    done
}

# The Wine set-up once more, as a fresh machine meets it: this one keeps
# what earlier runs mounted and registered.
maquina_fresca() {
    paso "Wine set-up on a fresh machine" comprobaciones_contadas tests/maquinas/entorno-fresco.sh
}

# The fuzzers, where asked for.
fuzzing() {
    if [ -n "${INSTALAR_FUZZ:-}" ]; then
        paso "fuzzing for $INSTALAR_FUZZ s" scripts/fuzz.sh "$INSTALAR_FUZZ"
    fi
}

# The release built once more in a clean clone elsewhere, compared with the
# one this run built.
reproducible() {
    paso "reproducible release" scripts/probar-reproducible.sh --con-esta-construccion
}
ultimos_hechos=false

if [ ${#windows[@]} -gt 0 ]; then
    inicio=$SECONDS
    # shellcheck source=entorno-wine.sh
    if . scripts/entorno-wine.sh; then
        echo "==> Wine environment (${INSTALAR_DPI:-96} dpi) ready in $((SECONDS - inicio)) s"
        echo "==> x86 programs: $INSTALAR_X86_MOTIVO"
        hay_x64=false
        [[ " ${windows[*]} " == *" windows-x64 "* ]] && hay_x64=true
        # The release as an author unpacks it, signed and unsigned.
        if [[ " ${windows[*]} " == *" windows-x86 "* ]]; then
            paso "release" publicacion
        fi
        # With both builds, the x86 suites run beside the x64 ones, each
        # resolution on a display and in a Wine prefix of its own: a suite
        # waits on its program's window most of the time, and the x86 one,
        # emulated, is the longest of the run.  The one at the further
        # resolutions, shorter, is followed by the fuzzers and the
        # reproducible release, which this run's release is ready for.
        aparte=()
        carpetas_aparte=()
        if [ ${#windows[@]} -eq 2 ] && [ "$INSTALAR_X86" != no ] && [ "${INSTALAR_E2E_A_LA_VEZ:-1}" != 0 ]; then
            echo "==> the windows-x86 suites run beside the windows-x64 ones, each resolution on a display and in a Wine prefix of its own, the fuzzers and the reproducible release after the further resolutions; their output follows the x64 suites'"
            for resoluciones in primera otras; do
                carpeta_aparte=$(mktemp -d)
                if [ "$resoluciones" = primera ]; then
                    e2e_aparte windows-x86 "$carpeta_aparte" primera >"$carpeta_aparte/salida" 2>&1 &
                else
                    e2e_aparte windows-x86 "$carpeta_aparte" otras fuzzing reproducible >"$carpeta_aparte/salida" 2>&1 &
                fi
                aparte+=($!)
                carpetas_aparte+=("$carpeta_aparte")
            done
        fi
        $hay_x64 && e2e windows-x64 "${INSTALAR_DPI:-96}"
        $hay_x64 && e2e_a_cada_resolucion windows-x64
        if [ ${#aparte[@]} -gt 0 ]; then
            # The fresh machine's set-up needs nothing of this shell's Wine.
            instalar_wine_parar
            maquina_fresca
            ultimos_hechos=true
            inicio=$SECONDS
            wait "${aparte[@]}"
            echo "==> what ran beside the windows-x64 suites (waited $((SECONDS - inicio)) s more for it):"
            for carpeta_aparte in "${carpetas_aparte[@]}"; do
                cat "$carpeta_aparte/salida"
                sumar_aparte "$carpeta_aparte"
                rm -rf "$carpeta_aparte"
            done
        elif [[ " ${windows[*]} " == *" windows-x86 "* ]]; then
            instalar_wine_dpi "${INSTALAR_DPI:-96}"
            e2e windows-x86 "${INSTALAR_DPI:-96}"
            e2e_a_cada_resolucion windows-x86
        fi
        instalar_wine_parar
    else
        pasos_fallidos+=("Wine environment")
    fi
fi

if ! $ultimos_hechos; then
    maquina_fresca
    fuzzing
    reproducible
fi

for linea in "${emuladas[@]}"; do
    echo "$linea"
done
for linea in "${omisiones[@]}"; do
    echo "skipped: $linea"
done
for caso in "${reintentados[@]}"; do
    echo "Wine's start error retried in: $caso"
done
for nombre in "${pasos_fallidos[@]}"; do
    echo "failed step: $nombre"
done
# Steps without a test count of their own (builds) count as one failure each.
for nombre in "${pasos_fallidos[@]}"; do
    case $nombre in unit\ tests* | end-to-end\ * | static\ checks\ *) ;; *) fallidas=$((fallidas + 1)) ;; esac
done
echo "$aprobadas passed, $omitidas skipped, $fallidas failed"
[ ${#pasos_fallidos[@]} -eq 0 ] && [ "$fallidas" -eq 0 ]
