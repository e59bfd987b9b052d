#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "common/Texto.h"
#include "menufile/ArchivoMenu.h"
#include "menufile/BuscarDescripcion.h"
#include "menufile/RecorridoMenu.h"

namespace instalar {
namespace {

using prueba::PlataformaFalsa;

const std::u16string kRuta = u"C:\\medio\\instalar.inf";

// Little-endian UTF-16 bytes of a text given in UTF-8.
std::string Utf16(const std::string& utf8) {
    std::string bytes;
    for (const char16_t c : DesdeUtf8(utf8)) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

const std::string kMenuUtf8 = "Men\xC3\xBA\r\n1.0\r\nM\xC3\xB3" "dulo;n\xC3\xB3minas\\setup.exe;C\xC3\xA1lculo\r\nZ;z.exe;\xE2\x82\xAC\r\n";
const std::vector<std::u16string> kLineasBien = {u"Menú", u"1.0", u"Módulo;nóminas\\setup.exe;Cálculo", u"Z;z.exe;€"};

struct CasoArchivo {
    const char* nombre;
    std::string bytes;
    std::vector<std::u16string> lineas;  // as read, one after another
    std::optional<Codificacion> codificacion;  // nothing: never needed to know
    Bom marca;
    int lineaUtf8Rota;
};

void PrintTo(const CasoArchivo& caso, std::ostream* os) { *os << caso.nombre; }

class CodificacionTest : public ::testing::TestWithParam<CasoArchivo> {};

TEST_P(CodificacionTest, CadaArchivoSeLeeEnSuCodificacion) {
    const CasoArchivo& caso = GetParam();
    PlataformaFalsa p;
    p.archivos[kRuta] = caso.bytes;
    auto abierto = ArchivoMenu::Abrir(p, kRuta);
    ASSERT_TRUE(abierto.ok());
    ArchivoMenu& archivo = abierto.valor();

    std::vector<std::u16string> lineas;
    while (!archivo.FinDeArchivo()) {
        auto linea = archivo.LeerLinea();
        ASSERT_TRUE(linea.ok()) << lineas.size();
        lineas.push_back(linea.valor());
    }
    EXPECT_EQ(lineas, caso.lineas);
    EXPECT_EQ(archivo.LeerLinea().error().codigo, CodigoError::FinDeArchivo);
    const auto& lectura = archivo.LecturaDecidida();
    ASSERT_EQ(lectura.has_value(), caso.codificacion.has_value());
    if (!lectura) return;
    EXPECT_EQ(lectura->codificacion, *caso.codificacion);
    EXPECT_EQ(lectura->marca, caso.marca);
    EXPECT_EQ(lectura->lineaUtf8Rota, caso.lineaUtf8Rota);
}

const auto kUtf8 = std::optional<Codificacion>(Codificacion::Utf8);
const auto kUtf16 = std::optional<Codificacion>(Codificacion::Utf16);
const auto kAnsi = std::optional<Codificacion>(Codificacion::Ansi);
const std::optional<Codificacion> kSinDecidir;

INSTANTIATE_TEST_SUITE_P(
    Archivos, CodificacionTest,
    ::testing::Values(
        // The fake reads ANSI as Latin-1, which Windows-1252 agrees with on letters.
        CasoArchivo{"AnsiConAcentos", "Men\xFA\r\n1.0\r\nM\xF3" "dulo;n\xF3minas\\setup.exe;C\xE1lculo\r\n",
                    {u"Menú", u"1.0", u"Módulo;nóminas\\setup.exe;Cálculo"}, kAnsi, Bom::Ninguna, 0},
        CasoArchivo{"SoloAscii", "T\r\nV\r\nA;a.exe;x", {u"T", u"V", u"A;a.exe;x"}, kSinDecidir, Bom::Ninguna, 0},
        CasoArchivo{"Utf8SinMarca", kMenuUtf8, kLineasBien, kUtf8, Bom::Ninguna, 0},
        CasoArchivo{"Utf8ConMarca", "\xEF\xBB\xBF" + kMenuUtf8, kLineasBien, kUtf8, Bom::Utf8, 0},
        CasoArchivo{"Utf8ConMarcaYSoloAscii", "\xEF\xBB\xBFT\r\nV", {u"T", u"V"}, kUtf8, Bom::Utf8, 0},
        CasoArchivo{"Utf16ConMarca", "\xFF\xFE" + Utf16("Men\xC3\xBA\r\n1.0\r\nM\xC3\xB3" "dulo;n\xC3\xB3minas\\setup.exe;C\xC3\xA1lculo\r\nZ;z.exe;\xE2\x82\xAC\r\n"),
                    kLineasBien, kUtf16, Bom::Utf16LE, 0},
        // CR alone ends a line in every encoding; LF alone never does.
        CasoArchivo{"Utf8SoloCR", "Men\xC3\xBA\r1.0\rA;a;\xC3\xB3", {u"Menú", u"1.0", u"A;a;ó"}, kUtf8, Bom::Ninguna, 0},
        CasoArchivo{"Utf8SoloLF", "Men\xC3\xBA\n1.0\n", {u"Menú\n1.0\n"}, kUtf8, Bom::Ninguna, 0},
        CasoArchivo{"Utf16SoloCR", "\xFF\xFE" + Utf16("T\r\xC3\xB3\r"), {u"T", u"ó"}, kUtf16, Bom::Utf16LE, 0},
        CasoArchivo{"Utf16SoloLF", "\xFF\xFE" + Utf16("T\nV\n"), {u"T\nV\n"}, kUtf16, Bom::Utf16LE, 0},
        CasoArchivo{"AnsiSoloCR", "Men\xFA\r1.0", {u"Menú", u"1.0"}, kAnsi, Bom::Ninguna, 0},
        // A unit whose low byte is 0x0D is not a CR: U+010D is "č".
        CasoArchivo{"Utf16NoEsCR", "\xFF\xFE" + Utf16("\xC4\x8D\r\nV"), {u"č", u"V"}, kUtf16, Bom::Utf16LE, 0},
        CasoArchivo{"Utf16ByteSuelto", "\xFF\xFE" + Utf16("T\r\nV") + "x", {u"T", u"V"}, kUtf16, Bom::Utf16LE, 0},
        // One byte that is not UTF-8 anywhere makes the whole file ANSI.
        CasoArchivo{"Utf8RotoEnLaUltimaLinea", "Men\xC3\xBA\r\n1.0\r\nA;a;ok\r\nB;b;m\xF3",
                    {u"MenÃº", u"1.0", u"A;a;ok", u"B;b;mó"}, kAnsi, Bom::Ninguna, 4},
        CasoArchivo{"Vacio", "", {}, kSinDecidir, Bom::Ninguna, 0},
        CasoArchivo{"SoloMarcaUtf8", "\xEF\xBB\xBF", {}, kUtf8, Bom::Utf8, 0},
        CasoArchivo{"SoloMarcaUtf16", "\xFF\xFE", {}, kUtf16, Bom::Utf16LE, 0},
        // Not supported: read as ANSI, mark and all.
        CasoArchivo{"MarcaUtf16BigEndian", std::string("\xFE\xFF\0T", 4), {std::u16string(u"\u00FE\u00FF\0T", 4)}, kAnsi,
                    Bom::Utf16BE, 0}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// The list and the description lookup read every encoding alike, so each
// item finds its own description.
TEST(CodificacionLectoresTest, LosDosLectoresCoincidenEnCadaCodificacion) {
    const std::string lineas = "Men\xC3\xBA\r\n1.0\r\n\xC3\x81rbol;a.exe;uno\r\n\xC3\xA1rbol;b.exe;dos\r\nN\xC3\xB3minas;n.exe;tres\r\n";
    for (const std::string& bytes : {lineas, "\xEF\xBB\xBF" + lineas, "\xFF\xFE" + Utf16(lineas)}) {
        PlataformaFalsa p;
        p.archivos[kRuta] = bytes;
        struct Nombres : VisitaMenu {
            std::vector<std::u16string> nombres;
            void Opcion(const LineaLeida&, Entrada&& e) override { nombres.push_back(e.nombre); }
        } lista;
        ASSERT_EQ(RecorrerMenu(p, kRuta, lista).motivo, FinPor::FinDelArchivo);
        ASSERT_EQ(lista.nombres, (std::vector<std::u16string>{u"Árbol", u"árbol", u"Nóminas"}));
        const std::u16string esperadas[] = {u"uno", u"uno", u"tres"};  // the first of a name wins
        for (size_t i = 0; i < lista.nombres.size(); ++i) {
            auto descripcion = BuscarDescripcion(p, kRuta, lista.nombres[i]);
            ASSERT_TRUE(descripcion.ok());
            EXPECT_EQ(descripcion.valor(), std::optional<std::u16string>(esperadas[i])) << i;
        }
    }
}

// Positions count the characters of the decoded line, whatever it takes to
// store them: a ";" after 32,766 two-byte letters still fits.
TEST(CodificacionLimitesTest, LasPosicionesCuentanCaracteres) {
    std::string ocho, dieciseis;
    for (int i = 0; i < 32766; ++i) ocho += "\xC3\xB3";
    dieciseis = Utf16(ocho + ";x\r\n");
    const std::string cabecera = "T\r\nV\r\n";
    struct Caso {
        std::string bytes;
        FinPor motivo;
    } casos[] = {
        {cabecera + ocho + ";x\r\n", FinPor::FinDelArchivo},
        {cabecera + ocho + "\xC3\xB3;x\r\n", FinPor::PosicionExcesiva},
        {"\xFF\xFE" + Utf16(cabecera) + dieciseis, FinPor::FinDelArchivo},
        {"\xFF\xFE" + Utf16(cabecera + "\xC3\xB3") + dieciseis, FinPor::PosicionExcesiva},
    };
    for (const Caso& caso : casos) {
        PlataformaFalsa p;
        p.archivos[kRuta] = caso.bytes;
        VisitaMenu nada;
        EXPECT_EQ(RecorrerMenu(p, kRuta, nada).motivo, caso.motivo);
    }
}

// Deciding is cheap where it matters: a file in the ANSI code page, or of
// ASCII alone, is read once; only a UTF-8 file is looked through ahead of
// its lines, and its lines still come out right after that.
TEST(CodificacionCosteTest, SoloUnArchivoUtf8SeLeeDosVeces) {
    std::string ansi = "Men\xFA\r\n1.0\r\n", ascii = "Menu\r\n1.0\r\n", utf8 = "Men\xC3\xBA\r\n1.0\r\n";
    for (int i = 0; i < 20000; ++i) {
        const std::string n = std::to_string(i);
        ansi += "Opci\xF3n " + n + ";s.exe;d\r\n";
        ascii += "Opcion " + n + ";s.exe;d\r\n";
        utf8 += "Opci\xC3\xB3n " + n + ";s.exe;d\r\n";
    }
    struct Caso {
        const std::string& bytes;
        size_t vecesComoMucho;
    } casos[] = {{ansi, 1}, {ascii, 1}, {utf8, 2}};
    for (const Caso& caso : casos) {
        PlataformaFalsa p;
        p.archivos[kRuta] = caso.bytes;
        struct Cuenta : VisitaMenu {
            int opciones = 0;
            void Opcion(const LineaLeida&, Entrada&&) override { ++opciones; }
        } cuenta;
        ASSERT_EQ(RecorrerMenu(p, kRuta, cuenta).motivo, FinPor::FinDelArchivo);
        EXPECT_EQ(cuenta.opciones, 20000);
        EXPECT_LE(p.bytesLeidos, caso.vecesComoMucho * caso.bytes.size());
        EXPECT_GE(p.bytesLeidos, caso.bytes.size());
    }
}

}  // namespace
}  // namespace instalar
