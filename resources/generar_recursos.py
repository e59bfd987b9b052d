#!/usr/bin/env python3
"""Draws instalar's icons and mouse cursor and writes them as Windows files.

    python3 generar_recursos.py OUTPUT_FOLDER

writes into OUTPUT_FOLDER:

  instalar.ico  window icon, two computers; 32x32 and 16x16, 16 colours
  flecha.ico    selection marker, white arrow on a green disc; 16x16, 32 bpp
  mano.cur      pointing hand; 32x32 monochrome, hot spot on the fingertip

Every picture is a pixel map below, one character per pixel, so the
drawings can be read and touched up here.  The output depends on nothing
but this file: the same bytes come out on every run.
"""

import os
import struct
import sys

# ---------------------------------------------------------------------------
# Window icon: two computers, standard 16-colour VGA palette.

# (red, green, blue) in palette order.
PALETA_VGA = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 dark red
    (0x00, 0x80, 0x00),  # 2 dark green
    (0x80, 0x80, 0x00),  # 3 dark yellow
    (0x00, 0x00, 0x80),  # 4 dark blue
    (0x80, 0x00, 0x80),  # 5 dark magenta
    (0x00, 0x80, 0x80),  # 6 dark cyan
    (0xC0, 0xC0, 0xC0),  # 7 light grey
    (0x80, 0x80, 0x80),  # 8 dark grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 green
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]

# Map character -> palette index; a space is a transparent pixel.
COLORES_ORDENADOR = {
    "k": 0,   # outline
    "w": 15,  # lit edge of the case
    "g": 7,   # case
    "d": 8,   # shaded edge of the case
    "b": 4,   # screen
    "B": 12,  # screen, lighter
    "c": 14,  # reflection on the glass
    "t": 6,   # text lines on the screen
    "v": 10,  # power light
}

# One computer for the 32x32 image: monitor on a stand, keyboard in front.
ORDENADOR_32 = [
    " kkkkkkkkkkkkkkkkkk ",
    "kwwwwwwwwwwwwwwwwwgk",
    "kwggggggggggggggggdk",
    "kwgkkkkkkkkkkkkkkgdk",
    "kwgkccBBBBBBBBBBkgdk",
    "kwgkcBBBBBBBBBBBkgdk",
    "kwgkBBtttttBBBBBkgdk",
    "kwgkBBBBBBBBBBBbkgdk",
    "kwgkBBttttttttBbkgdk",
    "kwgkBBBBBBBBBBbbkgdk",
    "kwgkBBttttBBBbbbkgdk",
    "kwgkBBBBBBBbbbbbkgdk",
    "kwgkkkkkkkkkkkkkkgdk",
    "kwggggggggggggggvgdk",
    "kddddddddddddddddddk",
    " kkkkkkkkkkkkkkkkkk ",
    "       kwggdk       ",
    "    kkkkkkkkkkkk    ",
    "   kwwwwwwwwwwwwgk  ",
    "   kddddddddddddddk ",
    "    kkkkkkkkkkkkkk  ",
]

# The same at 16x16: no keyboard, a plain screen.
ORDENADOR_16 = [
    "kkkkkkkkkk",
    "kwwwwwwwgk",
    "kwkkkkkkdk",
    "kwkcBBBkdk",
    "kwkBBBbkdk",
    "kwkkkkkkdk",
    "kdddddddvk",
    "kkkkkkkkkk",
    "  kwgdk   ",
    " kkkkkkkk ",
]

# Where each computer goes: the one behind first, the one in front last.
POSICIONES_32 = [(0, 0), (12, 11)]
POSICIONES_16 = [(0, 0), (6, 6)]

# ---------------------------------------------------------------------------
# Selection marker: white arrow on a green disc, true colour with alpha.

# "#" white, "+" half white over the disc, anything else shows the disc.
FLECHA = [
    "................",
    "................",
    "................",
    "........+.......",
    "........#+......",
    "........##+.....",
    "...########+....",
    "...#########+...",
    "...#########+...",
    "...########+....",
    "........##+.....",
    "........#+......",
    "........+.......",
    "................",
    "................",
    "................",
]

VERDE_CLARO = (0x5C, 0xD0, 0x5C)   # top of the disc
VERDE_OSCURO = (0x18, 0x88, 0x20)  # bottom of the disc
VERDE_BORDE = (0x0C, 0x5C, 0x10)   # rim
BLANCO = (0xFF, 0xFF, 0xFF)

# ---------------------------------------------------------------------------
# Cursor: pointing hand.  "#" black, "." white, space transparent.

MANO = [
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "            ###                 ",
    "           #...#                ",
    "           #...#                ",
    "           #...#                ",
    "           #...#                ",
    "           #...#                ",
    "           #...####             ",
    "           #...#...###          ",
    "           #...#...#...###      ",
    "           #...#...#...#...#    ",
    "      ##   #...#...#...#...#    ",
    "     #..#  #...#...#...#...#    ",
    "     #...# #.......#.......#    ",
    "      #...##...............#    ",
    "       #...#...............#    ",
    "        #..................#    ",
    "         #.................#    ",
    "         #................#     ",
    "          #...............#     ",
    "          #..............#      ",
    "           #.............#      ",
    "           ###############      ",
    "                                ",
]

PUNTO_ACTIVO = (13, 9)  # fingertip


# ---------------------------------------------------------------------------
# Drawing.

def pintar_ordenadores(lado, ordenador, posiciones):
    """Returns a lado x lado grid of palette indices (None = transparent)
    with the computer drawn at each position, later ones on top."""
    lienzo = [[None] * lado for _ in range(lado)]
    for x0, y0 in posiciones:
        for y, fila in enumerate(ordenador):
            for x, c in enumerate(fila):
                if c != " ":
                    lienzo[y0 + y][x0 + x] = COLORES_ORDENADOR[c]
    return lienzo


