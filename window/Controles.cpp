#include "window/Controles.h"

#include "launch/Desenlace.h"
#include "window/Reparto.h"

#include <utility>

namespace instalar {

namespace {

constexpr Color kColorBarra{88, 106, 183};

Etiqueta EtiquetaDeDiseno(Rectangulo caja, std::u16string texto, Fuente fuente) {
    Etiqueta etiqueta;
    etiqueta.caja = caja;
    etiqueta.texto = std::move(texto);
    etiqueta.fuente = std::move(fuente);
    return etiqueta;
}

Boton BotonDeDiseno(Rectangulo caja, std::u16string texto) {
    Boton boton;
    boton.caja = caja;
    boton.texto = std::move(texto);
    return boton;
}

}  // namespace

Controles ControlesDeDiseno() {
    Controles c;
    c.tituloVentana = u"frmMenu";
    c.instalar = BotonDeDiseno(kCajaInstalar, u"Instalar");
    c.cerrar = BotonDeDiseno(kCajaCerrar, u"Cerrar");

    c.indicacion = EtiquetaDeDiseno({90, 4815, 2490, 165}, u"Selecciona la opción que desees instalar.",
                                {u"Tahoma", 6.75, false});
    c.indicacion.alineacion = Alineacion::Derecha;
    c.indicacion.autoTamano = true;
    // A long item name must not carry the hint line out of the window: it
    // keeps the margin it has on the left on the right too.
    c.indicacion.anchoMaximo = kAnchoVentana - 2 * c.indicacion.caja.izquierda;

    c.descripcion = EtiquetaDeDiseno({3780, 2460, 2835, 195}, u"", {u"Verdana", 8.25, false});
    c.descripcion.autoTamano = true;
    c.descripcion.ajustePalabras = true;

    Etiqueta elemento0 =
        EtiquetaDeDiseno({1080, 2880, 1365, kAltoOpcionDeDiseno}, u"", {u"Verdana", 12, false});
    elemento0.autoTamano = true;
    elemento0.cursorMano = true;
    c.opciones.push_back(std::move(elemento0));

    c.flecha = Imagen{{480, 3000, 240, 240}, Dibujo::Flecha, false};
    c.divisoria = kDivisoriaDeDiseno;
    c.icono = Imagen{{6000, 360, 480, 480}, Dibujo::Icono, true};

    c.version = EtiquetaDeDiseno({6045, 1695, 525, 195}, u"Versión", {u"Tahoma", 8.25, false});
    c.version.color = Color{64, 64, 64};
    c.version.alineacion = Alineacion::Derecha;
    c.version.conservaDerecha = true;  // title and version stay against the right border
    c.version.autoTamano = true;

    c.titulo = EtiquetaDeDiseno({5175, 1245, 1515, 480}, u"", {u"Verdana", 20.25, false});
    c.titulo.color = Color{64, 0, 0};
    c.titulo.alineacion = Alineacion::Derecha;
    c.titulo.conservaDerecha = true;
    c.titulo.autoTamano = true;

    c.barra = Barra{{120, 4680, 2295, 495}, kColorBarra};
    return c;
}

namespace {

void AjustarATexto(Etiqueta& etiqueta, MedidaTexto& medida) {
    if (!etiqueta.autoTamano) return;
    if (etiqueta.ajustePalabras) {
        const Tamano ajustada = medida.MedirTexto(etiqueta.fuente, etiqueta.texto, etiqueta.caja.ancho);
        etiqueta.caja.alto = static_cast<float>(ajustada.alto);
        return;
    }
    const Tamano tamano = medida.MedirTexto(etiqueta.fuente, etiqueta.texto, 0);
    if (etiqueta.conservaDerecha) {
        const double derecha = double(etiqueta.caja.izquierda) + etiqueta.caja.ancho;
        etiqueta.caja.izquierda = static_cast<float>(derecha - tamano.ancho);
    }
    etiqueta.caja.ancho = static_cast<float>(tamano.ancho);
    if (etiqueta.anchoMaximo > 0 && etiqueta.caja.ancho > etiqueta.anchoMaximo)
        etiqueta.caja.ancho = etiqueta.anchoMaximo;
    etiqueta.caja.alto = static_cast<float>(tamano.alto);
}

}  // namespace

void FijarTexto(Etiqueta& etiqueta, std::u16string texto, MedidaTexto& medida) {
    etiqueta.texto = std::move(texto);
    AjustarATexto(etiqueta, medida);
}

void FijarNegrita(Etiqueta& etiqueta, bool negrita, MedidaTexto& medida) {
    etiqueta.fuente.negrita = negrita;
    AjustarATexto(etiqueta, medida);
}

MarcaOpcion MarcaDe(const Etiqueta& opcion) {
    // Where probes tell, the tick follows them, not the exit code.
    if (opcion.instalado == true) return MarcaOpcion::Instalado;
    if (!opcion.desenlace) return MarcaOpcion::Ninguna;
    switch (opcion.desenlace->clase) {
    case ClaseDesenlace::Instalado: return opcion.instalado == false ? MarcaOpcion::Ninguna : MarcaOpcion::Instalado;
    case ClaseDesenlace::Cancelado: return MarcaOpcion::Cancelado;
    case ClaseDesenlace::Incierto: return MarcaOpcion::Incierto;
    case ClaseDesenlace::Fallido: break;
    }
    return MarcaOpcion::Fallido;
}

}  // namespace instalar
