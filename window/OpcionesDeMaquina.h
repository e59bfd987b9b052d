#pragma once
// The items that depend on the machine: an item ";@requiere" greys, with
// its reason; an item whose ";@instalado" probes find its product, marked
// with the tick from the start.  The hint line tells either when the item
// is selected.  The probes run when the menu loads and again for an item
// once the setup the menu waited for has ended.  A menu without such
// items runs none of this.

#include <cstdint>

#include "interfaces/MedidaTexto.h"
#include "menufile/VisitaDeMaquina.h"
#include "window/EstadoMenu.h"

namespace instalar {

// Item `indice` has just been made from the entry `deMaquina` tells.
void AnotarRequisitos(EstadoMenu& estado, int16_t indice, VisitaDeMaquina& deMaquina);
// Every item's probes; nothing in a menu without any.
void ComprobarInstaladas(EstadoMenu& estado);
// One item's, after its setup.
void ComprobarInstalada(EstadoMenu& estado, int16_t indice);
// The hint line and "Instalar" for the selected item: why it cannot be
// installed (and "Instalar" disabled), or that it is; back to the design's
// text once another item is selected.
void IndicarSegunMaquina(EstadoMenu& estado, int16_t indice, MedidaTexto& medida);

}  // namespace instalar
