#include <gtest/gtest.h>

#include "common/Texto.h"
#include "menufile/LineaMenu.h"

namespace instalar {
namespace {

struct CasoLinea {
    const char* linea;
    bool esEntrada;
    const char* nombre;
    const char* comando;
    const char* descripcion;  // nullptr: no description
};

class ClasificarLineaTest : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(ClasificarLineaTest, SeparaLosCamposComoSeLeen) {
    const CasoLinea& caso = GetParam();
    for (Lector lector : {Lector::Lista, Lector::Descripcion}) {
        auto resultado = ClasificarLinea(DesdeUtf8(caso.linea), lector);
        ASSERT_TRUE(resultado.ok());
        const auto& entrada = resultado.valor();
        ASSERT_EQ(entrada.has_value(), caso.esEntrada) << caso.linea;
        if (!caso.esEntrada) continue;
        EXPECT_EQ(entrada->nombre, DesdeUtf8(caso.nombre));
        EXPECT_EQ(entrada->comando, DesdeUtf8(caso.comando));
        ASSERT_EQ(entrada->descripcion.has_value(), caso.descripcion != nullptr);
        if (caso.descripcion) {
            EXPECT_EQ(*entrada->descripcion, DesdeUtf8(caso.descripcion));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lineas, ClasificarLineaTest,
    ::testing::Values(
        CasoLinea{"Producto A;inst\\setup.exe;Instala el producto A", true, "Producto A", "inst\\setup.exe",
                  "Instala el producto A"},
        CasoLinea{"Producto B;setup.exe", true, "Producto B", "setup.exe", nullptr},
        CasoLinea{"Producto C;setup.exe;Texto; con punto y coma", true, "Producto C", "setup.exe",
                  "Texto; con punto y coma"},
        CasoLinea{"  Producto D ; setup.exe ", true, "Producto D ", " setup.exe", nullptr},
        CasoLinea{"Producto E;", true, "Producto E", "", nullptr},
        CasoLinea{"Producto F;setup.exe;", true, "Producto F", "setup.exe", ""},
        CasoLinea{"\t;x", true, "\t", "x", nullptr},
        CasoLinea{"Módulo ñ;setup.exe;Descripción", true, "Módulo ñ", "setup.exe", "Descripción"},
        CasoLinea{";comentario", false, "", "", nullptr},
        CasoLinea{"   ;comentario tras espacios", false, "", "", nullptr},
        CasoLinea{"", false, "", "", nullptr},
        CasoLinea{"     ", false, "", "", nullptr},
        CasoLinea{"sin separador", false, "", "", nullptr},
        CasoLinea{"\tsin separador", false, "", "", nullptr}));

std::u16string Repetir(char16_t c, size_t n) { return std::u16string(n, c); }

// The line is built when its case runs: every case runs in a process of its
// own, and building all of them at start-up would slow every other case.
struct CasoLimite {
    const char* nombre;
    std::u16string (*linea)();
    bool desbordaLista;
    bool desbordaDescripcion;
};

class LimitesTest : public ::testing::TestWithParam<CasoLimite> {};

TEST_P(LimitesTest, PosicionesDeDieciseisBits) {
    const CasoLimite& caso = GetParam();
    const std::u16string linea = caso.linea();
    auto lista = ClasificarLinea(linea, Lector::Lista);
    auto descripcion = ClasificarLinea(linea, Lector::Descripcion);
    EXPECT_EQ(!lista.ok(), caso.desbordaLista);
    EXPECT_EQ(!descripcion.ok(), caso.desbordaDescripcion);
    if (!lista.ok()) {
        EXPECT_EQ(lista.error().codigo, CodigoError::Desbordamiento);
        EXPECT_EQ(lista.error().descripcion, u"Desbordamiento");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lineas, LimitesTest,
    ::testing::Values(
        // First ";" at position 32767 is the last one that fits.
        CasoLimite{"PrimeroEn32767", [] { return Repetir(u'a', 32766) + u";x"; }, false, false},
        CasoLimite{"PrimeroEn32768", [] { return Repetir(u'a', 32767) + u";x"; }, true, true},
        // Position counts from the trimmed line.
        CasoLimite{"EspaciosInicialesNoCuentan", [] { return Repetir(u' ', 10) + Repetir(u'a', 32766) + u";x"; }, false, false},
        // Second ";" 32767 after the first fits, 32768 does not.
        CasoLimite{"SegundoA32767", [] { return u"a;" + Repetir(u'b', 32766) + u";d"; }, false, false},
        CasoLimite{"SegundoA32768", [] { return u"a;" + Repetir(u'b', 32767) + u";d"; }, true, true},
        // A command running to the end of the line: only the list reader measures it.
        CasoLimite{"Comando32766", [] { return u"a;" + Repetir(u'b', 32766); }, false, false},
        CasoLimite{"Comando32767", [] { return u"a;" + Repetir(u'b', 32767); }, true, false},
        // Lines that are ignored are never measured.
        CasoLimite{"LargaSinSeparador", [] { return Repetir(u'z', 100000); }, false, false},
        CasoLimite{"ComentarioLargo", [] { return u";" + Repetir(u'z', 100000); }, false, false}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar
