#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "menufile/RutaMenu.h"

namespace instalar {
namespace {

struct CasoRuta {
    const char* nombre;
    std::u16string lineaComandos;
    std::u16string carpeta;
    std::u16string esperada;
};

void PrintTo(const CasoRuta& caso, std::ostream* os) { *os << caso.nombre; }

class ResolverArchivoMenuTest : public ::testing::TestWithParam<CasoRuta> {};

TEST_P(ResolverArchivoMenuTest, LineaDeComandosEnteraOInstalarInf) {
    const CasoRuta& caso = GetParam();
    EXPECT_EQ(ResolverArchivoMenu(caso.lineaComandos, caso.carpeta), caso.esperada);
}

INSTANTIATE_TEST_SUITE_P(
    Rutas, ResolverArchivoMenuTest,
    ::testing::Values(
        CasoRuta{"SinLineaDeComandos", u"", u"C:\\medio", u"C:\\medio\\instalar.inf"},
        // The literal is appended without looking at the folder's last character.
        CasoRuta{"RaizDeUnidad", u"", u"E:\\", u"E:\\\\instalar.inf"},
        CasoRuta{"CarpetaConEspacios", u"", u"C:\\Mis cosas\\medio", u"C:\\Mis cosas\\medio\\instalar.inf"},
        CasoRuta{"LineaDeComandosTalCual", u"D:\\otro\\menu.inf", u"C:\\medio", u"D:\\otro\\menu.inf"},
        CasoRuta{"ComillasYEspaciosSeConservan", u" \"D:\\mi menú\\a.inf\" b.inf ", u"C:\\medio",
                 u" \"D:\\mi menú\\a.inf\" b.inf "},
        CasoRuta{"SoloEspacios", u"  ", u"C:\\medio", u"  "}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

struct CasoLogo {
    const char* nombre;
    std::u16string carpeta;
    std::u16string esperada;
};

void PrintTo(const CasoLogo& caso, std::ostream* os) { *os << caso.nombre; }

class RutaLogoTest : public ::testing::TestWithParam<CasoLogo> {};

TEST_P(RutaLogoTest, UnaSolaBarraAntesDelNombre) {
    EXPECT_EQ(RutaLogo(GetParam().carpeta), GetParam().esperada);
}

INSTANTIATE_TEST_SUITE_P(Rutas, RutaLogoTest,
                         ::testing::Values(CasoLogo{"Carpeta", u"C:\\medio", u"C:\\medio\\quorbel.bmp"},
                                           CasoLogo{"RaizDeUnidad", u"E:\\", u"E:\\quorbel.bmp"},
                                           CasoLogo{"RedUNC", u"\\\\servidor\\cd", u"\\\\servidor\\cd\\quorbel.bmp"}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar
