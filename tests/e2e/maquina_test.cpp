// A menu that knows the machine (";@si", ";@requiere", ";@instalado"), on
// the real program under Wine: which of two same-name entries shows and
// starts, an entry greyed by the Windows version, products found installed
// through the registry and through Windows Installer.
//
// Wine 8 reports the Windows version set in HKCU\Software\Wine "Version"
// ("win10": 10.0.18362; a prefix made here says 6.1.7601 without it), and
// IsWow64Process2 answers AMD64 to both builds: the x86 build, too, runs
// on an x64 machine here.  Only the architecture case runs on the x86
// build, which runs emulated and slowly on some machines; the others
// depend on nothing the build changes.

#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <optional>
#include <string>
#include <vector>

#include "Arnes.h"
#include "herramientas/Accesibilidad.h"
#include "herramientas/ClaveRegistro.h"

using namespace arnes;

namespace {

const wchar_t kDesinstalar[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
// The demo's package (examples/agenda.wxs).
const wchar_t kCodigoAgenda[] = L"{5ADA4C5B-9F82-44FB-B88C-3307186310AB}";

#define SOLO_EN_X64()  \
    if (ProgramasX86()) \
    GTEST_SKIP() << "omitido en x86: no depende de la arquitectura del programa"

// Sets HKCU\Software\Wine "Version" for the programs started from now on,
// and puts back what was there.
class VersionDeWine {
public:
    explicit VersionDeWine(const std::wstring& version) {
        HKEY creada = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                            nullptr, &creada, nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("cannot open HKCU\\Software\\Wine");
        clave_.Restablecer(creada);
        wchar_t anterior[64];
        DWORD bytes = sizeof(anterior);
        DWORD tipo = 0;
        if (RegQueryValueExW(clave_.get(), L"Version", nullptr, &tipo, reinterpret_cast<BYTE*>(anterior), &bytes) ==
                ERROR_SUCCESS &&
            tipo == REG_SZ)
            anterior_ = std::wstring(anterior, bytes / sizeof(wchar_t)).c_str();
        Poner(version);
    }
    ~VersionDeWine() {
        if (anterior_)
            Poner(*anterior_);
        else
            RegDeleteValueW(clave_.get(), L"Version");
    }
    VersionDeWine(const VersionDeWine&) = delete;
    VersionDeWine& operator=(const VersionDeWine&) = delete;

private:
    void Poner(const std::wstring& version) {
        RegSetValueExW(clave_.get(), L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                       static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t)));
    }
    herramientas::ClaveRegistro clave_;
    std::optional<std::wstring> anterior_;
};

// A key the test creates, removed with its owner.
class ClaveCreada {
public:
    ClaveCreada(HKEY raiz, std::wstring ruta, REGSAM vista) : raiz_(raiz), ruta_(std::move(ruta)), vista_(vista) {
        HKEY creada = nullptr;
        if (RegCreateKeyExW(raiz_, ruta_.c_str(), 0, nullptr, 0, KEY_WRITE | vista_, nullptr, &creada, nullptr) !=
            ERROR_SUCCESS)
            throw std::runtime_error("cannot create a test key");
        RegCloseKey(creada);
    }
    ~ClaveCreada() { RegDeleteKeyExW(raiz_, ruta_.c_str(), vista_, 0); }
    ClaveCreada(const ClaveCreada&) = delete;
    ClaveCreada& operator=(const ClaveCreada&) = delete;

private:
    HKEY raiz_;
    std::wstring ruta_;
    REGSAM vista_;
};

// Runs a program to its end; its exit code.
DWORD EjecutarYEsperar(std::wstring linea) {
    STARTUPINFOW inicio{};
    inicio.cb = sizeof(inicio);
    PROCESS_INFORMATION proceso{};
    if (!CreateProcessW(nullptr, linea.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &inicio, &proceso))
        throw std::runtime_error("cannot start " + Utf8(linea));
    WaitForSingleObject(proceso.hProcess, 60000);
    DWORD codigo = 1;
    GetExitCodeProcess(proceso.hProcess, &codigo);
    CloseHandle(proceso.hThread);
    CloseHandle(proceso.hProcess);
    return codigo;
}

