#include "window/Disposicion.h"

#include "window/Reparto.h"

namespace instalar {

Rectangulo CajaDeMarca(const Rectangulo& opcion, double px) {
    const double lado = double(opcion.alto) / 2;
    return Rectangulo{static_cast<float>(double(opcion.izquierda) + opcion.ancho + 6 * px),
                      static_cast<float>(opcion.arriba + (double(opcion.alto) - lado) / 2), static_cast<float>(lado),
                      static_cast<float>(lado)};
}

void Disposicion::AjustarBarra(double anchoInterior, double altoInterior) {
    const double px = medida_.TwipsPorPixelX();
    Rectangulo& barra = estado_.controles.barra.caja;
    barra.izquierda = static_cast<float>(px);
    barra.arriba = static_cast<float>(altoInterior - barra.alto);
    barra.ancho = static_cast<float>(anchoInterior - px);
}

void Disposicion::DistribuirOpciones() {
    Controles& c = estado_.controles;
    estado_.opcionesDistribuidas = true;
    const float hueco = HuecoEntreOpciones(c.divisoria, c.opciones[0].caja.alto, estado_.totalOpciones);
    const float izquierda = static_cast<float>(50 * medida_.TwipsPorPixelX());
    for (int16_t i = 0; i < estado_.totalOpciones; ++i) {
        Rectangulo& caja = c.opciones[static_cast<size_t>(i)].caja;
        caja.izquierda = izquierda;
        caja.arriba = ArribaDeOpcion(c.divisoria, hueco, caja.alto, i);
    }
}

void Disposicion::ColocarFlechaAnte(const Rectangulo& opcion) {
    Imagen& flecha = estado_.controles.flecha;
    flecha.caja.izquierda =
        static_cast<float>(double(opcion.izquierda) - flecha.caja.ancho - 5 * medida_.TwipsPorPixelX());
    flecha.caja.arriba = static_cast<float>(opcion.arriba + (double(opcion.alto) - flecha.caja.alto) / 2);
    flecha.visible = true;
}

void Disposicion::CentrarDescripcion() {
    Controles& c = estado_.controles;
    const double y1 = c.divisoria.y1;
    const double y2 = c.divisoria.y2;
    c.descripcion.caja.arriba = static_cast<float>(y1 + ((y2 - y1) - c.descripcion.caja.alto) / 2);
}

void Disposicion::MedirDeNuevo() {
    Controles& c = estado_.controles;
    FijarTexto(c.indicacion, c.indicacion.texto, medida_);
    FijarTexto(c.titulo, c.titulo.texto, medida_);
    FijarTexto(c.version, c.version.texto, medida_);
    // The items were spread while none was bold.
    for (Etiqueta& opcion : c.opciones) FijarNegrita(opcion, false, medida_);
    if (estado_.opcionesDistribuidas) DistribuirOpciones();
    FijarTexto(c.descripcion, c.descripcion.texto, medida_);
}

}  // namespace instalar
