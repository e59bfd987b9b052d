#pragma once
// Selecting an item shows the description of the first entry, in file
// order, whose name is the item's name, letter case aside: a later entry of
// the same name never shows its own.  Both readers of a menu apply this
// rule through this file: the window for the one item selected, the
// checker for every item at once, each with the comparison of names it is
// given.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/Archivos.h"

namespace instalar {

// For one item: offered the entries in file order, tells which one it
// takes its description from.
class PrimeraConNombre {
public:
    PrimeraConNombre(ComparacionNombres& comparacion, std::u16string nombre)
        : comparacion_(comparacion), nombre_(std::move(nombre)) {}

    // True for the first entry offered that carries the item's name; false
    // for every entry before it and after it.
    bool Es(const std::u16string& nombreEntrada);

private:
    ComparacionNombres& comparacion_;
    std::u16string nombre_;
    bool hallada_ = false;
};

// For every item at once: noted the entries in file order, tells for each
// the entry it takes its description from.
class PrimerasPorNombre {
public:
    explicit PrimerasPorNombre(ComparacionNombres& comparacion) : comparacion_(&comparacion) {}

    // Notes the next entry and returns the position (from 0, in the order
    // noted) of the first entry with its name: its own position when no
    // earlier entry has the name.
    size_t Anotar(const std::u16string& nombre);
    // The position of the first entry noted with this name, if any.
    std::optional<size_t> Buscar(const std::u16string& nombre) const;

private:
    struct Primera {
        std::u16string nombre;
        size_t posicion;
    };

    ComparacionNombres* comparacion_;
    size_t anotadas_ = 0;
    // The first entry of every name met so far, by the comparison's groups.
    std::map<std::u16string, std::vector<Primera>> grupos_;
};

}  // namespace instalar
