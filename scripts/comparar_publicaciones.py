#!/usr/bin/env python3
"""Compares two builds of the release, file by file, and on a difference says
where it lies: which header field or section of a Windows program, which
entry of the ZIP (its name, order, time, attributes or contents).

    comparar_publicaciones.py CARPETA_A CARPETA_B

Each folder holds the same file names.  Prints one line per file with its
SHA-256, and exits 1 if any file differs.
"""

import hashlib
import struct
import sys
import zipfile
from pathlib import Path


def sha256(datos: bytes) -> str:
    return hashlib.sha256(datos).hexdigest()


def partes_pe(datos: bytes) -> dict:
    """The parts of a PE file worth naming: its headers, field by field
    where a build could make them differ, each section, and what follows
    the last section (a signature, for one)."""
    pe = struct.unpack_from("<I", datos, 0x3C)[0]
    if datos[pe:pe + 4] != b"PE\0\0":
        return {"(not a PE file)": datos}
    coff = pe + 4
    secciones, tam_opcional = struct.unpack_from("<2xH12xH", datos, coff)
    opcional = coff + 20
    partes = {
        "DOS header and stub": datos[:pe],
        "COFF header: TimeDateStamp": datos[coff + 4:coff + 8],
        "COFF header, other fields": datos[coff:coff + 4] + datos[coff + 8:coff + 20],
        "optional header: CheckSum": datos[opcional + 64:opcional + 68],
        "optional header, other fields":
            datos[opcional:opcional + 64] + datos[opcional + 68:opcional + tam_opcional],
    }
    fin = 0
    tabla = opcional + tam_opcional
    for i in range(secciones):
        nombre, tamano, posicion = struct.unpack_from("<8s8xII", datos, tabla + 40 * i)
        nombre = nombre.rstrip(b"\0").decode("ascii", "replace")
        partes[f"section {nombre} header"] = datos[tabla + 40 * i:tabla + 40 * (i + 1)]
        partes[f"section {nombre}"] = datos[posicion:posicion + tamano]
        fin = max(fin, posicion + tamano)
    partes["after the last section"] = datos[fin:]
    return partes


def partes_zip(ruta: Path) -> dict:
    partes = {}
    with zipfile.ZipFile(ruta) as archivo:
        entradas = archivo.infolist()
        partes["order of entries"] = "\n".join(e.filename for e in entradas).encode()
        for e in entradas:
            partes[f"entry {e.filename}: time"] = repr(e.date_time).encode()
            partes[f"entry {e.filename}: attributes"] = repr(
                (e.external_attr, e.internal_attr, e.create_system, e.extra)).encode()
            partes[f"entry {e.filename}: contents"] = archivo.read(e)
    return partes


def diferencias(a: Path, b: Path) -> list:
    datos_a, datos_b = a.read_bytes(), b.read_bytes()
    if datos_a == datos_b:
        return []
    if a.suffix.lower() == ".exe":
        partes_a, partes_b = partes_pe(datos_a), partes_pe(datos_b)
    elif a.suffix.lower() == ".zip":
        partes_a, partes_b = partes_zip(a), partes_zip(b)
    else:
        return ["contents"]
    nombres = list(partes_a) + [n for n in partes_b if n not in partes_a]
    distintas = [n for n in nombres if partes_a.get(n) != partes_b.get(n)]
    return distintas or ["bytes outside the parts compared (sizes "
                         f"{len(datos_a)} and {len(datos_b)})"]


def main() -> int:
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    carpeta_a, carpeta_b = Path(sys.argv[1]), Path(sys.argv[2])
    nombres = sorted({p.name for p in carpeta_a.iterdir()} | {p.name for p in carpeta_b.iterdir()})
    iguales = True
    for nombre in nombres:
        a, b = carpeta_a / nombre, carpeta_b / nombre
        if not a.exists() or not b.exists():
            print(f"{nombre}: only in {carpeta_a if a.exists() else carpeta_b}")
            iguales = False
            continue
        distintas = diferencias(a, b)
        if distintas:
            iguales = False
            print(f"{nombre}: DIFFERS in {', '.join(distintas)}")
        else:
            print(f"{nombre}: identical, SHA-256 {sha256(a.read_bytes())}")
    return 0 if iguales else 1


if __name__ == "__main__":
    sys.exit(main())
