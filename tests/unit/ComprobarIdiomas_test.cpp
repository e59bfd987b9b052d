// The checker and the language files beside a menu file: each is checked
// as the menu file is, where it starts other programs than the menu file
// it is said, its ";@texto" lines are checked, and --idiomas tells which
// file each of the user's languages gets.

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "comprobar/Consola.h"
#include "comprobar/Idiomas.h"
#include "comprobar/SistemaArchivosReal.h"
#include "herramientas/CarpetaTemporal.h"

namespace instalar::comprobar {
namespace {

using herramientas::CarpetaTemporal;
using prueba::LineasCrLf;

class ComprobarIdiomasTest : public ::testing::Test {
protected:
    int Ejecutar(const std::vector<std::string>& argumentos, const std::vector<std::u16string>& idiomas = {},
                 MedidaTexto* medida = nullptr) {
        salida.str("");
        errores.str("");
        return comprobar::Ejecutar(argumentos, salida, errores, sistema, idiomas, medida);
    }
    std::string Ruta(const std::string& relativa) const { return (carpeta.Ruta() / relativa).u8string(); }
    void Programas() {
        for (const char* programa : {"a.exe", "b.exe", "c.exe"}) carpeta.Escribir(std::string("medio/") + programa, "MZ");
    }

    CarpetaTemporal carpeta{"comprobar-idiomas-"};
    SistemaArchivosReal sistema;
    std::ostringstream salida;
    std::ostringstream errores;
};

TEST_F(ComprobarIdiomasTest, AvisaDondeUnArchivoDeIdiomaArrancaOtrosProgramas) {
    Programas();
    carpeta.Escribir("medio/instalar.inf", LineasCrLf({"T", "1", "Alfa;a.exe;d", "Beta;b.exe;d"}));
    carpeta.Escribir("medio/instalar.EN.inf", LineasCrLf({"T", "1", "Alpha;A.EXE;d", "Beta;c.exe;d", "Gamma;a.exe;d"}));
    carpeta.Escribir("medio/instalar.pt.inf", LineasCrLf({"T", "1", "Alfa;a.exe;d", "Beta;b.exe;d"}));
    const std::string menu = Ruta("medio/instalar.inf");
    const std::string ingles = Ruta("medio/instalar.EN.inf");
    const std::string portugues = Ruta("medio/instalar.pt.inf");

    EXPECT_EQ(Ejecutar({menu}), 0);
    EXPECT_EQ(errores.str(),
              "2 opciones, 0 errores y 0 avisos.\n" +
                  // Letter case aside, A.EXE is a.exe, as on Windows.
                  ingles + ":4: aviso: la opción 2, «Beta», arranca «c.exe», y la de instalar.inf (línea 4), «b.exe»: "
                           "un archivo de idioma traduce nombres y descripciones, no los programas\n" +
                  ingles + ": aviso: tiene 3 opciones y instalar.inf 2 opciones: los usuarios de cada idioma verían "
                           "otras opciones\n" +
                  ingles + ": 3 opciones, 0 errores y 2 avisos.\n" + portugues + ": 2 opciones, 0 errores y 0 avisos.\n");
}

// A language file is checked as any menu file: its errors count.
TEST_F(ComprobarIdiomasTest, LosErroresDeUnArchivoDeIdiomaCuentan) {
    Programas();
    carpeta.Escribir("medio/instalar.inf", LineasCrLf({"T", "1", "Alfa;a.exe;d"}));
    carpeta.Escribir("medio/instalar.de.inf", LineasCrLf({"T", "1", "Alfa;falta.exe;d"}));
    EXPECT_EQ(Ejecutar({Ruta("medio/instalar.inf")}), 1);
    EXPECT_NE(errores.str().find(Ruta("medio/instalar.de.inf") + ":3: error: no existe"), std::string::npos)
        << errores.str();
}

TEST_F(ComprobarIdiomasTest, AvisaDeClavesDesconocidasYDeTextosSinIgual) {
    Programas();
    carpeta.Escribir("medio/instalar.inf",
                     LineasCrLf({"T", "1", ";@texto instalar=Instalar agora", ";@texto instalr=Instalar agora",
                                 ";@texto cerrar Fechar", ";@textos cerrar=Fechar", "Alfa;a.exe;d"}));
    const std::string menu = Ruta("medio/instalar.inf");
    EXPECT_EQ(Ejecutar({menu}), 0);
    const std::string escrito = errores.str();
    // A known key with its text is no warning (outside Windows, a note that its width was not measured).
    EXPECT_EQ(escrito.find(menu + ":3: aviso"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find(menu + ":4: aviso: clave desconocida «instalr» en «;@texto»"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find("las claves son instalar, cerrar, indicacion,"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find(menu + ":5: aviso: a «;@texto cerrar Fechar» le falta «=»"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find(menu + ":6: aviso: directiva desconocida «;@textos cerrar=Fechar»"), std::string::npos)
        << escrito;
    EXPECT_NE(escrito.find("1 opción, 0 errores y 3 avisos."), std::string::npos) << escrito;
}

// Measured in the window's fonts (the fake's here: 90 twips a letter of a
// button, 67.5 of the hint line, 15 twips a pixel): a button's text may make
// it grow up to the window's middle, no further; the hint line has the
// window's width less its margins.
TEST_F(ComprobarIdiomasTest, AvisaDeLosTextosQueNoCabrian) {
    Programas();
    const std::string largo(60, 'x');
    carpeta.Escribir("medio/instalar.inf", LineasCrLf({"T", "1", "Alfa;a.exe;d"}));
    carpeta.Escribir("medio/instalar.pt.inf",
                     LineasCrLf({"T", "1", ";@texto instalar=Instalar agora", ";@texto cerrar=" + largo,
                                 ";@texto indicacion=" + std::string(97, 'y'), ";@texto indicacion=" + std::string(98, 'y'),
                                 "Alfa;a.exe;d"}));
    prueba::PlataformaFalsa medida;
    EXPECT_EQ(Ejecutar({Ruta("medio/instalar.inf")}, {}, &medida), 0);
    const std::string pt = Ruta("medio/instalar.pt.inf");
    const std::string escrito = errores.str();
    EXPECT_EQ(escrito.find(pt + ":3:"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find(pt + ":4: aviso: el texto «" + largo + "» no cabe en el botón «Cerrar»: necesita 372 píxeles "
                                "y el botón crece como mucho hasta 209 píxeles"),
              std::string::npos)
        << escrito;
    // 97 letters are 6547.5 twips, within 6765 less twice 90; 98 are not.
    EXPECT_EQ(escrito.find(pt + ":5:"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find(pt + ":6: aviso: la indicación «"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find(pt + ": 1 opción, 0 errores y 2 avisos."), std::string::npos) << escrito;

    // Without the window's fonts, one note says nothing was measured.
    EXPECT_EQ(Ejecutar({pt}), 0);
    EXPECT_NE(errores.str().find(pt + ":3: nota: el ancho de los textos solo se mide en Windows"), std::string::npos)
        << errores.str();
}

// The hint line's other texts: why an item is greyed and that an item is
// installed, measured as the line would show them, with the versions and
// the names (access keys aside) of the file's own items in the place of %1.
TEST_F(ComprobarIdiomasTest, AvisaDeLosMotivosYDelYaInstaladoQueNoCabrian) {
    Programas();
    carpeta.Escribir("medio/instalar.inf", LineasCrLf({"T", "1", "Alfa;a.exe;d", "Beta largo;b.exe;d"}));
    carpeta.Escribir("medio/instalar.pt.inf",
                     LineasCrLf({"T", "1", ";@requiere windows 10", ";@requiere windows 10.0.19045", "Alfa;a.exe;d",
                                 ";@instalado desinstalar Beta", "&Beta largo;b.exe;d",
                                 ";@texto posterior=" + std::string(88, 'y') + "%1",
                                 ";@texto posterior=" + std::string(87, 'y') + "%1",
                                 ";@texto yainstalado=%1" + std::string(87, 'z'),
                                 ";@texto yainstalado=%1" + std::string(88, 'z'),
                                 ";@texto anterior=" + std::string(100, 'y') + "%1",
                                 ";@texto no32=" + std::string(98, 'y')}));
    prueba::PlataformaFalsa medida;
    EXPECT_EQ(Ejecutar({Ruta("medio/instalar.inf")}, {}, &medida), 0);
    const std::string pt = Ruta("medio/instalar.pt.inf");
    const std::string escrito = errores.str();
    // 88 letters and "10.0.19045" are 98, one too many; "10" would fit.
    EXPECT_NE(escrito.find(pt + ":8: aviso: la indicación «" + std::string(88, 'y') + "10.0.19045» mide 441 píxeles"),
              std::string::npos)
        << escrito;
    EXPECT_EQ(escrito.find(pt + ":9:"), std::string::npos) << escrito;
    // "Beta largo" and 87 letters fit; with the "&" they would not.
    EXPECT_EQ(escrito.find(pt + ":10:"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find(pt + ":11: aviso: la indicación «Beta largo" + std::string(88, 'z') + "»"),
              std::string::npos)
        << escrito;
    // No item here requires an older Windows: that text never shows.
    EXPECT_EQ(escrito.find(pt + ":12:"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find(pt + ":13: aviso: la indicación «" + std::string(98, 'y') + "»"), std::string::npos)
        << escrito;
    // The fourth is the "&" the name hides.
    EXPECT_NE(escrito.find(pt + ":7: aviso: «&» en el nombre"), std::string::npos) << escrito;
    EXPECT_NE(escrito.find(pt + ": 2 opciones, 0 errores y 4 avisos."), std::string::npos) << escrito;
}

TEST_F(ComprobarIdiomasTest, IdiomasDiceQueArchivoTieneCadaIdioma) {
    carpeta.Escribir("medio/instalar.inf", LineasCrLf({"T", "1", "Alfa;a.exe;d"}));
    carpeta.Escribir("medio/instalar.pt-BR.inf", "");
    carpeta.Escribir("medio/instalar.en.inf", "");
    EXPECT_EQ(Ejecutar({"--idiomas", Ruta("medio/instalar.inf")}, {u"pt-PT", u"en-US", u"pt-BR"}), 0);
    EXPECT_EQ(salida.str(),
              "Idiomas del usuario, por orden:\n"
              "  pt-PT: instalar.inf (no hay instalar.pt-PT.inf ni instalar.pt.inf)\n"
              "  en-US: instalar.en.inf\n"
              "  pt-BR: instalar.pt-BR.inf\n"
              "instalar leería instalar.en.inf.\n");
    EXPECT_EQ(errores.str(), "");
}

TEST(ArchivosDeIdioma, SoloNombreEtiquetaYExtensionDelMenu) {
    CarpetaTemporal carpeta{"comprobar-idiomas-"};
    for (const char* nombre : {"instalar.inf", "INSTALAR.pt-BR.INF", "instalar.en.inf", "instalar.inf.bak",
                               "instalar..inf", "instalar.en_US.inf", "otro.en.inf", "instalar.es.txt"})
        carpeta.Escribir(std::string("medio/") + nombre, "");
    SistemaArchivosReal sistema;
    std::vector<std::u16string> hallados;
    for (const auto& archivo : ArchivosDeIdioma(carpeta.Ruta() / "medio" / "instalar.inf", sistema))
        hallados.push_back(archivo.nombre + u"=" + archivo.etiqueta);
    EXPECT_EQ(hallados, (std::vector<std::u16string>{u"INSTALAR.pt-BR.INF=pt-BR", u"instalar.en.inf=en"}));
}

struct CasoEntorno {
    const char* nombre;
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    std::vector<std::u16string> idiomas;
};

void PrintTo(const CasoEntorno& caso, std::ostream* os) { *os << caso.nombre; }

class IdiomasDeEntornoTest : public ::testing::TestWithParam<CasoEntorno> {};

TEST_P(IdiomasDeEntornoTest, ComoLosDiceLinux) {
    const CasoEntorno& c = GetParam();
    EXPECT_EQ(IdiomasDeEntorno(c.language, c.lcAll, c.lcMessages, c.lang), c.idiomas);
}

INSTANTIATE_TEST_SUITE_P(
    Entornos, IdiomasDeEntornoTest,
    ::testing::Values(CasoEntorno{"Nada", nullptr, nullptr, nullptr, nullptr, {}},
                      CasoEntorno{"Lang", nullptr, nullptr, nullptr, "pt_BR.UTF-8", {u"pt-BR"}},
                      CasoEntorno{"LcAllAntesQueLang", nullptr, "de_DE.UTF-8@euro", nullptr, "pt_BR.UTF-8", {u"de-DE"}},
                      CasoEntorno{"LcMessages", nullptr, "", "en_GB", "pt_BR.UTF-8", {u"en-GB"}},
                      CasoEntorno{"C", nullptr, "C.UTF-8", nullptr, "pt_BR.UTF-8", {}},
                      CasoEntorno{"Language", "pt_BR:pt:en", nullptr, nullptr, "pt_BR.UTF-8", {u"pt-BR", u"pt", u"en"}},
                      // gettext ignores LANGUAGE under the C locale.
                      CasoEntorno{"LanguageConC", "pt_BR:en", "C", nullptr, nullptr, {}}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar::comprobar
