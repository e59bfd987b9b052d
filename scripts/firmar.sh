#!/usr/bin/env bash
# Signs programs with an Authenticode signature (SHA-256) using
# osslsigncode, so that Windows, antivirus programs and SmartScreen can tell
# who published them:
#
#     scripts/firmar.sh [--sello URL] CERTIFICADO.pfx [PROGRAMA.exe...]
#
# CERTIFICADO.pfx is your code-signing certificate with its private key
# (PKCS#12).  Its password is taken from INSTALAR_FIRMA_CLAVE, or read from
# standard input when that is not set; it never appears on a command line.
# --sello adds an RFC 3161 time stamp from that server, which keeps the
# signature valid after the certificate expires.  Without programs it signs
# instalar.exe and comprobar.exe of the x86 build, the ones the release
# takes.  Each program is replaced by its signed copy.
#
# On Windows, signtool from the Windows SDK does the same:
#     signtool sign /fd SHA256 /f CERTIFICADO.pfx /tr URL /td SHA256 instalar.exe
set -euo pipefail
raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

uso() {
    echo "usage: scripts/firmar.sh [--sello URL] CERTIFICADO.pfx [PROGRAMA.exe...]" >&2
    exit 2
}

sello=
if [ "${1:-}" = --sello ]; then
    [ $# -ge 2 ] || uso
    sello=$2
    shift 2
fi
[ $# -ge 1 ] || uso
certificado=$1
shift
[ -f "$certificado" ] || { echo "firmar: no certificate at $certificado" >&2; exit 2; }
programas=("$@")
[ ${#programas[@]} -gt 0 ] || programas=("$raiz/build/windows-x86/bin/instalar.exe" "$raiz/build/windows-x86/bin/comprobar.exe")
command -v osslsigncode >/dev/null || { echo "firmar: osslsigncode is missing (scripts/paquetes.sh installs it)" >&2; exit 1; }

if [ -n "${INSTALAR_FIRMA_CLAVE+x}" ]; then
    clave=$INSTALAR_FIRMA_CLAVE
else
    [ -t 0 ] && printf 'Password of %s: ' "$certificado" >&2
    IFS= read -rs clave || true
    [ -t 0 ] && echo >&2
fi

# The password goes to osslsigncode through a file descriptor, not its
# command line, where other users of the machine could read it.
# Signed copies are made in a private folder of this run's own, so that no
# file planted under a guessed name is written through, and an interrupted
# run leaves nothing behind.
temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
for programa in "${programas[@]}"; do
    firmado="$temporal/$(basename "$programa")"
    opciones=(sign -pkcs12 "$certificado" -readpass /dev/fd/3 -h sha256 -n "Menú de instalación"
              -in "$programa" -out "$firmado")
    [ -z "$sello" ] || opciones+=(-ts "$sello")
    if ! osslsigncode "${opciones[@]}" 3<<<"$clave" >/dev/null; then
        rm -f "$firmado"
        echo "firmar: could not sign $programa" >&2
        exit 1
    fi
    chmod --reference="$programa" "$firmado"
    mv -f "$firmado" "$programa"
    echo "firmar: signed $programa"
done
