// A stand-in setup program for the demo menu: it only says where it was
// started from, so the menu can be tried without installing anything.

#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t ruta[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, ruta, MAX_PATH);
    wchar_t carpeta[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, carpeta);
    const std::wstring texto = std::wstring(L"Este es un programa de instalaci\u00f3n de ejemplo.\r\n\r\nPrograma: ") +
                               ruta + L"\r\nCarpeta de trabajo: " + carpeta;
    ::MessageBoxW(nullptr, texto.c_str(), L"Instalaci\u00f3n de ejemplo", MB_OK | MB_ICONINFORMATION);
    return 0;
}
