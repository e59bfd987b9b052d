#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "menufile/BuscarDescripcion.h"

namespace instalar {
namespace {

using prueba::LineasCrLf;
using prueba::PlataformaFalsa;

const std::u16string kRuta = u"C:\\medio\\instalar.inf";

std::string LineaDesbordada() { return std::string(32767, 'x') + ";cmd;larga"; }

struct CasoDescripcion {
    const char* nombre;
    std::optional<std::vector<std::string>> lineas;  // nothing: no such file
    std::u16string buscado;
    // Exactly one of these applies.
    std::optional<std::u16string> descripcion;
    std::optional<CodigoError> error;
};

void PrintTo(const CasoDescripcion& caso, std::ostream* os) { *os << caso.nombre; }

class BuscarDescripcionTest : public ::testing::TestWithParam<CasoDescripcion> {};

TEST_P(BuscarDescripcionTest, LeeElArchivoHastaLaPrimeraCoincidencia) {
    const CasoDescripcion& caso = GetParam();
    PlataformaFalsa plataforma;
    if (caso.lineas) plataforma.archivos[kRuta] = LineasCrLf(*caso.lineas);

    auto resultado = BuscarDescripcion(plataforma, kRuta, caso.buscado);
    EXPECT_EQ(plataforma.archivosAbiertos, 0);
    if (caso.error) {
        ASSERT_FALSE(resultado.ok());
        EXPECT_EQ(resultado.error().codigo, *caso.error);
        EXPECT_EQ(resultado.error().descripcion, DescripcionDe(*caso.error));
        return;
    }
    ASSERT_TRUE(resultado.ok()) << static_cast<int>(resultado.error().codigo);
    EXPECT_EQ(resultado.valor(), caso.descripcion);
}

using Lineas = std::vector<std::string>;
const std::optional<std::u16string> kNada;
const std::optional<CodigoError> kSinError;

std::vector<CasoDescripcion> CasosDescripcion() {
    return {
        {"PrimeraSinMayusculas", Lineas{"T", "V", "Alfa;a.exe;uno", "ALFA;b.exe;dos"}, u"alfa", u"uno", kSinError},
        {"OtraEntrada", Lineas{"T", "V", "Alfa;a.exe;uno", "Beta;b.exe;dos"}, u"BETA", u"dos", kSinError},
        {"AcentosSinMayusculas", Lineas{"T", "V", "M\xF3" "dulo;m.exe;con acento"}, u"MÓDULO", u"con acento",
         kSinError},
        // The first match ends the search even when it has no description.
        {"CoincidenciaSinDescripcion", Lineas{"T", "V", "Alfa;a.exe", "alfa;b.exe;dos"}, u"Alfa", kNada, kSinError},
        {"DescripcionVacia", Lineas{"T", "V", "Alfa;a.exe;"}, u"Alfa", u"", kSinError},
        {"DescripcionConPuntoYComa", Lineas{"T", "V", "Alfa;a.exe;x; y;"}, u"Alfa", u"x; y;", kSinError},
        {"SinCoincidencia", Lineas{"T", "V", "Alfa;a.exe;uno"}, u"Gamma", kNada, kSinError},
        {"ElComandoNoSeCompara", Lineas{"T", "V", "Alfa;Beta;uno"}, u"Beta", kNada, kSinError},
        {"ElNombreNoSeRecorta", Lineas{"T", "V", " Alfa ;a.exe;uno"}, u"Alfa", kNada, kSinError},
        {"ElNombreConSuEspacio", Lineas{"T", "V", " Alfa ;a.exe;uno"}, u"Alfa ", u"uno", kSinError},
        {"ComentariosYBlancos", Lineas{"T", "V", ";Alfa;x;no", "", "   ", "Alfa;a.exe;si"}, u"Alfa", u"si",
         kSinError},
        {"LaCabeceraNoEsUnaEntrada", Lineas{"Alfa;a.exe;titulo", "Alfa;a.exe;version", "Beta;b.exe;x"}, u"Alfa",
         kNada, kSinError},
        {"UnaLineaVaciaTrasLaCabecera", Lineas{"T", "V", ""}, u"Alfa", kNada, kSinError},
        // One line after the header is always read.
        {"SoloCabecera", Lineas{"T", "V"}, u"Alfa", kNada, CodigoError::FinDeArchivo},
        {"UnaSolaLinea", Lineas{"T"}, u"Alfa", kNada, CodigoError::FinDeArchivo},
        {"SinArchivo", std::nullopt, u"Alfa", kNada, CodigoError::ArchivoNoEncontrado},
        {"DesbordaAntesDeCoincidir", Lineas{"T", "V", LineaDesbordada(), "Alfa;a.exe;uno"}, u"Alfa", kNada,
         CodigoError::Desbordamiento},
        {"DesbordaTrasLaCoincidencia", Lineas{"T", "V", "Alfa;a.exe;uno", LineaDesbordada()}, u"Alfa", u"uno",
         kSinError},
        // Only the list reader measures a command that runs to the end of the line.
        {"ComandoLargoNoSeMide", Lineas{"T", "V", "x;" + std::string(40000, 'c'), "Alfa;a.exe;uno"}, u"Alfa",
         u"uno", kSinError},
    };
}

INSTANTIATE_TEST_SUITE_P(Archivos, BuscarDescripcionTest, ::testing::ValuesIn(CasosDescripcion()),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

TEST(BuscarDescripcionReleeTest, CadaBusquedaLeeElArchivoDeNuevo) {
    PlataformaFalsa plataforma;
    plataforma.archivos[kRuta] = LineasCrLf({"T", "V", "Alfa;a.exe;antes"});
    auto antes = BuscarDescripcion(plataforma, kRuta, u"Alfa");
    ASSERT_TRUE(antes.ok());
    EXPECT_EQ(antes.valor(), std::optional<std::u16string>(u"antes"));

    plataforma.archivos[kRuta] = LineasCrLf({"T", "V", "Beta;b.exe;otra", "alfa;a.exe;despues"});
    auto despues = BuscarDescripcion(plataforma, kRuta, u"Alfa");
    ASSERT_TRUE(despues.ok());
    EXPECT_EQ(despues.valor(), std::optional<std::u16string>(u"despues"));
    EXPECT_EQ(plataforma.aperturas, 2);
}

}  // namespace
}  // namespace instalar
