#include "menufile/Codificacion.h"

namespace instalar {

Bom BomAlInicio(std::string_view b) {
    if (b.size() >= 3 && b.substr(0, 3) == "\xEF\xBB\xBF") return Bom::Utf8;
    if (b.size() >= 2 && b.substr(0, 2) == "\xFF\xFE") return Bom::Utf16LE;
    if (b.size() >= 2 && b.substr(0, 2) == "\xFE\xFF") return Bom::Utf16BE;
    return Bom::Ninguna;
}

size_t LargoDeBom(Bom marca) {
    switch (marca) {
    case Bom::Utf8: return 3;
    case Bom::Utf16LE: return 2;
    case Bom::Ninguna:
    case Bom::Utf16BE: break;  // read as ANSI, mark and all
    }
    return 0;
}

}  // namespace instalar
