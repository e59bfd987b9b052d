#include "comprobar/ComprobarPrograma.h"

#include "comprobar/RutaPrograma.h"
#include "comprobar/TextoVisible.h"
#include "common/Texto.h"
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

std::optional<std::string> ErrorDeForma(std::u16string_view comando, const ComandoPartido& partido) {
    if (!partido.error) return std::nullopt;
    const std::string donde = Citado(comando);
    if (partido.error->codigo == CodigoError::NombreArchivoIncorrecto)
        return donde + " lleva un carácter NUL (<00>), y Windows no lee nada tras él: instalar avisaría del error «" +
               AUtf8(partido.error->descripcion) + "» y no arrancaría nada";
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

namespace {

// cmd's operators that stand outside quotes in `argumentos`, each once.
std::u16string OperadoresFueraDeComillas(std::u16string_view argumentos) {
    std::u16string operadores;
    bool entreComillas = false;
    for (const char16_t c : argumentos) {
        if (c == u'"') entreComillas = !entreComillas;
        else if (!entreComillas && std::u16string_view(u"&|<>^").find(c) != std::u16string_view::npos &&
                 operadores.find(c) == std::u16string::npos)
            operadores += c;
    }
    return operadores;
}

// The first "%NAME%" of `argumentos`, which cmd replaces with that
// environment variable inside quotes too; empty when there is none.
std::u16string_view PrimeraVariable(std::u16string_view argumentos) {
    const size_t abre = argumentos.find(u'%');
    if (abre == std::u16string_view::npos) return {};
    const size_t cierra = argumentos.find(u'%', abre + 1);
    if (cierra == std::u16string_view::npos || cierra == abre + 1) return {};
    return argumentos.substr(abre, cierra - abre + 1);
}

}  // namespace

std::optional<std::string> AvisoArgumentosDeLote(const ComandoPartido& partido) {
    if (partido.error || !EsArchivoPorLotes(partido.archivo)) return std::nullopt;
    const std::u16string operadores = OperadoresFueraDeComillas(partido.argumentos);
    const std::u16string_view variable = PrimeraVariable(partido.argumentos);
    if (operadores.empty() && variable.empty()) return std::nullopt;

    std::string hallado;
    for (const char16_t c : operadores) hallado += (hallado.empty() ? "" : ", ") + Citado(std::u16string(1, c));
    if (!hallado.empty()) hallado += " fuera de comillas";
    if (!variable.empty()) hallado += (hallado.empty() ? "" : " y ") + Citado(variable);
    return Citado(partido.archivo) + " es un archivo por lotes y sus argumentos llevan " + hallado +
           ": Windows lo arranca con cmd, que vuelve a leer la línea como una orden: fuera de comillas, «&» y «|» "
           "empiezan otra orden, «<» y «>» llevan la entrada o la salida a un archivo y «^» desaparece; y, también "
           "entre comillas, un texto entre dos «%» se cambia por la variable de entorno de ese nombre, si la hay. "
           "Pon entre comillas el argumento que lleve esos operadores";
}

std::optional<std::string> NotaCarpetaDeLote(std::u16string_view comando) {
    if (!EsArchivoPorLotes(std::u16string(comando))) return std::nullopt;
    return Citado(comando) + " es un archivo por lotes: si el menú se abre desde una carpeta de red "
           "(\\\\servidor\\recurso), cmd no puede trabajar en ella y lo arranca en la carpeta de Windows; para "
           "llegar a sus propios archivos, el archivo por lotes debe usar %~dp0, su propia carpeta con la barra "
           "final («\"%~dp0datos\\setup.exe\"»), o empezar por «pushd \"%~dp0\"»";
}

std::optional<std::string> AvisoFueraDeLaCarpeta(std::u16string_view comando) {
    const std::vector<std::u16string> componentes = ComponentesDePrograma(comando);
    if (!componentes.empty() && componentes.front() == u"..")
        return Citado(comando) + " está fuera de la carpeta del menú («..» sube por encima de ella): instalar lo "
               "arranca, pero solo donde esa otra carpeta esté junto a la del menú; copiado o grabado sin ella, el "
               "medio no lo encontrará";
    const auto separador = [&](size_t i) { return i < comando.size() && (comando[i] == u'\\' || comando[i] == u'/'); };
    const bool unidad = comando.size() >= 2 && comando[1] == u':' &&
                        ((comando[0] >= u'A' && comando[0] <= u'Z') || (comando[0] >= u'a' && comando[0] <= u'z'));
    if (unidad)
        return Citado(comando) + " lleva una letra de unidad, pero instalar pone su propia carpeta delante de cada "
               "ruta: no lo busca en la unidad " + Citado(comando.substr(0, 2)) + " sino dentro de la carpeta del "
               "menú, y no sale de ella";
    if (separador(0) && separador(1))
        return Citado(comando) + " empieza como una carpeta de red, pero instalar pone su propia carpeta delante "
               "de cada ruta y Windows junta las barras seguidas: lo busca dentro de la carpeta del menú, no en la "
               "red";
    return std::nullopt;
}

}  // namespace instalar::comprobar
