#pragma once
// The Windows-1252 code page (Western European ANSI), in which menu files
// are written.  The checker decodes with it on every system, so that it sees
// the same characters as instalar.exe on a Western European Windows.

#include <optional>
#include <string>
#include <string_view>

namespace instalar::comprobar {

// Decodes every byte.  The five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number,
// as Windows converts them.
std::u16string DesdeWindows1252(std::string_view bytes);

// The byte that decodes to `caracter`, if any.
std::optional<unsigned char> ByteWindows1252(char16_t caracter);

// True for the characters that only an undefined byte decodes to.
bool EsByteSinDefinir(char16_t caracter);

// The text with every letter of the code page in lower case, for comparing
// names without regard to case (Windows file names compare the same way).
std::u16string SinMayusculas(std::u16string_view texto);

}  // namespace instalar::comprobar
