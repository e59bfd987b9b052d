// The menu file chosen by the user's display language, and the menu's own
// texts in that file's language.  Wine 8 takes a program's display language
// from LC_ALL of the Linux process that starts it and passes it on to the
// programs that one starts, and GetUserPreferredUILanguages then lists that
// one language: CTest runs the cases of each language (the suites Ingles,
// Portugues, Aleman) with it set (see CMakeLists.txt), and the menu they
// start inherits it.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Arnes.h"
#include "herramientas/Accesibilidad.h"

using namespace arnes;

namespace {

// The screen reader's number of a one-item menu's hint line.
const long kIndicacion = 5;

// The Spanish file and an English one, each starting a program of its own.
const std::string kEspanol = LineasCrLf({"Oficina 2024", "1.0", "Producto;es\\setup.exe;Instala el producto"});
const std::string kIngles = LineasCrLf({"Office 2024", "1.0", "Product;en\\setup.exe;Installs the product"});

// The first of this process's display languages.
std::wstring IdiomaDeLaPrueba() {
    ULONG cuantos = 0;
    ULONG largo = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &cuantos, nullptr, &largo) || largo == 0) return L"";
    std::wstring lista(largo, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &cuantos, lista.data(), &largo)) return L"";
    return lista.c_str();
}

class Idiomas : public PruebaConRegistro {
protected:
    explicit Idiomas(const wchar_t* idioma) : idioma_(idioma) {}

    void SetUp() override {
        // Only under Wine does the environment set the language; on Windows
        // it is the user's, and a case for another one cannot run.
        if (IdiomaDeLaPrueba() != idioma_) {
            if (BajoWine()) FAIL() << "the case runs in " << Utf8(IdiomaDeLaPrueba()) << ", not in " << Utf8(idioma_);
            GTEST_SKIP() << "the display language is " << Utf8(IdiomaDeLaPrueba()) << ", not " << Utf8(idioma_);
        }
        PruebaConRegistro::SetUp();
        medio_.CopiarPrograma(L"setup_falso.exe", L"es\\setup.exe");
        medio_.CopiarPrograma(L"setup_falso.exe", L"en\\setup.exe");
        medio_.Escribir(L"instalar.inf", kEspanol);
    }

    // Starts the menu, waiting for a window with the caption `titulo`.
    Menu& AbrirCon(const std::wstring& titulo) {
        OpcionesMenu opciones;
        opciones.titulo = titulo;
        return Abrir(opciones);
    }

    std::wstring Boton(int id) const { return TextoDe(Hijo(*menu_, id)); }
    std::wstring Indicacion() const {
        return Nombre(Elemento{ObjetoDeVentana(menu_->Ventana()).objeto, kIndicacion});
    }

    // Installs the selected item and returns the program that ran.
    std::wstring ProgramaInstalado() {
        ClicEnInstalar(*menu_);
        const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
        EXPECT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
        return ejecuciones.empty() ? L"" : ejecuciones[0].programa;
    }

    std::wstring Leer(long id) const { return Nombre(Elemento{ObjetoDeVentana(menu_->Ventana()).objeto, id}); }
    bool EsperarLectura(long id, const std::wstring& texto) const {
        return Esperar([&] { return Leer(id) == texto; }, 3000);
    }

    ComIniciado com_;
    std::wstring idioma_;
};

class Ingles : public Idiomas {
protected:
    Ingles() : Idiomas(L"en-US") {}
};
class Portugues : public Idiomas {
protected:
    Portugues() : Idiomas(L"pt-BR") {}
};
class Aleman : public Idiomas {
protected:
    Aleman() : Idiomas(L"de-DE") {}
};

TEST_F(Ingles, UnUsuarioInglesTieneElArchivoInglesYLosBotonesEnIngles) {
    medio_.Escribir(L"instalar.en.inf", kIngles);
    AbrirCon(L"Installation menu");
    EXPECT_EQ(Boton(kIdInstalar), L"Install");
    EXPECT_EQ(Boton(kIdCerrar), L"Close");
    EXPECT_EQ(Indicacion(), L"Select the item you want to install.");
    EXPECT_EQ(Utf8(ProgramaInstalado()), Utf8(medio_.RutaDe(L"en\\setup.exe")));
}

