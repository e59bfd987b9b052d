#include "window/OpcionesDeMaquina.h"

#include "window/Instalacion.h"

namespace instalar {

namespace {

Etiqueta& Opcion(EstadoMenu& estado, int16_t indice) { return estado.controles.opciones[static_cast<size_t>(indice)]; }

}  // namespace

void AnotarRequisitos(EstadoMenu& estado, int16_t indice, VisitaDeMaquina& deMaquina) {
    Etiqueta& opcion = Opcion(estado, indice);
    // The label was copied from the first one, which may carry its own.
    opcion.noDisponible.reset();
    opcion.instalado.reset();
    const DecisionEntrada& decision = deMaquina.Decision();
    if (decision.presencia == Presencia::Atenuada) opcion.noDisponible = decision.motivo;
    std::vector<Prueba>& pruebas = deMaquina.Requisitos().instalado;
    if (pruebas.empty()) return;
    estado.pruebas.resize(static_cast<size_t>(indice) + 1);
    estado.pruebas[static_cast<size_t>(indice)] = std::move(pruebas);
    opcion.instalado = false;
}

void ComprobarInstalada(EstadoMenu& estado, int16_t indice) {
    if (indice < 0 || static_cast<size_t>(indice) >= estado.pruebas.size()) return;
    const std::vector<Prueba>& pruebas = estado.pruebas[static_cast<size_t>(indice)];
    if (pruebas.empty()) return;
    // Without a machine to ask, nothing is installed.
    Opcion(estado, indice).instalado = estado.maquina && AlgunaInstalado(pruebas, *estado.maquina);
}

void ComprobarInstaladas(EstadoMenu& estado) {
    for (size_t i = 0; i < estado.pruebas.size(); ++i) ComprobarInstalada(estado, static_cast<int16_t>(i));
}

void IndicarSegunMaquina(EstadoMenu& estado, int16_t indice, MedidaTexto& medida) {
    if (!estado.conRequisitos) return;
    estado.controles.instalar.habilitado = InstalarHabilitado(estado);
    const Etiqueta& opcion = Opcion(estado, indice);
    std::u16string texto;
    if (opcion.noDisponible) {
        texto = TextoDeMotivo(*opcion.noDisponible, estado.textos);
    } else if (opcion.instalado == true) {
        texto = TextoYaInstalado(NombreVisible(opcion), estado.textos);
    } else if (estado.indicacionDeMaquina) {
        texto = estado.textos[Clave::Indicacion];
    } else {
        return;
    }
    estado.indicacionDeMaquina = opcion.noDisponible || opcion.instalado == true;
    FijarTexto(estado.controles.indicacion, std::move(texto), medida);
}

}  // namespace instalar
