#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comprobar/RutaPrograma.h"

namespace instalar::comprobar {
namespace {

struct CasoRuta {
    const char* nombre;
    std::u16string comando;
    std::vector<std::u16string> componentes;
};

void PrintTo(const CasoRuta& caso, std::ostream* os) { *os << caso.nombre; }

class ComponentesDeProgramaTest : public ::testing::TestWithParam<CasoRuta> {};

TEST_P(ComponentesDeProgramaTest, LeeLaRutaComoWindows) {
    EXPECT_EQ(ComponentesDePrograma(GetParam().comando), GetParam().componentes);
}

using C = std::vector<std::u16string>;

INSTANTIATE_TEST_SUITE_P(
    Comandos, ComponentesDeProgramaTest,
    ::testing::Values(CasoRuta{"Barras", u"conta\\setup.exe", C{u"conta", u"setup.exe"}},
                      CasoRuta{"BarrasInclinadas", u"conta/setup.exe", C{u"conta", u"setup.exe"}},
                      CasoRuta{"BarrasRepetidas", u"\\conta\\\\setup.exe", C{u"conta", u"setup.exe"}},
                      CasoRuta{"Punto", u".\\conta\\.\\setup.exe", C{u"conta", u"setup.exe"}},
                      CasoRuta{"DosPuntos", u"conta\\x\\..\\setup.exe", C{u"conta", u"setup.exe"}},
                      CasoRuta{"SubeSobreLaCarpeta", u"..\\..\\otro\\setup.exe", C{u"..", u"..", u"otro", u"setup.exe"}},
                      CasoRuta{"EspaciosYPuntosFinales", u"setup.exe . .", C{u"setup.exe"}},
                      CasoRuta{"EspacioInicialSeQueda", u" setup.exe", C{u" setup.exe"}},
                      CasoRuta{"EspacioInterior", u"mis programas\\setup.exe", C{u"mis programas", u"setup.exe"}},
                      CasoRuta{"Vacio", u"", C{}}, CasoRuta{"SoloEspacios", u"   ", C{}},
                      CasoRuta{"SoloPunto", u".", C{}}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar::comprobar
