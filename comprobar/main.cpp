// comprobar: checks an instalar menu file from the console.  Everything but
// taking the command line in UTF-8 and the user's languages from the system
// is in the checker's library.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "comprobar/Consola.h"
#include "comprobar/Idiomas.h"
#include "comprobar/SistemaArchivosReal.h"

#ifdef _WIN32
#include <filesystem>

#include <windows.h>

#include "win32host/Escala.h"
#include "win32host/Fuentes.h"
#include "win32host/MedidaTextoWin32.h"
#endif

namespace {

#ifdef _WIN32
// The languages Windows shows the user, as instalar.exe asks for them.
std::vector<std::u16string> IdiomasDelUsuario() {
    ULONG cuantos = 0;
    ULONG largo = 0;
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &cuantos, nullptr, &largo) || largo == 0) return {};
    std::wstring lista(largo, L'\0');
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &cuantos, lista.data(), &largo)) return {};
    std::vector<std::u16string> idiomas;
    for (const wchar_t* idioma = lista.c_str(); *idioma; idioma += std::wcslen(idioma) + 1)
        idiomas.emplace_back(reinterpret_cast<const char16_t*>(idioma));
    return idiomas;
}
#else
std::vector<std::u16string> IdiomasDelUsuario() {
    return instalar::comprobar::IdiomasDeEntorno(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                                 std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}
#endif

#ifdef _WIN32
// Texts are measured as the window measures them, in its fonts at the
// screen's resolution.
int Comprobar(const std::vector<std::string>& argumentos) {
    instalar::comprobar::SistemaArchivosReal sistema;
    const int dpi = instalar::win32::DpiDePantalla();
    instalar::win32::Escala escala(dpi);
    instalar::win32::Fuentes fuentes(dpi);
    instalar::win32::MedidaTextoWin32 medida(escala, fuentes);
    return instalar::comprobar::Ejecutar(argumentos, std::cout, std::cerr, sistema, IdiomasDelUsuario(), &medida);
}
#else
// Linux has not the window's fonts: widths are not measured.
int Comprobar(const std::vector<std::string>& argumentos) {
    instalar::comprobar::SistemaArchivosReal sistema;
    return instalar::comprobar::Ejecutar(argumentos, std::cout, std::cerr, sistema, IdiomasDelUsuario());
}
#endif

}  // namespace

#ifdef _WIN32
// The wide command line keeps any file name; the console is switched to
// UTF-8 so that accented letters in the messages show as written.
int wmain(int argc, wchar_t** argv) {
    ::SetConsoleOutputCP(65001);
    std::vector<std::string> argumentos;
    for (int i = 1; i < argc; ++i) argumentos.push_back(std::filesystem::path(argv[i]).u8string());
    return Comprobar(argumentos);
}
#else
// Linux file names and terminals are UTF-8 already.
int main(int argc, char** argv) { return Comprobar(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
