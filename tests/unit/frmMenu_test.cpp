#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MenuDePrueba.h"

namespace instalar::prueba {
namespace {

constexpr Color kAzulBarra = ColorDe(diseno::kBarra);
const std::u16string kFinDeArchivo = u"La entrada pasó del final del archivo";
const std::u16string kNoEncontrado = u"No se encontró el archivo";

std::string LineaDesbordada() { return std::string(32767, 'x') + ";cmd;larga"; }

using VentanaTest = MenuDePrueba;

std::u16string MensajeSinOpciones(const std::u16string& ruta) {
    return u"Ha ocurrido un error !!!\r\n\r\nNo se ha podido encontrar en el archivo '" + ruta +
           u"', algun programa a instalar.";
}

// ---------------------------------------------------------------------------
// Loading a good menu

class CargaTest : public MenuDePrueba {
protected:
    void SetUp() override {
        Escribir({"Oficina", "2.0", "Uno;uno\\setup.exe;Instala uno", "Dos;dos.exe;Instala dos",
                  "Tres;tres.exe;Instala tres"});
    }
};

TEST_F(CargaTest, AparienciaDeLaVentana) {
    Cargar();
    EXPECT_EQ(V().tituloVentana, kTituloVentana);
    EXPECT_EQ(V().barra.fondo, kAzulBarra);
    EXPECT_EQ(V().instalar.fondo, kAzulBarra);
    EXPECT_EQ(V().cerrar.fondo, kAzulBarra);
    EXPECT_EQ(p.fondosCargados, std::vector<std::u16string>{u"C:\\medio\\quorbel.bmp"});
    EXPECT_TRUE(p.mensajes.empty()) << "el logotipo falta y no debe avisarse";
}

TEST_F(CargaTest, LaIndicacionSeAjustaASuTextoSinMoverSuBordeIzquierdo) {
    Cargar();
    const Etiqueta& indicacion = V().indicacion;
    const std::u16string texto = u"Selecciona la opción que desees instalar.";
    ASSERT_EQ(indicacion.texto, texto);
    const double ancho = texto.size() * PlataformaFalsa::AnchoCaracter(indicacion.fuente);
    EXPECT_FLOAT_EQ(indicacion.caja.ancho, static_cast<float>(ancho));
    EXPECT_FLOAT_EQ(indicacion.caja.izquierda, 90.0f);
    EXPECT_FLOAT_EQ(indicacion.caja.arriba, 4815.0f);
}

TEST_F(CargaTest, LogotipoEnLaRaizDeUnaUnidad) {
    p.carpeta = u"E:\\";
    p.archivos[u"E:\\quorbel.bmp"] = "BM";
    Cargar();
    EXPECT_EQ(p.fondosCargados, std::vector<std::u16string>{u"E:\\quorbel.bmp"});
    EXPECT_TRUE(p.mensajes.empty());
}

TEST_F(CargaTest, TituloVersionYOpcionesEnOrden) {
    Escribir({"  Oficina  ", "2.0 beta", "Uno;uno\\setup.exe;Instala uno", "; comentario", "",
              "sin separador", "  Dos ; dos.exe ", "Tres;;Instala tres"});
    Cargar();
    EXPECT_EQ(V().titulo.texto, u"  Oficina  ");
    EXPECT_EQ(V().version.texto, u"Versión 2.0 beta");
    // Both right-aligned labels keep their right edge as they fit the text.
    EXPECT_EQ(V().titulo.caja.izquierda + V().titulo.caja.ancho, 6690.0f);
    EXPECT_EQ(V().version.caja.izquierda + V().version.caja.ancho, 6570.0f);

    EXPECT_EQ(ventana->TotalOpciones(), 3);
    ASSERT_EQ(V().opciones.size(), 3u);
    const std::u16string nombres[] = {u"Uno", u"Dos ", u"Tres"};
    const std::u16string comandos[] = {u"uno\\setup.exe", u" dos.exe", u""};
    for (size_t i = 0; i < 3; ++i) {
        const Etiqueta& opcion = V().opciones[i];
        EXPECT_EQ(opcion.texto, nombres[i]) << i;
        EXPECT_EQ(opcion.comando, comandos[i]) << i;
        EXPECT_TRUE(opcion.visible) << i;
        EXPECT_TRUE(opcion.cursorMano) << i;
        EXPECT_EQ(opcion.fuente.nombre, u"Verdana") << i;
        EXPECT_EQ(opcion.caja.alto, 270.0f) << i;
    }
    EXPECT_TRUE(V().instalar.habilitado);
    EXPECT_EQ(V().indicacion.texto, u"Selecciona la opción que desees instalar.");
    EXPECT_EQ(p.archivosAbiertos, 0);
}

TEST_F(CargaTest, SeleccionaLaPrimeraOpcion) {
    Cargar();
    EXPECT_EQ(Negritas(), Indices{0});
    const Imagen& flecha = V().flecha;
    EXPECT_TRUE(flecha.visible);
    EXPECT_EQ(flecha.caja.izquierda, 750.0f - 240 - 75);
    EXPECT_EQ(flecha.caja.arriba, 2572.5f + (270 - 240) / 2);
    EXPECT_EQ(flecha.caja.ancho, 240.0f);
    EXPECT_EQ(flecha.caja.alto, 240.0f);

    EXPECT_EQ(V().descripcion.texto, u"Instala uno");
    EXPECT_EQ(V().descripcion.caja.izquierda, 3780.0f);
    EXPECT_EQ(V().descripcion.caja.alto, 185.625f);  // one line of 8.25-point text
    EXPECT_EQ(V().descripcion.caja.arriba, 2200 + (2300 - 185.625f) / 2);
    EXPECT_TRUE(p.mensajes.empty());
    // The list and then the first description, each closed again.
    EXPECT_EQ(p.aperturas, 2);
    EXPECT_EQ(p.archivosAbiertos, 0);
}

TEST_F(CargaTest, DescargarDestruyeLasOpcionesCreadas) {
    Cargar();
    ventana->Descargar();
    ASSERT_EQ(V().opciones.size(), 1u);
    EXPECT_EQ(V().opciones[0].texto, u"Uno");
}

// ---------------------------------------------------------------------------
// Spreading the items along the divider

struct CasoReparto {
    const char* nombre;
    int opciones;
    double twipsPorPixel;
    float izquierda;
    std::vector<float> arribas;
};

void PrintTo(const CasoReparto& caso, std::ostream* os) { *os << caso.nombre; }

class RepartoTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoReparto> {};

TEST_P(RepartoTest, HuecosIgualesEntreLosExtremosDeLaLinea) {
    const CasoReparto& caso = GetParam();
    p.twipsPorPixel = caso.twipsPorPixel;
    std::vector<std::string> lineas{"T", "V"};
    for (int i = 0; i < caso.opciones; ++i) lineas.push_back("Opcion" + std::to_string(i) + ";s.exe;d");
    Escribir(lineas);
    Cargar();

    ASSERT_EQ(V().opciones.size(), caso.arribas.size());
    for (size_t i = 0; i < caso.arribas.size(); ++i) {
        EXPECT_EQ(V().opciones[i].caja.izquierda, caso.izquierda) << i;
        EXPECT_EQ(V().opciones[i].caja.arriba, caso.arribas[i]) << i;
    }
    // The marker stands five pixels before the first item, on its middle.
    EXPECT_EQ(V().flecha.caja.izquierda, caso.izquierda - 240 - float(5 * caso.twipsPorPixel));
    EXPECT_EQ(V().flecha.caja.arriba, caso.arribas[0] + 15);
}

INSTANTIATE_TEST_SUITE_P(
    Opciones, RepartoTest,
    ::testing::Values(
        // gap = (2300 - 3 * 270) / 4 = 372.5
        CasoReparto{"Tres", 3, 15, 750, {2572.5f, 3215, 3857.5f}},
        // The single item's middle is the middle of 2200..4500.
        CasoReparto{"Una", 1, 15, 750, {3350 - 135}},
        // gap = (2300 - 4 * 270) / 5 = 244, at 120 dots per inch.
        CasoReparto{"CuatroA12Twips", 4, 12, 600, {2444, 2958, 3472, 3986}},
        // Too many to fit: gap = (2300 - 9 * 270) / 10 = -13, they overlap and start above 2200.
        CasoReparto{"NueveSeSolapan", 9, 15, 750, {2187, 2444, 2701, 2958, 3215, 3472, 3729, 3986, 4243}}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// ---------------------------------------------------------------------------
// Menus that cannot be listed

struct CasoSinLista {
    const char* nombre;
    std::optional<std::string> contenido;  // of kRutaMenu; nothing: no file
    std::u16string lineaComandos;
    std::optional<std::string> contenidoDeLineaDeComandos;
    std::optional<Error> errorDeApertura;
    std::u16string tipo;
    std::u16string ver;
    std::u16string info;
};

void PrintTo(const CasoSinLista& caso, std::ostream* os) { *os << caso.nombre; }

class SinListaTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoSinLista> {};

TEST_P(SinListaTest, AvisaEnLaDescripcionYDeshabilitaInstalar) {
    const CasoSinLista& caso = GetParam();
    if (caso.contenido) p.archivos[kRutaMenu] = *caso.contenido;
    p.lineaComandos = caso.lineaComandos;
    if (caso.contenidoDeLineaDeComandos) p.archivos[caso.lineaComandos] = *caso.contenidoDeLineaDeComandos;
    if (caso.errorDeApertura) p.erroresDeApertura[kRutaMenu] = *caso.errorDeApertura;
    Cargar();

    EXPECT_EQ(V().titulo.texto, caso.tipo);
    EXPECT_EQ(V().version.texto, caso.ver);
    EXPECT_EQ(V().descripcion.texto, caso.info);
    EXPECT_EQ(V().descripcion.caja.izquierda, 3780.0f);
    EXPECT_EQ(V().descripcion.caja.arriba, 2460.0f);

    EXPECT_EQ(ventana->TotalOpciones(), 0);
    ASSERT_EQ(V().opciones.size(), 1u);
    EXPECT_EQ(V().opciones[0].texto, u"");
    EXPECT_TRUE(Negritas().empty());
    EXPECT_FALSE(V().flecha.visible);
    EXPECT_EQ(V().indicacion.texto, u"");
    EXPECT_FALSE(V().instalar.habilitado);
    EXPECT_TRUE(V().cerrar.habilitado);
    EXPECT_TRUE(p.mensajes.empty());
    EXPECT_EQ(p.archivosAbiertos, 0);
}

const std::u16string kOtraRuta = u"D:\\otro menú\\lista.inf";

INSTANTIATE_TEST_SUITE_P(
    Archivos, SinListaTest,
    ::testing::Values(
        CasoSinLista{"SinArchivo", std::nullopt, u"", std::nullopt, std::nullopt, u"", u"", kNoEncontrado},
        // Quotes stay part of the path, which then names no file.
        CasoSinLista{"LineaDeComandosEntreComillas", LineasCrLf({"T", "V", "A;a.exe"}),
                     u"\"" + kRutaMenu + u"\"", std::nullopt, std::nullopt, u"", u"", kNoEncontrado},
        CasoSinLista{"Ilegible", LineasCrLf({"T", "V", "A;a.exe"}), u"", std::nullopt,
                     ErrorDe(CodigoError::PermisoDenegado, 5), u"", u"", u"Permiso denegado"},
        CasoSinLista{"UnaSolaLinea", "Solo t\xEDtulo\r\n", u"", std::nullopt, std::nullopt, u"Solo título", u"",
                     kFinDeArchivo},
        // LF alone does not end a line: the whole file is the title.
        CasoSinLista{"SoloLF", "Oficina\n2.0\nUno;uno.exe;d\n", u"", std::nullopt, std::nullopt,
                     u"Oficina\n2.0\nUno;uno.exe;d\n", u"", kFinDeArchivo},
        CasoSinLista{"SoloCabecera", LineasCrLf({"Oficina", "2.0"}), u"", std::nullopt, std::nullopt, u"Oficina",
                     u"Versión 2.0", MensajeSinOpciones(kRutaMenu)},
        CasoSinLista{"SinEntradas", LineasCrLf({"Oficina", "2.0", "; nada", "", "   ", "sin separador"}), u"",
                     std::nullopt, std::nullopt, u"Oficina", u"Versión 2.0", MensajeSinOpciones(kRutaMenu)},
        CasoSinLista{"SoloCabeceraDesdeLineaDeComandos", std::nullopt, kOtraRuta, LineasCrLf({"Oficina", "2.0"}),
                     std::nullopt, u"Oficina", u"Versión 2.0", MensajeSinOpciones(kOtraRuta)}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(VentanaTest, SoloCabeceraEnLaRaizDeUnaUnidad) {
    p.carpeta = u"E:\\";
    p.archivos[u"E:\\\\instalar.inf"] = LineasCrLf({"Oficina", "2.0"});
    Cargar();
    EXPECT_EQ(V().descripcion.texto, MensajeSinOpciones(u"E:\\\\instalar.inf"));
    EXPECT_FALSE(V().instalar.habilitado);
}

// ---------------------------------------------------------------------------
// An error after some items were created

struct CasoCorte {
    const char* nombre;
    std::string linea;
};

void PrintTo(const CasoCorte& caso, std::ostream* os) { *os << caso.nombre; }

class CorteTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoCorte> {};

TEST_P(CorteTest, LasOpcionesLeidasQuedanApiladasSinSeleccion) {
    Escribir({"Oficina", "2.0", "Uno;uno.exe;a", "Dos;dos.exe;b", GetParam().linea, "Tres;tres.exe;c"});
    Cargar();

    EXPECT_EQ(V().descripcion.texto, u"Desbordamiento");
    EXPECT_EQ(V().descripcion.caja.izquierda, 3780.0f);
    EXPECT_EQ(V().descripcion.caja.arriba, 2460.0f);
    EXPECT_EQ(V().titulo.texto, u"Oficina");
    EXPECT_EQ(ventana->TotalOpciones(), 2);
    ASSERT_EQ(V().opciones.size(), 2u);
    EXPECT_EQ(V().opciones[1].texto, u"Dos");
    EXPECT_EQ(V().opciones[1].comando, u"dos.exe");
    for (const Etiqueta& opcion : V().opciones) {
        EXPECT_TRUE(opcion.visible);
        EXPECT_EQ(opcion.caja.izquierda, 1080.0f);
        EXPECT_EQ(opcion.caja.arriba, 2880.0f);
    }
    EXPECT_TRUE(Negritas().empty());
    EXPECT_FALSE(V().flecha.visible);
    EXPECT_TRUE(V().instalar.habilitado);
    EXPECT_EQ(V().indicacion.texto, u"Selecciona la opción que desees instalar.");
    EXPECT_TRUE(p.mensajes.empty());
    EXPECT_EQ(p.aperturas, 1);
    EXPECT_EQ(p.archivosAbiertos, 0);
}

INSTANTIATE_TEST_SUITE_P(Lineas, CorteTest,
                         ::testing::Values(CasoCorte{"PrimerSeparadorLejano", LineaDesbordada()},
                                           CasoCorte{"ComandoHastaElFinal", "x;" + std::string(32767, 'c')}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

struct CasoCuenta {
    const char* nombre;
    int entradas;
    bool desborda;
};

void PrintTo(const CasoCuenta& caso, std::ostream* os) { *os << caso.nombre; }

class CuentaTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoCuenta> {};

TEST_P(CuentaTest, ElNumeroDeOpcionesEsDeDieciseisBits) {
    const CasoCuenta& caso = GetParam();
    std::string texto = LineasCrLf({"T", "V"});
    for (int i = 0; i < caso.entradas; ++i) texto += "e;s.exe\r\n";
    p.archivos[kRutaMenu] = texto;
    Cargar();

    EXPECT_EQ(ventana->TotalOpciones(), 32767);
    EXPECT_EQ(V().opciones.size(), size_t(caso.entradas));
    const Etiqueta& ultima = V().opciones.back();
    EXPECT_EQ(ultima.texto, u"e");
    EXPECT_EQ(ultima.comando, u"s.exe");
    EXPECT_TRUE(ultima.visible);
    EXPECT_TRUE(V().instalar.habilitado);
    if (caso.desborda) {
        EXPECT_EQ(V().descripcion.texto, u"Desbordamiento");
        EXPECT_TRUE(Negritas().empty());
        EXPECT_EQ(ultima.caja.arriba, 2880.0f);
    } else {
        EXPECT_EQ(V().descripcion.texto, u"");  // the entries have no description
        EXPECT_EQ(Negritas(), Indices{0});
        EXPECT_LT(V().opciones[0].caja.arriba, 2200.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(Opciones, CuentaTest,
                         ::testing::Values(CasoCuenta{"Maximo", 32767, false},
                                           CasoCuenta{"UnaDeMas", 32768, true}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

// ---------------------------------------------------------------------------
// Selection

TEST_F(CargaTest, ClicEnOtraOpcionMueveNegritaFlechaYDescripcion) {
    Cargar();
    const Rectangulo antes = V().opciones[2].caja;
    ventana->ClicEnOpcion(2);

    EXPECT_EQ(Negritas(), Indices{2});
    EXPECT_EQ(V().flecha.caja.izquierda, 435.0f);
    EXPECT_EQ(V().flecha.caja.arriba, 3857.5f + 15);
    EXPECT_EQ(V().descripcion.texto, u"Instala tres");
    // Bold text is wider; the label keeps its place.
    const Rectangulo& negrita = V().opciones[2].caja;
    EXPECT_EQ(negrita.izquierda, antes.izquierda);
    EXPECT_EQ(negrita.arriba, antes.arriba);
    EXPECT_EQ(antes.ancho, 4 * 120.0f);
    EXPECT_EQ(negrita.ancho, 4 * 132.0f);
    // The item left behind returns to its regular width.
    EXPECT_EQ(V().opciones[0].caja.ancho, 3 * 120.0f);
    EXPECT_TRUE(V().instalar.habilitado);
    EXPECT_TRUE(p.mensajes.empty());
}

TEST_F(CargaTest, ReseleccionarLeeDeNuevoElArchivo) {
    Cargar();
    Escribir({"Oficina", "2.0", "uno;otro.exe;Texto nuevo"});
    ventana->ClicEnOpcion(0);
    EXPECT_EQ(V().descripcion.texto, u"Texto nuevo");
    EXPECT_EQ(Negritas(), Indices{0});
    EXPECT_EQ(p.aperturas, 3);
}

struct CasoDescripcionLarga {
    const char* nombre;
    size_t caracteres;
    float alto;
    float arriba;
};

void PrintTo(const CasoDescripcionLarga& caso, std::ostream* os) { *os << caso.nombre; }

class CentradoTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoDescripcionLarga> {};

TEST_P(CentradoTest, LaDescripcionSeCentraSobreLaLinea) {
    const CasoDescripcionLarga& caso = GetParam();
    Escribir({"T", "V", "Uno;u.exe;" + std::string(caso.caracteres, 'd')});
    Cargar();
    const Rectangulo& info = V().descripcion.caja;
    EXPECT_EQ(info.izquierda, 3780.0f);
    EXPECT_EQ(info.ancho, 2835.0f);
    EXPECT_EQ(info.alto, caso.alto);
    EXPECT_EQ(info.arriba, caso.arriba);
}

// 82.5 twips a character, lines of 185.625 twips wrapped at 2835.
INSTANTIATE_TEST_SUITE_P(
    Descripciones, CentradoTest,
    ::testing::Values(CasoDescripcionLarga{"UnaLinea", 11, 185.625f, 3257.1875f},
                      CasoDescripcionLarga{"TresLineas", 70, 556.875f, 3071.5625f},
                      // Taller than 2200..4500: it overhangs both ends equally.
                      CasoDescripcionLarga{"TreceLineas", 420, 2413.125f, 2143.4375f}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(VentanaTest, SinDescripcionQuedaLaAnteriorYVaciaLaBorra) {
    Escribir({"T", "V", "Uno;u.exe;Primera", "Dos;d.exe", "Tres;t.exe;"});
    Cargar();
    EXPECT_EQ(V().descripcion.texto, u"Primera");

    ventana->ClicEnOpcion(1);
    EXPECT_EQ(V().descripcion.texto, u"Primera");
    EXPECT_EQ(Negritas(), Indices{1});
    EXPECT_EQ(V().flecha.caja.arriba, V().opciones[1].caja.arriba + 15);

    ventana->ClicEnOpcion(2);
    EXPECT_EQ(V().descripcion.texto, u"");
    EXPECT_EQ(Negritas(), Indices{2});

    ventana->ClicEnOpcion(1);
    EXPECT_EQ(V().descripcion.texto, u"");
    EXPECT_TRUE(p.mensajes.empty());
}

TEST_F(VentanaTest, PrimeraSinDescripcionDejaLaDescripcionVacia) {
    Escribir({"T", "V", "Uno;u.exe", "Dos;d.exe;Segunda"});
    Cargar();
    EXPECT_EQ(V().descripcion.texto, u"");
    EXPECT_EQ(Negritas(), Indices{0});
    EXPECT_TRUE(V().flecha.visible);
}

TEST_F(VentanaTest, NombresQueSoloDifierenEnMayusculasMuestranLaPrimera) {
    Escribir({"T", "V", "Alfa;a1.exe;Primera", "ALFA;a2.exe;Segunda"});
    Cargar();
    ventana->ClicEnOpcion(1);
    EXPECT_EQ(Negritas(), Indices{1});
    EXPECT_EQ(V().descripcion.texto, u"Primera");
    EXPECT_EQ(V().opciones[1].comando, u"a2.exe");
}

struct CasoCambio {
    const char* nombre;
    std::function<void(PlataformaFalsa&)> cambiar;
    std::u16string mensaje;
};

void PrintTo(const CasoCambio& caso, std::ostream* os) { *os << caso.nombre; }

class ArchivoCambiadoTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoCambio> {};

TEST_P(ArchivoCambiadoTest, UnaLecturaFallidaDejaLaSeleccionComoEstaba) {
    Escribir({"T", "V", "Uno;u.exe;Primera", "Dos;d.exe;Segunda"});
    Cargar();
    const Rectangulo flecha = V().flecha.caja;
    const Etiqueta info = V().descripcion;

    GetParam().cambiar(p);
    ventana->ClicEnOpcion(1);

    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, GetParam().mensaje);
    EXPECT_EQ(p.mensajes[0].titulo, kTituloVentana);
    EXPECT_EQ(Negritas(), Indices{0});
    EXPECT_EQ(V().flecha.caja.arriba, flecha.arriba);
    EXPECT_EQ(V().flecha.caja.izquierda, flecha.izquierda);
    EXPECT_EQ(V().descripcion.texto, info.texto);
    EXPECT_EQ(V().descripcion.caja.arriba, info.caja.arriba);
    EXPECT_TRUE(V().instalar.habilitado);
    EXPECT_EQ(p.archivosAbiertos, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cambios, ArchivoCambiadoTest,
    ::testing::Values(
        CasoCambio{"Borrado", [](PlataformaFalsa& f) { f.archivos.clear(); }, kNoEncontrado},
        CasoCambio{"Ilegible",
                   [](PlataformaFalsa& f) { f.erroresDeApertura[kRutaMenu] = ErrorDe(CodigoError::PermisoDenegado, 5); },
                   u"Permiso denegado"},
        CasoCambio{"SinEntradas", [](PlataformaFalsa& f) { f.archivos[kRutaMenu] = LineasCrLf({"T", "V"}); },
                   kFinDeArchivo},
        CasoCambio{"LineaDesbordada",
                   [](PlataformaFalsa& f) {
                       f.archivos[kRutaMenu] = LineasCrLf({"T", "V", LineaDesbordada(), "Dos;d.exe;Segunda"});
                   },
                   u"Desbordamiento"}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(VentanaTest, LaPrimeraSeleccionFallidaAvisaYNoMarcaNada) {
    Escribir({"T", "V", "Uno;u.exe;Primera", "Dos;d.exe;Segunda", "Tres;t.exe;Tercera"});
    // The list is read; the file changes before its first description is.
    p.erroresPorApertura[2] = ErrorDe(CodigoError::PermisoDenegado, 5);
    Cargar();

    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, u"Permiso denegado");
    EXPECT_EQ(p.mensajes[0].titulo, kTituloVentana);
    EXPECT_TRUE(Negritas().empty());
    EXPECT_FALSE(V().flecha.visible);
    EXPECT_EQ(V().descripcion.texto, u"");
    EXPECT_EQ(V().opciones[1].caja.arriba, 3215.0f);  // laid out all the same
    EXPECT_TRUE(V().instalar.habilitado);
}

// ---------------------------------------------------------------------------
// Dragging, hit-testing and resizing

TEST_F(CargaTest, ArrastrarMueveLaVentanaLoQueSeMueveElRaton) {
    Cargar();
    ventana->Arrastrar(500, 500);
    EXPECT_EQ(p.posicion.x, 3000);
    EXPECT_EQ(p.posicion.y, 2000);

    ventana->EmpezarArrastre(100, 200);
    ventana->Arrastrar(130, 190);
    EXPECT_EQ(p.posicion.x, 3030);
    EXPECT_EQ(p.posicion.y, 1990);
    // Coordinates stay relative to the point where the button went down.
    ventana->Arrastrar(150.5, 250);
    EXPECT_EQ(p.posicion.x, 3080.5);
    EXPECT_EQ(p.posicion.y, 2040);

    ventana->TerminarArrastre();
    ventana->Arrastrar(900, 900);
    EXPECT_EQ(p.posicion.x, 3080.5);
    EXPECT_EQ(p.posicion.y, 2040);
}

Punto Centro(const Rectangulo& r) { return {r.izquierda + r.ancho / 2.0, r.arriba + r.alto / 2.0}; }

TEST_F(CargaTest, QueHayBajoElRaton) {
    Cargar();
    ventana->AjustarATamano(kAnchoVentana, kAltoVentana);
    using Tipo = Impacto::Tipo;
    for (size_t i = 0; i < 3; ++i) {
        const Punto c = Centro(V().opciones[i].caja);
        const Impacto impacto = ventana->ControlEn(c.x, c.y);
        EXPECT_EQ(impacto.tipo, Tipo::Opcion) << i;
        EXPECT_EQ(impacto.indice, int16_t(i));
    }
    const struct {
        const char* control;
        Punto punto;
        Tipo tipo;
    } casos[] = {
        {"indicacion", Centro(V().indicacion.caja), Tipo::OtroControl},
        {"descripcion", Centro(V().descripcion.caja), Tipo::OtroControl},
        {"titulo", Centro(V().titulo.caja), Tipo::OtroControl},
        {"version", Centro(V().version.caja), Tipo::OtroControl},
        {"flecha", Centro(V().flecha.caja), Tipo::OtroControl},
        {"icono", Centro(V().icono.caja), Tipo::OtroControl},
        {"divisoria", {3550, 3000}, Tipo::Fondo},
        {"barra", {4000, 5200}, Tipo::Fondo},
        {"vacio", {300, 300}, Tipo::Fondo},
        {"junto a una opcion", {750 + 3 * 132 + 10, 2572.5 + 100}, Tipo::Fondo},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(ventana->ControlEn(caso.punto.x, caso.punto.y).tipo, caso.tipo) << caso.control;
    }
}

TEST_F(VentanaTest, LaFlechaOcultaNoTapaElFondo) {
    Escribir({"T", "V"});
    Cargar();
    const Punto c = Centro(V().flecha.caja);
    EXPECT_EQ(ventana->ControlEn(c.x, c.y).tipo, Impacto::Tipo::Fondo);
}

TEST_F(VentanaTest, OpcionesApiladasRecibeLaUltimaCreada) {
    Escribir({"T", "V", "Uno;u.exe", "Dos;d.exe", LineaDesbordada()});
    Cargar();
    const Impacto impacto = ventana->ControlEn(1100, 2900);
    EXPECT_EQ(impacto.tipo, Impacto::Tipo::Opcion);
    EXPECT_EQ(impacto.indice, 1);
}

struct CasoTamano {
    double ancho, alto, twipsPorPixel;
    Rectangulo barra;
};

void PrintTo(const CasoTamano& caso, std::ostream* os) {
    *os << caso.ancho << " x " << caso.alto << " a " << caso.twipsPorPixel << " twips por pixel";
}

class RedimensionTest : public MenuDePrueba, public ::testing::WithParamInterface<CasoTamano> {};

TEST_P(RedimensionTest, LaBarraOcupaElPieDesdeElSegundoPixel) {
    const CasoTamano& caso = GetParam();
    p.twipsPorPixel = caso.twipsPorPixel;
    ventana = std::make_unique<frmMenu>(p.Sistema());
    ventana->AjustarATamano(caso.ancho, caso.alto);
    const Rectangulo& barra = V().barra.caja;
    EXPECT_EQ(barra.izquierda, caso.barra.izquierda);
    EXPECT_EQ(barra.arriba, caso.barra.arriba);
    EXPECT_EQ(barra.ancho, caso.barra.ancho);
    EXPECT_EQ(barra.alto, caso.barra.alto);
}

INSTANTIATE_TEST_SUITE_P(Tamanos, RedimensionTest,
                         ::testing::Values(CasoTamano{6765, 5490, 15, {15, 4995, 6750, 495}},
                                           CasoTamano{6765, 5490, 12, {12, 4995, 6753, 495}},
                                           CasoTamano{6000, 5000, 15, {15, 4505, 5985, 495}}));

}  // namespace
}  // namespace instalar::prueba
