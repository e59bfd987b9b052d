#include "menufile/RecorridoMenu.h"

#include <optional>
#include <utility>

#include "menufile/ArchivoMenu.h"
#include "menufile/Directiva.h"

namespace instalar {

namespace {

class Recorrido {
public:
    Recorrido(ArchivoMenu& archivo, VisitaMenu& visita) : archivo_(archivo), visita_(visita) {}

    FinRecorrido Recorrer();
    FinRecorrido RecorrerDescripciones();

private:
    std::optional<FinRecorrido> Cabecera();
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

// The two header lines: the end of the walk when one cannot be read.
std::optional<FinRecorrido> Recorrido::Cabecera() {
    if (!Leer()) return Fin(FinPor::LineaIlegible, error_);
    visita_.Titulo(linea_);
    if (!Leer()) return Fin(FinPor::LineaIlegible, error_);
    visita_.Version(linea_);
    return std::nullopt;
}

FinRecorrido Recorrido::Recorrer() {
    if (auto fin = Cabecera()) return std::move(*fin);

    int16_t opciones = 0;
    while (!archivo_.FinDeArchivo()) {
        if (!Leer()) return Fin(FinPor::LineaIlegible, error_);
        auto clasificada = ClasificarLinea(linea_.texto, Lector::Lista);
        if (!clasificada) return Fin(FinPor::PosicionExcesiva, clasificada.error());
        if (!clasificada.valor()) {
            Ignorar();
            continue;
        }
        if (opciones == kOpcionesMaximas) {
            visita_.OpcionDeMas(linea_, std::move(*clasificada.valor()));
            return Fin(FinPor::DemasiadasOpciones, ErrorDe(CodigoError::Desbordamiento));
        }
        visita_.Opcion(linea_, std::move(*clasificada.valor()));
        ++opciones;
    }
    return Fin(FinPor::FinDelArchivo, std::nullopt);
}

FinRecorrido Recorrido::RecorrerDescripciones() {
    if (auto fin = Cabecera()) return std::move(*fin);
    do {
        if (!Leer()) return Fin(FinPor::LineaIlegible, error_);
        auto clasificada = ClasificarLinea(linea_.texto, Lector::Descripcion);
        if (!clasificada) return Fin(FinPor::PosicionExcesiva, clasificada.error());
        if (!clasificada.valor()) {
            Ignorar();
            continue;
        }
        visita_.Opcion(linea_, std::move(*clasificada.valor()));
        if (visita_.Hallado()) return Fin(FinPor::Hallado, std::nullopt);
    } while (!archivo_.FinDeArchivo());
    return Fin(FinPor::FinDelArchivo, std::nullopt);
}

}  // namespace

FinRecorrido RecorrerMenu(Archivos& archivos, const std::u16string& ruta, VisitaMenu& visita) {
    auto abierto = ArchivoMenu::Abrir(archivos, ruta);
    if (!abierto) return FinRecorrido{FinPor::NoSeAbre, 0, abierto.error()};
    return Recorrido(abierto.valor(), visita).Recorrer();
}

FinRecorrido RecorrerDescripciones(Archivos& archivos, const std::u16string& ruta, VisitaMenu& visita) {
    auto abierto = ArchivoMenu::Abrir(archivos, ruta);
    if (!abierto) return FinRecorrido{FinPor::NoSeAbre, 0, abierto.error()};
    return Recorrido(abierto.valor(), visita).RecorrerDescripciones();
}

}  // namespace instalar
