#include "menufile/ComandoMenu.h"

namespace instalar {

namespace {

ComandoPartido PartirSegunComillas(std::u16string_view comando) {
    ComandoPartido partido;
    if (comando.empty() || comando.front() != u'"') {
        partido.archivo = std::u16string(comando);
        return partido;
    }
    const std::u16string_view tras = comando.substr(1);
    const size_t cierre = tras.find(u'"');
    if (cierre == std::u16string_view::npos) {
        partido.archivo = std::u16string(tras);
        partido.error = ErrorDe(CodigoError::ComillaSinCerrar);
        return partido;
    }
    partido.archivo = std::u16string(tras.substr(0, cierre));
    if (partido.archivo.empty()) partido.error = ErrorDe(CodigoError::RutaVacia);
    // Only spaces, as the menu line itself is trimmed of spaces only: a tab
    // or anything else belongs to the arguments.
    const size_t inicio = tras.find_first_not_of(u' ', cierre + 1);
    if (inicio != std::u16string_view::npos) partido.argumentos = std::u16string(tras.substr(inicio));
    return partido;
}

}  // namespace

ComandoPartido PartirComando(std::u16string_view comando) {
    ComandoPartido partido = PartirSegunComillas(comando);
    // Windows reads a path or a command line only up to a NUL: with one, what
    // starts would not be the file the rest of the command names
    // ("setup.exe<NUL>.pdf" would start setup.exe as a document).
    if (!partido.error && comando.find(u'\0') != std::u16string_view::npos)
        partido.error = ErrorDe(CodigoError::NombreArchivoIncorrecto);
    return partido;
}

}  // namespace instalar
