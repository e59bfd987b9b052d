#include "window/Foco.h"

namespace instalar {

namespace {

constexpr ParadaFoco kOrden[] = {ParadaFoco::Instalar, ParadaFoco::Cerrar, ParadaFoco::Lista};
constexpr int kParadas = 3;

int Posicion(ParadaFoco parada) {
    for (int i = 0; i < kParadas; ++i) {
        if (kOrden[i] == parada) return i;
    }
    return 0;
}

}  // namespace

ParadaFoco SiguienteParada(std::optional<ParadaFoco> actual, bool atras, bool instalarHabilitado, bool hayOpciones) {
    auto disponible = [&](ParadaFoco p) {
        return (p != ParadaFoco::Instalar || instalarHabilitado) && (p != ParadaFoco::Lista || hayOpciones);
    };
    if (!actual) return ParadaInicial(instalarHabilitado);
    const int paso = atras ? kParadas - 1 : 1;
    int posicion = Posicion(*actual);
    // "Cerrar" is always there, so the walk ends within one round.
    do {
        posicion = (posicion + paso) % kParadas;
    } while (!disponible(kOrden[posicion]));
    return kOrden[posicion];
}

ParadaFoco ParadaInicial(bool instalarHabilitado) {
    return instalarHabilitado ? ParadaFoco::Instalar : ParadaFoco::Cerrar;
}

std::optional<Rectangulo> MarcoDeFoco(const EstadoMenu& estado, double px, double py) {
    if (!estado.listaConFoco || !estado.seleccionada || *estado.seleccionada >= estado.totalOpciones)
        return std::nullopt;
    // Clear of the name's letters, and well clear of the arrow, five pixels
    // to the left.
    Rectangulo marco = estado.controles.opciones[static_cast<size_t>(*estado.seleccionada)].caja;
    marco.izquierda = static_cast<float>(marco.izquierda - 2 * px);
    marco.arriba = static_cast<float>(marco.arriba - py);
    marco.ancho = static_cast<float>(marco.ancho + 4 * px);
    marco.alto = static_cast<float>(marco.alto + 2 * py);
    return marco;
}

}  // namespace instalar
