#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "common/Texto.h"
#include "common/TextoDelSistema.h"

namespace instalar {
namespace {

struct CasoTexto {
    const char* nombre;
    std::u16string delSistema;  // none: the system has no text
    std::u16string ruta;
    std::u16string visto;
};

void PrintTo(const CasoTexto& caso, std::ostream* os) { *os << caso.nombre; }

class DescripcionDelSistemaTest : public ::testing::TestWithParam<CasoTexto> {};

TEST_P(DescripcionDelSistemaTest, SinInsercionesNiFinDeLinea) {
    const CasoTexto& caso = GetParam();
    // The texts as FormatMessage hands them out when it is told to leave the
    // inserts alone: inserts, escapes and line ends included.
    EXPECT_EQ(DescripcionDelSistema(caso.delSistema, 4321, caso.ruta), caso.visto);
}

const std::u16string kManual = u"C:\\medio\\manual.txt";
const std::u16string kIncompatible =
    u"Esta versión de %1 no es compatible con la versión de Windows que está ejecutando. Compruebe la "
    u"información de sistema del equipo y después póngase en contacto con el anunciante de software.\r\n";

INSTANTIATE_TEST_SUITE_P(
    Textos, DescripcionDelSistemaTest,
    ::testing::Values(
        // The texts of error 193 in Wine and in Windows.
        CasoTexto{"InsercionAlFinal", u"Formato EXE erróneo en %1.\r\n", kManual,
                  u"Formato EXE erróneo en manual.txt."},
        CasoTexto{"InsercionAlPrincipio", u"%1 no es una aplicación Win32 válida.\r\n", kManual,
                  u"manual.txt no es una aplicación Win32 válida."},
        CasoTexto{"EnMitadDelTexto", kIncompatible, u"E:\\\\setup.exe",
                  u"Esta versión de setup.exe no es compatible con la versión de Windows que está ejecutando. "
                  u"Compruebe la información de sistema del equipo y después póngase en contacto con el "
                  u"anunciante de software."},
        CasoTexto{"RutaConBarrasNormales", u"%1 no es una aplicación Win32 válida.", u"C:/medio/docs/guía.pdf",
                  u"guía.pdf no es una aplicación Win32 válida."},
        CasoTexto{"InsercionRepetida", u"%1: no se puede ejecutar %1.", kManual,
                  u"manual.txt: no se puede ejecutar manual.txt."},
        CasoTexto{"InsercionConFormato", u"No se puede ejecutar %1!s! en modo Win32.", kManual,
                  u"No se puede ejecutar manual.txt en modo Win32."},
        // Error 34 of Windows: %1 is a drive there, and nothing of it is known.
        CasoTexto{"VariasInserciones",
                  u"El disco insertado en la unidad no es correcto. Inserte %2 (número de serie del volumen: %3) "
                  u"en la unidad %1.\r\n",
                  kManual, u"El disco insertado en la unidad no es correcto. Inserte (número de serie del volumen) en la unidad."},
        // %10 is one insert, not %1 and a zero.
        CasoTexto{"InsercionDeDosCifras", u"Falta %10.", kManual, u"Falta."},
        CasoTexto{"SinArchivo", u"%1 no es una aplicación Win32 válida.\r\n", u"",
                  u"no es una aplicación Win32 válida."},
        CasoTexto{"SinArchivoEntreComillas", u"No se encuentra el archivo '%1' en el medio.", u"",
                  u"No se encuentra el archivo en el medio."},
        CasoTexto{"SinArchivoEntreAngulares", u"No se encuentra «%1».", u"", u"No se encuentra."},
        CasoTexto{"ComandoVacio", u"Formato EXE erróneo en %1 ahora.", u"C:\\medio\\",
                  u"Formato EXE erróneo en ahora."},
        CasoTexto{"AlPrincipioDeUnaLinea", u"Línea uno.\r\n%2 línea dos.", kManual, u"Línea uno.\r\nlínea dos."},
        CasoTexto{"Escapes", u"Uno%tdos%ntres%% %.%! y% cuatro", kManual, u"Uno\tdos\r\ntres% .! y cuatro"},
        CasoTexto{"CeroTerminaElTexto", u"Texto%0 que no se ve", kManual, u"Texto"},
        CasoTexto{"PorcentajeAlFinal", u"Texto %", kManual, u"Texto"},
        CasoTexto{"SinInserciones", u"No hay ninguna aplicación asociada.\r\n", kManual,
                  u"No hay ninguna aplicación asociada."},
        CasoTexto{"SinTexto", u"", kManual, u"Error del sistema 4321"},
        CasoTexto{"SoloFinDeLinea", u"\r\n", kManual, u"Error del sistema 4321"},
        CasoTexto{"SoloUnaInsercion", u"%2", kManual, u"Error del sistema 4321"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// Every text of up to five characters from the pieces that inserts and
// escapes are made of: a "%" reaches the user only where the system wrote
// "%%" for one.
TEST(RellenarInsercionesTest, NingunPorcentajeLlegaAlUsuarioSalvoEscrito) {
    const std::u16string piezas = u"%10!s (:'n";
    std::vector<std::u16string> textos{u""};
    for (size_t largo = 1; largo <= 5; ++largo) {
        std::vector<std::u16string> mas;
        for (const std::u16string& texto : textos)
            if (texto.size() == largo - 1)
                for (char16_t pieza : piezas) mas.push_back(texto + pieza);
        textos.insert(textos.end(), mas.begin(), mas.end());
    }
    ASSERT_EQ(textos.size(), 111111u);

    size_t revisados = 0;
    for (const std::u16string& texto : textos) {
        if (texto.find(u"%%") != std::u16string::npos) continue;
        for (const std::u16string nombre : {u"", u"a.txt"}) {
            const std::u16string visto = RellenarInserciones(texto, nombre);
            ASSERT_EQ(visto.find(u'%'), std::u16string::npos) << "«" << AUtf8(texto) << "» → «" << AUtf8(visto) << "»";
        }
        ++revisados;
    }
    EXPECT_GT(revisados, 90000u);
}

}  // namespace
}  // namespace instalar
