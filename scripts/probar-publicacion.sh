#!/usr/bin/env bash
# Checks the release as an author gets it: builds the ZIP, unpacks it into a
# fresh folder and checks what is in it, that instalar.exe imports nothing
# Windows 7 lacks, that the unpacked instalar.exe starts, shows the example's
# items and closes on Esc, and that comprobar.exe lists the example.  Then
# signs both programs with a throwaway self-signed certificate, verifies the
# signatures, checks that removing them gives back the unsigned bytes, and
# starts the signed instalar.exe once more.
#
# Runs in a Wine environment already prepared (scripts/entorno-wine.sh), as
# scripts/probar.sh does; exits non-zero at the first thing that fails.
# Where that environment cannot run x86 programs (INSTALAR_X86=no), what
# needs them running is skipped, each with a line "publicacion: SKIPPED ...".
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

fallo() {
    echo "publicacion: $*" >&2
    exit 1
}

zip=$(realpath "$(scripts/publicar.sh | tail -n 1)")
[ -f "$zip" ] || fallo "no release was built"
echo "publicacion: built $zip"

trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
carpeta="$trabajo/instalar"
mkdir "$carpeta"
(cd "$carpeta" && cmake -E tar xf "$zip")

# What is in it, and nothing else.
esperados="LEAME.txt LICENSE.txt autorun.inf comprobar.exe instalar.exe instalar.inf"
[ "$(cd "$carpeta" && ls | sort | tr '\n' ' ')" = "$esperados " ] ||
    fallo "the ZIP holds $(cd "$carpeta" && ls | tr '\n' ' ') instead of $esperados"

# Texts as Notepad on Windows 7 opens them: CR LF everywhere, LEAME in UTF-8
# with its mark, the example menu in Windows-1252.
for texto in LEAME.txt LICENSE.txt autorun.inf instalar.inf; do
    ! grep -q $'[^\r]$' <(sed -n '1,$p' "$carpeta/$texto" | head -c 100000) ||
        fallo "$texto has a line that does not end in CR LF"
done
[ "$(head -c 3 "$carpeta/LEAME.txt" | od -An -tx1 | tr -d ' \n')" = efbbbf ] || fallo "LEAME.txt lacks its UTF-8 mark"
iconv -f cp1252 -t utf-8 "$carpeta/instalar.inf" | grep -q "Una opción por línea" ||
    fallo "instalar.inf is not the example in Windows-1252"

# The program itself: x86, system DLLs only, nothing Windows 7 lacks, small.
scripts/comprobar-exe.sh x86 "$carpeta/instalar.exe" >/dev/null ||
    fallo "instalar.exe: $(scripts/comprobar-exe.sh x86 "$carpeta/instalar.exe" | grep FAILED)"
echo "publicacion: contents, texts and imports as they should be"

# Both programs in the ZIP are x86: where x86 programs cannot run here, what
# needs them running is skipped, and said so.
omitir() {
    echo "publicacion: SKIPPED $1, because $INSTALAR_X86_MOTIVO"
}
x86_corre() { [ "${INSTALAR_X86:-nativo}" != no ]; }

opciones=$(grep -c '^[^;].*;' "$carpeta/instalar.inf" | head -n 1)
opciones=$((opciones))  # the two header lines hold no ";"
humo() { wine build/windows-x86/bin/humo_publicacion.exe "$(winepath -w "$carpeta")" "$opciones"; }
if x86_corre; then
    humo || fallo "the unpacked instalar.exe did not pass the smoke test"
else
    omitir "the smoke test of the unpacked instalar.exe"
fi

if x86_corre; then
    listado=$(cd "$carpeta" && wine ./comprobar.exe --listar instalar.inf 2>/dev/null) && estado=0 || estado=$?
    [ "$estado" -le 1 ] || fallo "comprobar.exe ended with $estado"
    grep -q "^1\. Programa principal" <<<"$(tr -d '\r' <<<"$listado")" || fallo "comprobar.exe did not list the example: $listado"
    echo "publicacion: comprobar.exe lists the example"
else
    omitir "comprobar.exe listing the example"
fi

# Signing with a certificate made for this run only.
clave=$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=instalar, pruebas de firma" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$trabajo/clave.pem" -out "$trabajo/certificado.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$trabajo/clave.pem" -in "$trabajo/certificado.pem" \
    -out "$trabajo/certificado.pfx" -passout "fd:3" 3<<<"$clave"
mkdir "$trabajo/sin_firma"
cp "$carpeta/instalar.exe" "$carpeta/comprobar.exe" "$trabajo/sin_firma/"
INSTALAR_FIRMA_CLAVE=$clave scripts/firmar.sh "$trabajo/certificado.pfx" "$carpeta/instalar.exe" "$carpeta/comprobar.exe"
for programa in instalar.exe comprobar.exe; do
    verificado=$(osslsigncode verify -CAfile "$trabajo/certificado.pem" -in "$carpeta/$programa" 2>&1) ||
        fallo "the signature of $programa does not verify: $verificado"
    grep -q "Signature verification: ok" <<<"$verificado" || fallo "the signature of $programa does not verify: $verificado"
done
echo "publicacion: both programs signed and verified"
# A signing stopped half-way (here by a stand-in osslsigncode that writes its
# output and then has firmar.sh terminated) leaves nothing beside the
# program: its copies are made in a private folder that goes with it.
mkdir "$trabajo/interrumpido" "$trabajo/osslsigncode-falso"
cp "$trabajo/sin_firma/instalar.exe" "$trabajo/interrumpido/"
printf '%s\n' '#!/bin/sh' 'while [ $# -gt 0 ]; do [ "$1" = -out ] && : >"$2"; shift; done' 'kill -TERM $PPID' \
    >"$trabajo/osslsigncode-falso/osslsigncode"
chmod +x "$trabajo/osslsigncode-falso/osslsigncode"
PATH="$trabajo/osslsigncode-falso:$PATH" INSTALAR_FIRMA_CLAVE=x \
    scripts/firmar.sh "$trabajo/certificado.pfx" "$trabajo/interrumpido/instalar.exe" >/dev/null 2>&1 || true
[ "$(ls "$trabajo/interrumpido")" = instalar.exe ] ||
    fallo "an interrupted signing left $(ls "$trabajo/interrumpido" | tr '\n' ' ')beside the program"
cmp -s "$trabajo/interrumpido/instalar.exe" "$trabajo/sin_firma/instalar.exe" ||
    fallo "an interrupted signing changed the program"
echo "publicacion: an interrupted signing leaves the program as it was, and nothing beside it"
# The signature only adds to the program: without it, the bytes are those of
# the reproducible build again, so anyone can check a signed release against
# a build of their own.
for programa in instalar.exe comprobar.exe; do
    osslsigncode remove-signature -in "$carpeta/$programa" -out "$trabajo/sin_firma/quitada-$programa" >/dev/null ||
        fallo "the signature could not be removed from $programa"
    cmp -s "$trabajo/sin_firma/$programa" "$trabajo/sin_firma/quitada-$programa" ||
        fallo "$programa without its signature differs from the unsigned $programa"
done
echo "publicacion: without their signatures, both programs are the unsigned bytes again"
if x86_corre; then
    humo || fallo "the signed instalar.exe did not pass the smoke test"
else
    omitir "the smoke test of the signed instalar.exe"
fi
echo "publicacion: all checks passed"
