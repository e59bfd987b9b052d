#include "menufile/Codificacion.h"

namespace instalar {

Marca MarcaAlInicio(std::string_view b) {
    if (b.size() >= 3 && b.substr(0, 3) == "\xEF\xBB\xBF") return Marca::Utf8;
    if (b.size() >= 2 && b.substr(0, 2) == "\xFF\xFE") return Marca::Utf16LE;
    if (b.size() >= 2 && b.substr(0, 2) == "\xFE\xFF") return Marca::Utf16BE;
    return Marca::Ninguna;
}

size_t LargoDeMarca(Marca marca) {
    switch (marca) {
    case Marca::Utf8: return 3;
    case Marca::Utf16LE: return 2;
    case Marca::Ninguna:
    case Marca::Utf16BE: break;  // read as ANSI, mark and all
    }
    return 0;
}

}  // namespace instalar