// The path a module of that name was loaded from in the process; "" when
// it is not loaded.
std::wstring ModuloCargado(DWORD proceso, const wchar_t* nombre) {
    const HANDLE foto = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, proceso);
    if (foto == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot list the menu's modules");
    MODULEENTRY32W modulo{};
    modulo.dwSize = sizeof(modulo);
    std::wstring ruta;
    for (BOOL hay = Module32FirstW(foto, &modulo); hay; hay = Module32NextW(foto, &modulo))
        if (_wcsicmp(modulo.szModule, nombre) == 0) ruta = modulo.szExePath;
    CloseHandle(foto);
    return ruta;
}

class Maquina : public PruebaConRegistro {
protected:
    Elemento DelMenu(long id) const { return Elemento{ObjetoDeVentana(menu_->Ventana()).objeto, id}; }
    std::wstring Leer(long id) const { return Nombre(DelMenu(id)); }
    bool EsperarLectura(long id, const std::wstring& texto, DWORD milisegundos = 3000) const {
        return Esperar([&] { return Leer(id) == texto; }, milisegundos);
    }
    void PulsarIntro() {
        ASSERT_TRUE(TraerAlFrente(menu_->Ventana())) << "the menu did not come to the foreground";
        PulsarTecla(VK_RETURN);
    }
    void Cerrar() {
        ASSERT_TRUE(TraerAlFrente(menu_->Ventana()));
        PulsarTecla(VK_ESCAPE);
        ASSERT_TRUE(menu_->EsperarSalida()) << "the menu is still open";
        menu_.reset();
    }

    ComIniciado com_;
};

// Two entries of one name, one per architecture, the x86 one first: the
// menu lists one item, which shows the x64 entry's description and starts
// its program, on both builds (the machine is x64 for both).
TEST_F(Maquina, DeDosEntradasDeUnNombreSeVeYArrancaLaDeSuArquitectura) {
    medio_.CopiarPrograma(L"setup_falso.exe", L"x86\\setup.exe");
    medio_.CopiarPrograma(L"setup_falso.exe", L"x64\\setup.exe");
    medio_.CopiarPrograma(L"setup_falso.exe", L"otro\\setup.exe");
    Menu& menu = Abrir(LineasCrLf({"Oficina", "1.0", ";@si x86", "Conta;x86\\setup.exe;Para Windows de 32 bits",
                                   ";@si x64", "Conta;x64\\setup.exe;Para Windows de 64 bits",
                                   "Otro;otro\\setup.exe;Otro programa"}));
    EsperarLista(menu, ConMarca(2, 0));
    ASSERT_EQ(CuantosHijos(ObjetoDeVentana(menu.Ventana())), 2 + 6);
    EXPECT_EQ(Utf8(Leer(1)), "Conta");
    EXPECT_EQ(Utf8(Descripcion(DelMenu(1))), "Para Windows de 64 bits");
    EXPECT_EQ(Utf8(Leer(2 + 1)), "Para Windows de 64 bits") << "the description shown";
    PulsarIntro();
    if (HasFatalFailure()) return;
    const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(medio_.RutaDe(L"x64\\setup.exe")));
}

