#include "win32host/IdiomasWin32.h"

#include <windows.h>

#include <algorithm>

#include "win32host/TextoWin32.h"

namespace instalar::win32 {

namespace {

constexpr DWORD kPorNombre = 0x8;  // MUI_LANGUAGE_NAME

using GetUserPreferredUILanguagesFn = BOOL(WINAPI*)(DWORD, PULONG, PWSTR, PULONG);

GetUserPreferredUILanguagesFn Funcion() {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return nullptr;
    return reinterpret_cast<GetUserPreferredUILanguagesFn>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "GetUserPreferredUILanguages")));
}

}  // namespace

std::vector<std::u16string> TagsDeMultiCadena(const wchar_t* lista, size_t largo) {
    std::vector<std::u16string> tags;
    size_t inicio = 0;
    for (size_t i = 0; i < largo; ++i) {
        if (lista[i] != L'\0') continue;
        if (i == inicio) break;  // the empty string that ends the list
        tags.push_back(U(lista + inicio, i - inicio));
        inicio = i + 1;
    }
    return tags;
}

std::vector<std::u16string> IdiomasDeUsuario() {
    const auto preferidos = Funcion();
    if (!preferidos) return {};
    ULONG cuantos = 0;
    ULONG largo = 0;
    if (!preferidos(kPorNombre, &cuantos, nullptr, &largo) || largo == 0) return {};
    // In a u16string: std::wstring would bring the whole of its library
    // instantiation into the program.
    std::u16string lista(largo, u'\0');
    wchar_t* datos = reinterpret_cast<wchar_t*>(lista.data());
    if (!preferidos(kPorNombre, &cuantos, datos, &largo)) return {};
    return TagsDeMultiCadena(datos, std::min<size_t>(largo, lista.size()));
}

}  // namespace instalar::win32
