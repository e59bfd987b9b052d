// comprobar: checks an instalar menu file from the console.  Everything but
// taking the command line in UTF-8 is in the checker's library.

#include <iostream>
#include <string>
#include <vector>

#include "comprobar/Consola.h"
#include "comprobar/SistemaArchivosReal.h"

#ifdef _WIN32
#include <filesystem>

#include <windows.h>
#endif

namespace {

int Comprobar(const std::vector<std::string>& argumentos) {
    instalar::comprobar::SistemaArchivosReal sistema;
    return instalar::comprobar::Ejecutar(argumentos, std::cout, std::cerr, sistema);
}

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
