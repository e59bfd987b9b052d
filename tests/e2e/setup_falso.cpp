// Stand-in for a setup program, started by the menu in the end-to-end tests.
//
// It appends one line to the log file named by the environment variable
// INSTALAR_PRUEBA_REGISTRO (which the menu inherits from the test and passes
// on) and ends.  The line is, in UTF-8:
//
//     <its command line> TAB <its working folder> TAB <its own path> CR LF
//
// Its own path tells apart copies of it placed in different folders.
//
// Without the variable it does nothing.

#include <windows.h>

#include <string>

#include "herramientas/Texto.h"
#include "win32host/Manejadores.h"

namespace {

using herramientas::Utf8;

std::wstring Variable(const wchar_t* nombre) {
    const DWORD n = GetEnvironmentVariableW(nombre, nullptr, 0);
    if (n == 0) return {};
    std::wstring valor(n, L'\0');
    valor.resize(GetEnvironmentVariableW(nombre, valor.data(), n));
    return valor;
}

std::wstring CarpetaActual() {
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring carpeta(n, L'\0');
    carpeta.resize(GetCurrentDirectoryW(n, carpeta.data()));
    return carpeta;
}

std::wstring RutaPropia() {
    std::wstring ruta(32768, L'\0');
    ruta.resize(GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size())));
    return ruta;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring registro = Variable(L"INSTALAR_PRUEBA_REGISTRO");
    if (registro.empty()) return 0;

    const std::string linea =
        Utf8(std::wstring(GetCommandLineW()) + L"\t" + CarpetaActual() + L"\t" + RutaPropia()) + "\r\n";
    const HANDLE abierto = CreateFileW(registro.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (abierto == INVALID_HANDLE_VALUE) return 1;
    const instalar::win32::Archivo archivo(abierto);
    DWORD escritos = 0;
    const BOOL bien = WriteFile(archivo.get(), linea.data(), static_cast<DWORD>(linea.size()), &escritos, nullptr);
    return bien && escritos == linea.size() ? 0 : 1;
}
