#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MenuDePrueba.h"
#include "window/TeclasAcceso.h"

namespace instalar::prueba {
namespace {

struct CasoMarcas {
    const char* nombre;
    std::u16string texto;
    std::u16string visible;
    std::optional<char16_t> tecla;
};

void PrintTo(const CasoMarcas& caso, std::ostream* os) { *os << caso.nombre; }

class MarcasTest : public ::testing::TestWithParam<CasoMarcas> {};

TEST_P(MarcasTest, TextoVisibleYTeclaDeAcceso) {
    const CasoMarcas& caso = GetParam();
    EXPECT_EQ(TextoMostrado(caso.texto), caso.visible);
    EXPECT_EQ(TeclaDeAcceso(caso.texto), caso.tecla);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, MarcasTest,
    ::testing::Values(CasoMarcas{"Vacio", u"", u"", std::nullopt},
                      CasoMarcas{"SinMarca", u"Contabilidad", u"Contabilidad", std::nullopt},
                      CasoMarcas{"MarcaAlPrincipio", u"&Contabilidad", u"Contabilidad", u'C'},
                      CasoMarcas{"MarcaEnMedio", u"Ma&nual", u"Manual", u'n'},
                      CasoMarcas{"DobleEsUnAmpersand", u"Nóminas && pagas", u"Nóminas & pagas", std::nullopt},
                      CasoMarcas{"DobleYLuegoMarca", u"&&&Compras", u"&Compras", u'C'},
                      CasoMarcas{"MarcaTrasDoble", u"A&&B &Caja", u"A&B Caja", u'C'},
                      CasoMarcas{"VariasMarcasCuentaLaPrimera", u"a&b&c", u"abc", u'b'},
                      CasoMarcas{"AlFinalNoSeVe", u"Fin&", u"Fin", std::nullopt},
                      CasoMarcas{"SoloUnaMarca", u"&", u"", std::nullopt},
                      CasoMarcas{"SoloDoble", u"&&", u"&", std::nullopt},
                      CasoMarcas{"MarcaUnEspacio", u"A & B", u"A  B", u' '},
                      CasoMarcas{"LetraConAcento", u"&Ñandú", u"Ñandú", u'Ñ'}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// Labels with these texts, as the item list holds them.
std::vector<Etiqueta> Etiquetas(const std::vector<std::u16string>& textos) {
    std::vector<Etiqueta> etiquetas(textos.size());
    for (size_t i = 0; i < textos.size(); ++i) etiquetas[i].texto = textos[i];
    return etiquetas;
}

const std::vector<std::u16string> kNombres = {u"&Contabilidad", u"&Compras", u"&Nóminas", u"Manual",
                                               u"&cierre",       u"&ñandú",   u"Caja && banco"};

struct CasoTecla {
    const char* nombre;
    int16_t actual;
    char16_t tecla;
    std::optional<int16_t> elegida;
    int16_t n = 7;
};

void PrintTo(const CasoTecla& caso, std::ostream* os) { *os << caso.nombre; }

class OpcionConTeclaTest : public ::testing::TestWithParam<CasoTecla> {};

TEST_P(OpcionConTeclaTest, LaSiguienteConEsaTeclaDandoLaVuelta) {
    const CasoTecla& caso = GetParam();
    PlataformaFalsa comparacion;
    EXPECT_EQ(OpcionConTecla(Etiquetas(kNombres), caso.n, caso.actual, caso.tecla, comparacion), caso.elegida);
}

INSTANTIATE_TEST_SUITE_P(
    Teclas, OpcionConTeclaTest,
    ::testing::Values(CasoTecla{"CompartidaPasaALaSiguiente", 0, u'c', int16_t{1}},
                      CasoTecla{"SinMayusculasTambien", 1, u'c', int16_t{4}},
                      CasoTecla{"DaLaVuelta", 4, u'C', int16_t{0}},
                      CasoTecla{"SinSeleccionLaPrimera", 7, u'c', int16_t{0}},
                      CasoTecla{"UnicaDesdeOtra", 0, u'n', int16_t{2}},
                      CasoTecla{"UnicaYaSeleccionadaSeQueda", 2, u'N', int16_t{2}},
                      CasoTecla{"LetraConAcentoSinMayusculas", 0, u'Ñ', int16_t{5}},
                      CasoTecla{"NombreSinMarcaNoCuenta", 0, u'm', std::nullopt},
                      CasoTecla{"ElDobleAmpersandNoMarca", 0, u'b', std::nullopt},
                      CasoTecla{"ElAmpersandNoEsTecla", 0, u'&', std::nullopt},
                      // Labels past the count (the one that overflowed it) are not items.
                      CasoTecla{"SoloEntreLasContadas", 0, u'n', std::nullopt, 2},
                      CasoTecla{"ListaVacia", 0, u'c', std::nullopt, 0}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar::prueba
