#!/usr/bin/env python3
"""Checks how the program's folders include one another.

Each folder is a room, and the rooms stand in the order below, from the
bottom up: a file may include files of its own room and of rooms below it,
never of a room above.  Inside every room, a header and the source file of
the same name count as one module, and no module may reach itself again
through its includes.  Prints each arrow that runs back up and each circle,
and exits 1 if there is any.

    scripts/capas.py [--dibujo]

With --dibujo it also prints the arrows between rooms and, for each room,
between its modules, in the order a drawing would place them.
"""
import os
import re
import sys

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# From the bottom up.
SALAS = ["common", "interfaces", "menufile", "launch", "window", "arranque", "win32host", "comprobar"]

INCLUYE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def modulos():
    """Each module ("window/Seleccion") with the modules it includes."""
    grafo = {}
    for sala in SALAS:
        carpeta = os.path.join(RAIZ, sala)
        for nombre in sorted(os.listdir(carpeta)):
            base, ext = os.path.splitext(nombre)
            if ext not in (".h", ".cpp"):
                continue
            with open(os.path.join(carpeta, nombre), encoding="utf-8") as archivo:
                texto = archivo.read()
            modulo = sala + "/" + base
            destinos = grafo.setdefault(modulo, set())
            for incluido in INCLUYE.findall(texto):
                if "/" not in incluido:
                    incluido = sala + "/" + incluido  # a file beside it
                destino = os.path.splitext(incluido)[0]
                if destino.split("/")[0] in SALAS and destino != modulo:
                    destinos.add(destino)
    return grafo


def sala_de(modulo):
    return modulo.split("/")[0]


def flechas_hacia_arriba(grafo):
    return [(a, b) for a in sorted(grafo) for b in sorted(grafo[a])
            if SALAS.index(sala_de(b)) > SALAS.index(sala_de(a))]


def circulos(grafo):
    """Every module that reaches itself, with one such path."""
    hallados = []
    estado = {}  # 1: on the current path, 2: done
    camino = []

    def visitar(modulo):
        estado[modulo] = 1
        camino.append(modulo)
        for siguiente in sorted(grafo.get(modulo, ())):
            if estado.get(siguiente) == 1:
                hallados.append(camino[camino.index(siguiente):] + [siguiente])
            elif siguiente not in estado:
                visitar(siguiente)
        camino.pop()
        estado[modulo] = 2

    for modulo in sorted(grafo):
        if modulo not in estado:
            visitar(modulo)
    return hallados


def niveles(grafo, nodos):
    """Each node's height: 0 for one that includes none of `nodos`."""
    altura = {}

    def medir(nodo):
        if nodo not in altura:
            altura[nodo] = 0  # guards against circles, reported apart
            altura[nodo] = 1 + max((medir(d) for d in grafo.get(nodo, ()) if d in nodos), default=-1)
        return altura[nodo]

    for nodo in nodos:
        medir(nodo)
    return altura


def dibujar(grafo):
    salas = {}
    for a in grafo:
        for b in grafo[a]:
            if sala_de(a) != sala_de(b):
                salas.setdefault(sala_de(a), set()).add(sala_de(b))
    print("Rooms, from the top down, each with the rooms it includes:")
    for sala in reversed(SALAS):
        print(f"  {sala:<11} -> {', '.join(s for s in SALAS if s in salas.get(sala, ()))}")
    for sala in SALAS:
        propios = {m for m in grafo if sala_de(m) == sala}
        altura = niveles(grafo, propios)
        print(f"\n{sala}/, from the top down:")
        for modulo in sorted(propios, key=lambda m: (-altura[m], m)):
            dentro = sorted(d.split("/")[1] for d in grafo[modulo] if d in propios)
            print(f"  {altura[modulo]:>2} {modulo.split('/')[1]:<22} -> {', '.join(dentro)}")


def main():
    grafo = modulos()
    if "--dibujo" in sys.argv[1:]:
        dibujar(grafo)
        print()
    fallos = 0
    for a, b in flechas_hacia_arriba(grafo):
        print(f"capas: {a} includes {b}, in a room above its own")
        fallos += 1
    for circulo in circulos(grafo):
        print("capas: circle: " + " -> ".join(circulo))
        fallos += 1
    if fallos:
        return 1
    print(f"capas: {len(grafo)} modules in {len(SALAS)} rooms; no arrow runs back up and there is no circle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
