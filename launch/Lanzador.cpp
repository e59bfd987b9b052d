#include "launch/Lanzador.h"

namespace instalar {

namespace {

std::u16string CarpetaDe(const std::u16string& ruta) {
    const size_t separador = ruta.find_last_of(u"\\/");
    if (separador == std::u16string::npos) return u"";
    std::u16string carpeta = ruta.substr(0, separador);
    // "E:" alone would mean the current folder of drive E.
    if (carpeta.empty() || carpeta.back() == u':') carpeta += u'\\';
    return carpeta;
}

// The failures of a start that the shell can get past: it asks for
// consent for a program that needs administrator rights, and it knows
// which program opens a package (msiexec) or a document.
bool LoPuedeLaShell(CodigoError codigo) {
    return codigo == CodigoError::RequiereElevacion || codigo == CodigoError::NoEsUnPrograma;
}

}  // namespace

std::u16string RutaInstalador(const std::u16string& carpetaPrograma, const std::u16string& comando) {
    return carpetaPrograma + u"\\" + comando;
}

PeticionProceso PeticionPara(const std::u16string& ruta) {
    PeticionProceso peticion;
    peticion.aplicacion = ruta;
    peticion.lineaComandos = u"\"" + ruta + u"\"";
    peticion.carpetaTrabajo = CarpetaDe(ruta);
    peticion.mostrar = 1;
    return peticion;
}

Resultado<Inicio> IniciarInstalador(Procesos& procesos, const std::u16string& ruta) {
    auto longitud = procesos.LongitudArchivo(ruta);
    if (!longitud) return longitud.error();

    const PeticionProceso peticion = PeticionPara(ruta);
    Fallo fallo = procesos.IniciarProceso(peticion);
    if (fallo && LoPuedeLaShell(fallo->codigo)) fallo = procesos.EjecutarConShell(peticion);
    if (!fallo) return Inicio::Iniciado;
    if (fallo->codigo == CodigoError::CanceladoPorUsuario) return Inicio::RechazadoPorUsuario;
    return *fallo;
}

}  // namespace instalar
