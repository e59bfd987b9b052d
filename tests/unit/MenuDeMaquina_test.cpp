// A menu whose items depend on the machine: which items it lists, which it
// greys, which it marks installed, and what each of them does.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "MaquinaFalsa.h"
#include "MenuDePrueba.h"
#include "common/Texto.h"
#include "window/ArbolAccesible.h"
#include "window/Colores.h"

namespace instalar::prueba {
namespace {

const std::u16string kClaveVisor = u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Visor";
const std::u16string kIndicacionDeDiseno = u"Selecciona la opción que desees instalar.";

class MenuDeMaquinaTest : public MenuDePrueba {
protected:
    MenuDeMaquinaTest() {
        for (const char16_t* programa : {u"conta64.exe", u"conta32.exe", u"nominas.exe", u"visor.exe", u"otro.exe"})
            p.archivos[std::u16string(u"C:\\medio\\") + programa] = "MZ";
    }

    frmMenu& CargarEn(MaquinaFalsa& m) {
        SistemaVentana sistema = p.Sistema();
        sistema.maquina = &m;
        ventana = std::make_unique<frmMenu>(sistema);
        ventana->Cargar();
        return *ventana;
    }

    std::vector<std::u16string> Nombres() const {
        std::vector<std::u16string> nombres;
        for (int16_t i = 0; i < ventana->TotalOpciones(); ++i) nombres.push_back(V().opciones[size_t(i)].texto);
        return nombres;
    }
    std::vector<std::u16string> Arrancados() const {
        std::vector<std::u16string> rutas;
        for (const auto& peticion : p.procesos) rutas.push_back(peticion.aplicacion);
        return rutas;
    }
    ElementoAccesible Accesible(int16_t opcion) const {
        const ArbolAccesible arbol(*ventana, std::nullopt);
        return *arbol.Elemento(arbol.IdDeOpcion(opcion));
    }

