#include "comprobar/ComprobarTexto.h"

#include <vector>

#include "common/Texto.h"
#include "comprobar/TextoVisible.h"
#include "comprobar/Windows1252.h"

namespace instalar::comprobar {

namespace {

// The marks as Windows-1252 decodes them.
constexpr std::u16string_view kMarcaUtf8 = u"\u00EF\u00BB\u00BF";
constexpr std::u16string_view kMarcaUtf16Le = u"\u00FF\u00FE";
constexpr std::u16string_view kMarcaUtf16Be = u"\u00FE\u00FF";

bool EmpiezaPor(std::u16string_view texto, std::u16string_view prefijo) {
    return texto.substr(0, prefijo.size()) == prefijo;
}

std::string Bytes(std::u16string_view texto) {
    std::string bytes;
    for (const char16_t c : texto) bytes.push_back(static_cast<char>(ByteWindows1252(c).value_or('?')));
    return bytes;
}

bool EsContinuacion(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

// Length of the well-formed UTF-8 sequence of two or more bytes that starts
// at `i`, or 0 when none does.
size_t SecuenciaUtf8(const std::string& bytes, size_t i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
    const unsigned char primero = b(0);
    size_t largo = 0;
    unsigned char minimo = 0x80, maximo = 0xBF;  // bounds of the second byte
    if (primero >= 0xC2 && primero <= 0xDF) {
        largo = 2;
    } else if (primero >= 0xE0 && primero <= 0xEF) {
        largo = 3;
        if (primero == 0xE0) minimo = 0xA0;  // no overlong forms
        if (primero == 0xED) maximo = 0x9F;  // no surrogates
    } else if (primero >= 0xF0 && primero <= 0xF4) {
        largo = 4;
        if (primero == 0xF0) minimo = 0x90;
        if (primero == 0xF4) maximo = 0x8F;
    }
    if (largo == 0 || i + largo > bytes.size()) return 0;
    if (b(1) < minimo || b(1) > maximo) return 0;
    for (size_t k = 2; k < largo; ++k) {
        if (!EsContinuacion(b(k))) return 0;
    }
    return largo;
}

}  // namespace

size_t LargoMarcaDeOrden(std::u16string_view titulo) {
    if (EmpiezaPor(titulo, kMarcaUtf8)) return kMarcaUtf8.size();
    if (EmpiezaPor(titulo, kMarcaUtf16Le) || EmpiezaPor(titulo, kMarcaUtf16Be)) return kMarcaUtf16Le.size();
    return 0;
}

Aviso MarcaDeOrden(std::u16string_view titulo) {
    const size_t largo = LargoMarcaDeOrden(titulo);
    if (largo == 0) return std::nullopt;
    const std::string marca = Citado(titulo.substr(0, largo));
    if (largo == kMarcaUtf8.size())
        return "el archivo empieza por una marca de orden de bytes UTF-8 (BOM): instalar no la reconoce y "
               "mostraría " + marca + " delante del título; guárdalo en ANSI (Windows-1252) sin BOM";
    return "el archivo empieza por una marca de orden de bytes UTF-16 (BOM): instalar lee el archivo como ANSI "
           "(Windows-1252) y mostraría " + marca + " delante del título; guárdalo en ANSI (Windows-1252)";
}

Aviso SaltoSinRetorno(std::u16string_view linea, int numero, bool ultima) {
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

Aviso PareceUtf8(std::u16string_view linea) {
    const std::string bytes = Bytes(linea);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const size_t largo = SecuenciaUtf8(bytes, i);
        if (largo == 0) continue;
        const std::string letra = "«" + AUtf8(DesdeUtf8(bytes.substr(i, largo))) + "»";
        return "el archivo parece guardado en UTF-8: instalar lo lee como ANSI (Windows-1252) y mostraría " +
               Citado(linea.substr(i, largo)) + " en lugar de " + letra + "; guárdalo en ANSI (Windows-1252)";
    }
    return std::nullopt;
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
