// Building the item list from the menu file.

#include <utility>

#include "menufile/ArchivoMenu.h"
#include "window/Distribucion.h"
#include "window/frmMenu.h"

namespace instalar {

namespace {

constexpr int16_t kOpcionesMaximas = 32767;

// A new element of the item array, as element 0 is now.  Its text and tag
// are set right after, so they are left out of the copy: with thousands of
// items those copies were a good part of loading.
Etiqueta CopiaSinTextos(Etiqueta& modelo) {
    std::u16string texto = std::exchange(modelo.texto, {});
    std::u16string etiqueta = std::exchange(modelo.etiqueta, {});
    Etiqueta copia = modelo;
    modelo.texto = std::move(texto);
    modelo.etiqueta = std::move(etiqueta);
    return copia;
}

}  // namespace

void frmMenu::CargarMenu() {
    // Errors end the reading and are shown where the description goes; items
    // created so far stay where element 0 was designed, unselected.
    auto alFallar = [this](const Error& error) { FijarTexto(c_.etqInfo, error.descripcion, plataforma_); };

    auto abierto = ArchivoMenu::Abrir(plataforma_, sArchivo);
    if (!abierto) return alFallar(abierto.error());
    ArchivoMenu& archivo = abierto.valor();

    auto titulo = archivo.LeerLinea();
    if (!titulo) return alFallar(titulo.error());
    FijarTexto(c_.etqTipo, titulo.valor(), plataforma_);

    auto version = archivo.LeerLinea();
    if (!version) return alFallar(version.error());
    FijarTexto(c_.etqVer, u"Versión " + version.valor(), plataforma_);

    nOpciones = 0;
    while (!archivo.FinDeArchivo()) {
        auto linea = archivo.LeerLinea();
        if (!linea) return alFallar(linea.error());
        auto clasificada = ClasificarLinea(linea.valor(), Lector::Lista);
        if (!clasificada) return alFallar(clasificada.error());
        if (!clasificada.valor()) continue;
        Entrada& entrada = *clasificada.valor();

        if (nOpciones > 0) {
            Etiqueta copia = CopiaSinTextos(c_.etqInstalar[0]);
            copia.visible = false;
            c_.etqInstalar.push_back(std::move(copia));
        }
        Etiqueta& opcion = c_.etqInstalar[static_cast<size_t>(nOpciones)];
        FijarTexto(opcion, std::move(entrada.nombre), plataforma_);
        opcion.etiqueta = std::move(entrada.comando);
        opcion.visible = true;
        if (nOpciones == kOpcionesMaximas) return alFallar(ErrorDe(CodigoError::Desbordamiento));
        ++nOpciones;
    }

    DistribuirOpciones();
    if (nOpciones < 1) {
        FijarTexto(c_.etqInfo,
                   u"Ha ocurrido un error !!!\r\n\r\nNo se ha podido encontrar en el archivo '" + sArchivo +
                       u"', algun programa a instalar.",
                   plataforma_);
    } else {
        SeleccionarOpcion(0);
    }
}

// Spreads the items down the length of the divider line so that the free
// space is shared equally among the gaps above, between and below them.
void frmMenu::DistribuirOpciones() {
    const float hueco = HuecoEntreOpciones(c_.Line1, c_.etqInstalar[0].caja.alto, nOpciones);
    const float izquierda = static_cast<float>(50 * plataforma_.TwipsPorPixelX());
    for (int16_t i = 0; i < nOpciones; ++i) {
        Rectangulo& caja = c_.etqInstalar[static_cast<size_t>(i)].caja;
        caja.izquierda = izquierda;
        caja.arriba = ArribaDeOpcion(c_.Line1, hueco, caja.alto, i);
    }
}

}  // namespace instalar
