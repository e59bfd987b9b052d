#pragma once
// Text helpers for the core.  The core keeps text as UTF-16 (char16_t), the
// same on Windows and Linux, so that positions count the same characters the
// window shows.

#include <string>
#include <string_view>

namespace instalar {

// The text without its leading and trailing spaces (code 32 only; tabs stay).
std::u16string_view RecortarEspacios(std::u16string_view texto);

// UTF-8 literal or file name to UTF-16 (used for tests, messages, paths).
std::u16string DesdeUtf8(std::string_view utf8);
std::string AUtf8(std::u16string_view texto);

}  // namespace instalar
