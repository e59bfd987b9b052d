#include "window/Teclado.h"

namespace instalar {

RespuestaTecla Teclado::AlBajarTecla(Tecla tecla, int modificadores, std::optional<ParadaFoco> foco) {
    const bool conCtrl = (modificadores & kCtrl) != 0;
    // Alt with a key belongs to the system (Alt+Up and the like), as in any list.
    const bool enLista = estado_.listaConFoco && (modificadores & kAlt) == 0;
    if (tecla == Tecla::F4 && (modificadores & kAlt)) return {Orden::Cerrar, true, std::nullopt};
    if (tecla == Tecla::Tabulador) {
        const bool atras = (modificadores & kShift) != 0;
        return {Orden::Ninguna, true,
                SiguienteParada(foco, atras, InstalarHabilitado(estado_), estado_.totalOpciones > 0)};
    }
    if (SeleccionCongelada(estado_)) return {};
    switch (tecla) {
    case Tecla::Arriba:
        if (conCtrl || enLista) seleccion_.SeleccionarAnterior();
        break;
    case Tecla::Abajo:
        if (conCtrl || enLista) seleccion_.SeleccionarSiguiente();
        break;
    case Tecla::Inicio:
        if (enLista) seleccion_.SeleccionarPrimera();
        break;
    case Tecla::Fin:
        if (enLista) seleccion_.SeleccionarUltima();
        break;
    default: break;
    }
    return {};
}

RespuestaTecla Teclado::AlEscribir(char16_t caracter) {
    // Enter is the install command: a push button must not act on it a
    // second time.
    if (caracter == kCaracterEscape) return {Orden::Cerrar, true, std::nullopt};
    if (caracter == kCaracterIntro) return {Orden::Instalar, true, std::nullopt};
    if (estado_.listaConFoco && !SeleccionCongelada(estado_)) seleccion_.SeleccionarPorTecla(caracter);
    return {};
}

}  // namespace instalar
