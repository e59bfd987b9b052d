#pragma once
// Menu text as the checker writes it in its messages and listing: UTF-8,
// with tabs, line feeds and other control characters made visible.

#include <string>
#include <string_view>

namespace instalar::comprobar {

// "<TAB>", "<LF>" and "<XX>" (the byte in hexadecimal) stand for the
// characters that would otherwise be invisible or break the line.
std::string Visible(std::u16string_view texto);

// "«texto»", made visible.
std::string Citado(std::u16string_view texto);

// A byte in hexadecimal, "0x81".
std::string Hexadecimal(unsigned valor);

}  // namespace instalar::comprobar
