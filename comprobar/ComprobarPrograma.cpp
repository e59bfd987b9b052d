#include "comprobar/ComprobarPrograma.h"

#include "comprobar/RutaPrograma.h"
#include "comprobar/TextoVisible.h"
#include "launch/Lanzador.h"

namespace instalar::comprobar {

namespace {

struct ConArgumentos {
    std::u16string_view programa;
    std::u16string_view argumentos;
};

TipoRuta TipoDe(std::u16string_view comando, const std::filesystem::path& carpeta, SistemaArchivos& sistema) {
    return sistema.Tipo(carpeta, ComponentesDePrograma(comando));
}

// Each space tried as the end of the program's name costs a look-up in the
// file system of the text before it, and a command may hold thousands of
// spaces: only this many are tried.
constexpr int kEspaciosProbados = 32;

// Where a command that names no file splits into a program and arguments:
// at the first space after which the text before it is an existing file,
// or else before the first word that looks like a switch ("/S", "-q").
std::optional<ConArgumentos> SepararArgumentos(std::u16string_view comando, const std::filesystem::path& carpeta,
                                               SistemaArchivos& sistema) {
    int probados = 0;
    for (size_t espacio = comando.find(u' '); espacio != std::u16string_view::npos && probados < kEspaciosProbados;
         espacio = comando.find(u' ', espacio + 1)) {
        if (espacio == 0) continue;
        ++probados;
        if (TipoDe(comando.substr(0, espacio), carpeta, sistema) == TipoRuta::Archivo)
            return ConArgumentos{comando.substr(0, espacio), comando.substr(espacio + 1)};
    }
    for (size_t espacio = comando.find(u' '); espacio != std::u16string_view::npos;
         espacio = comando.find(u' ', espacio + 1)) {
        const std::u16string_view resto = comando.substr(espacio + 1);
        if (espacio > 0 && resto.size() >= 2 && (resto[0] == u'/' || resto[0] == u'-') && resto[1] != u' ')
            return ConArgumentos{comando.substr(0, espacio), resto};
    }
    return std::nullopt;
}

std::string NoExiste(std::u16string_view comando, const std::filesystem::path& carpeta, SistemaArchivos& sistema) {
    if (auto partes = SepararArgumentos(comando, carpeta, sistema)) {
        const std::u16string entreComillas =
            u"\"" + std::u16string(partes->programa) + u"\" " + std::u16string(partes->argumentos);
        return "el programa " + Citado(partes->programa) + " lleva argumentos (" + Citado(partes->argumentos) +
               "): sin comillas, instalar toma todo el texto como nombre de archivo y no lo encontraría; pon la "
               "ruta entre comillas y los argumentos después: " + Citado(entreComillas);
    }
    return "no existe el programa de instalación " + Citado(comando) +
           " (la ruta es relativa a la carpeta de instalar.exe)";
}

}  // namespace

std::optional<std::string> ComprobarPrograma(std::u16string_view comando, const std::filesystem::path& carpeta,
                                             SistemaArchivos& sistema) {
    if (ComponentesDePrograma(comando).empty())
        return std::string("la opción no indica ningún programa de instalación");
    switch (TipoDe(comando, carpeta, sistema)) {
    case TipoRuta::Archivo: return std::nullopt;
    case TipoRuta::Carpeta: return Citado(comando) + " es una carpeta, no un programa de instalación";
    case TipoRuta::NoExiste: break;
    }
    return NoExiste(comando, carpeta, sistema);
}

std::optional<std::string> ErrorDeComillas(std::u16string_view comando, const ComandoPartido& partido) {
    if (!partido.error) return std::nullopt;
    const std::string donde = Citado(comando);
    if (partido.error->codigo == CodigoError::RutaVacia)
        return "no hay ninguna ruta entre las comillas de " + donde + ": instalar avisaría del error y no "
               "arrancaría nada";
    return "falta la comilla que cierra la ruta del programa en " + donde + ": instalar avisaría del error y no "
           "arrancaría nada; la ruta va entre comillas y los argumentos después, como en «\"setup.exe\" /S»";
}

std::optional<std::string> AvisoArgumentosDeDocumento(const ComandoPartido& partido) {
    if (partido.argumentos.empty() || EsPrograma(partido.archivo) || EsPaquete(partido.archivo)) return std::nullopt;
    return Citado(partido.archivo) + " no es un programa ni un paquete de Windows Installer y lleva argumentos (" +
           Citado(partido.argumentos) + "): Windows se los pasa al programa que lo abre, y la mayoría los ignora";
}

std::optional<std::string> AvisoSinExtension(std::u16string_view comando) {
    const std::vector<std::u16string> componentes = ComponentesDePrograma(comando);
    if (componentes.empty() || componentes.back().find(u'.') != std::u16string::npos) return std::nullopt;
    return Citado(comando) +
           " no tiene extensión: Windows solo lo arranca si es un programa y, si es un paquete o un documento, "
           "no sabrá con qué abrirlo; ponle la suya (.exe, .msi, .pdf...)";
}

}  // namespace instalar::comprobar
