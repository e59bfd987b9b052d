#pragma once
// What the window's parts share: the controls as they stand, the menu file
// they were filled from, how many items it listed, which one is selected,
// whether the item list holds the keyboard focus and the setup running.  Each part changes
// only what its own header says it does.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "interfaces/Anfitrion.h"
#include "interfaces/Maquina.h"
#include "interfaces/Procesos.h"
#include "menufile/VisitaDeMaquina.h"
#include "menufile/TextosMenu.h"
#include "window/Controles.h"

namespace instalar {

// A setup the menu waits for: its item and its process.
struct InstalacionEnCurso {
    int16_t opcion;
    ProcesoAEsperar proceso;
    // The started process has ended, and programs it opened run on: the
    // menu still waits, but Enter and "Instalar" stop the wait.
    bool quedanOtros = false;
    // Something it started outlived it: its exit code tells nothing.
    bool sobrevivido = false;
};

struct EstadoMenu {
    Controles controles = ControlesDeDiseno();
    std::u16string archivoMenu;
    // The menu's own texts, in the menu file's language and as it sets them.
    Textos textos;
    // The items the list holds, as a signed 16-bit count: a longer menu
    // stops at the count's limit.
    int16_t totalOpciones = 0;
    // The one selected item: shown bold with the arrow in front of it.
    std::optional<int16_t> seleccionada;
    bool listaConFoco = false;
    bool opcionesDistribuidas = false;  // spread down the divider
    // The menu file asks the menu to wait for each setup it starts and to
    // come back when it ends.
    bool volver = false;
    // The setup the menu is waiting for: the one record that one runs.
    std::optional<InstalacionEnCurso> instalando;
    // A setup is being started.  Starting through the shell may dispatch
    // the window's messages before it returns (a second click, a screen
    // reader's queued request): none of them may start another.
    bool arrancando = false;
    // The machine, for the items that depend on it (";@si", ";@requiere",
    // ";@instalado"); its facts asked once, and only by a menu with such
    // items.
    Maquina* maquina = nullptr;
    FuenteDeHechos hechos{static_cast<Maquina*>(nullptr)};
    // Some entry of the menu depends on the machine: lookups by name then
    // look only at the entries shown on it.
    bool conRequisitos = false;
    // Per item, the probes of its ";@instalado" lines; empty when no item
    // has any.
    std::vector<std::vector<Prueba>> pruebas;
    // The hint line shows what the machine says of the selected item.
    bool indicacionDeMaquina = false;
};

// The facts for lookups by name: none in a menu that does not need them.
inline FuenteDeHechos* HechosParaBuscar(EstadoMenu& estado) {
    return estado.conRequisitos ? &estado.hechos : nullptr;
}

inline bool SeleccionadaNoDisponible(const EstadoMenu& estado) {
    if (!estado.seleccionada || *estado.seleccionada < 0 || *estado.seleccionada >= estado.totalOpciones) return false;
    return estado.controles.opciones[static_cast<size_t>(*estado.seleccionada)].noDisponible.has_value();
}

// While a setup starts or runs, the selection stays on its item: no click,
// key or screen reader moves it.
inline bool SeleccionCongelada(const EstadoMenu& estado) { return estado.arrancando || estado.instalando.has_value(); }

// "Instalar" works while the list has an item the machine can take and no
// setup starts or runs; once only programs a setup opened keep the menu
// waiting, it stops the wait.
inline bool InstalarHabilitado(const EstadoMenu& estado) {
    if (estado.totalOpciones < 1 || estado.arrancando) return false;
    if (estado.instalando) return estado.instalando->quedanOtros;
    return !SeleccionadaNoDisponible(estado);
}

// Errors of the selection and the launch are shown in a message box titled
// with the window's caption.
inline void InformarError(Anfitrion& anfitrion, const EstadoMenu& estado, const std::u16string& texto) {
    anfitrion.MostrarMensaje(texto, estado.controles.tituloVentana);
}
inline void InformarError(Anfitrion& anfitrion, const EstadoMenu& estado, const Error& error) {
    InformarError(anfitrion, estado, TextoDeError(error, estado.textos));
}

}  // namespace instalar
