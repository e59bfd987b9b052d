#pragma once
// The core's UTF-16 text and Windows' wchar_t are the same code units here.

#include <string>

namespace instalar::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wchar_t is UTF-16");

inline const wchar_t* W(const std::u16string& texto) { return reinterpret_cast<const wchar_t*>(texto.c_str()); }
inline std::u16string U(const wchar_t* texto, size_t largo) {
    return std::u16string(reinterpret_cast<const char16_t*>(texto), largo);
}
inline std::u16string U(const std::wstring& texto) { return U(texto.data(), texto.size()); }

}  // namespace instalar::win32
