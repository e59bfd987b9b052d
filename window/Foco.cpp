// The keyboard focus: the Tab order of its three stops, and the item list
// as one of them.

#include "window/Foco.h"

#include "window/frmMenu.h"

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

// --- The item list as a focus stop

ParadaFoco frmMenu::ParadaDeInicio() const { return ParadaInicial(controles.btnInstalar.habilitado); }

ParadaFoco frmMenu::SiguienteParada(std::optional<ParadaFoco> actual, bool atras) const {
    return instalar::SiguienteParada(actual, atras, controles.btnInstalar.habilitado, nOpciones > 0);
}

std::optional<Rectangulo> frmMenu::MarcoDeFoco() const {
    const int16_t elegida = OpcionSeleccionada();
    if (!bListaConFoco || elegida >= nOpciones) return std::nullopt;
    // A little larger than the name, so that the dotted frame does not
    // touch its letters; well clear of the arrow, five pixels to the left.
    Rectangulo marco = controles.etqInstalar[static_cast<size_t>(elegida)].caja;
    const double px = medida.TwipsPorPixelX();
    const double py = medida.TwipsPorPixelY();
    marco.izquierda = static_cast<float>(marco.izquierda - 2 * px);
    marco.arriba = static_cast<float>(marco.arriba - py);
    marco.ancho = static_cast<float>(marco.ancho + 4 * px);
    marco.alto = static_cast<float>(marco.alto + 2 * py);
    return marco;
}

}  // namespace instalar
