#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "common/Texto.h"
#include "menufile/ComandoMenu.h"

namespace instalar {
namespace {

struct CasoComando {
    const char* nombre;
    const char* comando;
    const char* archivo;
    const char* argumentos;
    CodigoError error;  // Ninguno: the command is sound
};

void PrintTo(const CasoComando& caso, std::ostream* os) { *os << caso.nombre; }

class PartirComandoTest : public ::testing::TestWithParam<CasoComando> {};

TEST_P(PartirComandoTest, ArchivoYArgumentosTalComoSeEscribieron) {
    const CasoComando& caso = GetParam();
    const ComandoPartido partido = PartirComando(DesdeUtf8(caso.comando));
    EXPECT_EQ(AUtf8(partido.archivo), caso.archivo);
    EXPECT_EQ(AUtf8(partido.argumentos), caso.argumentos);
    if (caso.error == CodigoError::Ninguno) {
        EXPECT_FALSE(partido.error.has_value()) << AUtf8(partido.error->descripcion);
    } else {
        ASSERT_TRUE(partido.error.has_value());
        EXPECT_EQ(partido.error->codigo, caso.error);
        EXPECT_EQ(partido.error->descripcion, DescripcionDe(caso.error));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Comandos, PartirComandoTest,
    ::testing::Values(
        // Without a leading quote the whole command is the file, as always.
        CasoComando{"SinComillas", "conta\\setup.exe", "conta\\setup.exe", "", CodigoError::Ninguno},
        CasoComando{"SinComillasConInterruptor", "setup.exe /S", "setup.exe /S", "", CodigoError::Ninguno},
        CasoComando{"ComillasEnMedio", "conta\\\"setup.exe\" /S", "conta\\\"setup.exe\" /S", "",
                    CodigoError::Ninguno},
        CasoComando{"EspacioAntesDeLaComilla", " \"setup.exe\" /S", " \"setup.exe\" /S", "", CodigoError::Ninguno},
        CasoComando{"Vacio", "", "", "", CodigoError::Ninguno},
        // The quoted form.
        CasoComando{"EntreComillasSolo", "\"conta\\setup.exe\"", "conta\\setup.exe", "", CodigoError::Ninguno},
        CasoComando{"ConArgumentos", "\"conta\\setup.exe\" /S /lang=es", "conta\\setup.exe", "/S /lang=es",
                    CodigoError::Ninguno},
        CasoComando{"RutaConEspacios", "\"Mis Programas\\Conta 2000\\setup.exe\" /S",
                    "Mis Programas\\Conta 2000\\setup.exe", "/S", CodigoError::Ninguno},
        // Only the spaces after the closing quote go; the arguments keep
        // their own spaces, quotes, percent signs and trailing spaces.
        CasoComando{"VariosEspaciosDeSeparacion", "\"setup.exe\"    /S", "setup.exe", "/S", CodigoError::Ninguno},
        CasoComando{"ArgumentosLiterales", "\"setup.exe\" /D=\"C:\\Archivos de programa\"  %TEMP% x ",
                    "setup.exe", "/D=\"C:\\Archivos de programa\"  %TEMP% x ", CodigoError::Ninguno},
        CasoComando{"SinEspacioTrasLaComilla", "\"setup.exe\"/S", "setup.exe", "/S", CodigoError::Ninguno},
        CasoComando{"TabuladorTrasLaComilla", "\"setup.exe\"\t/S", "setup.exe", "\t/S", CodigoError::Ninguno},
        CasoComando{"SoloEspaciosTrasLaComilla", "\"setup.exe\"   ", "setup.exe", "", CodigoError::Ninguno},
        CasoComando{"Paquete", "\"nominas\\nominas.msi\" /qb", "nominas\\nominas.msi", "/qb",
                    CodigoError::Ninguno},
        CasoComando{"Acentos", "\"nóminas\\instalación.exe\" /idioma=español", "nóminas\\instalación.exe",
                    "/idioma=español", CodigoError::Ninguno},
        // Malformed: the error, and what follows the opening quote to show.
        CasoComando{"SinComillaDeCierre", "\"conta\\setup.exe /S", "conta\\setup.exe /S", "",
                    CodigoError::ComillaSinCerrar},
        CasoComando{"SoloUnaComilla", "\"", "", "", CodigoError::ComillaSinCerrar},
        CasoComando{"RutaVacia", "\"\" /S", "", "/S", CodigoError::RutaVacia},
        CasoComando{"SoloDosComillas", "\"\"", "", "", CodigoError::RutaVacia}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// Windows reads a path or a command line only up to a NUL, so a command
// that holds one would start something other than what it names:
// "setup.exe<NUL>.pdf" is setup.exe to Windows and a document to the rest
// of the command.  Refused wherever the NUL stands; a missing quote is
// still told first.
TEST(PartirComandoTest, UnNulEnCualquierParteEsUnNombreIncorrecto) {
    const std::u16string nul(1, u'\0');
    const struct {
        std::u16string comando;
        CodigoError error;
    } casos[] = {
        {u"conta\\setup.exe" + nul + u".pdf", CodigoError::NombreArchivoIncorrecto},
        {u"\"conta\\setup.exe" + nul + u".pdf\" /S", CodigoError::NombreArchivoIncorrecto},
        {u"\"conta\\setup.exe\" /S" + nul + u" & otro.exe", CodigoError::NombreArchivoIncorrecto},
        {nul, CodigoError::NombreArchivoIncorrecto},
        {u"\"conta\\setup.exe" + nul, CodigoError::ComillaSinCerrar},
        {u"\"\" " + nul, CodigoError::RutaVacia},
    };
    for (const auto& caso : casos) {
        const ComandoPartido partido = PartirComando(caso.comando);
        ASSERT_TRUE(partido.error.has_value()) << AUtf8(caso.comando);
        EXPECT_EQ(partido.error->codigo, caso.error) << AUtf8(caso.comando);
        EXPECT_EQ(partido.error->descripcion, DescripcionDe(caso.error));
    }
}

}  // namespace
}  // namespace instalar
