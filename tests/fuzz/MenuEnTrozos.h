#pragma once
// What the fuzz targets share: the input as a menu file, choices taken from
// its bytes, the unit tests' file in pieces handing the bytes out in pieces
// of varying size, and the file's lines split here independently of the
// program's reader.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ArchivoEnTrozos.h"
#include "common/Utf8.h"
#include "interfaces/Archivos.h"

namespace instalar::fuzz {

// A check of the fuzz targets: when it fails, says which and where, and
// aborts, so that libFuzzer keeps the input.
[[noreturn]] inline void Incumplido(const char* condicion, const char* archivo, int linea) {
    std::fprintf(stderr, "%s:%d: no se cumple: %s\n", archivo, linea, condicion);
    std::abort();
}

#define EXIGIR(condicion)                                            \
    do {                                                             \
        if (!(condicion)) Incumplido(#condicion, __FILE__, __LINE__); \
    } while (0)

// ---------------------------------------------------------------------------
// The input and the choices taken from it

class Bytes {
public:
    Bytes(const uint8_t* datos, size_t tamano) : texto_(reinterpret_cast<const char*>(datos), tamano) {}

    std::string_view Texto() const { return texto_; }
    size_t Tamano() const { return texto_.size(); }
    // Byte `i`, counted round the input; 0 for an empty one.
    uint8_t En(size_t i) const { return texto_.empty() ? 0 : static_cast<uint8_t>(texto_[i % texto_.size()]); }

private:
    std::string_view texto_;
};

// Choices read from the end of the input backwards, where a file's last
// line usually is: small numbers taken a byte at a time.
class Elecciones {
public:
    explicit Elecciones(const Bytes& bytes) : bytes_(bytes) {}
    uint8_t Byte() {
        const size_t n = bytes_.Tamano();
        return n == 0 ? static_cast<uint8_t>(siguiente_++) : bytes_.En(n - 1 - (siguiente_++ % n));
    }
    // A number below `limite` (> 0).
    size_t Menor(size_t limite) { return (size_t{Byte()} << 8 | Byte()) % limite; }

private:
    const Bytes& bytes_;
    size_t siguiente_ = 0;
};

// The size of read number `k` of a file: mostly one or a few bytes, so that
// a CR LF falls on either side of a read, sometimes a larger piece and
// sometimes all the reader asks for.
inline size_t TamanoDeTrozo(const Bytes& bytes, size_t k) {
    const uint8_t b = bytes.En(k * 131 + bytes.Tamano() / 2);
    switch (b & 3) {
    case 0: return 1;
    case 1: return 1 + (b >> 2) % 8;
    case 2: return 1 + size_t{b} * 37;
    default: return SIZE_MAX;
    }
}

// ---------------------------------------------------------------------------
// The file as the readers see it

// `contenido` handed out in pieces of varying size, taken from the input;
// with `fallaTras`, the read that would pass that many bytes fails instead.
// The reader is held to the rules of a file: it asks for at least one byte
// and never reads on after the end or a failure.  Counted into `abiertos`
// while it is open.
inline std::unique_ptr<ArchivoLectura> AbrirEnTrozos(std::string_view contenido, const Bytes& bytes,
                                                     std::optional<size_t> fallaTras, int& abiertos) {
    auto archivo = std::make_unique<prueba::ArchivoEnTrozos>(
        std::string(contenido), [&bytes](size_t lectura) { return TamanoDeTrozo(bytes, lectura); }, fallaTras);
    archivo->ContarAbierto(abiertos);
    archivo->Vigilar(Incumplido);
    return archivo;
}

// ---------------------------------------------------------------------------
// What the readers must find: the lines, split here independently

struct LineaDeReferencia {
    std::u16string texto;
    size_t fin;  // offset of its CR, or the file's size for a last line without one
};

// Lines end at CR or CR LF; a lone LF is part of the line.  `decodificar`
// turns a line's bytes into text.  Lines start at byte `desde` (after a
// mark); `fin` stays an offset into the whole file.
template <typename Decodificar>
std::vector<LineaDeReferencia> Lineas(std::string_view bytes, Decodificar decodificar, size_t desde = 0) {
    std::vector<LineaDeReferencia> lineas;
    size_t inicio = desde;
    for (size_t i = desde; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') continue;
        lineas.push_back({decodificar(bytes.substr(inicio, i - inicio)), i});
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        inicio = i + 1;
    }
    if (inicio < bytes.size()) lineas.push_back({decodificar(bytes.substr(inicio)), bytes.size()});
    return lineas;
}

// The same for 16-bit little-endian units after a 2-byte mark: a line's
// `fin` is the last byte of its CR, and an odd byte at the end is no unit.
inline std::vector<LineaDeReferencia> LineasDe16Bits(std::string_view bytes) {
    std::u16string unidades;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        unidades.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) | static_cast<uint8_t>(bytes[i + 1]) << 8));
    std::vector<LineaDeReferencia> lineas;
    size_t inicio = 0;
    for (size_t i = 0; i < unidades.size(); ++i) {
        if (unidades[i] != u'\r') continue;
        lineas.push_back({unidades.substr(inicio, i - inicio), 2 + 2 * i + 1});
        if (i + 1 < unidades.size() && unidades[i + 1] == u'\n') ++i;
        inicio = i + 1;
    }
    if (inicio < unidades.size()) lineas.push_back({unidades.substr(inicio), bytes.size()});
    return lineas;
}

// The lines as the reader must find them, its encoding decided here on the
// whole file at once: a mark decides; without one, a file is UTF-8 when it
// all is, with a letter outside ASCII, and when it can be read to its end
// (`leidoEntero`); otherwise `ansi` decodes it.
template <typename Decodificar>
std::vector<LineaDeReferencia> LineasSegunCodificacion(std::string_view bytes, bool leidoEntero, Decodificar ansi) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return Lineas(bytes, DecodificarUtf8, 3);
    if (bytes.substr(0, 2) == "\xFF\xFE") return LineasDe16Bits(bytes);
    if (leidoEntero) {
        ValidadorUtf8 validador;
        validador.Anadir(bytes);
        if (validador.Completo() && validador.VioMultibyte()) return Lineas(bytes, DecodificarUtf8);
    }
    return Lineas(bytes, ansi);
}

}  // namespace instalar::fuzz
