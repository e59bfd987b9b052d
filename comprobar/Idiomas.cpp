#include "comprobar/Idiomas.h"

#include <algorithm>

#include "common/Texto.h"
#include "comprobar/TextoVisible.h"
#include "comprobar/Windows1252.h"
#include "menufile/IdiomaMenu.h"

namespace instalar::comprobar {

namespace fs = std::filesystem;

namespace {

fs::path CarpetaDe(const fs::path& menu) {
    const fs::path carpeta = menu.parent_path();
    return carpeta.empty() ? fs::path(".") : carpeta;
}

std::u16string NombreDe(const fs::path& menu) {
    try {
        return menu.filename().u16string();
    } catch (const std::exception&) {
        return {};
    }
}

std::string Cuenta(size_t n) { return std::to_string(n) + (n == 1 ? " opción" : " opciones"); }

// "pt_BR.UTF-8@euro" -> "pt-BR"; empty for none.
std::u16string EtiquetaDeLocale(std::string_view locale) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty() || locale == "C" || locale == "POSIX") return {};
    std::u16string etiqueta;
    for (char c : locale) etiqueta += c == '_' ? u'-' : static_cast<char16_t>(static_cast<unsigned char>(c));
    return EsEtiquetaDeIdioma(etiqueta) ? etiqueta : std::u16string();
}

}  // namespace

std::vector<ArchivoDeIdioma> ArchivosDeIdioma(const fs::path& menu, SistemaArchivos& sistema) {
    const std::u16string nombre = NombreDe(menu);
    const size_t punto = nombre.find_last_of(u'.');
    const std::u16string base = SinMayusculas(nombre.substr(0, punto)) + u".";
    const std::u16string extension = punto == std::u16string::npos ? u"" : SinMayusculas(nombre.substr(punto));
    std::vector<ArchivoDeIdioma> archivos;
    if (nombre.empty()) return archivos;
    for (const std::u16string& otro : sistema.Archivos(CarpetaDe(menu))) {
        const std::u16string comparado = SinMayusculas(otro);
        if (comparado.size() <= base.size() + extension.size()) continue;
        if (comparado.compare(0, base.size(), base) != 0) continue;
        if (comparado.compare(comparado.size() - extension.size(), extension.size(), extension) != 0) continue;
        const std::u16string etiqueta = otro.substr(base.size(), otro.size() - base.size() - extension.size());
        if (EsEtiquetaDeIdioma(etiqueta)) archivos.push_back({otro, etiqueta});
    }
    std::sort(archivos.begin(), archivos.end(),
              [](const ArchivoDeIdioma& a, const ArchivoDeIdioma& b) { return a.nombre < b.nombre; });
    return archivos;
}

std::vector<Hallazgo> Desacuerdos(const Informe& menu, const std::string& nombreMenu, const Informe& traducido) {
    std::vector<Hallazgo> hallazgos;
    const size_t comunes = std::min(menu.opciones.size(), traducido.opciones.size());
    for (size_t i = 0; i < comunes; ++i) {
        const OpcionLeida& suya = traducido.opciones[i];
        const OpcionLeida& original = menu.opciones[i];
        if (SinMayusculas(suya.entrada.comando) == SinMayusculas(original.entrada.comando)) continue;
        hallazgos.push_back({suya.linea, Gravedad::Aviso,
                             "la opción " + std::to_string(i + 1) + ", " + Citado(suya.entrada.nombre) + ", arranca " +
                                 Citado(suya.entrada.comando) + ", y la de " + nombreMenu + " (línea " +
                                 std::to_string(original.linea) + "), " + Citado(original.entrada.comando) +
                                 ": un archivo de idioma traduce nombres y descripciones, no los programas"});
    }
    if (menu.opciones.size() != traducido.opciones.size())
        hallazgos.push_back({0, Gravedad::Aviso,
                             "tiene " + Cuenta(traducido.opciones.size()) + " y " + nombreMenu + " " +
                                 Cuenta(menu.opciones.size()) +
                                 ": los usuarios de cada idioma verían otras opciones"});
    return hallazgos;
}

std::string ListarIdiomas(const fs::path& menu, const std::vector<std::u16string>& idiomas, SistemaArchivos& sistema) {
    const std::u16string nombre = NombreDe(menu);
    const fs::path carpeta = CarpetaDe(menu);
    if (idiomas.empty()) return "No se conocen los idiomas del usuario: instalar leería " + AUtf8(nombre) + ".\n";
    std::string listado = "Idiomas del usuario, por orden:\n";
    std::u16string leido;
    for (const std::u16string& idioma : idiomas) {
        std::u16string elegido = nombre;
        std::string probados;
        for (const std::u16string& etiqueta : EtiquetasAProbar({idioma})) {
            const std::u16string candidato = RutaEnIdioma(nombre, etiqueta);
            if (sistema.Tipo(carpeta, {candidato}) == TipoRuta::Archivo) {
                elegido = candidato;
                break;
            }
            probados += (probados.empty() ? "" : " ni ") + AUtf8(candidato);
        }
        listado += "  " + AUtf8(idioma) + ": " + AUtf8(elegido);
        if (elegido == nombre) listado += probados.empty() ? " (no es una etiqueta de idioma)" : " (no hay " + probados + ")";
        listado += "\n";
        if (leido.empty() && elegido != nombre) leido = elegido;
    }
    if (leido.empty()) leido = nombre;
    return listado + "instalar leería " + AUtf8(leido) + ".\n";
}

std::vector<std::u16string> IdiomasDeEntorno(const char* language, const char* lcAll, const char* lcMessages,
                                             const char* lang) {
    std::vector<std::u16string> idiomas;
    const auto anadir = [&](std::string_view locale) {
        const std::u16string etiqueta = EtiquetaDeLocale(locale);
        if (!etiqueta.empty()) idiomas.push_back(etiqueta);
    };
    // LANGUAGE counts only with a locale other than C, as gettext has it.
    const char* locale = lcAll && *lcAll ? lcAll : lcMessages && *lcMessages ? lcMessages : lang;
    if (locale && *locale && language && *language && !EtiquetaDeLocale(locale).empty()) {
        std::string_view lista(language);
        for (size_t inicio = 0; inicio <= lista.size();) {
            const size_t fin = std::min(lista.find(':', inicio), lista.size());
            anadir(lista.substr(inicio, fin - inicio));
            inicio = fin + 1;
        }
        if (!idiomas.empty()) return idiomas;
    }
    if (locale) anadir(locale);
    return idiomas;
}

}  // namespace instalar::comprobar
