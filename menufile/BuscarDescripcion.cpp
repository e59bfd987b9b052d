#include "menufile/BuscarDescripcion.h"

#include <utility>

#include "menufile/PrimeraConNombre.h"
#include "menufile/RecorridoMenu.h"

namespace instalar {

namespace {

class Busqueda : public VisitaMenu {
public:
    Busqueda(Archivos& archivos, const std::u16string& nombre) : primera_(archivos, nombre) {}

    void Opcion(const LineaLeida& /*linea*/, Entrada&& entrada) override {
        if (primera_.Es(entrada.nombre)) hallada_ = std::move(entrada.descripcion);
    }
    bool Hallado() const override { return hallada_.has_value(); }
    // The description of the entry found.
    std::optional<std::u16string> Descripcion() && { return std::move(*hallada_); }

private:
    PrimeraConNombre primera_;
    std::optional<std::optional<std::u16string>> hallada_;
};

}  // namespace

Resultado<std::optional<std::u16string>> BuscarDescripcion(Archivos& archivos, const std::u16string& ruta,
                                                           const std::u16string& nombre,
                                                           FuenteDeHechos* hechos) {
    Busqueda busqueda(archivos, nombre);
    FinRecorrido fin;
    if (hechos) {
        VisitaDeMaquina deMaquina(busqueda, *hechos);
        fin = RecorrerDescripciones(archivos, ruta, deMaquina);
    } else {
        fin = RecorrerDescripciones(archivos, ruta, busqueda);
    }
    if (busqueda.Hallado()) return std::move(busqueda).Descripcion();
    if (fin.error) return std::move(*fin.error);
    return std::optional<std::u16string>{};
}

}  // namespace instalar
