// A smoke test of a release as an author unpacks it: the instalar.exe given
// on the command line starts from its own folder with the example menu
// beside it, shows its items, and closes on Esc.
//
//     humo_publicacion CARPETA
//
// Exit status 0 when all of that happened, 1 otherwise, with the reason on
// standard error.

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "Arnes.h"

using namespace arnes;

namespace {

void Probar(const std::wstring& carpeta, size_t opcionesEsperadas) {
    const std::wstring programa = Unir(carpeta, L"instalar.exe");
    Proceso menu(programa, L"\"" + programa + L"\"", carpeta);
    HWND ventana = nullptr;
    if (!Esperar([&] { return (ventana = BuscarVentanaPrincipal(menu.Id(), diseno::kTituloW)) != nullptr; }, 10000))
        throw std::runtime_error("the menu window did not appear: " + DescribirVentanas(menu.Id()));
    RECT marco{};
    GetWindowRect(ventana, &marco);
    Lista lista;
    Esperar(
        [&] {
            lista = LeerLista(Captura(marco));
            return lista.opciones.size() == opcionesEsperadas && lista.Marcada() == 0u;
        },
        5000);
    if (lista.opciones.size() != opcionesEsperadas || lista.Marcada() != 0u)
        throw std::runtime_error("the items are not shown as expected: " + lista.Describir());
    if (!TraerAlFrente(ventana)) throw std::runtime_error("the menu did not come to the front");
    PulsarTecla(VK_ESCAPE);
    if (!menu.EsperarSalida(10000)) throw std::runtime_error("the menu did not close on Esc");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: humo_publicacion CARPETA OPCIONES\n");
        return 2;
    }
    try {
        AparcarRaton();
        Probar(argv[1], static_cast<size_t>(_wtoi(argv[2])));
        std::printf("humo_publicacion: the menu started, showed its items and closed on Esc\n");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "humo_publicacion: %s\n", e.what());
        return 1;
    }
}
