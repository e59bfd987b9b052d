#include "comprobar/ComprobarTexto.h"

#include <vector>

#include "common/Utf8.h"
#include "comprobar/TextoVisible.h"
#include "comprobar/Windows1252.h"

namespace instalar::comprobar {

namespace {

// The bytes a line was read from, when it was read as Windows-1252.
std::string Bytes(std::u16string_view texto) {
    std::string bytes;
    for (const char16_t c : texto) bytes.push_back(static_cast<char>(ByteWindows1252(c).value_or('?')));
    return bytes;
}

}  // namespace

Aviso SaltoSinRetorno(std::u16string_view linea, int64_t numero, bool ultima) {
    if (linea.find(u'\n') == std::u16string_view::npos) return std::nullopt;
    if (numero == 1 && ultima)
        return std::string("el archivo tiene fin de línea LF sin CR: instalar lo lee entero como una sola línea, "
                           "el título; guárdalo con fin de línea CR LF");
    return std::string("la línea contiene un LF sin CR, que no termina la línea: instalar lee como una sola "
                       "línea todo lo que hay hasta el siguiente CR; usa fin de línea CR LF");
}

Aviso BytesSinDefinir(std::u16string_view linea) {
    std::vector<std::string> hallados;
    for (size_t i = 0; i < linea.size(); ++i) {
        if (EsByteSinDefinir(linea[i]))
            hallados.push_back(Hexadecimal(linea[i]) + " (columna " + std::to_string(i + 1) + ")");
    }
    if (hallados.empty()) return std::nullopt;
    std::string lista;
    for (size_t i = 0; i < hallados.size(); ++i) lista += (i == 0 ? "" : ", ") + hallados[i];
    return std::string(hallados.size() == 1 ? "Windows-1252 no define el byte " : "Windows-1252 no define los bytes ") +
           lista + ": no se verían como se escribieron";
}

Aviso Utf8Roto(std::u16string_view linea) {
    ValidadorUtf8 validador;
    if (validador.Anadir(Bytes(linea)) && validador.Completo()) return std::nullopt;
    return std::string("el archivo parece UTF-8, pero esta línea no es UTF-8 válido: instalar lee entonces todo el "
                       "archivo en la página de códigos ANSI (Windows-1252) y las letras con acento se verían mal; "
                       "guarda el archivo entero como UTF-8");
}

bool TieneAmpersand(std::u16string_view texto) {
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] != u'&') continue;
        if (i + 1 < texto.size() && texto[i + 1] == u'&') {
            ++i;  // "&&" shows one "&"
            continue;
        }
        return true;
    }
    return false;
}

}  // namespace instalar::comprobar
