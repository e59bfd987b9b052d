#include "launch/Lanzador.h"

#include "menufile/RutaLeida.h"

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

// The extension, in small letters and without its dot, of the file Windows
// will open: "setup.exe " is a program, as "setup.exe" is.  Empty for a name
// without one.
std::u16string ExtensionDe(const std::u16string& escrita) {
    const std::u16string_view ruta = RutaLeida(escrita);
    const size_t separador = ruta.find_last_of(u"\\/");
    const std::u16string_view nombre = separador == std::u16string_view::npos ? ruta : ruta.substr(separador + 1);
    const size_t punto = nombre.find_last_of(u'.');
    std::u16string extension;
    if (punto == std::u16string::npos) return extension;
    for (size_t i = punto + 1; i < nombre.size(); ++i) extension += Minuscula(nombre[i]);
    return extension;
}

Resultado<Lanzamiento> Arrancar(Procesos& procesos, const std::u16string& ruta, const std::u16string& argumentos,
                             bool seguir) {
    auto longitud = procesos.LongitudArchivo(ruta);
    if (!longitud) return longitud.error();

    PeticionProceso peticion = PeticionPara(ruta, argumentos);
    const bool programa = EsPrograma(ruta);
    peticion.seguir = seguir && (programa || EsPaquete(ruta));
    Resultado<ProcesoAEsperar> iniciado = ProcesoAEsperar{};
    if (programa) {
        iniciado = procesos.IniciarProceso(peticion);
        if (!iniciado && LoPuedeLaShell(iniciado.error().codigo)) iniciado = procesos.EjecutarConShell(peticion);
    } else {
        // A package or document goes to the shell whatever process creation
        // would say of it: from a folder that may be read but not executed,
        // it would refuse with "access denied" a file the shell opens fine.
        iniciado = procesos.EjecutarConShell(peticion);
    }
    if (iniciado) return Lanzamiento{Arrancado::Iniciado, std::move(iniciado.valor())};
    if (iniciado.error().codigo == CodigoError::CanceladoPorUsuario) return Lanzamiento{Arrancado::RechazadoPorUsuario, {}};
    return iniciado.error();
}

}  // namespace

bool EsPrograma(const std::u16string& ruta) {
    const std::u16string extension = ExtensionDe(ruta);
    return extension.empty() || extension == u"exe" || extension == u"com" || extension == u"bat" ||
           extension == u"cmd";
}

bool EsArchivoPorLotes(const std::u16string& ruta) {
    const std::u16string extension = ExtensionDe(ruta);
    return extension == u"bat" || extension == u"cmd";
}

bool EsPaquete(const std::u16string& ruta) {
    const std::u16string extension = ExtensionDe(ruta);
    return extension == u"msi" || extension == u"msp";
}

std::u16string RutaInstalador(const std::u16string& carpetaPrograma, const std::u16string& comando) {
    return carpetaPrograma + u"\\" + comando;
}

PeticionProceso PeticionPara(const std::u16string& ruta, const std::u16string& argumentos) {
    PeticionProceso peticion;
    peticion.aplicacion = ruta;
    peticion.lineaComandos = u"\"" + ruta + u"\"";
    if (!argumentos.empty()) peticion.lineaComandos += u" " + argumentos;
    peticion.argumentos = argumentos;
    peticion.carpetaTrabajo = CarpetaDe(ruta);
    peticion.mostrar = 1;
    return peticion;
}

Resultado<Arrancado> IniciarInstalador(Procesos& procesos, const std::u16string& ruta, const std::u16string& argumentos) {
    auto arranque = Arrancar(procesos, ruta, argumentos, false);
    if (!arranque) return arranque.error();
    return arranque.valor().inicio;
}

Resultado<Lanzamiento> IniciarYSeguir(Procesos& procesos, const std::u16string& ruta, const std::u16string& argumentos) {
    return Arrancar(procesos, ruta, argumentos, true);
}

}  // namespace instalar
