#include "comprobar/Listado.h"

#include "comprobar/ComprobarRequisitos.h"
#include "comprobar/TextoVisible.h"
#include "menufile/ComandoMenu.h"

namespace instalar::comprobar {

namespace {

std::string Descripcion(const OpcionLeida& opcion) {
    std::string texto = "   descripción";
    if (opcion.lineaDescripcion != opcion.linea) texto += " (la de la línea " + std::to_string(opcion.lineaDescripcion) + ")";
    if (!opcion.descripcionMostrada) return texto + ": ninguna, sigue a la vista la de la opción elegida antes\n";
    if (opcion.descripcionMostrada->empty()) return texto + ": vacía\n";
    return texto + ": " + Visible(*opcion.descripcionMostrada) + "\n";
}

// The file, and apart from it the arguments, as instalar reads them.
std::string Comando(const std::u16string& comando) {
    const ComandoPartido partido = PartirComando(comando);
    if (partido.error) return "   programa: " + Visible(comando) + "\n";
    std::string texto = "   programa: " + Visible(partido.archivo) + "\n";
    if (!partido.argumentos.empty()) texto += "   argumentos: " + Visible(partido.argumentos) + "\n";
    return texto;
}

}  // namespace

std::string FormatearListado(const Informe& informe) {
    std::string texto;
    if (informe.titulo) texto += "Título: " + Visible(*informe.titulo) + "\n";
    if (informe.version) texto += "Versión " + Visible(*informe.version) + "\n";
    if (informe.volver) texto += "El menú espera a que termine cada instalación y vuelve (;@volver)\n";
    for (size_t i = 0; i < informe.opciones.size(); ++i) {
        const OpcionLeida& opcion = informe.opciones[i];
        texto += std::to_string(i + 1) + ". " + Visible(opcion.entrada.nombre) + " (línea " +
                 std::to_string(opcion.linea) + ")\n";
        texto += Comando(opcion.entrada.comando);
        texto += Descripcion(opcion);
        for (const LineaDeRequisito& linea : opcion.lineasDeRequisitos)
            texto += "   " + DirectivaEscrita(linea) + " (línea " + std::to_string(linea.linea) + ")\n";
    }
    return texto;
}

}  // namespace instalar::comprobar
