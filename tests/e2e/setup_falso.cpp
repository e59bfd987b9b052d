// Stand-in for a setup program, started by the menu in the end-to-end tests.
//
// It appends one line to the log file named by the environment variable
// INSTALAR_PRUEBA_REGISTRO (which the menu inherits from the test and passes
// on) as soon as it starts.  The line is, in UTF-8:
//
//     <its command line> TAB <its working folder> TAB <its own path> CR LF
//
// Its own path tells apart copies of it placed in different folders.
// Without the variable it logs nothing.
//
// More variables, each read when set, make it behave as a real setup would:
//
//   INSTALAR_PRUEBA_ESPERA      milliseconds it runs before it ends
//   INSTALAR_PRUEBA_SALIDA      its exit code, in decimal (0 when not set,
//                               or 1 when the log cannot be written)
//   INSTALAR_PRUEBA_ARRANCADOR  milliseconds its child runs: it starts a copy
//                               of itself as a bootstrapper starts the real
//                               setup, and ends at once.  The child, whose
//                               command line is the path in quotes followed
//                               by " hijo", logs its own line, waits that
//                               long and ends with code 0.
//   INSTALAR_PRUEBA_HIJO        the file name, in this program's folder, of
//                               the copy the bootstrapper starts (a program
//                               a setup opens at its end: "visor.exe")
//   INSTALAR_PRUEBA_SALIDA_HIJO the child's exit code (the real setup that
//                               fails after its bootstrapper returned 0)
//
// The menu's environment is the same for every item, so an item can give
// its own values as arguments of the form NAME=value (the names above);
// they count as if they were in the environment.

#include <windows.h>

#include <string>

#include "herramientas/Texto.h"
#include "win32host/Manejadores.h"

namespace {

using herramientas::Utf8;

const wchar_t* const kEspera = L"INSTALAR_PRUEBA_ESPERA";
const wchar_t* const kSalida = L"INSTALAR_PRUEBA_SALIDA";
const wchar_t* const kArrancador = L"INSTALAR_PRUEBA_ARRANCADOR";
const wchar_t* const kHijo = L"INSTALAR_PRUEBA_HIJO";
const wchar_t* const kSalidaHijo = L"INSTALAR_PRUEBA_SALIDA_HIJO";

std::wstring Variable(const wchar_t* nombre) {
    const DWORD n = GetEnvironmentVariableW(nombre, nullptr, 0);
    if (n == 0) return {};
    std::wstring valor(n, L'\0');
    valor.resize(GetEnvironmentVariableW(nombre, valor.data(), n));
    return valor;
}

// The variable as an unsigned number, or `omision` when it is not set.
DWORD Numero(const wchar_t* nombre, DWORD omision) {
    const std::wstring valor = Variable(nombre);
    return valor.empty() ? omision : static_cast<DWORD>(std::stoul(valor));
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

bool Anotar(const std::wstring& registro) {
    const std::string linea =
        Utf8(std::wstring(GetCommandLineW()) + L"\t" + CarpetaActual() + L"\t" + RutaPropia()) + "\r\n";
    const instalar::win32::Archivo archivo(CreateFileW(registro.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                       nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!archivo) return false;
    DWORD escritos = 0;
    const BOOL bien = WriteFile(archivo.get(), linea.data(), static_cast<DWORD>(linea.size()), &escritos, nullptr);
    return bien && escritos == linea.size();
}

// Starts the child that outlives this process: a copy of this program that
// runs `milisegundos` and is no bootstrapper itself.
bool ArrancarHijo(const std::wstring& milisegundos) {
    const std::wstring salidaHijo = Variable(kSalidaHijo);
    const std::wstring nombreHijo = Variable(kHijo);
    SetEnvironmentVariableW(kArrancador, nullptr);
    SetEnvironmentVariableW(kHijo, nullptr);
    SetEnvironmentVariableW(kSalidaHijo, nullptr);
    SetEnvironmentVariableW(kSalida, salidaHijo.empty() ? nullptr : salidaHijo.c_str());
    SetEnvironmentVariableW(kEspera, milisegundos.c_str());
    std::wstring programa = RutaPropia();
    if (!nombreHijo.empty()) programa = programa.substr(0, programa.find_last_of(L'\\') + 1) + nombreHijo;
    std::wstring linea = L"\"" + programa + L"\" hijo";
    STARTUPINFOW inicio{};
    inicio.cb = sizeof(inicio);
    PROCESS_INFORMATION proceso{};
    if (!CreateProcessW(programa.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &inicio,
                        &proceso))
        return false;
    instalar::win32::ManejadorProceso hilo(proceso.hThread);
    instalar::win32::ManejadorProceso hijo(proceso.hProcess);
    return true;
}

// Arguments NAME=value after the program's own path, for one of the
// variables above, set that variable for this run and its child.
void TomarArgumentos() {
    const std::wstring linea = GetCommandLineW();
    const std::size_t finDelPrograma = linea.empty() ? std::wstring::npos
                                       : linea[0] == L'"' ? linea.find(L'"', 1)
                                                          : linea.find(L' ');
    if (finDelPrograma == std::wstring::npos) return;
    for (std::size_t inicio = finDelPrograma + 1; inicio < linea.size();) {
        std::size_t fin = linea.find(L' ', inicio);
        if (fin == std::wstring::npos) fin = linea.size();
        const std::wstring argumento = linea.substr(inicio, fin - inicio);
        const std::size_t igual = argumento.find(L'=');
        if (igual != std::wstring::npos && argumento.rfind(L"INSTALAR_PRUEBA_", 0) == 0)
            SetEnvironmentVariableW(argumento.substr(0, igual).c_str(), argumento.substr(igual + 1).c_str());
        inicio = fin + 1;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    TomarArgumentos();
    const std::wstring registro = Variable(L"INSTALAR_PRUEBA_REGISTRO");
    if (!registro.empty() && !Anotar(registro)) return 1;

    const DWORD salida = Numero(kSalida, 0);
    const std::wstring hijo = Variable(kArrancador);
    if (!hijo.empty()) return ArrancarHijo(hijo) ? static_cast<int>(salida) : 1;
    Sleep(Numero(kEspera, 0));
    return static_cast<int>(salida);
}
