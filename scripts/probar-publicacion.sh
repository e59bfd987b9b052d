#!/usr/bin/env bash
# Checks the release as an author gets it: builds the ZIP, unpacks it into a
# fresh folder and checks what is in it, that instalar.exe imports nothing
# Windows 7 lacks, that the unpacked instalar.exe starts, shows the example's
# items and closes on Esc, and that comprobar.exe lists the example.  Then
# signs both programs with a throwaway self-signed certificate, verifies the
# signatures and starts the signed instalar.exe once more.
#
# Runs in a Wine environment already prepared (scripts/entorno-wine.sh), as
# scripts/probar.sh does; exits non-zero at the first thing that fails.
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

# Imports: system DLLs only, and no function that Windows 7 lacks.
importaciones=$(x86_64-w64-mingw32-objdump -p "$carpeta/instalar.exe")
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$importaciones" | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
[ "$dlls" = "gdi32.dll kernel32.dll msvcrt.dll user32.dll " ] || fallo "instalar.exe imports $dlls"
for funcion in GetDpiForWindow GetDpiForMonitor GetDpiForSystem AdjustWindowRectExForDpi GetSystemMetricsForDpi \
    SystemParametersInfoForDpi SetProcessDpiAwarenessContext SetThreadDpiAwarenessContext SetProcessDpiAwareness \
    EnableNonClientDpiScaling GetDpiFromDpiAwarenessContext; do
    ! grep -qw "$funcion" <<<"$importaciones" || fallo "instalar.exe imports $funcion, which Windows 7 lacks"
done
echo "publicacion: contents, texts and imports as they should be"

opciones=$(grep -c '^[^;].*;' "$carpeta/instalar.inf" | head -n 1)
opciones=$((opciones))  # the two header lines hold no ";"
humo() { wine build/windows-x86/bin/humo_publicacion.exe "$(winepath -w "$carpeta")" "$opciones"; }
humo || fallo "the unpacked instalar.exe did not pass the smoke test"

listado=$(cd "$carpeta" && wine ./comprobar.exe --listar instalar.inf 2>/dev/null) && estado=0 || estado=$?
[ "$estado" -le 1 ] || fallo "comprobar.exe ended with $estado"
grep -q "^1\. Programa principal" <<<"$(tr -d '\r' <<<"$listado")" || fallo "comprobar.exe did not list the example: $listado"
echo "publicacion: comprobar.exe lists the example"

# Signing with a certificate made for this run only.
clave=$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=instalar, pruebas de firma" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$trabajo/clave.pem" -out "$trabajo/certificado.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$trabajo/clave.pem" -in "$trabajo/certificado.pem" \
    -out "$trabajo/certificado.pfx" -passout "fd:3" 3<<<"$clave"
INSTALAR_FIRMA_CLAVE=$clave scripts/firmar.sh "$trabajo/certificado.pfx" "$carpeta/instalar.exe" "$carpeta/comprobar.exe"
for programa in instalar.exe comprobar.exe; do
    verificado=$(osslsigncode verify -CAfile "$trabajo/certificado.pem" -in "$carpeta/$programa" 2>&1) ||
        fallo "the signature of $programa does not verify: $verificado"
    grep -q "Signature verification: ok" <<<"$verificado" || fallo "the signature of $programa does not verify: $verificado"
done
echo "publicacion: both programs signed and verified"
humo || fallo "the signed instalar.exe did not pass the smoke test"
echo "publicacion: all checks passed"