def mezclar(a, b, peso, total):
    """Colour a blended with b, b weighing peso/total (integer rounding)."""
    return tuple((ca * (total - peso) + cb * peso + total // 2) // total
                 for ca, cb in zip(a, b))


def cobertura(x, y, centro, radio, sub=4):
    """How many of the sub x sub sample points of pixel (x, y) fall inside a
    circle.  centro and radio are in pixels; the test runs on a grid 2*sub
    times finer, where the sample points fall on whole numbers."""
    escala = 2 * sub
    cx = cy = centro * escala
    r2 = (radio * escala) ** 2
    dentro = 0
    for j in range(sub):
        sy = y * escala + 2 * j + 1
        for i in range(sub):
            sx = x * escala + 2 * i + 1
            if (sx - cx) ** 2 + (sy - cy) ** 2 <= r2:
                dentro += 1
    return dentro


def pintar_flecha():
    """Returns 16 rows of 16 (red, green, blue, alpha) pixels."""
    muestras = 16
    filas = []
    for y, mapa in enumerate(FLECHA):
        fila = []
        for x, c in enumerate(mapa):
            exterior = cobertura(x, y, 8, 7.5)   # whole disc, rim included
            interior = cobertura(x, y, 8, 6.5)   # inside the rim
            if exterior == 0:
                fila.append((0, 0, 0, 0))
                continue
            relleno = mezclar(VERDE_CLARO, VERDE_OSCURO, y, 15)
            color = mezclar(VERDE_BORDE, relleno, interior, muestras)
            if c == "#":
                color = BLANCO
            elif c == "+":
                color = mezclar(color, BLANCO, 1, 2)
            alfa = (255 * exterior + muestras // 2) // muestras
            fila.append(color + (alfa,))
        filas.append(fila)
    return filas


# ---------------------------------------------------------------------------
# File formats.  Bitmaps in icon and cursor files are bottom-up DIBs: a
# BITMAPINFOHEADER with twice the height, the colour table, the colour
# (XOR) bitmap, then the 1-bpp AND mask; every row padded to 4 bytes.

def relleno_fila(bytes_fila):
    return (-bytes_fila) % 4


def cabecera_dib(ancho, alto, bits, tam_imagen, colores):
    return struct.pack("<IiiHHIIiiII", 40, ancho, 2 * alto, 1, bits, 0,
                       tam_imagen, 0, 0, colores, 0)


def mascara_and(transparente):
    """1-bpp AND mask from a grid of booleans (True = transparent)."""
    salida = bytearray()
    ancho = len(transparente[0])
    for fila in reversed(transparente):
        octetos = bytearray((ancho + 7) // 8)
        for x, t in enumerate(fila):
            if t:
                octetos[x // 8] |= 0x80 >> (x % 8)
        salida += octetos + bytes(relleno_fila(len(octetos)))
    return bytes(salida)


def dib_4bpp(lienzo):
    alto, ancho = len(lienzo), len(lienzo[0])
    xor = bytearray()
    for fila in reversed(lienzo):
        octetos = bytearray((ancho + 1) // 2)
        for x, i in enumerate(fila):
            octetos[x // 2] |= (i or 0) << (4 if x % 2 == 0 else 0)
        xor += octetos + bytes(relleno_fila(len(octetos)))
    andm = mascara_and([[i is None for i in fila] for fila in lienzo])
    tabla = b"".join(struct.pack("<BBBB", b, g, r, 0)
                     for r, g, b in PALETA_VGA)
    return (cabecera_dib(ancho, alto, 4, len(xor) + len(andm), 16)
            + tabla + bytes(xor) + andm)


def dib_32bpp(pixeles):
    alto, ancho = len(pixeles), len(pixeles[0])
    xor = b"".join(struct.pack("<BBBB", b, g, r, a)
                   for fila in reversed(pixeles) for r, g, b, a in fila)
    andm = mascara_and([[p[3] == 0 for p in fila] for fila in pixeles])
    return cabecera_dib(ancho, alto, 32, len(xor) + len(andm), 0) + xor + andm


def dib_1bpp(mapa):
    """Monochrome cursor bitmap: "#" black, "." white, space transparent."""
    alto, ancho = len(mapa), len(mapa[0])
    blancos = [[c == "." for c in fila] for fila in mapa]
    xor = mascara_and(blancos)  # same bit layout: 1 = white
    andm = mascara_and([[c == " " for c in fila] for fila in mapa])
    tabla = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0)
    return cabecera_dib(ancho, alto, 1, len(xor) + len(andm), 2) + tabla + xor + andm


def archivo_icono(tipo, imagenes):
    """ICONDIR + entries + images.  tipo 1 = icon, 2 = cursor.  Each image
    is (width, height, colour count, field a, field b, DIB): fields a and b
    are planes and bits per pixel for icons, the hot spot for cursors."""
    cabecera = struct.pack("<HHH", 0, tipo, len(imagenes))
    desplazamiento = len(cabecera) + 16 * len(imagenes)
    entradas, datos = b"", b""
    for ancho, alto, colores, a, b, dib in imagenes:
        entradas += struct.pack("<BBBBHHII", ancho % 256, alto % 256, colores,
                                0, a, b, len(dib), desplazamiento + len(datos))
        datos += dib
    return cabecera + entradas + datos


def comprobar_mapa(nombre, mapa, ancho, alto, validos):
    if len(mapa) != alto or any(len(f) != ancho for f in mapa):
        raise SystemExit(f"{nombre}: the map is not {ancho}x{alto}")
    malos = set("".join(mapa)) - set(validos)
    if malos:
        raise SystemExit(f"{nombre}: unknown characters {sorted(malos)}")


def generar():
    comprobar_mapa("flecha", FLECHA, 16, 16, "#+.")
    comprobar_mapa("mano", MANO, 32, 32, "#. ")
    x, y = PUNTO_ACTIVO
    # The hot spot must be the middle pixel of the topmost row of the hand.
    punta = MANO[y].strip()
    if any(f.strip() for f in MANO[:y]) or not punta or set(punta) != {"#"} \
            or MANO[y].index(punta) + len(punta) // 2 != x:
        raise SystemExit("mano: the hot spot is not on the fingertip")

    icono32 = pintar_ordenadores(32, ORDENADOR_32, POSICIONES_32)
    icono16 = pintar_ordenadores(16, ORDENADOR_16, POSICIONES_16)
    return {
        "instalar.ico": archivo_icono(1, [
            (32, 32, 16, 1, 4, dib_4bpp(icono32)),
            (16, 16, 16, 1, 4, dib_4bpp(icono16)),
        ]),
        "flecha.ico": archivo_icono(1, [
            (16, 16, 0, 1, 32, dib_32bpp(pintar_flecha())),
        ]),
        "mano.cur": archivo_icono(2, [
            (32, 32, 2, x, y, dib_1bpp(MANO)),
        ]),
    }


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: generar_recursos.py OUTPUT_FOLDER\n")
        return 2
    carpeta = argv[1]
    os.makedirs(carpeta, exist_ok=True)
    for nombre, contenido in generar().items():
        with open(os.path.join(carpeta, nombre), "wb") as f:
            f.write(contenido)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
