#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MenuDePrueba.h"

namespace instalar::prueba {
namespace {

class TecladoTest : public MenuDePrueba {
protected:
    void CuatroOpciones() {
        p.archivos[u"C:\\medio\\a.exe"] = "MZ";
        Escribir({"T", "V", "A;a.exe;da", "B;b.exe;db", "C;c.exe;dc", "D;d.exe;dd"});
    }
};

TEST_F(TecladoTest, SinOpcionMarcadaCtrlArribaVaALaUltima) {
    CuatroOpciones();
    p.erroresPorApertura[2] = ErrorDe(CodigoError::PermisoDenegado, 5);  // the first description
    Cargar();
    ASSERT_TRUE(Negritas().empty());
    p.mensajes.clear();

    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    EXPECT_TRUE(Negritas().empty());

    ventana->AlBajarTecla(Tecla::Arriba, kCtrl);
    EXPECT_EQ(Negritas(), Indices{3});
    EXPECT_EQ(V().descripcion.texto, u"dd");
    EXPECT_TRUE(p.mensajes.empty());
}

TEST_F(TecladoTest, ListaVaciaLasFlechasNoHacenNada) {
    Escribir({"T", "V"});
    Cargar();
    const int aperturas = p.aperturas;
    ventana->AlBajarTecla(Tecla::Arriba, kCtrl);
    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    EXPECT_TRUE(Negritas().empty());
    EXPECT_FALSE(V().flecha.visible);
    EXPECT_EQ(p.aperturas, aperturas);
    EXPECT_TRUE(p.mensajes.empty());
}

// Esc and "Cerrar" close the menu without starting anything, "Instalar"
// enabled or not.
struct CasoCierre {
    const char* nombre;
    bool conOpciones;  // four items; else none, and "Instalar" disabled
    bool conEscape;    // else a click on "Cerrar"
};

void PrintTo(const CasoCierre& caso, std::ostream* os) { *os << caso.nombre; }

class CierreTest : public TecladoTest, public ::testing::WithParamInterface<CasoCierre> {};

TEST_P(CierreTest, CierraSinInstalar) {
    const CasoCierre& caso = GetParam();
    if (caso.conOpciones)
        CuatroOpciones();
    else
        Escribir({"T", "V"});
    Cargar();
    ASSERT_EQ(V().instalar.habilitado, caso.conOpciones);

    if (caso.conEscape)
        ventana->AlEscribir(kCaracterEscape);
    else
        ventana->Cerrar();

    EXPECT_TRUE(ventana->Descargada());
    EXPECT_TRUE(p.procesos.empty());
    EXPECT_TRUE(p.ejecucionesShell.empty());
}

INSTANTIATE_TEST_SUITE_P(Formas, CierreTest,
                         ::testing::Values(CasoCierre{"Escape", true, true}, CasoCierre{"Cerrar", true, false},
                                           CasoCierre{"EscapeConInstalarDeshabilitado", false, true}),
                         [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(TecladoTest, OtrosCaracteresNoHacenNada) {
    CuatroOpciones();
    Cargar();
    for (int caracter : {32, int('a'), 10, 9, 0}) ventana->AlEscribir(caracter);
    EXPECT_FALSE(ventana->Descargada());
    EXPECT_TRUE(p.procesos.empty());
    EXPECT_TRUE(p.mensajes.empty());
}

TEST_F(TecladoTest, IntroInstalaLaOpcionMarcada) {
    CuatroOpciones();
    Cargar();
    ventana->AlEscribir(kCaracterIntro);
    ASSERT_EQ(p.procesos.size(), 1u);
    EXPECT_EQ(p.procesos[0].aplicacion, u"C:\\medio\\a.exe");
    EXPECT_TRUE(ventana->Descargada());
}

// With no item selected, the install command does nothing: no start, no
// message beyond those of loading, and the menu stays.  Nothing is selected
// when the first description cannot be read (the items are there and
// "Instalar" is enabled) or when there are no items.
struct CasoSinMarca {
    const char* nombre;
    std::vector<std::string> menu;
    std::optional<Error> errorPrimeraDescripcion;  // at the second opening of the file
    bool conIntro;                                 // else a click on "Instalar"
    bool instalarHabilitado;
    size_t mensajesAlCargar;
};

void PrintTo(const CasoSinMarca& caso, std::ostream* os) { *os << caso.nombre; }

class SinMarcaTest : public TecladoTest, public ::testing::WithParamInterface<CasoSinMarca> {};

TEST_P(SinMarcaTest, InstalarNoHaceNada) {
    const CasoSinMarca& caso = GetParam();
    p.archivos[u"C:\\medio\\a.exe"] = "MZ";
    p.archivos[u"C:\\medio\\b.exe"] = "MZ";
    Escribir(caso.menu);
    if (caso.errorPrimeraDescripcion) p.erroresPorApertura[2] = *caso.errorPrimeraDescripcion;
    Cargar();
    ASSERT_TRUE(Negritas().empty());
    ASSERT_EQ(V().instalar.habilitado, caso.instalarHabilitado);
    ASSERT_EQ(p.mensajes.size(), caso.mensajesAlCargar);

    if (caso.conIntro)
        ventana->AlEscribir(kCaracterIntro);
    else
        ventana->Instalar();

    EXPECT_TRUE(p.procesos.empty());
    EXPECT_TRUE(p.ejecucionesShell.empty());
    EXPECT_EQ(p.mensajes.size(), caso.mensajesAlCargar);
    EXPECT_FALSE(ventana->Descargada());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SinMarcaTest,
    ::testing::Values(CasoSinMarca{"IntroSinOpcionMarcada",
                                   {"T", "V", "A;a.exe;da", "B;b.exe;db"},
                                   ErrorDe(CodigoError::PermisoDenegado, 5),
                                   true,
                                   true,
                                   1},
                      CasoSinMarca{"ClicEnInstalarSinOpcionMarcada",
                                   {"T", "V", "A;a.exe;da", "B;b.exe;db"},
                                   ErrorDe(CodigoError::ArchivoNoEncontrado, 2),
                                   false,
                                   true,
                                   1},
                      CasoSinMarca{"IntroConListaVacia", {"T", "V"}, std::nullopt, true, false, 0}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

// ---------------------------------------------------------------------------
// The item list holding the focus

// A key with its modifiers, the item list holding the focus or not: where
// the selection goes.  Ctrl+Up and Ctrl+Down move it whatever has the focus;
// the plain arrows, Home and End only while the list has it; no key moves
// the focus, none wraps round.
struct CasoLista {
    const char* nombre;
    size_t inicial;
    Tecla tecla;
    int modificadores;
    bool listaConFoco;
    size_t esperada;
};

void PrintTo(const CasoLista& caso, std::ostream* os) { *os << caso.nombre; }

class ListaConFocoTest : public TecladoTest, public ::testing::WithParamInterface<CasoLista> {};

TEST_P(ListaConFocoTest, LasFlechasInicioYFinMuevenSinDarLaVuelta) {
    const CasoLista& caso = GetParam();
    CuatroOpciones();
    Cargar();
    ventana->ClicEnOpcion(static_cast<int16_t>(caso.inicial));
    if (caso.listaConFoco) ventana->ListaGanaFoco();
    const int aperturas = p.aperturas;

    ventana->AlBajarTecla(caso.tecla, caso.modificadores);

    EXPECT_EQ(Negritas(), Indices{caso.esperada});
    const std::u16string descripciones[] = {u"da", u"db", u"dc", u"dd"};
    EXPECT_EQ(V().descripcion.texto, descripciones[caso.esperada]);
    // Moving reads the file for the new description; staying put reads nothing.
    EXPECT_EQ(p.aperturas, aperturas + (caso.esperada != caso.inicial ? 1 : 0));
    EXPECT_EQ(ventana->ListaConFoco(), caso.listaConFoco);
    EXPECT_TRUE(p.mensajes.empty());
    EXPECT_FALSE(ventana->Descargada());
}

INSTANTIATE_TEST_SUITE_P(
    Teclas, ListaConFocoTest,
    ::testing::Values(CasoLista{"Abajo", 1, Tecla::Abajo, 0, true, 2},
                      CasoLista{"Arriba", 1, Tecla::Arriba, 0, true, 0},
                      CasoLista{"AbajoEnLaUltima", 3, Tecla::Abajo, 0, true, 3},
                      CasoLista{"ArribaEnLaPrimera", 0, Tecla::Arriba, 0, true, 0},
                      CasoLista{"Inicio", 2, Tecla::Inicio, 0, true, 0},
                      CasoLista{"InicioEnLaPrimera", 0, Tecla::Inicio, 0, true, 0},
                      CasoLista{"Fin", 1, Tecla::Fin, 0, true, 3},
                      CasoLista{"FinEnLaUltima", 3, Tecla::Fin, 0, true, 3},
                      CasoLista{"ShiftAbajo", 1, Tecla::Abajo, kShift, true, 2},
                      CasoLista{"CtrlAbajo", 1, Tecla::Abajo, kCtrl, true, 2},
                      CasoLista{"CtrlInicio", 2, Tecla::Inicio, kCtrl, true, 0},
                      CasoLista{"AltAbajoNoMueve", 1, Tecla::Abajo, kAlt, true, 1},
                      CasoLista{"AltFinNoMueve", 1, Tecla::Fin, kAlt, true, 1},
                      CasoLista{"IzquierdaNoMueve", 1, Tecla::Izquierda, 0, true, 1},
                      CasoLista{"InicioSinFocoNoMueve", 2, Tecla::Inicio, 0, false, 2},
                      CasoLista{"FinSinFocoNoMueve", 1, Tecla::Fin, 0, false, 1},
                      CasoLista{"CtrlArribaSinFoco", 2, Tecla::Arriba, kCtrl, false, 1},
                      CasoLista{"CtrlAbajoSinFoco", 0, Tecla::Abajo, kCtrl, false, 1},
                      CasoLista{"CtrlAbajoHastaElUltimo", 2, Tecla::Abajo, kCtrl, false, 3},
                      CasoLista{"CtrlArribaEnElPrimero", 0, Tecla::Arriba, kCtrl, false, 0},
                      CasoLista{"CtrlAbajoEnElUltimo", 3, Tecla::Abajo, kCtrl, false, 3},
                      CasoLista{"CtrlShiftAbajo", 1, Tecla::Abajo, kCtrl | kShift, false, 2},
                      CasoLista{"CtrlAltAbajo", 1, Tecla::Abajo, kCtrl | kAlt, false, 2},
                      CasoLista{"CtrlShiftAltArriba", 2, Tecla::Arriba, kCtrl | kShift | kAlt, false, 1},
                      CasoLista{"AbajoSoloSinFoco", 1, Tecla::Abajo, 0, false, 1},
                      CasoLista{"ArribaSoloSinFoco", 1, Tecla::Arriba, 0, false, 1},
                      CasoLista{"ShiftAbajoSinFoco", 1, Tecla::Abajo, kShift, false, 1},
                      CasoLista{"AltArribaSinFoco", 1, Tecla::Arriba, kAlt, false, 1},
                      CasoLista{"CtrlDerecha", 1, Tecla::Derecha, kCtrl, false, 1},
                      CasoLista{"CtrlIzquierda", 1, Tecla::Izquierda, kCtrl, false, 1}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

TEST_F(TecladoTest, ListaVaciaConFocoLasTeclasNoHacenNada) {
    Escribir({"T", "V"});
    Cargar();
    ventana->ListaGanaFoco();
    const int aperturas = p.aperturas;
    for (Tecla tecla : {Tecla::Arriba, Tecla::Abajo, Tecla::Inicio, Tecla::Fin}) ventana->AlBajarTecla(tecla, 0);
    ventana->AlEscribir(u'a');
    EXPECT_FALSE(ventana->AlEscribirConAlt(u'a'));
    EXPECT_TRUE(Negritas().empty());
    EXPECT_FALSE(V().flecha.visible);
    EXPECT_EQ(p.aperturas, aperturas);
    EXPECT_TRUE(p.mensajes.empty());
}

TEST_F(TecladoTest, SinOpcionMarcadaConFocoFinEligeLaUltimaEInicioLaPrimera) {
    CuatroOpciones();
    p.erroresPorApertura[2] = ErrorDe(CodigoError::PermisoDenegado, 5);  // the first description
    Cargar();
    ASSERT_TRUE(Negritas().empty());
    p.mensajes.clear();
    ventana->ListaGanaFoco();

    ventana->AlBajarTecla(Tecla::Fin, 0);
    EXPECT_EQ(Negritas(), Indices{3});
    ventana->AlBajarTecla(Tecla::Inicio, 0);
    EXPECT_EQ(Negritas(), Indices{0});
    EXPECT_EQ(V().descripcion.texto, u"da");
}

TEST_F(TecladoTest, IntroYEscapeSiguenValiendoConLaListaEnfocada) {
    CuatroOpciones();
    p.archivos[u"C:\\medio\\b.exe"] = "MZ";
    Cargar();
    ventana->ListaGanaFoco();
    ventana->AlBajarTecla(Tecla::Abajo, 0);
    ventana->AlEscribir(kCaracterIntro);
    ASSERT_EQ(p.procesos.size(), 1u);
    EXPECT_EQ(p.procesos[0].aplicacion, u"C:\\medio\\b.exe");
    EXPECT_TRUE(ventana->Descargada());

    Cargar();
    ventana->ListaGanaFoco();
    ventana->AlEscribir(kCaracterEscape);
    EXPECT_TRUE(ventana->Descargada());
    EXPECT_EQ(p.procesos.size(), 1u);
}

// ---------------------------------------------------------------------------
// Access keys

class TeclasAccesoTest : public TecladoTest {
protected:
    void SetUp() override {
        Escribir({"T", "V", "&Contabilidad;c.exe;dc", "&Compras;co.exe;dco", "&Nóminas;n.exe;dn",
                  "Manual;m.exe;dm", "Caja && banco;cb.exe;dcb", "&cierre;ci.exe;dci"});
        Cargar();
    }
};

TEST_F(TeclasAccesoTest, AltConUnaLetraCompartidaPasaALaSiguienteYDaLaVuelta) {
    const struct {
        char16_t tecla;
        size_t elegida;
        const char16_t* descripcion;
    } pasos[] = {{u'c', 1, u"dco"}, {u'C', 5, u"dci"}, {u'c', 0, u"dc"}, {u'n', 2, u"dn"}, {u'c', 5, u"dci"}};
    for (const auto& paso : pasos) {
        EXPECT_TRUE(ventana->AlEscribirConAlt(paso.tecla));
        EXPECT_EQ(Negritas(), Indices{paso.elegida});
        EXPECT_EQ(V().descripcion.texto, paso.descripcion);
    }
    EXPECT_FALSE(ventana->ListaConFoco()) << "an access key does not move the focus";
    EXPECT_TRUE(p.mensajes.empty());
}

TEST_F(TeclasAccesoTest, UnaTeclaSinOpcionNoSeToma) {
    const int aperturas = p.aperturas;
    for (char16_t tecla : {u'm', u'b', u'&', u' ', u'x'}) {
        EXPECT_FALSE(ventana->AlEscribirConAlt(tecla)) << char(tecla);
    }
    EXPECT_EQ(Negritas(), Indices{0});
    EXPECT_EQ(p.aperturas, aperturas);
}

TEST_F(TeclasAccesoTest, LaUnicaConEsaTeclaYaElegidaSeQuedaSinLeer) {
    ASSERT_TRUE(ventana->AlEscribirConAlt(u'n'));
    const int aperturas = p.aperturas;
    EXPECT_TRUE(ventana->AlEscribirConAlt(u'N'));
    EXPECT_EQ(Negritas(), Indices{2});
    EXPECT_EQ(p.aperturas, aperturas);
}

TEST_F(TeclasAccesoTest, LaLetraSolaSoloCuentaConLaListaEnfocada) {
    ventana->AlEscribir(u'n');
    EXPECT_EQ(Negritas(), Indices{0}) << "a letter alone with a button focused";

    ventana->ListaGanaFoco();
    ventana->AlEscribir(u'n');
    EXPECT_EQ(Negritas(), Indices{2});
    ventana->AlEscribir(u'c');
    EXPECT_EQ(Negritas(), Indices{5});
    ventana->AlEscribir(u'm');
    EXPECT_EQ(Negritas(), Indices{5});
    EXPECT_FALSE(ventana->Descargada());
    EXPECT_TRUE(p.procesos.empty());
}

}  // namespace
}  // namespace instalar::prueba
