#include "menufile/IdiomaMenu.h"

#include <algorithm>

namespace instalar {

namespace {

// LOCALE_NAME_MAX_LENGTH, its terminator left out: no tag Windows gives is longer.
constexpr size_t kLargoMaximoEtiqueta = 84;

char16_t Minuscula(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

std::u16string EnMinusculas(std::u16string_view texto) {
    std::u16string minusculas(texto);
    std::transform(minusculas.begin(), minusculas.end(), minusculas.begin(), Minuscula);
    return minusculas;
}

}  // namespace

bool EsEtiquetaDeIdioma(std::u16string_view etiqueta) {
    if (etiqueta.empty() || etiqueta.size() > kLargoMaximoEtiqueta) return false;
    if (etiqueta.front() == u'-' || etiqueta.back() == u'-') return false;
    return std::all_of(etiqueta.begin(), etiqueta.end(), [](char16_t c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-';
    });
}

namespace {

void Anadir(std::vector<std::u16string>& etiquetas, std::u16string_view etiqueta) {
    const std::u16string clave = EnMinusculas(etiqueta);
    const bool dicha = std::any_of(etiquetas.begin(), etiquetas.end(),
                                   [&](const std::u16string& otra) { return EnMinusculas(otra) == clave; });
    if (!dicha) etiquetas.emplace_back(etiqueta);
}

// Opening says the file is not there: any other failure is a file that is.
bool NoEsta(const Error& error) {
    return error.codigo == CodigoError::ArchivoNoEncontrado || error.codigo == CodigoError::RutaNoEncontrada ||
           error.codigo == CodigoError::NombreArchivoIncorrecto;
}

}  // namespace

std::u16string IdiomaNeutro(std::u16string_view etiqueta) {
    return EnMinusculas(etiqueta.substr(0, etiqueta.find(u'-')));
}

std::vector<std::u16string> EtiquetasAProbar(const std::vector<std::u16string>& idiomas) {
    std::vector<std::u16string> etiquetas;
    for (const std::u16string& idioma : idiomas) {
        if (!EsEtiquetaDeIdioma(idioma)) continue;
        Anadir(etiquetas, idioma);
        Anadir(etiquetas, idioma.substr(0, idioma.find(u'-')));
    }
    return etiquetas;
}

std::u16string RutaEnIdioma(std::u16string_view ruta, std::u16string_view etiqueta) {
    const size_t separador = ruta.find_last_of(u"\\/");
    const size_t nombre = separador == std::u16string_view::npos ? 0 : separador + 1;
    const size_t punto = ruta.find_last_of(u'.');
    const size_t extension = punto == std::u16string_view::npos || punto < nombre ? ruta.size() : punto;
    std::u16string enIdioma(ruta.substr(0, extension));
    enIdioma += u'.';
    enIdioma += etiqueta;
    enIdioma += ruta.substr(extension);
    return enIdioma;
}

bool NombraUnDispositivo(std::u16string_view ruta) {
    const size_t separador = ruta.find_last_of(u"\\/:");
    std::u16string_view nombre = separador == std::u16string_view::npos ? ruta : ruta.substr(separador + 1);
    nombre = nombre.substr(0, nombre.find(u'.'));
    while (!nombre.empty() && nombre.back() == u' ') nombre.remove_suffix(1);
    const std::u16string base = EnMinusculas(nombre);
    if (base == u"con" || base == u"prn" || base == u"aux" || base == u"nul" || base == u"conin$" ||
        base == u"conout$")
        return true;
    return base.size() == 4 && (base.compare(0, 3, u"com") == 0 || base.compare(0, 3, u"lpt") == 0) &&
           base[3] >= u'0' && base[3] <= u'9';
}

MenuElegido ElegirMenu(Archivos& archivos, const std::u16string& ruta, const std::vector<std::u16string>& idiomas) {
    if (NombraUnDispositivo(ruta)) return {ruta, {}};
    for (const std::u16string& etiqueta : EtiquetasAProbar(idiomas)) {
        std::u16string enIdioma = RutaEnIdioma(ruta, etiqueta);
        auto abierto = archivos.AbrirArchivo(enIdioma);
        if (abierto || !NoEsta(abierto.error())) return {std::move(enIdioma), etiqueta};
    }
    return {ruta, {}};
}

}  // namespace instalar
