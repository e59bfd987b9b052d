#pragma once
// Checks on the text of one line, whatever the line is.  Each returns the
// message of a warning, or nothing when the text is fine.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace instalar::comprobar {

using Aviso = std::optional<std::string>;

// A lone LF, which does not end a line.  `ultima` says that no line follows,
// so that on line 1 the whole file is the one line.
Aviso SaltoSinRetorno(std::u16string_view linea, int64_t numero, bool ultima);

// Bytes that Windows-1252 does not define.
Aviso BytesSinDefinir(std::u16string_view linea);

// A line of a file read as Windows-1252 although it looks like UTF-8: the
// line's bytes are not well-formed UTF-8, which is why the whole file is
// read as ANSI.
Aviso Utf8Roto(std::u16string_view linea);

// True when `texto` has an "&" that is not part of "&&": it marks the next
// letter as an access key and does not show.
bool TieneAmpersand(std::u16string_view texto);

}  // namespace instalar::comprobar
