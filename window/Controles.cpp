#include "window/Controles.h"

#include "window/Distribucion.h"

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
    c.titulo = u"frmMenu";
    c.btnInstalar = BotonDeDiseno({200, 5085, 1350, 350}, u"Instalar");
    c.btnCancelar = BotonDeDiseno({5280, 5085, 1350, 350}, u"Cerrar");

    c.Label1 = EtiquetaDeDiseno({90, 4815, 2490, 165}, u"Selecciona la opción que desees instalar.",
                                {u"Tahoma", 6.75, false});
    c.Label1.alineacion = Alineacion::Derecha;
    c.Label1.autoTamano = true;

    c.etqInfo = EtiquetaDeDiseno({3780, 2460, 2835, 195}, u"etqInfo", {u"Verdana", 8.25, false});
    c.etqInfo.autoTamano = true;
    c.etqInfo.ajustePalabras = true;

    Etiqueta elemento0 =
        EtiquetaDeDiseno({1080, 2880, 1365, kAltoOpcionDeDiseno}, u"etqInstalar", {u"Verdana", 12, false});
    elemento0.autoTamano = true;
    elemento0.cursorMano = true;
    c.etqInstalar.push_back(std::move(elemento0));

    c.Image1 = Imagen{{480, 3000, 240, 240}, Dibujo::Flecha, false};
    c.Line1 = kDivisoriaDeDiseno;
    c.Image2 = Imagen{{6000, 360, 480, 480}, Dibujo::Icono, true};

    c.etqVer = EtiquetaDeDiseno({6045, 1695, 525, 195}, u"Versión", {u"Tahoma", 8.25, false});
    c.etqVer.color = Color{64, 64, 64};
    c.etqVer.alineacion = Alineacion::Derecha;
    c.etqVer.conservaDerecha = true;  // title and version stay against the right border
    c.etqVer.autoTamano = true;

    c.etqTipo = EtiquetaDeDiseno({5175, 1245, 1515, 480}, u"etqTipo", {u"Verdana", 20.25, false});
    c.etqTipo.color = Color{64, 0, 0};
    c.etqTipo.alineacion = Alineacion::Derecha;
    c.etqTipo.conservaDerecha = true;
    c.etqTipo.autoTamano = true;

    c.shpBar = Barra{{120, 4680, 2295, 495}, kColorBarra};
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

}  // namespace instalar