// The items that depend on the machine speak English too: the installed
// one (its own program is the file its probe finds) on the hint line, to a
// screen reader and in the question before installing it again; the one
// that needs Windows 11 (a prefix here is Windows 7 or 10) with its reason.
TEST_F(Ingles, LasOpcionesQueDependenDeLaMaquinaHablanEnIngles) {
    medio_.Escribir(L"instalar.en.inf",
                    LineasCrLf({"Office 2024", "1.0", ";@instalado archivo " + Utf8(medio_.RutaDe(L"en\\setup.exe")),
                                "Product;en\\setup.exe;Installs the product", ";@requiere windows 11",
                                "Eleven;es\\setup.exe;Needs Windows 11"}));
    Menu& menu = AbrirCon(L"Installation menu");
    EsperarLista(menu, ConMarca(2, 0));
    const long indicacion = 2 + 4;
    EXPECT_EQ(Utf8(Leer(1)), "Product: already installed");
    EXPECT_EQ(Utf8(Leer(2)), "Eleven: Requires Windows 11 or later");
    EXPECT_NE(Estado(Elemento{ObjetoDeVentana(menu.Ventana()).objeto, 2}) & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_TRUE(EsperarLectura(indicacion, L"\u201cProduct\u201d is already installed"))
        << "the hint line reads: " << Utf8(Leer(indicacion));

    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    PulsarTecla(VK_DOWN, {VK_CONTROL});
    EXPECT_TRUE(EsperarLectura(indicacion, L"Requires Windows 11 or later"))
        << "the hint line reads: " << Utf8(Leer(indicacion));
    PulsarTecla(VK_UP, {VK_CONTROL});
    ASSERT_TRUE(EsperarLectura(indicacion, L"\u201cProduct\u201d is already installed"))
        << "the hint line reads: " << Utf8(Leer(indicacion));
    PulsarTecla(VK_RETURN);
    const CuadroMensaje pregunta = EsperarCuadroMensaje(menu.Id());
    EXPECT_EQ(Utf8(pregunta.texto), Utf8(L"\u201cProduct\u201d is already installed. Install it again?"));
    PostMessageW(pregunta.ventana, WM_COMMAND, IDYES, 0);
    const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(medio_.RutaDe(L"en\\setup.exe")));
}

TEST_F(Portugues, UnUsuarioPortuguesTieneLosTextosDeSusLineas) {
    medio_.Escribir(L"instalar.pt.inf",
                    LineasCrLf({"Escrit\xc3\xb3rio 2024", "1.0", ";@texto instalar=Instalar agora",
                                ";@texto cerrar=Fechar sem instalar nada",
                                ";@texto indicacion=Selecione o que deseja instalar.",
                                ";@texto ventana=Menu de instala\xc3\xa7\xc3\xa3o",
                                "Produto;en\\setup.exe;Instala o produto"}));
    AbrirCon(L"Menu de instala\u00e7\u00e3o");
    EXPECT_EQ(Boton(kIdInstalar), L"Instalar agora");
    EXPECT_EQ(Boton(kIdCerrar), L"Fechar sem instalar nada");
    EXPECT_EQ(Indicacion(), L"Selecione o que deseja instalar.");
    // Too long for the design's button: it has grown to the left, its text
    // whole, and keeps its right edge where the design has it.
    RECT cerrar{};
    GetWindowRect(Hijo(*menu_, kIdCerrar), &cerrar);
    MapWindowPoints(nullptr, menu_->Ventana(), reinterpret_cast<POINT*>(&cerrar), 2);
    EXPECT_GT(cerrar.right - cerrar.left, APixeles(1350) + 20);
    EXPECT_NEAR(cerrar.right, APixeles(5280 + 1350), 1);
    // The text in the font push buttons take, the system's message font
    // (another process's font handle means nothing here).
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof(metricas);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metricas), &metricas, 0));
    HFONT fuente = CreateFontIndirectW(&metricas.lfMessageFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ antes = SelectObject(dc, fuente);
    SIZE texto{};
    GetTextExtentPoint32W(dc, L"Fechar sem instalar nada", 24, &texto);
    SelectObject(dc, antes);
    ReleaseDC(nullptr, dc);
    DeleteObject(fuente);
    EXPECT_LT(texto.cx, cerrar.right - cerrar.left) << "the text is wider than its button";
}

TEST_F(Aleman, UnUsuarioAlemanSinArchivoAlemanTieneElMenuEnEspanol) {
    medio_.Escribir(L"instalar.en.inf", kIngles);
    AbrirCon(diseno::kTituloW);
    EXPECT_EQ(Boton(kIdInstalar), L"Instalar");
    EXPECT_EQ(Boton(kIdCerrar), L"Cerrar");
    EXPECT_EQ(Indicacion(), L"Selecciona la opci\u00f3n que desees instalar.");
    EXPECT_EQ(Utf8(ProgramaInstalado()), Utf8(medio_.RutaDe(L"es\\setup.exe")));
}

}  // namespace
