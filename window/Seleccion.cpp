#include "window/Seleccion.h"

#include "menufile/BuscarDescripcion.h"
#include "window/OpcionesDeMaquina.h"
#include "window/TeclasAcceso.h"

namespace instalar {

void Seleccion::SeleccionarOpcion(int16_t indice) {
    if (!EsOpcion(indice)) return;

    // The description is read afresh every time, so an edited file shows
    // its new text.  A failed read leaves the previous selection as it was.
    auto descripcion =
        BuscarDescripcion(archivos_, estado_.archivoMenu, Opcion(indice).texto, HechosParaBuscar(estado_));
    if (!descripcion) return InformarError(anfitrion_, estado_, descripcion.error());
    if (descripcion.valor()) FijarTexto(estado_.controles.descripcion, *descripcion.valor(), medida_);

    if (estado_.seleccionada && EsOpcion(*estado_.seleccionada))
        FijarNegrita(Opcion(*estado_.seleccionada), false, medida_);
    estado_.seleccionada = indice;
    Resaltar(indice);
    IndicarSegunMaquina(estado_, indice, medida_);
}

void Seleccion::Resaltar(int16_t indice) {
    Etiqueta& elegida = Opcion(indice);
    disposicion_.ColocarFlechaAnte(elegida.caja);
    FijarNegrita(elegida, true, medida_);
    disposicion_.CentrarDescripcion();
}

void Seleccion::ResaltarDeNuevo() {
    if (estado_.seleccionada && EsOpcion(*estado_.seleccionada)) Resaltar(*estado_.seleccionada);
}

void Seleccion::SeleccionarAnterior() {
    const int16_t actual = estado_.seleccionada.value_or(estado_.totalOpciones);
    if (actual >= 1) SeleccionarOpcion(static_cast<int16_t>(actual - 1));
}

void Seleccion::SeleccionarSiguiente() {
    if (estado_.seleccionada && *estado_.seleccionada < estado_.totalOpciones - 1)
        SeleccionarOpcion(static_cast<int16_t>(*estado_.seleccionada + 1));
}

void Seleccion::SeleccionarPrimera() {
    if (estado_.totalOpciones > 0 && estado_.seleccionada != int16_t{0}) SeleccionarOpcion(0);
}

void Seleccion::SeleccionarUltima() {
    const int16_t ultima = static_cast<int16_t>(estado_.totalOpciones - 1);
    if (estado_.totalOpciones > 0 && estado_.seleccionada != ultima) SeleccionarOpcion(ultima);
}

bool Seleccion::SeleccionarPorTecla(char16_t caracter) {
    const int16_t actual = estado_.seleccionada.value_or(estado_.totalOpciones);
    const auto elegida =
        OpcionConTecla(estado_.controles.opciones, estado_.totalOpciones, actual, caracter, archivos_);
    if (!elegida) return false;
    if (*elegida != actual) SeleccionarOpcion(*elegida);
    return true;
}

std::optional<std::u16string> Seleccion::DescripcionDeOpcion(int16_t indice) const {
    if (!EsOpcion(indice)) return std::nullopt;
    const std::u16string& nombre = estado_.controles.opciones[static_cast<size_t>(indice)].texto;
    const std::u16string& archivo = estado_.archivoMenu;
    FuenteDeHechos* hechos = HechosParaBuscar(estado_);
    const auto huella = archivos_.Huella(archivo);
    if (!huella) return DescripcionesMenu::Leer(archivos_, archivo, hechos).De(nombre);
    if (!descripcionesLeidas_ || !(descripcionesLeidas_->huella == *huella))
        descripcionesLeidas_ = DescripcionesLeidas{*huella, DescripcionesMenu::Leer(archivos_, archivo, hechos)};
    return descripcionesLeidas_->descripciones.De(nombre);
}

}  // namespace instalar
