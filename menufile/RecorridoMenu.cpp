#include "menufile/RecorridoMenu.h"

#include <utility>

#include "menufile/ArchivoMenu.h"
#include "menufile/Directiva.h"

namespace instalar {

namespace {

class Recorrido {
public:
    Recorrido(ArchivoMenu& archivo, VisitaMenu& visita) : archivo_(archivo), visita_(visita) {}

    FinRecorrido Recorrer(Lector lector);

private:
    // Reads the next line and tells the visit; false when it could not.
    bool Leer();
    FinRecorrido Fin(FinPor motivo, Fallo error) { return {motivo, numero_, std::move(error), volver_}; }
    void Ignorar();

    ArchivoMenu& archivo_;
    VisitaMenu& visita_;
    std::u16string texto_;
    LineaLeida linea_;
    Fallo error_;
    int64_t numero_ = 0;
    bool codificacionDicha_ = false;
    bool volver_ = false;
};

void Recorrido::Ignorar() {
    if (const auto directiva = DirectivaDe(linea_.texto)) {
        if (*directiva == kDirectivaVolver) volver_ = true;
        visita_.Directiva(linea_, *directiva);
    }
    visita_.Ignorada(linea_);
}

bool Recorrido::Leer() {
    ++numero_;
    auto leida = archivo_.LeerLinea();
    if (!leida) {
        error_ = leida.error();
        return false;
    }
    texto_ = std::move(leida.valor());
    linea_ = LineaLeida{numero_, texto_, archivo_.FinDeArchivo()};
    if (!codificacionDicha_ && archivo_.LecturaDecidida()) {
        codificacionDicha_ = true;
        visita_.Codificada(linea_, *archivo_.LecturaDecidida());
    }
    visita_.Linea(linea_);
    return true;
}

// The list reader counts the items, up to the largest count; the
// description reader counts none, and reads at least one line after the
// header.
FinRecorrido Recorrido::Recorrer(Lector lector) {
    if (!Leer()) return Fin(FinPor::LineaIlegible, error_);
    visita_.Titulo(linea_);
    if (!Leer()) return Fin(FinPor::LineaIlegible, error_);
    visita_.Version(linea_);

    const bool lista = lector == Lector::Lista;
    bool unaAlMenos = !lista;
    int16_t opciones = 0;
    while (unaAlMenos || !archivo_.FinDeArchivo()) {
        unaAlMenos = false;
        if (!Leer()) return Fin(FinPor::LineaIlegible, error_);
        auto clasificada = ClasificarLinea(linea_.texto, lector);
        if (!clasificada) return Fin(FinPor::PosicionExcesiva, clasificada.error());
        if (!clasificada.valor()) {
            Ignorar();
            continue;
        }
        if (lista && opciones == kOpcionesMaximas) {
            visita_.OpcionDeMas(linea_, std::move(*clasificada.valor()));
            return Fin(FinPor::DemasiadasOpciones, ErrorDe(CodigoError::Desbordamiento));
        }
        visita_.Opcion(linea_, std::move(*clasificada.valor()));
        if (lista) ++opciones;
        if (visita_.Hallado()) return Fin(FinPor::Hallado, std::nullopt);
    }
    return Fin(FinPor::FinDelArchivo, std::nullopt);
}

}  // namespace

FinRecorrido RecorrerMenu(Archivos& archivos, const std::u16string& ruta, VisitaMenu& visita) {
    auto abierto = ArchivoMenu::Abrir(archivos, ruta);
    if (!abierto) return FinRecorrido{FinPor::NoSeAbre, 0, abierto.error()};
    return Recorrido(abierto.valor(), visita).Recorrer(Lector::Lista);
}

FinRecorrido RecorrerDescripciones(Archivos& archivos, const std::u16string& ruta, VisitaMenu& visita) {
    auto abierto = ArchivoMenu::Abrir(archivos, ruta);
    if (!abierto) return FinRecorrido{FinPor::NoSeAbre, 0, abierto.error()};
    return Recorrido(abierto.valor(), visita).Recorrer(Lector::Descripcion);
}

}  // namespace instalar
