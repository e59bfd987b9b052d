#pragma once
// Checks on the text of one line, whatever the line is.  Each returns the
// message of a warning, or nothing when the text is fine.

#include <optional>
#include <string>
#include <string_view>

namespace instalar::comprobar {

using Aviso = std::optional<std::string>;

// A byte-order mark at the start of the file: instalar.exe reads no
// encoding marks and shows it in front of the title.  `titulo` is line 1.
Aviso MarcaDeOrden(std::u16string_view titulo);
// The length of the mark that `titulo` starts with, 0 when none.
size_t LargoMarcaDeOrden(std::u16string_view titulo);

// A lone LF, which does not end a line.  `ultima` says that no line follows,
// so that on line 1 the whole file is the one line.
Aviso SaltoSinRetorno(std::u16string_view linea, int numero, bool ultima);

// Bytes that Windows-1252 does not define.
Aviso BytesSinDefinir(std::u16string_view linea);

// Bytes that form UTF-8 sequences: the file was saved as UTF-8 and accented
// letters would show as two or three odd characters.
Aviso PareceUtf8(std::u16string_view linea);

// True when `texto` has an "&" that is not part of "&&": it marks the next
// letter as an access key and does not show.
bool TieneAmpersand(std::u16string_view texto);

}  // namespace instalar::comprobar
