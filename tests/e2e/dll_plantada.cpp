// A DLL that tells when it is loaded: the end-to-end tests plant copies of
// it, under the names of system DLLs, beside instalar.exe.
//
// On loading it appends one line to the log file named by the environment
// variable INSTALAR_PRUEBA_DLLS (which the menu inherits from the test), in
// UTF-8:
//
//     <its own path> TAB <the path of the program that loaded it> CR LF
//
// It uses only kernel32, as code that runs in DllMain must.  Without the
// variable it does nothing.

#include <windows.h>

#include "win32host/Manejadores.h"

namespace {

bool AnadirLinea(const wchar_t* registro, const wchar_t* linea) {
    char utf8[4 * 2 * MAX_PATH];
    const int largo = WideCharToMultiByte(CP_UTF8, 0, linea, -1, utf8, sizeof utf8, nullptr, nullptr);
    if (largo <= 1) return false;
    const instalar::win32::Archivo archivo(CreateFileW(registro, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                       nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!archivo) return false;
    DWORD escritos = 0;
    return WriteFile(archivo.get(), utf8, static_cast<DWORD>(largo - 1), &escritos, nullptr) != FALSE;
}

void AnotarCarga(HINSTANCE modulo) {
    wchar_t registro[MAX_PATH];
    const DWORD largoRegistro = GetEnvironmentVariableW(L"INSTALAR_PRUEBA_DLLS", registro, MAX_PATH);
    if (largoRegistro == 0 || largoRegistro >= MAX_PATH) return;

    wchar_t linea[2 * MAX_PATH + 4];
    DWORD largo = GetModuleFileNameW(modulo, linea, MAX_PATH);
    if (largo == 0 || largo >= MAX_PATH) return;
    linea[largo++] = L'\t';
    const DWORD programa = GetModuleFileNameW(nullptr, linea + largo, MAX_PATH);
    if (programa == 0 || programa >= MAX_PATH) return;
    largo += programa;
    linea[largo++] = L'\r';
    linea[largo++] = L'\n';
    linea[largo] = L'\0';
    AnadirLinea(registro, linea);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE modulo, DWORD motivo, LPVOID) {
    if (motivo == DLL_PROCESS_ATTACH) AnotarCarga(modulo);
    return TRUE;
}
