#include "comprobar/ComprobarPrograma.h"

#include "comprobar/RutaPrograma.h"
#include "comprobar/TextoVisible.h"

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
    if (!comando.empty() && comando.front() == u'"')
        return "el programa " + Citado(comando) +
               " va entre comillas: instalar las toma como parte del nombre y no lo encontraría; quítalas";
    if (auto partes = SepararArgumentos(comando, carpeta, sistema))
        return "el programa " + Citado(partes->programa) + " lleva argumentos (" + Citado(partes->argumentos) +
               "): instalar toma todo el texto como nombre de archivo y no lo encontraría; quítalos";
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

std::optional<std::string> AvisoSinExtension(std::u16string_view comando) {
    const std::vector<std::u16string> componentes = ComponentesDePrograma(comando);
    if (componentes.empty() || componentes.back().find(u'.') != std::u16string::npos) return std::nullopt;
    return Citado(comando) +
           " no tiene extensión: Windows solo lo arranca si es un programa y, si es un paquete o un documento, "
           "no sabrá con qué abrirlo; ponle la suya (.exe, .msi, .pdf...)";
}

}  // namespace instalar::comprobar
