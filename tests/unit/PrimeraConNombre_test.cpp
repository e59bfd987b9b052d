#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "comprobar/Windows1252.h"
#include "menufile/PrimeraConNombre.h"

namespace instalar {
namespace {

using prueba::PlataformaFalsa;

// Names compared without case, grouped by their lower-case form (in
// Windows-1252, as the fake compares them), as the checker does: the groups
// must not change a single answer.
class ComparacionAgrupada : public ComparacionNombres {
public:
    bool IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) override {
        return PlataformaFalsa::IgualesEnWindows1252(a, b);
    }
    std::u16string GrupoDeNombre(const std::u16string& nombre) override { return comprobar::SinMayusculas(nombre); }
};

struct CasoNombres {
    const char* nombre;
    std::vector<std::u16string> nombres;  // the entries, in file order
    std::vector<size_t> primeras;         // for each, the entry it takes its description from
};

void PrintTo(const CasoNombres& caso, std::ostream* os) { *os << caso.nombre; }

class PrimerasTest : public ::testing::TestWithParam<CasoNombres> {};

TEST_P(PrimerasTest, CadaOpcionTomaLaDescripcionDeLaPrimeraDeSuNombre) {
    const CasoNombres& caso = GetParam();
    PlataformaFalsa unGrupo;
    ComparacionAgrupada agrupada;
    for (ComparacionNombres* comparacion : std::initializer_list<ComparacionNombres*>{&unGrupo, &agrupada}) {
        PrimerasPorNombre primeras(*comparacion);
        std::vector<size_t> halladas;
        for (const auto& nombre : caso.nombres) halladas.push_back(primeras.Anotar(nombre));
        EXPECT_EQ(halladas, caso.primeras);

        // The window's search for one name agrees with the whole-menu answer.
        for (size_t i = 0; i < caso.nombres.size(); ++i) {
            PrimeraConNombre una(*comparacion, caso.nombres[i]);
            size_t hallada = caso.nombres.size();
            for (size_t k = 0; k < caso.nombres.size(); ++k) {
                if (una.Es(caso.nombres[k])) {
                    EXPECT_EQ(hallada, caso.nombres.size()) << "a second entry matched for " << i;
                    hallada = k;
                }
            }
            EXPECT_EQ(hallada, caso.primeras[i]) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Nombres, PrimerasTest,
                         ::testing::Values(CasoNombres{"Distintos", {u"Alfa", u"Beta", u"Gamma"}, {0, 1, 2}},
                                           CasoNombres{"Repetido", {u"Alfa", u"Beta", u"Alfa"}, {0, 1, 0}},
                                           CasoNombres{"SoloMayusculas", {u"alfa", u"ALFA", u"Alfa"}, {0, 0, 0}},
                                           CasoNombres{"Acentos", {u"Módulo", u"MÓDULO", u"Modulo"}, {0, 0, 2}},
                                           CasoNombres{"LetrasDeWindows1252", {u"Œuvre Škoda", u"œUVRE šKODA", u"Oeuvre Skoda"},
                                                       {0, 0, 2}},
                                           CasoNombres{"EspaciosCuentan", {u"Alfa", u"Alfa ", u"alfa "}, {0, 1, 1}},
                                           CasoNombres{"Vacio", {u"", u"x", u""}, {0, 1, 0}}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar
