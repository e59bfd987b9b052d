#include "window/Botones.h"

#include <algorithm>

namespace instalar {

namespace {

// The largest a button may grow to: from its outer edge to the window's
// middle, less half the gap.
float AnchoMaximo(const Rectangulo& diseno, bool creceALaDerecha) {
    const float mitad = kAnchoVentana / 2;
    const float hueco = kHuecoEntreBotones / 2;
    return creceALaDerecha ? mitad - hueco - diseno.izquierda : diseno.izquierda + diseno.ancho - mitad - hueco;
}

void Ajustar(Boton& boton, const Rectangulo& diseno, bool creceALaDerecha, MedidaTexto& medida) {
    const double texto = medida.MedirTexto(boton.fuente, boton.texto, 0).ancho;
    const float ancho = std::min(AnchoDeBoton(texto, medida.TwipsPorPixelX(), diseno.ancho),
                                 std::max(diseno.ancho, AnchoMaximo(diseno, creceALaDerecha)));
    boton.caja = diseno;
    boton.caja.ancho = ancho;
    if (!creceALaDerecha) boton.caja.izquierda = diseno.izquierda + diseno.ancho - ancho;
}

}  // namespace

float AnchoMaximoDeBoton(bool instalar) {
    const Rectangulo& caja = instalar ? kCajaInstalar : kCajaCerrar;
    return std::max(caja.ancho, AnchoMaximo(caja, instalar));
}

float AnchoDeBoton(double anchoTexto, double twipsPorPixel, float anchoDiseno) {
    const double necesario = anchoTexto + 2 * kMargenTextoBoton * twipsPorPixel;
    return std::max(anchoDiseno, static_cast<float>(necesario));
}

void AjustarBotones(Controles& controles, MedidaTexto& medida) {
    Ajustar(controles.instalar, kCajaInstalar, true, medida);
    Ajustar(controles.cerrar, kCajaCerrar, false, medida);
}

}  // namespace instalar
