#include "comprobar/ListadoMaquina.h"

#include "common/Texto.h"
#include "comprobar/TextoVisible.h"

namespace instalar::comprobar {

std::string FormatearMaquina(const Informe& informe, const HechosMaquina& hechos) {
    std::string vistas, grises, ocultas, pruebas;
    for (const OpcionLeida& opcion : informe.opciones) {
        const std::string nombre =
            "  " + Visible(opcion.entrada.nombre) + " (línea " + std::to_string(opcion.linea) + ")";
        const DecisionEntrada decision = Decidir(opcion.requisitos, hechos);
        switch (decision.presencia) {
        case Presencia::Visible: vistas += nombre + "\n"; break;
        // In the Spanish words, as the rest of the listing.
        case Presencia::Atenuada:
            grises += nombre + ": " + AUtf8(TextoDeMotivo(*decision.motivo, Textos())) + "\n";
            break;
        case Presencia::Oculta: ocultas += nombre + "\n"; break;
        }
        if (decision.presencia != Presencia::Oculta && !opcion.requisitos.instalado.empty())
            pruebas += (pruebas.empty() ? "" : ", ") + std::to_string(opcion.linea);
    }
    const auto seccion = [](const char* titulo, const std::string& lineas) {
        return std::string(titulo) + (lineas.empty() ? " ninguna\n" : "\n" + lineas);
    };
    std::string texto = seccion("Se muestran:", vistas) + seccion("En gris (no se pueden instalar):", grises) +
                        seccion("Ocultas:", ocultas);
    if (!pruebas.empty())
        texto += "Las pruebas de «;@instalado» (opciones de las líneas " + pruebas +
                 ") no se pueden responder para otra máquina: aquí no se dan por instaladas\n";
    return texto;
}

}  // namespace instalar::comprobar
