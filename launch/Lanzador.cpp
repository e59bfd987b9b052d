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

char16_t Minuscula(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c; }

}  // namespace

bool EsPrograma(const std::u16string& ruta) {
    const size_t separador = ruta.find_last_of(u"\\/");
    const std::u16string nombre = separador == std::u16string::npos ? ruta : ruta.substr(separador + 1);
    const size_t punto = nombre.find_last_of(u'.');
    if (punto == std::u16string::npos || punto + 1 == nombre.size()) return true;
    std::u16string extension;
    for (size_t i = punto + 1; i < nombre.size(); ++i) extension += Minuscula(nombre[i]);
    return extension == u"exe" || extension == u"com" || extension == u"bat" || extension == u"cmd";
}

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
    Fallo fallo;
    if (EsPrograma(ruta)) {
        fallo = procesos.IniciarProceso(peticion);
        if (fallo && LoPuedeLaShell(fallo->codigo)) fallo = procesos.EjecutarConShell(peticion);
    } else {
        // A package or document goes to the shell whatever process creation
        // would say of it: from a folder that may be read but not executed,
        // it would refuse with "access denied" a file the shell opens fine.
        fallo = procesos.EjecutarConShell(peticion);
    }
    if (!fallo) return Inicio::Iniciado;
    if (fallo->codigo == CodigoError::CanceladoPorUsuario) return Inicio::RechazadoPorUsuario;
    return *fallo;
}

}  // namespace instalar
