#!/usr/bin/env python3
"""Draws the demo menu's background picture, quorbel.bmp (24-bit BMP).

The picture covers the whole window: a soft blue band at the top that fades
to white, and an emblem of three stacked squares at the top-left corner.
Usage: generar_logo.py OUTPUT.bmp
"""
import struct
import sys

ANCHO, ALTO = 451, 366
BLANCO = (255, 255, 255)
BANDA = (222, 228, 248)
AZULES = [(70, 82, 165), (88, 106, 183), (110, 128, 205)]


def color_en(x, y):
    for i, color in enumerate(AZULES):
        izquierda, arriba = 24 + i * 14, 24 + i * 14
        if izquierda <= x < izquierda + 40 and arriba <= y < arriba + 40:
            borde = x in (izquierda, izquierda + 39) or y in (arriba, arriba + 39)
            return BLANCO if borde and i > 0 else color
    if y < 150:
        t = y / 150
        return tuple(round(b + (w - b) * t) for b, w in zip(BANDA, BLANCO))
    return BLANCO


def bmp():
    relleno = (4 - (ANCHO * 3) % 4) % 4
    filas = []
    for y in reversed(range(ALTO)):  # BMP rows go bottom-up
        fila = bytearray()
        for x in range(ANCHO):
            r, g, b = color_en(x, y)
            fila += bytes((b, g, r))
        filas.append(bytes(fila) + b"\0" * relleno)
    datos = b"".join(filas)
    cabecera_info = struct.pack("<IiiHHIIiiII", 40, ANCHO, ALTO, 1, 24, 0, len(datos), 3780, 3780, 0, 0)
    cabecera = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(datos), 0, 0, 14 + 40)
    return cabecera + cabecera_info + datos


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as salida:
        salida.write(bmp())
