// The menu's own texts: the language of the menu file chooses the set,
// ";@texto" lines change single texts, and Spanish stays the default.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MaquinaFalsa.h"
#include "MenuDePrueba.h"
#include "common/Texto.h"
#include "menufile/DirectivaTexto.h"
#include "menufile/Requisitos.h"
#include "menufile/TextosMenu.h"
#include "window/ArbolAccesible.h"
#include "window/Botones.h"

namespace instalar::prueba {
namespace {

// The Spanish set is the program's words of before, error texts included:
// a menu without language files says exactly what it always said.
TEST(Textos, ElEspanolDeLosErroresEsElDeSiempre) {
    const Textos espanol;
    const Textos ingles = Textos::Ingles();
    for (int codigo : {6, 52, 53, 62, 70, 75, 76, 1000, 1001, 1002, 1003, 1004, 1005, 4242}) {
        const Error error = ErrorDe(static_cast<CodigoError>(codigo));
        EXPECT_EQ(TextoDeError(error, espanol), error.descripcion) << codigo;
        EXPECT_NE(TextoDeError(error, ingles), error.descripcion) << codigo;
    }
    EXPECT_EQ(TextoDeError(ErrorDe(CodigoError::ArchivoNoEncontrado), ingles), u"File not found");
}

// A text the system gave (FormatMessage, already in the user's language)
// stays as it came, whatever the menu's language.
TEST(Textos, ElTextoDelSistemaSeQuedaComoVino) {
    Error delSistema{CodigoError::ArchivoNoEncontrado, u"Das System kann die Datei nicht finden.", 2};
    EXPECT_EQ(TextoDeError(delSistema, Textos::Ingles()), delSistema.descripcion);
}

TEST(Textos, CadaClaveTieneSuNombreYTextosEnLasDosLenguas) {
    for (size_t i = 0; i < kNumeroDeClaves; ++i) {
        const Clave clave = static_cast<Clave>(i);
        EXPECT_EQ(ClaveDeNombre(NombreDeClave(clave)), clave) << i;
        EXPECT_FALSE(TextoEspanol(clave).empty()) << i;
        EXPECT_FALSE(TextoIngles(clave).empty()) << i;
    }
    EXPECT_EQ(ClaveDeNombre(u"Instalar"), std::nullopt) << "keys are written exactly";
}

TEST(Textos, IngleseParaEnYSusRegionesNadaMas) {
    EXPECT_EQ(TextosDeIdioma(u"en")[Clave::Instalar], u"Install");
    EXPECT_EQ(TextosDeIdioma(u"EN-gb")[Clave::Instalar], u"Install");
    for (const char16_t* otro : {u"", u"es", u"pt-BR", u"eng", u"de"})
        EXPECT_EQ(TextosDeIdioma(otro)[Clave::Instalar], u"Instalar") << std::u16string(otro).size();
}

// One pass: a name that holds "%2" is shown as it is.
TEST(Textos, RellenarSustituyeUnaSolaVez) {
    EXPECT_EQ(Rellenar(u"«%1»: %2", u"A %2 B", u"Instalado"), u"«A %2 B»: Instalado");
    EXPECT_EQ(Rellenar(u"100% %1 %", u"x"), u"100% x %");
}

struct CasoDirectiva {
    const char* nombre;
    std::u16string directiva;
    bool fija;
    std::u16string instalar;  // the button's text afterwards
};

void PrintTo(const CasoDirectiva& caso, std::ostream* os) { *os << caso.nombre; }

class DirectivaTextoTest : public ::testing::TestWithParam<CasoDirectiva> {};

TEST_P(DirectivaTextoTest, FijaSoloClavesConocidasConIgual) {
    Textos textos;
    EXPECT_EQ(FijarTextoDe(GetParam().directiva, textos), GetParam().fija);
    EXPECT_EQ(textos[Clave::Instalar], GetParam().instalar);
}

INSTANTIATE_TEST_SUITE_P(
    Directivas, DirectivaTextoTest,
    ::testing::Values(CasoDirectiva{"Clave", u"texto instalar=Instalar agora", true, u"Instalar agora"},
                      CasoDirectiva{"EspaciosAlrededor", u"texto   instalar = Instalar agora ", true,
                                    u"Instalar agora "},
                      CasoDirectiva{"IgualEnElTexto", u"texto instalar=a=b", true, u"a=b"},
                      CasoDirectiva{"TextoVacio", u"texto instalar=", true, u""},
                      CasoDirectiva{"ClaveDesconocida", u"texto instala=Instalar agora", false, u"Instalar"},
                      CasoDirectiva{"ClaveEnMayusculas", u"texto Instalar=Instalar agora", false, u"Instalar"},
                      CasoDirectiva{"SinIgual", u"texto instalar Instalar agora", false, u"Instalar"},
                      CasoDirectiva{"OtraDirectiva", u"textos instalar=Instalar agora", false, u"Instalar"},
                      CasoDirectiva{"Volver", u"volver", false, u"Instalar"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// The texts of the items that depend on the machine: each key as a menu
// file writes it, the Spanish words the menu said before it had keys, the
// English set's, and a ";@texto" line sets it over either set.
struct CasoClave {
    const char* nombre;
    Clave clave;
    std::u16string espanol;
    std::u16string ingles;
};

void PrintTo(const CasoClave& caso, std::ostream* os) { *os << caso.nombre; }

class ClavesDeMaquinaTest : public ::testing::TestWithParam<CasoClave> {};

TEST_P(ClavesDeMaquinaTest, EspanolDeSiempreInglesYSuLineaTexto) {
    const CasoClave& caso = GetParam();
    const std::u16string nombre = DesdeUtf8(caso.nombre);
    EXPECT_EQ(ClaveDeNombre(nombre), caso.clave);
    EXPECT_EQ(Textos()[caso.clave], caso.espanol);
    EXPECT_EQ(TextosDeIdioma(u"en-GB")[caso.clave], caso.ingles);
    for (Textos textos : {Textos(), Textos::Ingles()}) {
        ASSERT_TRUE(FijarTextoDe(u"texto " + nombre + u"=Requer %1", textos));
        EXPECT_EQ(textos[caso.clave], u"Requer %1");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Claves, ClavesDeMaquinaTest,
    ::testing::Values(
        CasoClave{"requiere64", Clave::Requiere64, u"Requiere Windows de 64 bits", u"Requires 64-bit Windows"},
        CasoClave{"requiere32", Clave::Requiere32, u"Requiere Windows de 32 bits", u"Requires 32-bit Windows"},
        CasoClave{"no32", Clave::No32, u"No se puede instalar en Windows de 32 bits",
                  u"Cannot be installed on 32-bit Windows"},
        CasoClave{"requierex64", Clave::RequiereX64, u"Requiere Windows x64", u"Requires Windows x64"},
        CasoClave{"nox64", Clave::NoX64, u"No se puede instalar en Windows x64", u"Cannot be installed on Windows x64"},
        CasoClave{"requierearm", Clave::RequiereArm, u"Requiere Windows para ARM", u"Requires Windows on ARM"},
        CasoClave{"noarm", Clave::NoArm, u"No se puede instalar en Windows para ARM",
                  u"Cannot be installed on Windows on ARM"},
        CasoClave{"posterior", Clave::Posterior, u"Requiere Windows %1 o posterior", u"Requires Windows %1 or later"},
        CasoClave{"anterior", Clave::Anterior, u"Requiere una versión de Windows anterior a Windows %1",
                  u"Requires a version of Windows earlier than Windows %1"},
        CasoClave{"nodisponible", Clave::NoDisponible, u"%1: %2", u"%1: %2"},
        CasoClave{"yainstalado", Clave::YaInstalado, u"«%1»: ya está instalado", u"“%1” is already installed"},
        CasoClave{"reinstalar", Clave::Reinstalar, u"«%1» ya está instalado. ¿Instalarlo de nuevo?",
                  u"“%1” is already installed. Install it again?"},
        CasoClave{"nombreinstalado", Clave::NombreInstalado, u"%1: ya está instalado", u"%1: already installed"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// Each condition's reason comes from the table, the version as the file
// writes it in the place of %1.
TEST(Textos, CadaCondicionDaSuMotivoEnLaLenguaDelMenu) {
    struct Caso {
        const char16_t* condicion;
        std::u16string espanol;
        std::u16string ingles;
    };
    const Textos espanol;
    const Textos ingles = Textos::Ingles();
    for (const Caso& caso : {
             Caso{u"x86", u"Requiere Windows de 32 bits", u"Requires 32-bit Windows"},
             Caso{u"no x86", u"No se puede instalar en Windows de 32 bits", u"Cannot be installed on 32-bit Windows"},
             Caso{u"x64", u"Requiere Windows x64", u"Requires Windows x64"},
             Caso{u"no x64", u"No se puede instalar en Windows x64", u"Cannot be installed on Windows x64"},
             Caso{u"arm64", u"Requiere Windows para ARM", u"Requires Windows on ARM"},
             Caso{u"no arm64", u"No se puede instalar en Windows para ARM", u"Cannot be installed on Windows on ARM"},
             Caso{u"64bits", u"Requiere Windows de 64 bits", u"Requires 64-bit Windows"},
             Caso{u"no 64bits", u"Requiere Windows de 32 bits", u"Requires 32-bit Windows"},
             Caso{u"windows 8.1", u"Requiere Windows 8.1 o posterior", u"Requires Windows 8.1 or later"},
             Caso{u"no windows 10.0.19045", u"Requiere una versión de Windows anterior a Windows 10.0.19045",
                  u"Requires a version of Windows earlier than Windows 10.0.19045"},
         }) {
        const auto condicion = LeerCondicion(caso.condicion);
        ASSERT_TRUE(condicion) << AUtf8(caso.condicion);
        const Motivo motivo = MotivoDe(*condicion);
        EXPECT_EQ(TextoDeMotivo(motivo, espanol), caso.espanol) << AUtf8(caso.condicion);
        EXPECT_EQ(TextoDeMotivo(motivo, ingles), caso.ingles) << AUtf8(caso.condicion);
    }
}

class TextosVentanaTest : public MenuDePrueba {
protected:
    void Medio(const std::vector<std::pair<std::u16string, std::vector<std::string>>>& archivos) {
        p.archivos[u"C:\\medio\\a.exe"] = "MZ";
        for (const auto& [nombre, lineas] : archivos) p.archivos[u"C:\\medio\\" + nombre] = LineasCrLf(lineas);
    }
    std::u16string NombreAccesible(int16_t opcion) const {
        const ArbolAccesible arbol(*ventana, std::nullopt);
        return arbol.Elemento(arbol.IdDeOpcion(opcion))->nombre;
    }
    std::u16string AccionDeInstalar() const {
        const ArbolAccesible arbol(*ventana, std::nullopt);
        return arbol.Elemento(arbol.IdDe(Parte::Instalar))->accion;
    }
    // The window on a machine with Windows 10 (10.0.18362, x64) and the
    // viewer's uninstall key.
    void CargarEnMaquina() {
        maquina.version = NumeroVersion{{10, 0, 18362, 0}};
        maquina.claves.insert({RaizRegistro::UsuarioActual, VistaRegistro::De64Bits,
                               u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Visor"});
        SistemaVentana sistema = p.Sistema();
        sistema.maquina = &maquina;
        ventana = std::make_unique<frmMenu>(sistema);
        ventana->Cargar();
    }

    MaquinaFalsa maquina;
};

// Three items for that machine: one that needs Windows 11, one that cannot
// go on x64, one already installed.
const std::vector<std::string> kDeMaquina{";@requiere windows 11",         "Eleven;a.exe;For Windows 11",
                                          ";@requiere no x64",             "Old;a.exe;Not for x64",
                                          ";@instalado desinstalar Visor", "Viewer;a.exe;The viewer"};

std::vector<std::string> Con(std::vector<std::string> lineas, const std::vector<std::string>& despues) {
    lineas.insert(lineas.end(), despues.begin(), despues.end());
    return lineas;
}

const std::vector<std::string> kEspanol{"Menú", "1.0", ";@volver", "Uno;a.exe;El primero"};
const std::vector<std::string> kIngles{"Menu", "1.0", ";@volver", "One;a.exe;The first"};

TEST_F(TextosVentanaTest, UnUsuarioInglesTieneSuArchivoYLosTextosEnIngles) {
    Medio({{u"instalar.inf", kEspanol}, {u"instalar.en.inf", kIngles}});
    p.idiomas = {u"en-US"};
    Cargar();
    EXPECT_EQ(ventana->ArchivoMenu(), u"C:\\medio\\instalar.en.inf");
    EXPECT_EQ(V().opciones[0].texto, u"One");
    EXPECT_EQ(V().instalar.texto, u"Install");
    EXPECT_EQ(V().cerrar.texto, u"Close");
    EXPECT_EQ(V().indicacion.texto, u"Select the item you want to install.");
    EXPECT_EQ(V().version.texto, u"Version 1.0");
    EXPECT_EQ(V().tituloVentana, u"Installation menu");
    EXPECT_EQ(AccionDeInstalar(), u"Press");

    ventana->Instalar();
    ASSERT_EQ(p.seguidos.size(), 1u);
    EXPECT_EQ(V().indicacion.texto, u"Installing “One”…");
    EXPECT_EQ(NombreAccesible(0), u"One: installing");
    p.seguidos[0]->codigoSalida = 3010;
    p.seguidos[0]->terminado = true;
    ASSERT_TRUE(ventana->MirarInstalacion());
    EXPECT_EQ(V().indicacion.texto, u"“One”: Installed; the computer must be restarted");
}

// An English menu's items that depend on the machine: the reasons on the
// hint line and after the name a screen reader hears, the installed item's
// hint, name and question, all in English.
TEST_F(TextosVentanaTest, LasOpcionesQueDependenDeLaMaquinaHablanEnIngles) {
    Medio({{u"instalar.inf", kEspanol}, {u"instalar.en.inf", Con({"Menu", "1.0"}, kDeMaquina)}});
    p.idiomas = {u"en-US"};
    CargarEnMaquina();
    ASSERT_EQ(ventana->TotalOpciones(), 3);
    EXPECT_EQ(V().indicacion.texto, u"Requires Windows 11 or later");
    EXPECT_EQ(NombreAccesible(0), u"Eleven: Requires Windows 11 or later");
    EXPECT_EQ(NombreAccesible(1), u"Old: Cannot be installed on Windows x64");
    EXPECT_EQ(NombreAccesible(2), u"Viewer: already installed");
    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    EXPECT_EQ(V().indicacion.texto, u"Cannot be installed on Windows x64");
    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    EXPECT_EQ(V().indicacion.texto, u"“Viewer” is already installed");

    ventana->Instalar();
    ASSERT_EQ(p.preguntas.size(), 1u);
    EXPECT_EQ(p.preguntas[0].texto, u"“Viewer” is already installed. Install it again?");
    EXPECT_EQ(p.preguntas[0].titulo, u"Installation menu");
    EXPECT_TRUE(p.seguidos.empty());
    EXPECT_TRUE(p.procesos.empty());
}

// ";@texto" lines set those texts too, even below the items they speak of:
// the words are chosen once the whole file is read.
TEST_F(TextosVentanaTest, LasLineasTextoFijanLosTextosDeLaMaquinaDondeEsten) {
    Medio({{u"instalar.inf", kEspanol},
           {u"instalar.pt.inf",
            Con(Con({"Menu", "1.0"}, kDeMaquina),
                {";@texto posterior=Requer o Windows %1 ou posterior", ";@texto nodisponible=%1 (%2)",
                 ";@texto yainstalado=\xc2\xab%1\xc2\xbb j\xc3\xa1 est\xc3\xa1 instalado",
                 ";@texto reinstalar=Instalar \xc2\xab%1\xc2\xbb de novo?",
                 ";@texto nombreinstalado=%1, j\xc3\xa1 instalado"})}});
    p.idiomas = {u"pt-BR"};
    CargarEnMaquina();
    EXPECT_EQ(V().indicacion.texto, u"Requer o Windows 11 ou posterior");
    EXPECT_EQ(NombreAccesible(0), u"Eleven (Requer o Windows 11 ou posterior)");
    // What the file does not set stays Spanish.
    EXPECT_EQ(NombreAccesible(1), u"Old (No se puede instalar en Windows x64)");
    EXPECT_EQ(NombreAccesible(2), u"Viewer, já instalado");
    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    EXPECT_EQ(V().indicacion.texto, u"«Viewer» já está instalado");
    ventana->Instalar();
    ASSERT_EQ(p.preguntas.size(), 1u);
    EXPECT_EQ(p.preguntas[0].texto, u"Instalar «Viewer» de novo?");
}

// The hint line sizes itself to the text it now has, in its own font.
TEST_F(TextosVentanaTest, LaIndicacionSeMideConSuTexto) {
    Medio({{u"instalar.inf", kEspanol},
           {u"instalar.pt.inf", {"Menu", "1.0", ";@texto indicacion=Escolha", "Um;a.exe;O primeiro"}}});
    p.idiomas = {u"pt-BR"};
    Cargar();
    EXPECT_EQ(V().indicacion.texto, u"Escolha");
    EXPECT_DOUBLE_EQ(V().indicacion.caja.ancho, 7 * PlataformaFalsa::AnchoCaracter(V().indicacion.fuente));
}

TEST_F(TextosVentanaTest, UnUsuarioPortuguesTieneLosTextosDeSusLineas) {
    Medio({{u"instalar.inf", kEspanol},
           {u"instalar.pt-BR.inf",
            {"Menu", "1.0", ";@texto instalar=Instalar agora", "Um;a.exe;O primeiro", ";@texto cerrar=Fechar",
             ";@texto indicacion=Selecione o que deseja instalar.", ";@texto version=Versão",
             ";@texto instalado=Instalado com sucesso", ";@volver", ";@texto inexistente=nada"}}});
    p.idiomas = {u"pt-BR"};
    Cargar();
    EXPECT_EQ(V().opciones[0].texto, u"Um");
    EXPECT_EQ(V().instalar.texto, u"Instalar agora");
    EXPECT_EQ(V().cerrar.texto, u"Fechar");
    EXPECT_EQ(V().indicacion.texto, u"Selecione o que deseja instalar.");
    // The version's line comes before the text that names it.
    EXPECT_EQ(V().version.texto, u"Versão 1.0");
    // What the file does not set stays Spanish.
    EXPECT_EQ(V().tituloVentana, u"Menú de instalación");

    ventana->Instalar();
    EXPECT_EQ(V().indicacion.texto, u"Instalando «Um»…");
    p.seguidos[0]->terminado = true;
    ASSERT_TRUE(ventana->MirarInstalacion());
    EXPECT_EQ(V().indicacion.texto, u"«Um»: Instalado com sucesso");
}

// A German user without a German file gets instalar.inf, in Spanish, as
// a user whose languages are not known at all.
TEST_F(TextosVentanaTest, SinArchivoDeSuIdiomaTodoComoSiempre) {
    Medio({{u"instalar.inf", kEspanol}, {u"instalar.en.inf", kIngles}});
    Cargar();
    const Controles sinIdiomas = V();
    p.idiomas = {u"de-DE", u"de"};
    Cargar();
    EXPECT_EQ(ventana->ArchivoMenu(), u"C:\\medio\\instalar.inf");
    EXPECT_EQ(V().instalar.texto, u"Instalar");
    EXPECT_EQ(V().cerrar.texto, u"Cerrar");
    EXPECT_EQ(V().indicacion.texto, u"Selecciona la opción que desees instalar.");
    EXPECT_EQ(V().version.texto, u"Versión 1.0");
    EXPECT_EQ(V().tituloVentana, u"Menú de instalación");
    for (const auto& [ahora, antes] : {std::pair{V().indicacion.caja, sinIdiomas.indicacion.caja},
                                       std::pair{V().version.caja, sinIdiomas.version.caja}}) {
        EXPECT_EQ(ahora.izquierda, antes.izquierda);
        EXPECT_EQ(ahora.ancho, antes.ancho);
        EXPECT_EQ(ahora.alto, antes.alto);
    }
    EXPECT_EQ(AccionDeInstalar(), u"Presionar");
}

// A menu file named on the command line is looked for beside it.
TEST_F(TextosVentanaTest, ElArchivoDeLaLineaDeComandosTambienTieneIdiomas) {
    p.archivos[u"D:\\menus\\oficina.inf"] = LineasCrLf(kEspanol);
    p.archivos[u"D:\\menus\\oficina.en.inf"] = LineasCrLf(kIngles);
    p.lineaComandos = u"D:\\menus\\oficina.inf";
    p.idiomas = {u"en-AU"};
    Cargar();
    EXPECT_EQ(ventana->ArchivoMenu(), u"D:\\menus\\oficina.en.inf");
    EXPECT_EQ(V().instalar.texto, u"Install");
}

TEST_F(TextosVentanaTest, UnMenuSinOpcionesLoDiceEnSuIdioma) {
    Medio({{u"instalar.inf", kEspanol}, {u"instalar.en.inf", {"Menu", "1.0", "; nothing yet"}}});
    p.idiomas = {u"en"};
    Cargar();
    EXPECT_EQ(V().descripcion.texto,
              u"An error has occurred!\r\n\r\nNo program to install was found in the file 'C:\\medio\\instalar.en.inf'.");
    EXPECT_EQ(V().indicacion.texto, u"");
}

TEST_F(TextosVentanaTest, UnProgramaQueFaltaLoDiceEnSuIdioma) {
    p.archivos[u"C:\\medio\\instalar.en.inf"] = LineasCrLf({"Menu", "1.0", "Missing;falta.exe;not there"});
    p.idiomas = {u"en"};
    Cargar();
    ventana->Instalar();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, u"File not found\r\nC:\\medio\\falta.exe");
    EXPECT_EQ(p.mensajes[0].titulo, u"Installation menu");
}

}  // namespace
}  // namespace instalar::prueba

namespace instalar::prueba {
namespace {

// A text longer than the design's button makes the button grow towards the
// window's middle, up to a gap between the two; one that fits leaves it as
// designed.
TEST_F(TextosVentanaTest, UnBotonCreceHaciaElCentroConSuTexto) {
    const std::string largo(60, 'x');
    Medio({{u"instalar.inf", kEspanol},
           {u"instalar.pt.inf",
            {"Menu", "1.0", ";@texto instalar=Instalar agora", ";@texto cerrar=" + largo, "Um;a.exe;O primeiro"}}});
    p.idiomas = {u"pt-BR"};
    Cargar();
    const Controles diseno = ControlesDeDiseno();
    const double margenes = 2 * kMargenTextoBoton * p.twipsPorPixel;
    const double letra = PlataformaFalsa::AnchoCaracter(kFuenteDeBotones);
    EXPECT_FLOAT_EQ(V().instalar.caja.izquierda, diseno.instalar.caja.izquierda);
    EXPECT_FLOAT_EQ(V().instalar.caja.ancho, static_cast<float>(14 * letra + margenes));
    // Too long for half the window: it stops short of the middle, its right edge where it was.
    const float derecha = diseno.cerrar.caja.izquierda + diseno.cerrar.caja.ancho;
    EXPECT_FLOAT_EQ(V().cerrar.caja.izquierda + V().cerrar.caja.ancho, derecha);
    EXPECT_FLOAT_EQ(V().cerrar.caja.izquierda, kAnchoVentana / 2 + kHuecoEntreBotones / 2);
    EXPECT_GT(V().cerrar.caja.izquierda, V().instalar.caja.izquierda + V().instalar.caja.ancho);

    // At another resolution the buttons are fitted again.
    p.twipsPorPixel = 10;
    ventana->CambiarEscala();
    EXPECT_FLOAT_EQ(V().instalar.caja.ancho, static_cast<float>(14 * letra + 2 * kMargenTextoBoton * 10));
}

TEST_F(TextosVentanaTest, LosBotonesEspanolesQuedanComoEnElDiseno) {
    Medio({{u"instalar.inf", kEspanol}});
    Cargar();
    const Controles diseno = ControlesDeDiseno();
    for (const auto& [boton, deDiseno] : {std::pair{V().instalar.caja, diseno.instalar.caja},
                                          std::pair{V().cerrar.caja, diseno.cerrar.caja}}) {
        EXPECT_EQ(boton.izquierda, deDiseno.izquierda);
        EXPECT_EQ(boton.ancho, deDiseno.ancho);
    }
}

}  // namespace
}  // namespace instalar::prueba
