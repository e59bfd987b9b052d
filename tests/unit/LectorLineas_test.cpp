#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ArchivoEnTrozos.h"
#include "menufile/LectorLineas.h"

namespace instalar {
namespace {

using ArchivoTrozos = prueba::ArchivoEnTrozos;

struct CasoLectura {
    const char* nombre;
    std::string contenido;
    std::vector<std::string> lineas;
};

void PrintTo(const CasoLectura& caso, std::ostream* os) { *os << caso.nombre; }

class LeerLineasTest : public ::testing::TestWithParam<std::tuple<CasoLectura, size_t>> {};

// Reads as the menu readers do: while not at the end, one line; then one read
// too many, which must be the end-of-file error.
TEST_P(LeerLineasTest, CortaEnCROCRLFYFallaAlPasarDelFinal) {
    const auto& [caso, trozo] = GetParam();
    LectorLineas lector(std::make_unique<ArchivoTrozos>(caso.contenido, trozo));
    std::vector<std::string> leidas;
    while (!lector.FinDeArchivo()) {
        auto linea = lector.LeerLinea();
        ASSERT_TRUE(linea.ok()) << static_cast<int>(linea.error().codigo);
        leidas.push_back(linea.valor());
        ASSERT_LE(leidas.size(), caso.lineas.size() + 1) << "no llega al final";
    }
    EXPECT_EQ(leidas, caso.lineas);

    auto deMas = lector.LeerLinea();
    ASSERT_FALSE(deMas.ok());
    EXPECT_EQ(deMas.error().codigo, CodigoError::FinDeArchivo);
    EXPECT_EQ(deMas.error().descripcion, u"La entrada pasó del final del archivo");
    EXPECT_TRUE(lector.FinDeArchivo());
}

std::vector<CasoLectura> CasosLectura() {
    const std::string larga(100000, 'x');  // longer than the reader's buffer
    return {
        {"CRLF", "Título\r\n1.0\r\n", {"Título", "1.0"}},
        {"SoloCR", "a\rb\r", {"a", "b"}},
        {"SinFinalDeLinea", "a\r\nb", {"a", "b"}},
        {"CRAlFinal", "a\r", {"a"}},
        {"SoloUnCR", "\r", {""}},
        {"LineasVacias", "\r\n\r\nx\r\n\r\n", {"", "", "x", ""}},
        {"CRSeguidoDeCRLF", "\r\r\n", {"", ""}},
        {"LFSueltoEsUnCaracter", "a\nb\r\nc", {"a\nb", "c"}},
        {"SoloLF", "t\nv\ne;s.exe\n", {"t\nv\ne;s.exe\n"}},
        {"LFTrasCRLFEmpiezaLaSiguiente", "a\r\n\nb", {"a", "\nb"}},
        {"LFCR", "a\n\rb", {"a\n", "b"}},
        {"BytesAltosIntactos", "M\xF3" "dulo\r\n", {"M\xF3" "dulo"}},
        {"ArchivoVacio", "", {}},
        {"LineaMayorQueElBufer", larga + "\r\nfin", {larga, "fin"}},
    };
}

INSTANTIATE_TEST_SUITE_P(Archivos, LeerLineasTest,
                         ::testing::Combine(::testing::ValuesIn(CasosLectura()),
                                            ::testing::Values(size_t{1}, size_t{2}, size_t{7}, size_t{1} << 20)),
                         [](const auto& caso) {
                             return std::string(std::get<0>(caso.param).nombre) + "_" +
                                    std::to_string(std::get<1>(caso.param));
                         });

struct CasoFallo {
    const char* nombre;
    std::string contenido;
    size_t fallaTras;
    std::vector<std::string> lineasAntes;  // read fine before the failure shows
};

void PrintTo(const CasoFallo& caso, std::ostream* os) { *os << caso.nombre; }

class FalloLecturaTest : public ::testing::TestWithParam<CasoFallo> {};

// A failing read is not the end of the file: the next line read reports it.
TEST_P(FalloLecturaTest, ElErrorDeLecturaLlegaALaSiguienteLinea) {
    const CasoFallo& caso = GetParam();
    LectorLineas lector(std::make_unique<ArchivoTrozos>(caso.contenido, 3, caso.fallaTras));
    for (const auto& esperada : caso.lineasAntes) {
        ASSERT_FALSE(lector.FinDeArchivo());
        auto linea = lector.LeerLinea();
        ASSERT_TRUE(linea.ok());
        EXPECT_EQ(linea.valor(), esperada);
    }
    EXPECT_FALSE(lector.FinDeArchivo());
    auto fallida = lector.LeerLinea();
    ASSERT_FALSE(fallida.ok());
    EXPECT_EQ(fallida.error().codigo, CodigoError::PermisoDenegado);
    EXPECT_EQ(fallida.error().codigoSistema, 5u);
}

INSTANTIATE_TEST_SUITE_P(
    Archivos, FalloLecturaTest,
    ::testing::Values(CasoFallo{"EnLaPrimeraLectura", "abc\r\n", 0, {}},
                      CasoFallo{"EnMitadDeUnaLinea", "abc\r\ndef\r\n", 6, {"abc"}},
                      // The line ends at its CR; the failure shows on the next read.
                      CasoFallo{"AlMirarSiSigueLF", "abc\r\ndef", 4, {"abc"}}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// A line longer than any menu could use ends the reading with an overflow,
// so a file of a gigabyte without a line end cannot take all the memory.
// The limit is the reader's; a small one here keeps the files small.
constexpr size_t kLimite = 5000;
struct CasoLineaLarga {
    const char* nombre;
    bool unidadesDe16Bits;
    size_t caracteres;  // of the first line, which a CR ends
    bool desborda;
};

void PrintTo(const CasoLineaLarga& caso, std::ostream* os) { *os << caso.nombre; }

class LineaLargaTest : public ::testing::TestWithParam<CasoLineaLarga> {};

std::string Unidades(const std::string& bytes) {
    std::string unidades;
    for (const char c : bytes) unidades += {c, '\0'};
    return unidades;
}

TEST_P(LineaLargaTest, PasadoElLimiteEsUnDesbordamiento) {
    const CasoLineaLarga& caso = GetParam();
    const std::string contenido = std::string(caso.caracteres, 'x') + "\r\nsigue\r\n";
    LectorLineas lector(std::make_unique<ArchivoTrozos>(caso.unidadesDe16Bits ? Unidades(contenido) : contenido, 7),
                        kLimite);
    if (caso.unidadesDe16Bits) lector.UsarUnidadesDe16Bits();
    auto linea = lector.LeerLinea();
    if (caso.desborda) {
        ASSERT_FALSE(linea.ok());
        EXPECT_EQ(linea.error().codigo, CodigoError::Desbordamiento);
        EXPECT_EQ(linea.error().descripcion, u"Desbordamiento");
    } else {
        ASSERT_TRUE(linea.ok());
        EXPECT_EQ(linea.valor().size(), caso.caracteres * (caso.unidadesDe16Bits ? 2 : 1));
        auto siguiente = lector.LeerLinea();
        ASSERT_TRUE(siguiente.ok());
        EXPECT_EQ(siguiente.valor(), caso.unidadesDe16Bits ? Unidades("sigue") : "sigue");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Archivos, LineaLargaTest,
    ::testing::Values(CasoLineaLarga{"BytesJustoElLimite", false, kLimite, false},
                      CasoLineaLarga{"BytesUnoMas", false, kLimite + 1, true},
                      CasoLineaLarga{"BytesMuchosMas", false, 3 * kLimite, true},
                      CasoLineaLarga{"UnidadesJustoElLimite", true, kLimite, false},
                      CasoLineaLarga{"UnidadesUnaMas", true, kLimite + 1, true}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar
