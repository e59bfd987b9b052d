#include "Archivos.h"

#include <cwchar>

#include "Entorno.h"
#include "Errores.h"
#include "Espera.h"
#include "Texto.h"
#include "win32host/Manejadores.h"

namespace herramientas {

namespace {

using instalar::win32::Archivo;

void CerrarBusqueda(HANDLE busqueda) { FindClose(busqueda); }
// A FindFirstFileW search, in the program's own family of handles.
using Busqueda = instalar::win32::Manejador<HANDLE, CerrarBusqueda, instalar::win32::VacioInvalido>;

bool EsPuntoOPuntoPunto(const wchar_t* nombre) {
    return std::wcscmp(nombre, L".") == 0 || std::wcscmp(nombre, L"..") == 0;
}

bool IntentarBorrarCarpeta(const std::wstring& carpeta) {
    bool todo = true;
    RecorrerCarpeta(carpeta, [&](const WIN32_FIND_DATAW& datos) {
        const std::wstring ruta = Unir(carpeta, datos.cFileName);
        SetFileAttributesW(ruta.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (EsCarpeta(datos))
            todo = IntentarBorrarCarpeta(ruta) && todo;
        else
            todo = DeleteFileW(ruta.c_str()) && todo;
    });
    return RemoveDirectoryW(carpeta.c_str()) && todo;
}

}  // namespace

std::wstring CarpetaDeTemporales() {
    wchar_t ruta[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, ruta);
    if (n == 0 || n > MAX_PATH) Fallar("GetTempPathW");
    std::wstring carpeta(ruta, n);
    // Paths a program under test reports then compare as text with the
    // paths built here.
    wchar_t larga[MAX_PATH + 1];
    const DWORD m = GetLongPathNameW(carpeta.c_str(), larga, MAX_PATH + 1);
    if (m > 0 && m <= MAX_PATH) carpeta.assign(larga, m);
    if (carpeta.back() == L'\\') carpeta.pop_back();
    return carpeta;
}

std::wstring CarpetaDelPrograma() {
    // Where x86 programs run emulated, the x86 suite is driven by the x64
    // build of these drivers (scripts/probar.sh; tests/e2e/JuzgarCaso.cmake):
    // the programs under test and their stand-ins then come from the x86
    // build's folder, which this variable names.
    if (const auto otra = LeerVariable(L"INSTALAR_PRUEBA_PROGRAMAS"); otra && !otra->empty()) return *otra;
    std::wstring ruta(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
    if (n == 0 || n >= ruta.size()) Fallar("GetModuleFileNameW");
    ruta.resize(n);
    return CarpetaDe(ruta);
}

std::wstring CarpetaDe(const std::wstring& ruta) {
    const auto barra = ruta.find_last_of(L'\\');
    return barra == std::wstring::npos ? std::wstring() : ruta.substr(0, barra);
}

std::wstring Unir(const std::wstring& carpeta, const std::wstring& nombre) {
    if (carpeta.empty()) return nombre;
    if (carpeta.back() == L'\\') return carpeta + nombre;
    return carpeta + L"\\" + nombre;
}

void CrearCarpetas(const std::wstring& carpeta) {
    if (carpeta.empty() || GetFileAttributesW(carpeta.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    CrearCarpetas(CarpetaDe(carpeta));
    if (!CreateDirectoryW(carpeta.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        Fallar("CreateDirectoryW " + Utf8(carpeta));
}

std::string LeerArchivo(const std::wstring& ruta) {
    const Archivo archivo(CreateFileW(ruta.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!archivo) Fallar("cannot open " + Utf8(ruta));
    std::string bytes;
    char bloque[65536];
    DWORD leidos = 0;
    while (ReadFile(archivo.get(), bloque, sizeof bloque, &leidos, nullptr) && leidos > 0)
        bytes.append(bloque, leidos);
    return bytes;
}

void EscribirArchivo(const std::wstring& ruta, const std::string& bytes) {
    CrearCarpetas(CarpetaDe(ruta));
    const Archivo archivo(
        CreateFileW(ruta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!archivo) Fallar("cannot create " + Utf8(ruta));
    DWORD escritos = 0;
    if (!WriteFile(archivo.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &escritos, nullptr) ||
        escritos != bytes.size())
        Fallar("cannot write " + Utf8(ruta));
}

void CopiarArchivo(const std::wstring& origen, const std::wstring& destino) {
    CrearCarpetas(CarpetaDe(destino));
    if (!CopyFileW(origen.c_str(), destino.c_str(), FALSE))
        Fallar("cannot copy " + Utf8(origen) + " to " + Utf8(destino));
}

void BorrarCarpeta(const std::filesystem::path& ruta) {
    const std::wstring carpeta = ruta.wstring();
    // A program that has just ended may still hold its file for a moment.
    Esperar([&] { return IntentarBorrarCarpeta(carpeta) ||
                         GetFileAttributesW(carpeta.c_str()) == INVALID_FILE_ATTRIBUTES; },
            3000);
}

bool EsCarpeta(const WIN32_FIND_DATAW& datos) {
    return (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void RecorrerCarpeta(const std::wstring& carpeta, const std::function<void(const WIN32_FIND_DATAW&)>& visitar) {
    WIN32_FIND_DATAW datos;
    const Busqueda busqueda(FindFirstFileW(Unir(carpeta, L"*").c_str(), &datos));
    if (!busqueda) return;
    do {
        if (!EsPuntoOPuntoPunto(datos.cFileName)) visitar(datos);
    } while (FindNextFileW(busqueda.get(), &datos));
}

}  // namespace herramientas
