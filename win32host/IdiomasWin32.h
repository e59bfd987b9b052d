#pragma once
// The user's display languages, as Windows lists them.

#include <string>
#include <vector>

namespace instalar::win32 {

// GetUserPreferredUILanguages with MUI_LANGUAGE_NAME: the languages the
// user's Windows shows them, most wanted first, as tags ("pt-BR").  The
// function is looked up in kernel32 when the menu loads, so the program's
// import table stays what it was; none where the system cannot say.
std::vector<std::u16string> IdiomasDeUsuario();

// The tags of a list of strings each ended by a NUL, the list by another.
std::vector<std::u16string> TagsDeMultiCadena(const wchar_t* lista, size_t largo);

}  // namespace instalar::win32