// Under a prefix set to Windows 10 (10.0.18362): the entry that needs
// Windows 10 is as any other, the one that needs Windows 11 is greyed with
// its reason, and Enter on it starts nothing.
TEST_F(Maquina, LaEntradaQueNecesitaWindows11SeVeGrisYNoArranca) {
    SOLO_EN_X64();
    medio_.CopiarPrograma(L"setup_falso.exe", L"a\\setup.exe");
    medio_.CopiarPrograma(L"setup_falso.exe", L"b\\setup.exe");
    const VersionDeWine win10(L"win10");
    Menu& menu = Abrir(LineasCrLf({"Oficina", "1.0", ";@requiere windows 10", "Diez;a\\setup.exe;Para Windows 10",
                                   ";@requiere windows 11", "Once;b\\setup.exe;Para Windows 11"}));
    EsperarLista(menu, ConMarca(2, 0));
    const long indicacion = 2 + 4, instalar = 2 + 5;
    EXPECT_EQ(Estado(DelMenu(1)) & STATE_SYSTEM_UNAVAILABLE, 0) << "Windows 10 taken for older";
    EXPECT_EQ(Utf8(Leer(2)), "Once: Requiere Windows 11 o posterior");
    EXPECT_NE(Estado(DelMenu(2)) & STATE_SYSTEM_UNAVAILABLE, 0);

    ASSERT_TRUE(TraerAlFrente(menu.Ventana()));
    PulsarTecla(VK_DOWN, {VK_CONTROL});
    ASSERT_TRUE(EsperarLectura(indicacion, L"Requiere Windows 11 o posterior"))
        << "the hint line reads: " << Utf8(Leer(indicacion));
    EXPECT_FALSE(IsWindowEnabled(Hijo(menu, kIdInstalar)));
    EXPECT_NE(Estado(DelMenu(instalar)) & STATE_SYSTEM_UNAVAILABLE, 0);
    PulsarIntro();
    if (HasFatalFailure()) return;
    // The barrier: back to the first item, whose Enter starts its program;
    // the log must then hold that one alone.
    PulsarTecla(VK_UP, {VK_CONTROL});
    ASSERT_TRUE(EsperarLectura(indicacion, L"Selecciona la opci\u00f3n que desees instalar."))
        << "the hint line reads: " << Utf8(Leer(indicacion));
    PulsarIntro();
    if (HasFatalFailure()) return;
    const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(medio_.RutaDe(L"a\\setup.exe")));
}

// An uninstall key in the user's registry, then in the 32-bit view of the
// machine's: the item carries the tick; without the key, it does not.
TEST_F(Maquina, LaClaveDeDesinstalarMarcaLaOpcionMientrasEsta) {
    SOLO_EN_X64();
    medio_.CopiarPrograma(L"setup_falso.exe", L"visor\\setup.exe");
    const std::wstring nombre = L"InstalarPruebaVisor" + std::to_wstring(GetCurrentProcessId());
    const std::string archivo =
        LineasCrLf({"Oficina", "1.0", ";@instalado desinstalar " + Utf8(nombre), "Visor;visor\\setup.exe;El visor"});
    const long indicacion = 1 + 4;
    for (const auto& [raiz, vista] : {std::pair{HKEY_CURRENT_USER, REGSAM{0}},
                                      std::pair{HKEY_LOCAL_MACHINE, REGSAM{KEY_WOW64_32KEY}}}) {
        {
            const ClaveCreada clave(raiz, kDesinstalar + nombre, vista);
            Abrir(archivo);
            EsperarLista(*menu_, ConMarca(1, 0));
            EXPECT_EQ(Utf8(Leer(1)), "Visor: ya est\xC3\xA1 instalado");
            EXPECT_EQ(Utf8(Leer(indicacion)), "\xC2\xABVisor\xC2\xBB: ya est\xC3\xA1 instalado");
            Cerrar();
            if (HasFatalFailure()) return;
        }
        Abrir(archivo);
        EsperarLista(*menu_, ConMarca(1, 0));
        EXPECT_EQ(Utf8(Leer(1)), "Visor");
        EXPECT_EQ(Utf8(Leer(indicacion)), "Selecciona la opci\xC3\xB3n que desees instalar.");
        Cerrar();
        if (HasFatalFailure()) return;
    }
}

