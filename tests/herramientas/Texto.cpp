#include "Texto.h"

#include <windows.h>

namespace herramientas {

std::string Utf8(const std::wstring& texto) {
    if (texto.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string resultado(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), resultado.data(), n, nullptr,
                        nullptr);
    return resultado;
}

std::wstring Utf16(const std::string& texto) {
    if (texto.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0);
    std::wstring resultado(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), resultado.data(), n);
    return resultado;
}

}  // namespace herramientas
