#pragma once
// What a screen reader must be told after an event: the window compares
// what it showed before with what it shows now, and announces the
// differences as events on its accessible elements.

#include <optional>
#include <string>
#include <vector>

#include "window/ArbolAccesible.h"

namespace instalar {

// What the announcements follow.
struct EstadoAnunciado {
    std::optional<long> seleccionada;  // the selected item's element
    bool listaConFoco = false;
    std::u16string descripcion;
    std::u16string indicacion;        // the hint line, which tells of a setup
    std::optional<long> instalando;   // the element whose setup runs
};

EstadoAnunciado EstadoAnunciadoDe(const frmMenu& menu, const ArbolAccesible& arbol);

struct Anuncio {
    enum class Tipo { Seleccion, Foco, CambioDeNombre, CambioDeEstado } tipo;
    long elemento;
    bool operator==(const Anuncio& otro) const { return tipo == otro.tipo && elemento == otro.elemento; }
};

// In the order a screen reader expects them: the new selection, the focus
// on it while the list holds the focus (also when the list has just gained
// it), and a description whose text changed; then, as a setup starts or
// ends, the item's new name and state, and the hint line's new text.
std::vector<Anuncio> AnunciosEntre(const EstadoAnunciado& antes, const EstadoAnunciado& ahora,
                                   const ArbolAccesible& arbol);

}  // namespace instalar
