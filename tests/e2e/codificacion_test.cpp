// Menu files as editors save them today: a UTF-8 file with accented names
// shows exactly what the same text in the ANSI code page shows, and its
// setup program in a folder with an accented name starts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Arnes.h"

using namespace arnes;

namespace {

// The same menu in two encodings: UTF-8 without a mark, and Windows-1252
// (the code page of the test prefix).
const std::vector<std::string> kMenuUtf8 = {
    "Gesti\xC3\xB3n de n\xC3\xB3minas",
    "2.0",
    "N\xC3\xB3minas;N\xC3\xB3minas\\setup.exe;C\xC3\xA1lculo de n\xC3\xB3minas y pagas extraordinarias",
    "Contabilidad;conta\\setup.exe;Asientos, balances y cuentas anuales",
};
const std::vector<std::string> kMenuAnsi = {
    "Gesti\xF3n de n\xF3minas",
    "2.0",
    "N\xF3minas;N\xF3minas\\setup.exe;C\xE1lculo de n\xF3minas y pagas extraordinarias",
    "Contabilidad;conta\\setup.exe;Asientos, balances y cuentas anuales",
};

// Waits for the arrow of the first selection, then for the window to stop
// changing.  (An accent over a capital can read as a band of its own at
// some resolutions, so the items are not counted here.)
Captura Asentada(const Menu& menu) {
    const Lista lista = EsperarLista(menu, [](const Lista& l) { return l.flecha.has_value(); });
    EXPECT_TRUE(lista.flecha.has_value()) << "no item was selected: " << lista.Describir();
    return CapturaQuieta([&] { return menu.Rectangulo(); }, 3000);
}

// The whole window of the same menu in Windows-1252, started on a medium
// of its own: what the UTF-8 menu must look like.
Captura VentanaDeReferencia() {
    Medio medio;
    medio.CopiarMenu();
    medio.Escribir(L"instalar.inf", LineasCrLf(kMenuAnsi));
    Menu menu(medio);
    menu.EsperarVentana();
    return Asentada(menu);
}

class MenuEnUtf8 : public PruebaConMedio {};

TEST_F(MenuEnUtf8, SeVeIgualQueEnAnsiPixelAPixel) {
    const Captura ansi = VentanaDeReferencia();
    const Captura utf8 = Asentada(Abrir(LineasCrLf(kMenuUtf8)));
    ASSERT_EQ(ansi.Ancho(), utf8.Ancho());
    ASSERT_EQ(ansi.Alto(), utf8.Alto());
    EXPECT_EQ(DiferenciaDePixeles(utf8, ansi), "") << "the UTF-8 menu against the same menu in ANSI";
}

TEST_F(MenuEnUtf8, ArrancaElProgramaDeUnaCarpetaConAcento) {
    Registro registro;  // before the menu: the menu inherits the log's name
    medio_.CopiarPrograma(L"setup_falso.exe", L"N\u00f3minas\\setup.exe");
    Menu& menu = Abrir(LineasCrLf(kMenuUtf8));
    Asentada(menu);
    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    PulsarTecla(VK_RETURN);
    ASSERT_TRUE(registro.EsperarEjecuciones(1)) << "the setup program did not start";
    EXPECT_TRUE(menu.EsperarSalida()) << "the menu did not close after starting it";
    EXPECT_EQ(menu.EsperarFinDeSusProgramas(), "");
    const auto ejecuciones = registro.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    EXPECT_EQ(CompareStringOrdinal(ejecuciones[0].programa.c_str(), -1,
                                   medio_.RutaDe(L"N\u00f3minas\\setup.exe").c_str(), -1, TRUE),
              CSTR_EQUAL)
        << Utf8(ejecuciones[0].programa);
}

}  // namespace