// The demo's package installed through msiexec: the item has the tick at
// start, and installing it asks first, "No" the default; "No" starts
// nothing, "Sí" starts the item's program.  msi.dll is loaded from System32,
// and by a menu without the probe not at all.
TEST_F(Maquina, UnPaqueteInstaladoLlevaLaMarcaYPreguntaConNoPorDefecto) {
    SOLO_EN_X64();
    const std::wstring paquete = Unir(CarpetaDelPrograma(), L"agenda.msi");
    if (GetFileAttributesW(paquete.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "omitido: no hay agenda.msi (el paquete de la demostraci\xC3\xB3n necesita wixl)";
    medio_.CopiarPrograma(L"setup_falso.exe", L"agenda\\setup.exe");
    // Both menus laid out before the first starts: the medium stays as it was.
    medio_.Escribir(L"sin_prueba.inf", LineasCrLf({"Oficina", "1.0", "Agenda;agenda\\setup.exe;La agenda"}));
    medio_.Escribir(L"con_prueba.inf", LineasCrLf({"Oficina", "1.0", ";@instalado msi " + Utf8(kCodigoAgenda),
                                            "Agenda;agenda\\setup.exe;La agenda"}));

    // A menu without the probe loads no msi.dll.
    Menu& sinPrueba = Abrir(OpcionesMenu{medio_.RutaDe(L"sin_prueba.inf"), L""});
    EsperarLista(sinPrueba, ConMarca(1, 0));
    EXPECT_EQ(Utf8(ModuloCargado(sinPrueba.Id(), L"msi.dll")), "");
    Cerrar();
    if (HasFatalFailure()) return;

    ASSERT_EQ(EjecutarYEsperar(L"msiexec.exe /qn /i \"" + paquete + L"\""), 0u) << "msiexec could not install";
    struct Desinstalar {
        ~Desinstalar() { EjecutarYEsperar(std::wstring(L"msiexec.exe /qn /x ") + kCodigoAgenda); }
    } desinstalar;

    Menu& menu = Abrir(OpcionesMenu{medio_.RutaDe(L"con_prueba.inf"), L""});
    EsperarLista(menu, ConMarca(1, 0));
    EXPECT_EQ(Utf8(Leer(1)), "Agenda: ya est\xC3\xA1 instalado");
    wchar_t sistema[MAX_PATH];
    const UINT largo = GetSystemDirectoryW(sistema, MAX_PATH);
    const std::wstring msi = ModuloCargado(menu.Id(), L"msi.dll");
    EXPECT_EQ(_wcsicmp(msi.c_str(), (std::wstring(sistema, largo) + L"\\msi.dll").c_str()), 0)
        << "msi.dll loaded from " << Utf8(msi);

    for (const int respuesta : {IDNO, IDYES}) {
        PulsarIntro();
        if (HasFatalFailure()) return;
        const CuadroMensaje pregunta = EsperarCuadroMensaje(menu.Id());
        EXPECT_EQ(Utf8(pregunta.texto),
                  "\xC2\xAB" "Agenda\xC2\xBB ya est\xC3\xA1 instalado. \xC2\xBFInstalarlo de nuevo?");
        EXPECT_EQ(pregunta.icono, IconoMensaje::Pregunta) << Nombre(pregunta.icono);
        // The default button is drawn as such, and Enter presses it.
        const auto predeterminado = [&](int id) {
            const HWND boton = GetDlgItem(pregunta.ventana, id);
            return boton && (GetWindowLongW(boton, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        };
        EXPECT_TRUE(GetDlgItem(pregunta.ventana, IDYES)) << "no \"S\u00ed\" button";
        EXPECT_TRUE(predeterminado(IDNO)) << "the default button is not \"No\"";
        EXPECT_FALSE(predeterminado(IDYES)) << "\"S\u00ed\" is the default button";
        PostMessageW(pregunta.ventana, WM_COMMAND, respuesta, 0);
        if (respuesta == IDNO) {
            ASSERT_TRUE(Esperar([&] { return CuadrosDeMensaje(menu.Id()) == 0; }, 3000));
            EXPECT_FALSE(menu.Terminado()) << "the menu closed after \"No\"";
            EXPECT_TRUE(registro_.Ejecuciones().empty()) << Describir(registro_.Ejecuciones());
        }
    }
    const std::vector<Ejecucion> ejecuciones = EjecucionesTrasCerrarse();
    ASSERT_EQ(ejecuciones.size(), 1u) << Describir(ejecuciones);
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(medio_.RutaDe(L"agenda\\setup.exe")));
}

}  // namespace
