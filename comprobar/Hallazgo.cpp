#include "comprobar/Hallazgo.h"

#include <algorithm>

namespace instalar::comprobar {

std::string Formatear(const std::string& archivo, const Hallazgo& hallazgo) {
    std::string texto = archivo;
    if (hallazgo.linea > 0) texto += ":" + std::to_string(hallazgo.linea);
    switch (hallazgo.gravedad) {
    case Gravedad::Error: texto += ": error: "; break;
    case Gravedad::Aviso: texto += ": aviso: "; break;
    case Gravedad::Nota: texto += ": nota: "; break;
    }
    return texto + hallazgo.mensaje;
}

int EstadoDeSalida(const std::vector<Hallazgo>& hallazgos) {
    const bool hayErrores = std::any_of(hallazgos.begin(), hallazgos.end(),
                                        [](const Hallazgo& h) { return h.gravedad == Gravedad::Error; });
    return hayErrores ? 1 : 0;
}

}  // namespace instalar::comprobar
