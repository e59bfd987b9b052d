#include "launch/Lanzador.h"

namespace instalar {

namespace {

// Windows error numbers the launch reacts to.
constexpr uint32_t kRequiereElevacion = 740;   // ERROR_ELEVATION_REQUIRED
constexpr uint32_t kCanceladoPorUsuario = 1223;  // ERROR_CANCELLED

std::u16string CarpetaDe(const std::u16string& ruta) {
    const size_t separador = ruta.find_last_of(u"\\/");
    if (separador == std::u16string::npos) return u"";
    std::u16string carpeta = ruta.substr(0, separador);
    // "E:" alone would mean the current folder of drive E.
    if (carpeta.empty() || carpeta.back() == u':') carpeta += u'\\';
    return carpeta;
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

Resultado<Arranque> IniciarInstalador(Plataforma& plataforma, const std::u16string& ruta) {
    auto longitud = plataforma.LongitudArchivo(ruta);
    if (!longitud) return longitud.error();

    const PeticionProceso peticion = PeticionPara(ruta);
    Fallo fallo = plataforma.IniciarProceso(peticion);
    if (fallo && fallo->codigoSistema == kRequiereElevacion) fallo = plataforma.EjecutarConShell(peticion);
    if (!fallo) return Arranque::Iniciado;
    if (fallo->codigoSistema == kCanceladoPorUsuario) return Arranque::RechazadoPorUsuario;
    return *fallo;
}

}  // namespace instalar
