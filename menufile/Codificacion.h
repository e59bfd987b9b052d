#pragma once
// How a menu file's bytes become text.  The same rule for every reader, so
// that the item list and the description lookup always see the same names:
//   - a file that starts with the UTF-8 mark (EF BB BF) is UTF-8;
//   - one that starts with FF FE is UTF-16 little-endian;
//   - one that is well-formed UTF-8 throughout, with at least one letter
//     outside ASCII, is UTF-8;
//   - any other is in the system's ANSI code page.
// A file in Windows-1252 with accented letters is never well-formed UTF-8,
// so every file that reads right in its ANSI code page still reads the same.

#include <cstdint>
#include <string_view>

namespace instalar {

enum class Codificacion { Ansi, Utf8, Utf16 };

// The byte-order mark a file starts with.  A big-endian UTF-16 mark is
// recognised only to be told about: such a file is read as ANSI.
enum class Bom { Ninguna, Utf8, Utf16LE, Utf16BE };

Bom BomAlInicio(std::string_view primerosBytes);
size_t LargoDeBom(Bom marca);

// How one opening of the file reads it, once known.
struct Lectura {
    Codificacion codificacion = Codificacion::Ansi;
    Bom marca = Bom::Ninguna;
    // Read as ANSI although UTF-8 sequences come first: the line where the
    // UTF-8 breaks, 0 when it does not apply.
    int64_t lineaUtf8Rota = 0;
};

}  // namespace instalar
