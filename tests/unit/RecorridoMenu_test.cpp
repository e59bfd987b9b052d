#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "common/Texto.h"
#include "menufile/Directiva.h"
#include "menufile/RecorridoMenu.h"

namespace instalar {
namespace {

using prueba::PlataformaFalsa;

const std::u16string kRuta = u"C:\\medio\\instalar.inf";

// Every event of the walk as one line of text: "3 opcion Alfa|a.exe".
class Registro : public VisitaMenu {
public:
    std::vector<std::string> eventos;

    void Linea(const LineaLeida& l) override { Anotar(l, l.ultima ? "linea ultima" : "linea"); }
    void Titulo(const LineaLeida& l) override { Anotar(l, "titulo " + AUtf8(l.texto)); }
    void Version(const LineaLeida& l) override { Anotar(l, "version " + AUtf8(l.texto)); }
    void Directiva(const LineaLeida& l, std::u16string_view nombre) override {
        Anotar(l, "directiva " + AUtf8(nombre));
    }
    void Ignorada(const LineaLeida& l) override { Anotar(l, "ignorada"); }
    void Opcion(const LineaLeida& l, Entrada&& e) override { Anotar(l, "opcion " + Campos(e)); }
    void OpcionDeMas(const LineaLeida& l, Entrada&& e) override { Anotar(l, "de mas " + Campos(e)); }

private:
    void Anotar(const LineaLeida& l, const std::string& que) { eventos.push_back(std::to_string(l.numero) + " " + que); }
    static std::string Campos(const Entrada& e) { return AUtf8(e.nombre) + "|" + AUtf8(e.comando); }
};

struct CasoRecorrido {
    const char* nombre;
    std::string archivo;  // empty name below: no file at all
    bool existe;
    std::vector<std::string> eventos;
    FinPor motivo;
    int linea;
    CodigoError error;
};

void PrintTo(const CasoRecorrido& caso, std::ostream* os) { *os << caso.nombre; }

class RecorridoTest : public ::testing::TestWithParam<CasoRecorrido> {};

TEST_P(RecorridoTest, CuentaLasLineasYSeDetieneDondeYPorLoQueDebe) {
    const CasoRecorrido& caso = GetParam();
    PlataformaFalsa p;
    if (caso.existe) p.archivos[kRuta] = caso.archivo;
    Registro registro;

    const FinRecorrido fin = RecorrerMenu(p, kRuta, registro);

    EXPECT_EQ(registro.eventos, caso.eventos);
    EXPECT_EQ(fin.motivo, caso.motivo);
    EXPECT_EQ(fin.linea, caso.linea);
    EXPECT_EQ(fin.error ? fin.error->codigo : CodigoError::Ninguno, caso.error);
    EXPECT_EQ(p.archivosAbiertos, 0);
}

const std::string kLargo(32767, 'x');

INSTANTIATE_TEST_SUITE_P(
    Menus, RecorridoTest,
    ::testing::Values(
        CasoRecorrido{"Completo",
                      "T\r\nV\r\n;nota\r\nAlfa;a.exe;uno\r\n\r\nBeta;b.exe",
                      true,
                      {"1 linea", "1 titulo T", "2 linea", "2 version V", "3 linea", "3 ignorada", "4 linea",
                       "4 opcion Alfa|a.exe", "5 linea", "5 ignorada", "6 linea ultima", "6 opcion Beta|b.exe"},
                      FinPor::FinDelArchivo,
                      6,
                      CodigoError::Ninguno},
        // A line ends at CR or CR LF, never at a lone LF.
        CasoRecorrido{"FinesDeLineaMezclados",
                      "T\rV\n\r\nA;a\rB;b\r\n",
                      true,
                      {"1 linea", "1 titulo T", "2 linea", "2 version V\n", "3 linea", "3 opcion A|a",
                       "4 linea ultima", "4 opcion B|b"},
                      FinPor::FinDelArchivo,
                      4,
                      CodigoError::Ninguno},
        CasoRecorrido{"SinArchivo", "", false, {}, FinPor::NoSeAbre, 0, CodigoError::ArchivoNoEncontrado},
        CasoRecorrido{"Vacio", "", true, {}, FinPor::LineaIlegible, 1, CodigoError::FinDeArchivo},
        CasoRecorrido{"SoloTitulo",
                      "T",
                      true,
                      {"1 linea ultima", "1 titulo T"},
                      FinPor::LineaIlegible,
                      2,
                      CodigoError::FinDeArchivo},
        CasoRecorrido{"SoloCabecera",
                      "T\r\nV\r\n",
                      true,
                      {"1 linea", "1 titulo T", "2 linea ultima", "2 version V"},
                      FinPor::FinDelArchivo,
                      2,
                      CodigoError::Ninguno},
        CasoRecorrido{"PosicionDesbordada",
                      "T\r\nV\r\nA;a\r\n" + kLargo + ";x\r\nB;b\r\n",
                      true,
                      {"1 linea", "1 titulo T", "2 linea", "2 version V", "3 linea", "3 opcion A|a", "4 linea"},
                      FinPor::PosicionExcesiva,
                      4,
                      CodigoError::Desbordamiento}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// The count is a signed 16-bit number: the entry after the largest count is
// still handed out, for the window to make its label, and then the walk ends.
TEST(RecorridoLimiteTest, LaOpcionDeMasSeEntregaYDetieneLaLectura) {
    PlataformaFalsa p;
    std::string texto = "T\r\nV\r\n";
    for (int i = 0; i < kOpcionesMaximas + 2; ++i) texto += "e" + std::to_string(i) + ";s.exe\r\n";
    p.archivos[kRuta] = texto;

    struct Cuenta : VisitaMenu {
        int opciones = 0;
        std::vector<std::string> deMas;
        void Opcion(const LineaLeida&, Entrada&&) override { ++opciones; }
        void OpcionDeMas(const LineaLeida& l, Entrada&& e) override {
            deMas.push_back(std::to_string(l.numero) + " " + AUtf8(e.nombre));
        }
    } cuenta;
    const FinRecorrido fin = RecorrerMenu(p, kRuta, cuenta);

    EXPECT_EQ(cuenta.opciones, kOpcionesMaximas);
    EXPECT_EQ(cuenta.deMas, std::vector<std::string>{"32770 e32767"});
    EXPECT_EQ(fin.motivo, FinPor::DemasiadasOpciones);
    EXPECT_EQ(fin.linea, 32770);
    ASSERT_TRUE(fin.error.has_value());
    EXPECT_EQ(fin.error->descripcion, u"Desbordamiento");
}

// ---------------------------------------------------------------------------
// Directives

TEST(DirectivaDeTest, ComentariosQueEmpiezanPorPuntoYComaArroba) {
    const struct {
        const char* linea;
        const char* nombre;  // nullptr: no directive
    } casos[] = {
        {";@volver", "volver"},
        {"   ;@volver  ", "volver"},  // trimmed as every line is
        {";@Volver", "Volver"},       // letter case is kept, for the checker to name
        {";@volver;x", "volver;x"},
        {";@", ""},
        {"; @volver", nullptr},
        {";volver", nullptr},
        {"@volver", nullptr},
        {"\t;@volver", nullptr},  // a tab stays: an entry, not a comment
        {"Alfa;@volver", nullptr},
        {"", nullptr},
    };
    for (const auto& caso : casos) {
        const std::u16string linea = DesdeUtf8(caso.linea);
        const auto nombre = DirectivaDe(linea);
        ASSERT_EQ(nombre.has_value(), caso.nombre != nullptr) << caso.linea;
        if (nombre) EXPECT_EQ(AUtf8(*nombre), caso.nombre) << caso.linea;
    }
}

struct CasoVolver {
    const char* nombre;
    std::string archivo;
    bool volver;
};

void PrintTo(const CasoVolver& caso, std::ostream* os) { *os << caso.nombre; }

class VolverTest : public ::testing::TestWithParam<CasoVolver> {};

TEST_P(VolverTest, LoDiceElFinDelRecorrido) {
    PlataformaFalsa p;
    p.archivos[kRuta] = GetParam().archivo;
    Registro registro;
    EXPECT_EQ(RecorrerMenu(p, kRuta, registro).volver, GetParam().volver);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, VolverTest,
    ::testing::Values(CasoVolver{"Delante", "T\r\nV\r\n;@volver\r\nAlfa;a.exe;uno", true},
                      CasoVolver{"AlFinal", "T\r\nV\r\nAlfa;a.exe;uno\r\n  ;@volver ", true},
                      CasoVolver{"Dos", "T\r\nV\r\n;@volver\r\nAlfa;a.exe;uno\r\n;@volver", true},
                      CasoVolver{"Sin", "T\r\nV\r\n;volver\r\nAlfa;a.exe;uno", false},
                      CasoVolver{"Mayusculas", "T\r\nV\r\n;@VOLVER\r\nAlfa;a.exe;uno", false},
                      CasoVolver{"ConMasTexto", "T\r\nV\r\n;@volver ya\r\nAlfa;a.exe;uno", false},
                      // The two header lines are the title and the version.
                      CasoVolver{"EnLaCabecera", ";@volver\r\n;@volver\r\nAlfa;a.exe;uno", false},
                      CasoVolver{"TrasUnTabulador", "T\r\nV\r\n\t;@volver\r\nAlfa;a.exe;uno", false}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// A directive is still an ignored comment: the walk tells it as such too,
// right after naming it, and nothing else of the reading changes.
TEST(VolverTest, LaDirectivaSigueSiendoUnComentario) {
    PlataformaFalsa p;
    p.archivos[kRuta] = "T\r\nV\r\n;@volver\r\n;@otra cosa\r\nAlfa;a.exe;uno";
    Registro registro;
    const FinRecorrido fin = RecorrerMenu(p, kRuta, registro);
    EXPECT_EQ(registro.eventos,
              (std::vector<std::string>{"1 linea", "1 titulo T", "2 linea", "2 version V", "3 linea",
                                        "3 directiva volver", "3 ignorada", "4 linea", "4 directiva otra cosa",
                                        "4 ignorada", "5 linea ultima", "5 opcion Alfa|a.exe"}));
    EXPECT_EQ(fin.motivo, FinPor::FinDelArchivo);
    EXPECT_FALSE(fin.error.has_value());
}

}  // namespace
}  // namespace instalar
