// What an entry's ";@si", ";@requiere" and ";@instalado" lines decide on a
// given machine: shown, hidden, or greyed with its reason; installed or not.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "MaquinaFalsa.h"
#include "common/Texto.h"
#include "menufile/Requisitos.h"

namespace instalar::prueba {
namespace {

// The machines of the table.  The x86 build on 64-bit Windows asks for the
// machine's own architecture, and is told X64.
const HechosMaquina kX86EnX64{Arquitectura::X64, NumeroVersion{{10, 0, 19045, 0}}};
const HechosMaquina kArm64{Arquitectura::Arm64, NumeroVersion{{10, 0, 22631, 0}}};
const HechosMaquina kWin7Sp1{Arquitectura::X86, NumeroVersion{{6, 1, 7601, 0}}};
const HechosMaquina kWin10{Arquitectura::X64, NumeroVersion{{10, 0, 19045, 0}}};
const HechosMaquina kWin11{Arquitectura::X64, NumeroVersion{{10, 0, 22000, 0}}};
const HechosMaquina kDesconocida{};

RequisitosEntrada Requisitos(const std::vector<std::string>& directivas) {
    RequisitosEntrada requisitos;
    for (const std::string& directiva : directivas) {
        const std::u16string texto = DesdeUtf8(directiva);
        const auto escrito = RequisitoDe(texto);
        EXPECT_TRUE(escrito) << directiva;
        if (escrito) requisitos.Anotar(*escrito);
    }
    return requisitos;
}

struct CasoCondicion {
    const char* nombre;
    HechosMaquina hechos;
    std::vector<std::string> directivas;
    Presencia presencia;
    std::string motivo;
};

std::ostream& operator<<(std::ostream& os, const CasoCondicion& caso) { return os << caso.nombre; }

class CondicionesTest : public ::testing::TestWithParam<CasoCondicion> {};

TEST_P(CondicionesTest, DecideComoSeMuestraLaEntrada) {
    const CasoCondicion& caso = GetParam();
    const DecisionEntrada decision = Decidir(Requisitos(caso.directivas), caso.hechos);
    EXPECT_EQ(decision.presencia, caso.presencia);
    EXPECT_EQ(decision.motivo ? AUtf8(TextoDeMotivo(*decision.motivo, Textos())) : "", caso.motivo);
}

const Presencia V = Presencia::Visible;
const Presencia O = Presencia::Oculta;
const Presencia A = Presencia::Atenuada;

INSTANTIATE_TEST_SUITE_P(
    Tabla, CondicionesTest,
    ::testing::Values(
        CasoCondicion{"x86_en_x64_muestra_x64", kX86EnX64, {"si x64"}, V, ""},
        CasoCondicion{"x86_en_x64_oculta_x86", kX86EnX64, {"si x86"}, O, ""},
        CasoCondicion{"x86_en_x64_es_de_64_bits", kX86EnX64, {"si 64bits"}, V, ""},
        CasoCondicion{"x86_en_x64_atenua_x86", kX86EnX64, {"requiere x86"}, A, "Requiere Windows de 32 bits"},
        CasoCondicion{"arm64_oculta_x64", kArm64, {"si x64"}, O, ""},
        CasoCondicion{"arm64_muestra_arm64", kArm64, {"si arm64"}, V, ""},
        CasoCondicion{"arm64_es_de_64_bits", kArm64, {"si 64bits"}, V, ""},
        CasoCondicion{"arm64_atenua_x64", kArm64, {"requiere x64"}, A, "Requiere Windows x64"},
        CasoCondicion{"arm64_oculta_no_arm64", kArm64, {"si no arm64"}, O, ""},
        CasoCondicion{"arm64_es_windows_11", kArm64, {"requiere windows 11"}, V, ""},
        CasoCondicion{"x64_atenua_arm64", kWin10, {"requiere arm64"}, A, "Requiere Windows para ARM"},
        CasoCondicion{"win7_es_windows_7", kWin7Sp1, {"si windows 7"}, V, ""},
        CasoCondicion{"win7_no_es_windows_8", kWin7Sp1, {"si windows 8"}, O, ""},
        CasoCondicion{"win7_atenua_windows_10", kWin7Sp1, {"requiere windows 10"}, A,
                      "Requiere Windows 10 o posterior"},
        CasoCondicion{"win7_atenua_windows_8_1", kWin7Sp1, {"requiere windows 8.1"}, A,
                      "Requiere Windows 8.1 o posterior"},
        CasoCondicion{"win7_muestra_no_windows_10", kWin7Sp1, {"si no windows 10"}, V, ""},
        CasoCondicion{"win7_sp1_por_numero", kWin7Sp1, {"si windows 6.1.7601"}, V, ""},
        CasoCondicion{"win7_sp1_no_llega_a_7602", kWin7Sp1, {"si windows 6.1.7602"}, O, ""},
        CasoCondicion{"win7_x86_atenua_64bits", kWin7Sp1, {"requiere 64bits"}, A, "Requiere Windows de 64 bits"},
        CasoCondicion{"win7_x86_atenua_no_x86", kWin7Sp1, {"requiere no x86"}, A,
                      "No se puede instalar en Windows de 32 bits"},
        CasoCondicion{"win10_es_windows_10", kWin10, {"requiere windows 10"}, V, ""},
        CasoCondicion{"win10_atenua_windows_11", kWin10, {"requiere windows 11"}, A,
                      "Requiere Windows 11 o posterior"},
        CasoCondicion{"win10_atenua_no_windows_10", kWin10, {"requiere no windows 10"}, A,
                      "Requiere una versión de Windows anterior a Windows 10"},
        CasoCondicion{"win10_oculta_no_windows_10", kWin10, {"si no windows 10"}, O, ""},
        CasoCondicion{"win10_compilacion_exacta", kWin10, {"si windows 10.0.19045"}, V, ""},
        CasoCondicion{"win10_compilacion_siguiente", kWin10, {"requiere windows 10.0.19046"}, A,
                      "Requiere Windows 10.0.19046 o posterior"},
        CasoCondicion{"win11_es_windows_11", kWin11, {"requiere windows 11"}, V, ""},
        CasoCondicion{"win11_no_llega_a_22001", kWin11, {"si windows 10.0.22001"}, O, ""},
        CasoCondicion{"varios_si_todos_deben_cumplirse", kWin10, {"si x64", "si windows 11"}, O, ""},
        CasoCondicion{"varios_si_que_se_cumplen", kWin11, {"si x64", "si windows 11"}, V, ""},
        CasoCondicion{"oculta_antes_que_atenuar", kWin7Sp1, {"requiere windows 10", "si x64"}, O, ""},
        CasoCondicion{"el_primer_requisito_que_falla_da_el_motivo", kWin7Sp1,
                      {"requiere x86", "requiere 64bits", "requiere windows 10"}, A, "Requiere Windows de 64 bits"},
        CasoCondicion{"mayusculas_en_las_palabras", kWin10, {"si NO Windows 11"}, V, ""},
        // A newer menu's conditions never hide nor grey an entry here.
        CasoCondicion{"condicion_desconocida_en_si", kWin10, {"si amd128"}, V, ""},
        CasoCondicion{"condicion_desconocida_en_requiere", kWin7Sp1, {"requiere windows xp"}, V, ""},
        CasoCondicion{"si_sin_condicion", kWin10, {"si"}, V, ""},
        CasoCondicion{"x64_con_texto_de_mas", kWin10, {"si x86 o x64"}, V, ""},
        // Facts the machine could not give decide nothing either.
        CasoCondicion{"arquitectura_desconocida", kDesconocida, {"si x86", "requiere x64"}, V, ""},
        CasoCondicion{"version_desconocida", kDesconocida, {"requiere windows 11"}, V, ""}),
    [](const ::testing::TestParamInfo<CasoCondicion>& caso) { return std::string(caso.param.nombre); });

// The machine of the probe table: a 64-bit Windows seen from the x86 build,
// whose %ProgramFiles% is the x86 folder.
MaquinaFalsa MaquinaDePruebas() {
    MaquinaFalsa m;
    const std::u16string clave = u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
    m.claves.insert({RaizRegistro::MaquinaLocal, VistaRegistro::De32Bits, clave + u"Solo32"});
    m.claves.insert({RaizRegistro::UsuarioActual, VistaRegistro::De64Bits, clave + u"DelUsuario"});
    m.claves.insert({RaizRegistro::MaquinaLocal, VistaRegistro::De64Bits, clave + u"Nativa"});
    m.clavesDenegadas.insert(clave + u"Denegada");
    m.productos.insert(u"{6F1B2C3D-1111-2222-3333-444455556666}");
    m.entorno[u"ProgramFiles"] = u"C:\\Program Files (x86)";
    m.entorno[u"ProgramW6432"] = u"C:\\Program Files";
    m.archivos[u"C:\\Program Files (x86)\\Visor\\visor.exe"] = NumeroVersion{{2, 0, 9, 0}};
    m.archivos[u"C:\\Program Files\\Visor\\visor.exe"] = NumeroVersion{{2, 1, 0, 0}};
    m.archivos[u"C:\\Program Files\\Roto\\roto.exe"] = std::nullopt;  // damaged version resource
    return m;
}

struct CasoPrueba {
    const char* nombre;
    std::string prueba;
    bool instalado;
};

std::ostream& operator<<(std::ostream& os, const CasoPrueba& caso) { return os << caso.nombre; }

class PruebasTest : public ::testing::TestWithParam<CasoPrueba> {};

TEST_P(PruebasTest, DiceSiEstaInstalado) {
    const CasoPrueba& caso = GetParam();
    MaquinaFalsa maquina = MaquinaDePruebas();
    const auto prueba = LeerPrueba(DesdeUtf8(caso.prueba));
    ASSERT_TRUE(prueba) << caso.prueba;
    EXPECT_EQ(Instalado(*prueba, maquina), caso.instalado);
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, PruebasTest,
    ::testing::Values(
        CasoPrueba{"clave_solo_en_wow6432node", "desinstalar Solo32", true},
        CasoPrueba{"clave_solo_en_hkcu", "desinstalar DelUsuario", true},
        CasoPrueba{"clave_en_la_vista_de_64_bits", "desinstalar Nativa", true},
        CasoPrueba{"clave_que_no_esta", "desinstalar Ninguna", false},
        CasoPrueba{"clave_sin_acceso", "desinstalar Denegada", false},
        CasoPrueba{"producto_instalado", "msi {6F1B2C3D-1111-2222-3333-444455556666}", true},
        CasoPrueba{"codigo_en_minusculas_de_otro_producto", "msi {6f1b2c3d-1111-2222-3333-444455556667}", false},
        CasoPrueba{"archivo_sin_version", "archivo %ProgramW6432%\\Visor\\visor.exe", true},
        CasoPrueba{"archivo_que_no_esta", "archivo %ProgramW6432%\\Otro\\otro.exe", false},
        CasoPrueba{"version_por_debajo_del_limite", "archivo %ProgramFiles%\\Visor\\visor.exe >= 2.1", false},
        CasoPrueba{"version_igual_al_limite", "archivo %ProgramW6432%\\Visor\\visor.exe >= 2.1", true},
        CasoPrueba{"version_por_encima_del_limite", "archivo %ProgramW6432%\\Visor\\visor.exe >= 2.0.10", true},
        CasoPrueba{"version_que_no_llega", "archivo %ProgramW6432%\\Visor\\visor.exe >= 2.1.0.1", false},
        CasoPrueba{"recurso_de_version_danado", "archivo %ProgramW6432%\\Roto\\roto.exe >= 1.0", false},
        CasoPrueba{"sin_limite_no_mira_la_version", "archivo %ProgramW6432%\\Roto\\roto.exe", true}),
    [](const ::testing::TestParamInfo<CasoPrueba>& caso) { return std::string(caso.param.nombre); });

// A product code Windows Installer could misread is never asked about, so
// that a machine that would say yes to it (the fake says yes to all) does
// not make the product installed.
TEST(Pruebas, UnCodigoDeProductoMalFormadoNuncaEsInstalado) {
    for (const char* codigo : {"{6F1B2C3D-1111-2222-3333-44445555666}", "6F1B2C3D-1111-2222-3333-444455556666",
                               "{6F1B2C3D-1111-2222-3333-44445555666G}", "{6F1B2C3D-11112-222-3333-444455556666}",
                               "{6F1B2C3D-1111-2222-3333-444455556666}x"}) {
        MaquinaFalsa maquina;
        maquina.todoProductoInstalado = true;
        const auto prueba = LeerPrueba(u"msi " + DesdeUtf8(codigo));
        ASSERT_TRUE(prueba);
        EXPECT_FALSE(Instalado(*prueba, maquina)) << codigo;
        EXPECT_EQ(maquina.preguntas, 0) << codigo;
    }
}

TEST(Pruebas, BastaUnaDeVarias) {
    MaquinaFalsa maquina = MaquinaDePruebas();
    const auto requisitos = Requisitos({"instalado desinstalar Ninguna", "instalado desinstalar DelUsuario"});
    EXPECT_TRUE(AlgunaInstalado(requisitos.instalado, maquina));
    EXPECT_FALSE(AlgunaInstalado(Requisitos({"instalado desinstalar Ninguna"}).instalado, maquina));
    EXPECT_FALSE(AlgunaInstalado({}, maquina));
}

TEST(Pruebas, LasQueNoSeConocenSeDejanFuera) {
    for (const char* texto : {"winget Visor", "msi", "archivo", "archivo visor.exe >= 2.x", "archivo >= 2.1",
                              "desinstalar"}) {
        EXPECT_FALSE(LeerPrueba(DesdeUtf8(texto))) << texto;
    }
    const auto requisitos = Requisitos({"instalado winget Visor"});
    EXPECT_TRUE(requisitos.instalado.empty());
    EXPECT_EQ(requisitos.directivas, 1);
}

TEST(Requisitos, SoloLasPalabrasDeLasDirectivasExactas) {
    EXPECT_FALSE(RequisitoDe(u"volver"));
    EXPECT_FALSE(RequisitoDe(u"six64"));
    EXPECT_FALSE(RequisitoDe(u"Si x64"));
    ASSERT_TRUE(RequisitoDe(u"si   x64 "));
    EXPECT_EQ(RequisitoDe(u"si   x64 ")->texto, u"x64");
    EXPECT_EQ(RequisitoDe(u"instalado msi {X}")->clase, ClaseRequisito::Instalado);
}

TEST(Requisitos, VersionesEscritas) {
    EXPECT_EQ(LeerVersion(u"10.0.19045")->partes, (std::array<uint32_t, 4>{10, 0, 19045, 0}));
    EXPECT_EQ(LeerVersion(u"2")->partes, (std::array<uint32_t, 4>{2, 0, 0, 0}));
    for (const char16_t* mala : {u"", u"1.", u".1", u"1..2", u"1.2.3.4.5", u"1.a", u"99999999999"})
        EXPECT_FALSE(LeerVersion(mala)) << AUtf8(mala);
}

}  // namespace
}  // namespace instalar::prueba
