#include "menufile/DescripcionesMenu.h"

#include <utility>

#include "menufile/RecorridoMenu.h"

namespace instalar {

namespace {

class Anotacion : public VisitaMenu {
public:
    Anotacion(PrimerasPorNombre& primeras, std::vector<std::optional<std::u16string>>& descripciones)
        : primeras_(primeras), descripciones_(descripciones) {}

    void Opcion(const LineaLeida& /*linea*/, Entrada&& entrada) override {
        const size_t posicion = descripciones_.size();
        const bool primera = primeras_.Anotar(entrada.nombre) == posicion;
        descripciones_.push_back(primera ? std::move(entrada.descripcion) : std::nullopt);
    }

private:
    PrimerasPorNombre& primeras_;
    std::vector<std::optional<std::u16string>>& descripciones_;
};

}  // namespace

DescripcionesMenu DescripcionesMenu::Leer(Archivos& archivos, const std::u16string& ruta, FuenteDeHechos* hechos) {
    DescripcionesMenu descripciones(archivos);
    Anotacion anotacion(descripciones.primeras_, descripciones.descripciones_);
    // Where the walk stops, the names met before keep what they had.
    if (hechos) {
        VisitaDeMaquina deMaquina(anotacion, *hechos);
        (void)RecorrerDescripciones(archivos, ruta, deMaquina);
    } else {
        (void)RecorrerDescripciones(archivos, ruta, anotacion);
    }
    return descripciones;
}

std::optional<std::u16string> DescripcionesMenu::De(const std::u16string& nombre) const {
    const auto posicion = primeras_.Buscar(nombre);
    if (!posicion) return std::nullopt;
    return descripciones_[*posicion];
}

}  // namespace instalar
