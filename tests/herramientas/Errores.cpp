#include "Errores.h"

namespace herramientas {

ErrorWin32::ErrorWin32(const std::string& que, DWORD codigo)
    : std::runtime_error(que + " (Win32 error " + std::to_string(codigo) + ")"), codigo_(codigo) {}

void Fallar(const std::string& que) {
    // Read before anything else can overwrite it.
    const DWORD codigo = GetLastError();
    throw ErrorWin32(que, codigo);
}

std::wstring TextoDelSistema(DWORD codigo) {
    const DWORD opciones = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    wchar_t texto[2048] = {};
    DWORD largo = FormatMessageW(opciones, nullptr, codigo, MAKELANGID(LANG_SPANISH, SUBLANG_DEFAULT), texto,
                                 ARRAYSIZE(texto), nullptr);
    if (largo == 0) largo = FormatMessageW(opciones, nullptr, codigo, 0, texto, ARRAYSIZE(texto), nullptr);
    std::wstring resultado(texto, largo);
    while (!resultado.empty() && (resultado.back() == L'\r' || resultado.back() == L'\n' || resultado.back() == L' '))
        resultado.pop_back();
    return resultado;
}

std::wstring ConNombre(std::wstring texto, const std::wstring& nombre) {
    for (size_t donde = texto.find(L"%1"); donde != std::wstring::npos; donde = texto.find(L"%1", donde + nombre.size()))
        texto.replace(donde, 2, nombre);
    return texto;
}

}  // namespace herramientas