    MaquinaFalsa maquina;
};

const std::vector<std::string> kDosArquitecturas{
    "T", "V", ";@si x64", "Conta;conta64.exe;Para 64 bits", ";@si x86", "Conta;conta32.exe;Para 32 bits",
    "Otro;otro.exe;Otro más"};

// Same-name entries, one per architecture: the item shown starts its own
// command and shows its own description, found among the shown entries.
TEST_F(MenuDeMaquinaTest, CadaArquitecturaVeYArrancaSuPropiaEntrada) {
    struct Caso {
        Arquitectura arquitectura;
        std::u16string programa;
        std::u16string descripcion;
    };
    for (const Caso& caso : {Caso{Arquitectura::X64, u"conta64.exe", u"Para 64 bits"},
                             Caso{Arquitectura::X86, u"conta32.exe", u"Para 32 bits"}}) {
        SCOPED_TRACE(AUtf8(caso.programa));
        p.procesos.clear();
        maquina.arquitectura = caso.arquitectura;
        Escribir(kDosArquitecturas);
        CargarEn(maquina);
        EXPECT_EQ(Nombres(), (std::vector<std::u16string>{u"Conta", u"Otro"}));
        EXPECT_EQ(V().opciones[0].comando, caso.programa);
        EXPECT_EQ(V().descripcion.texto, caso.descripcion);
        EXPECT_EQ(ventana->DescripcionDeOpcion(0), caso.descripcion);
        // Spread as a menu of two items: the hidden one takes no place.
        ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
        EXPECT_EQ(V().descripcion.texto, u"Otro más");
        ventana->AlBajarTecla(Tecla::Arriba, kCtrl);
        EXPECT_EQ(V().descripcion.texto, caso.descripcion);
        ventana->Instalar();
        EXPECT_EQ(Arrancados(), (std::vector<std::u16string>{u"C:\\medio\\" + caso.programa}));
        // The accessible tree holds the two items shown and no more.
        const ArbolAccesible arbol(*ventana, std::nullopt);
        EXPECT_EQ(arbol.Hijos(), 2 + 6);
    }
}

TEST_F(MenuDeMaquinaTest, UnaEntradaQueLaMaquinaNoAdmiteSeVeGrisConSuMotivoYNoArranca) {
    maquina.version = NumeroVersion{{10, 0, 18362, 0}};
    Escribir({"T", "V", "Otro;otro.exe;Otro", ";@requiere windows 11", "Nóminas;nominas.exe;Necesita Windows 11"});
    CargarEn(maquina);
    ASSERT_EQ(ventana->TotalOpciones(), 2);
    const Etiqueta& nominas = V().opciones[1];
    ASSERT_TRUE(nominas.noDisponible);
    EXPECT_EQ(TextoDeMotivo(*nominas.noDisponible, Textos()), u"Requiere Windows 11 o posterior");
    const Colores colores = ColoresDePintura(V(), false);
    EXPECT_EQ(colores.TextoDe(nominas), ColorPintura(ColorSistema::TextoGris));
    EXPECT_EQ(colores.TextoDe(V().opciones[0]), ColorPintura(ColorSistema::TextoVentana));
    EXPECT_EQ(V().indicacion.texto, kIndicacionDeDiseno);

    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    EXPECT_EQ(ventana->Seleccionada(), int16_t{1});
    EXPECT_EQ(V().descripcion.texto, u"Necesita Windows 11");
    EXPECT_EQ(V().indicacion.texto, u"Requiere Windows 11 o posterior");
    EXPECT_FALSE(V().instalar.habilitado);
    const ElementoAccesible accesible = Accesible(1);
    EXPECT_NE(accesible.estados & kNoDisponible, 0u);
    EXPECT_EQ(accesible.nombre, u"Nóminas: Requiere Windows 11 o posterior");

    // Enter, and the install command however it is reached, start nothing.
    ventana->AlEscribir(kCaracterIntro);
    ventana->Instalar();
    EXPECT_TRUE(p.procesos.empty());
    EXPECT_TRUE(p.ejecucionesShell.empty());
    EXPECT_FALSE(ventana->Descargada());

    // Another item: the hint line is the design's again, and it installs.
    ventana->AlBajarTecla(Tecla::Arriba, kCtrl);
    EXPECT_EQ(V().indicacion.texto, kIndicacionDeDiseno);
    EXPECT_TRUE(V().instalar.habilitado);
    EXPECT_EQ(Accesible(0).estados & kNoDisponible, 0u);
}

TEST_F(MenuDeMaquinaTest, UnProductoInstaladoLlevaLaMarcaYPreguntaAntesDeInstalarOtraVez) {
    maquina.claves.insert({RaizRegistro::MaquinaLocal, VistaRegistro::De32Bits, kClaveVisor});
    Escribir({"T", "V", ";@instalado desinstalar Otra", ";@instalado desinstalar Visor", "&Visor;visor.exe;El visor",
              "Otro;otro.exe;Otro"});
    CargarEn(maquina);
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Instalado);
    EXPECT_EQ(MarcaDe(V().opciones[1]), MarcaOpcion::Ninguna);
    EXPECT_EQ(V().indicacion.texto, u"«Visor»: ya está instalado");
    EXPECT_EQ(Accesible(0).nombre, u"Visor: ya está instalado");
    EXPECT_TRUE(V().instalar.habilitado);

    ventana->Instalar();  // "No", the default
    ASSERT_EQ(p.preguntas.size(), 1u);
    EXPECT_EQ(p.preguntas[0].texto, u"«Visor» ya está instalado. ¿Instalarlo de nuevo?");
    EXPECT_EQ(p.preguntas[0].titulo, kTituloVentana);
    EXPECT_TRUE(p.procesos.empty());
    EXPECT_FALSE(ventana->Descargada());

    p.respuestaSi = true;
    ventana->Instalar();
    EXPECT_EQ(Arrancados(), (std::vector<std::u16string>{u"C:\\medio\\visor.exe"}));

