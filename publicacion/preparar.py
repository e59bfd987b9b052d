#!/usr/bin/env python3
"""Writes a text file of the release as Notepad on Windows 7 opens it right.

    preparar.py ORIGEN DESTINO CODIFICACION [VERSION]

ORIGEN is UTF-8 with LF line ends, as kept in the sources; DESTINO gets CR
LF line ends and CODIFICACION: "utf-8-sig" (UTF-8 with its mark, which
Notepad needs to tell it from ANSI), "cp1252" (an ANSI menu file) or
"ascii".  "@VERSION@" is replaced by VERSION.
"""
import sys


def main():
    origen, destino, codificacion = sys.argv[1:4]
    version = sys.argv[4] if len(sys.argv) > 4 else ""
    with open(origen, encoding="utf-8") as f:
        texto = f.read().replace("@VERSION@", version)
    lineas = texto.split("\n")
    if lineas and lineas[-1] == "":
        lineas.pop()
    with open(destino, "w", encoding=codificacion, newline="") as f:
        f.write("".join(linea + "\r\n" for linea in lineas))


if __name__ == "__main__":
    main()
