#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "menufile/IdiomaMenu.h"

namespace instalar::prueba {
namespace {

const std::u16string kBase = u"C:\\medio\\instalar.inf";

struct CasoIdioma {
    const char* nombre;
    std::vector<std::u16string> idiomas;  // the user's, most wanted first
    std::vector<std::u16string> presentes;  // files beside instalar.inf, by name
    std::u16string elegido;               // the file read
    std::u16string idioma;                // the tag it was found under
};

void PrintTo(const CasoIdioma& caso, std::ostream* os) { *os << caso.nombre; }

class ElegirMenuTest : public ::testing::TestWithParam<CasoIdioma> {};

// Windows opens a file whatever the letter case of its name: so does the fake here.
TEST_P(ElegirMenuTest, PrimerArchivoQueExisteParaLosIdiomasDelUsuario) {
    const CasoIdioma& caso = GetParam();
    PlataformaFalsa p;
    p.aperturaSinMayusculas = true;
    p.archivos[kBase] = "Menu\r\n1\r\nA;a.exe;a\r\n";
    for (const auto& nombre : caso.presentes) p.archivos[u"C:\\medio\\" + nombre] = "Menu\r\n1\r\nA;a.exe;a\r\n";
    const MenuElegido elegido = ElegirMenu(p, kBase, caso.idiomas);
    EXPECT_EQ(elegido.ruta, u"C:\\medio\\" + caso.elegido);
    EXPECT_EQ(elegido.idioma, caso.idioma);
    EXPECT_EQ(p.archivosAbiertos, 0) << "a file looked at is closed again";
}

INSTANTIATE_TEST_SUITE_P(
    Idiomas, ElegirMenuTest,
    ::testing::Values(
        CasoIdioma{"InglesConSuArchivo", {u"en-US"}, {u"instalar.en.inf"}, u"instalar.en.inf", u"en"},
        CasoIdioma{"RegionExactaAntesQueNeutro", {u"en-US"}, {u"instalar.en.inf", u"instalar.en-US.inf"},
                   u"instalar.en-US.inf", u"en-US"},
        // pt-BR is not pt-PT's neutral language.
        CasoIdioma{"PortuguesDePortugalSoloConBrasil", {u"pt-PT"}, {u"instalar.pt-BR.inf"}, u"instalar.inf", u""},
        CasoIdioma{"PortuguesDeBrasilConNeutro", {u"pt-BR"}, {u"instalar.pt.inf"}, u"instalar.pt.inf", u"pt"},
        CasoIdioma{"ChinoTradicionalConSuRegion", {u"zh-TW"}, {u"instalar.zh-CN.inf", u"instalar.zh-TW.inf"},
                   u"instalar.zh-TW.inf", u"zh-TW"},
        CasoIdioma{"ChinoTradicionalSoloConSimplificado", {u"zh-TW"}, {u"instalar.zh-CN.inf"}, u"instalar.inf", u""},
        CasoIdioma{"TresIdiomasSoloElSegundoTieneArchivo", {u"de-DE", u"fr-CA", u"en-US"},
                   {u"instalar.fr.inf", u"instalar.en.inf"}, u"instalar.fr.inf", u"fr"},
        // The exact tag of a later language does not come before an
        // earlier language's neutral one.
        CasoIdioma{"NeutroDelPrimeroAntesQueElSegundo", {u"fr-CA", u"en-US"},
                   {u"instalar.fr.inf", u"instalar.en-US.inf"}, u"instalar.fr.inf", u"fr"},
        // The path as tried: Windows opens the file of any case under it.
        CasoIdioma{"EtiquetaEnMayusculasRaras", {u"EN-us"}, {u"instalar.en-US.inf"}, u"instalar.EN-us.inf", u"EN-us"},
        CasoIdioma{"ArchivoEnMayusculasRaras", {u"pt-BR"}, {u"instalar.PT-br.inf"}, u"instalar.pt-BR.inf", u"pt-BR"},
        CasoIdioma{"NingunIdioma", {}, {u"instalar.en.inf"}, u"instalar.inf", u""},
        CasoIdioma{"NadaQueNoSeaEtiqueta", {u"..\\otro", u"en US", u""}, {u"instalar...\\otro.inf"}, u"instalar.inf",
                   u""}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// Without language files the look costs only the failed openings, one per
// tag tried, each tag once whatever its case.
TEST(ElegirMenu, SinArchivosDeIdiomaSoloLasAperturasQueFallan) {
    PlataformaFalsa p;
    p.archivos[kBase] = "Menu\r\n1\r\n";
    const MenuElegido elegido = ElegirMenu(p, kBase, {u"pt-BR", u"PT-br", u"pt", u"en"});
    EXPECT_EQ(elegido.ruta, kBase);
    EXPECT_EQ(p.rutasAbiertas, (std::vector<std::u16string>{u"C:\\medio\\instalar.pt-BR.inf",
                                                            u"C:\\medio\\instalar.pt.inf",
                                                            u"C:\\medio\\instalar.en.inf"}));
    EXPECT_EQ(p.bytesLeidos, 0u);
}

// A language file that is there but cannot be read is still the user's:
// its error shows, as for any menu file, rather than another language.
TEST(ElegirMenu, ArchivoQueEstaPeroNoSeLeeSigueSiendoElDelUsuario) {
    PlataformaFalsa p;
    p.archivos[kBase] = "Menu\r\n1\r\n";
    p.erroresDeApertura[u"C:\\medio\\instalar.en.inf"] = ErrorDe(CodigoError::PermisoDenegado, 5);
    EXPECT_EQ(ElegirMenu(p, kBase, {u"en-GB"}).ruta, u"C:\\medio\\instalar.en.inf");
}

// "CON.en" is the console again, and it opens: a device keeps its own texts.
TEST(ElegirMenu, UnDispositivoNoTieneArchivosDeIdioma) {
    PlataformaFalsa p;
    p.aperturaSinMayusculas = true;
    for (const char16_t* dispositivo : {u"CON", u"C:\\medio\\nul.inf", u"com1", u"LPT9.txt", u"C:\\x\\aux .inf"}) {
        p.archivos[RutaEnIdioma(dispositivo, u"en")] = "el mismo dispositivo";
        p.rutasAbiertas.clear();
        EXPECT_EQ(ElegirMenu(p, dispositivo, {u"en-US"}).ruta, dispositivo);
        EXPECT_TRUE(p.rutasAbiertas.empty());
    }
    EXPECT_FALSE(NombraUnDispositivo(u"C:\\medio\\console.inf"));
    EXPECT_FALSE(NombraUnDispositivo(u"C:\\con\\instalar.inf"));
    EXPECT_FALSE(NombraUnDispositivo(u"C:\\medio\\com10"));
}

struct CasoRutaEnIdioma {
    const char* nombre;
    std::u16string ruta;
    std::u16string esperada;
};

void PrintTo(const CasoRutaEnIdioma& caso, std::ostream* os) { *os << caso.nombre; }

class RutaEnIdiomaTest : public ::testing::TestWithParam<CasoRutaEnIdioma> {};

TEST_P(RutaEnIdiomaTest, EtiquetaAntesDeLaExtension) {
    EXPECT_EQ(RutaEnIdioma(GetParam().ruta, u"en"), GetParam().esperada);
}

INSTANTIATE_TEST_SUITE_P(
    Rutas, RutaEnIdiomaTest,
    ::testing::Values(CasoRutaEnIdioma{"ArchivoDelMedio", u"E:\\instalar.inf", u"E:\\instalar.en.inf"},
                      CasoRutaEnIdioma{"LineaDeComandos", u"D:\\menus\\oficina.inf", u"D:\\menus\\oficina.en.inf"},
                      CasoRutaEnIdioma{"DosPuntos", u"D:\\menus\\oficina.2024.inf", u"D:\\menus\\oficina.2024.en.inf"},
                      // A dot in a folder's name is no extension.
                      CasoRutaEnIdioma{"SinExtension", u"D:\\menus.v2\\oficina", u"D:\\menus.v2\\oficina.en"},
                      CasoRutaEnIdioma{"BarraNormal", u"D:/menus.v2/oficina", u"D:/menus.v2/oficina.en"},
                      CasoRutaEnIdioma{"SoloNombre", u"oficina.inf", u"oficina.en.inf"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar::prueba