    // An item without probes is never asked about.
    Escribir({"T", "V", "Otro;otro.exe;Otro"});
    p.preguntas.clear();
    CargarEn(maquina);
    ventana->Instalar();
    EXPECT_TRUE(p.preguntas.empty());
}

// After the setup the menu waited for, the probes run again: the mark
// follows them, and the hint line still tells the exit code.
TEST_F(MenuDeMaquinaTest, TrasEsperarLaInstalacionLasPruebasVuelvenACorrer) {
    Escribir({"T", "V", ";@volver", ";@instalado desinstalar Visor", "Visor;visor.exe;El visor", "Otro;otro.exe;Otro"});
    CargarEn(maquina);
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Ninguna);
    EXPECT_EQ(V().indicacion.texto, kIndicacionDeDiseno);

    // Exit code 0, and the product is not there: no tick.
    ventana->Instalar();
    ASSERT_TRUE(ventana->EsperandoInstalacion());
    p.seguidos.back()->terminado = true;
    ASSERT_TRUE(ventana->MirarInstalacion());
    EXPECT_EQ(V().indicacion.texto, u"«Visor»: Instalado");
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Ninguna);

    // Code 1603, and the product is there now: the tick.
    ventana->Instalar();
    ASSERT_TRUE(ventana->EsperandoInstalacion());
    maquina.claves.insert({RaizRegistro::UsuarioActual, VistaRegistro::De64Bits, kClaveVisor});
    p.seguidos.back()->codigoSalida = 1603;
    p.seguidos.back()->terminado = true;
    ASSERT_TRUE(ventana->MirarInstalacion());
    EXPECT_EQ(V().indicacion.texto, u"«Visor»: Terminó con el código 1603");
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Instalado);
}

TEST_F(MenuDeMaquinaTest, UnaPruebaSinRespuestaNoEsInstalado) {
    maquina.clavesDenegadas.insert(kClaveVisor);
    maquina.todoProductoInstalado = true;
    Escribir({"T", "V", ";@instalado desinstalar Visor", ";@instalado msi {no-es-un-codigo}", "Visor;visor.exe;El visor"});
    CargarEn(maquina);
    EXPECT_EQ(V().opciones[0].instalado, false);
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Ninguna);
    ventana->Instalar();
    EXPECT_TRUE(p.preguntas.empty());
    EXPECT_EQ(Arrancados(), (std::vector<std::u16string>{u"C:\\medio\\visor.exe"}));
}

// A newer menu's directives leave the entry as it is: shown, unmarked.
TEST_F(MenuDeMaquinaTest, LoQueNoSeConoceDejaLaEntradaComoEs) {
    Escribir({"T", "V", ";@si amd128", ";@requiere windows xp", ";@instalado winget Visor", "Visor;visor.exe;El visor"});
    CargarEn(maquina);
    ASSERT_EQ(ventana->TotalOpciones(), 1);
    EXPECT_FALSE(V().opciones[0].noDisponible);
    EXPECT_EQ(MarcaDe(V().opciones[0]), MarcaOpcion::Ninguna);
    EXPECT_TRUE(V().instalar.habilitado);
}

// A menu without these directives never asks the machine anything.
TEST_F(MenuDeMaquinaTest, UnMenuSinDirectivasNoPreguntaNadaALaMaquina) {
    Escribir({"T", "V", ";@volver", "; comentario", "Conta;conta64.exe;Para 64 bits", "Otro;otro.exe;Otro"});
    CargarEn(maquina);
    ventana->AlBajarTecla(Tecla::Abajo, kCtrl);
    (void)ventana->DescripcionDeOpcion(0);
    ventana->Instalar();
    EXPECT_EQ(maquina.preguntas, 0);
    EXPECT_EQ(V().indicacion.texto, u"Instalando «Otro»…");
}

}  // namespace
}  // namespace instalar::prueba
