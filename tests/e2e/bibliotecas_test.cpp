// DLLs planted on the medium: copies of dll_plantada.dll, which logs every
// load, beside instalar.exe under the names of system DLLs that the menu,
// or a library it uses, loads or could load.  Through start, selection,
// install and close none of them is ever loaded, nor when a screen reader
// reads the window: the program restricts the DLL search to System32 before
// anything else.
//
// Wine takes its own built-in DLL in place of a file of the same name that
// its search finds, unless told to prefer files, as Windows does: the test
// tells it so, for instalar.exe alone and only under Wine, for the DLLs
// loaded after the program's first line.  Those Wine loads before it
// (version.dll, for its own user32) no program can keep from its folder
// there; planted all the same, they are checked on Windows, where they come
// from System32.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Arnes.h"
#include "herramientas/Accesibilidad.h"
#include "herramientas/ClaveRegistro.h"

using namespace arnes;

namespace {

const wchar_t* const kPlantadas[] = {L"uxtheme.dll", L"comctl32.dll", L"shell32.dll", L"oleacc.dll",
                                     L"oleaut32.dll", L"dwmapi.dll",   L"version.dll"};
const wchar_t* const kCargadasTrasElInicio[] = {L"uxtheme", L"comctl32", L"shell32", L"oleacc", L"oleaut32",
                                                L"dwmapi"};

// Under Wine, for the object's lifetime: instalar.exe takes a DLL file its
// search finds before Wine's built-in DLL of that name, as Windows would.
class ArchivosAntesQueWine {
public:
    ArchivosAntesQueWine() {
        if (!BajoWine()) return;
        HKEY creada = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kClave, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &creada, nullptr) !=
            ERROR_SUCCESS)
            throw std::runtime_error("cannot create Wine's DLL overrides for instalar.exe");
        const herramientas::ClaveRegistro clave(creada);
        creada_ = true;
        const std::wstring primeroElArchivo = L"native,builtin";
        for (const wchar_t* nombre : kCargadasTrasElInicio)
            RegSetValueExW(clave.get(), nombre, 0, REG_SZ, reinterpret_cast<const BYTE*>(primeroElArchivo.c_str()),
                           static_cast<DWORD>((primeroElArchivo.size() + 1) * sizeof(wchar_t)));
    }
    ~ArchivosAntesQueWine() {
        if (creada_) RegDeleteTreeW(HKEY_CURRENT_USER, kClave);
    }
    ArchivosAntesQueWine(const ArchivosAntesQueWine&) = delete;
    ArchivosAntesQueWine& operator=(const ArchivosAntesQueWine&) = delete;

private:
    static constexpr const wchar_t* kClave = L"Software\\Wine\\AppDefaults\\instalar.exe\\DllOverrides";
    bool creada_ = false;
};

const std::string kDosProgramas = LineasCrLf({
    "Oficina 2024",
    "1.0",
    "Producto A;uno\\setup.exe;Instala el producto A",
    "Producto B;dos\\setup.exe;Instala el producto B",
});

class DllsPlantadas : public PruebaConMedio {
protected:
    void SetUp() override {
        PruebaConMedio::SetUp();
        medio_.CopiarPrograma(L"setup_falso.exe", L"uno\\setup.exe");
        medio_.CopiarPrograma(L"setup_falso.exe", L"dos\\setup.exe");
        for (const wchar_t* nombre : kPlantadas) medio_.CopiarPrograma(L"dll_plantada.dll", nombre);
    }

    // "dll (in program)" for each load, one per line; "" when none.
    std::string Cargadas() const {
        std::string texto;
        for (const std::wstring& linea : dlls_.Lineas()) {
            const auto tab = linea.find(L'\t');
            texto += "\n  " + Utf8(linea.substr(0, tab)) + " (in " + Utf8(linea.substr(tab + 1)) + ")";
        }
        return texto;
    }

    // Before the menu starts, so that it inherits or sees them.
    ArchivoDeRegistro dlls_{L"INSTALAR_PRUEBA_DLLS", L"instalar-dlls-"};
    ArchivosAntesQueWine archivosAntesQueWine_;
    Registro registro_;
};

TEST_F(DllsPlantadas, NingunaSeCargaAlAbrirElegirInstalarYCerrar) {
    Menu& menu = Abrir(kDosProgramas);
    const Lista lista = EsperarLista(menu, ConMarca(2, 0));
    ASSERT_EQ(lista.Marcada(), 0u) << lista.Describir();
    Clic(PuntoEnOpcion(menu, lista, 1));
    const Lista elegida = EsperarLista(menu, ConMarca(2, 1));
    ASSERT_EQ(elegida.Marcada(), 1u) << elegida.Describir();

    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    PulsarTecla(VK_RETURN);

    // The install closes the menu; once it and its program have ended,
    // every load of theirs is in the log.
    ASSERT_TRUE(menu.EsperarSalida()) << "the menu is still open";
    EXPECT_EQ(menu.EsperarFinDeSusProgramas(), "");
    const std::vector<Ejecucion> ejecuciones = registro_.Ejecuciones();
    ASSERT_EQ(ejecuciones.size(), 1u) << "the install did not run once";
    EXPECT_EQ(Utf8(ejecuciones[0].programa), Utf8(medio_.RutaDe(L"dos\\setup.exe")));
    EXPECT_EQ(Cargadas(), "") << "DLLs loaded from the medium";
}

// A screen reader asking for the window has the menu load OLE and the
// accessibility library, which it does only then: by name, from System32.
TEST_F(DllsPlantadas, NingunaSeCargaCuandoUnLectorDePantallaLeeLaVentana) {
    Menu& menu = Abrir(kDosProgramas);
    EsperarLista(menu, ConMarca(2, 0));
    {
        ComIniciado com;
        const Elemento raiz = ObjetoDeVentana(menu.Ventana());
        EXPECT_EQ(CuantosHijos(raiz), 8);
        EXPECT_EQ(Utf8(Nombre(Elemento{raiz.objeto, 1})), "Producto A");
    }
    ASSERT_TRUE(TraerAlFrente(menu.Ventana())) << "the menu did not come to the foreground";
    PulsarTecla(VK_ESCAPE);
    ASSERT_TRUE(menu.EsperarSalida()) << "the menu is still open";
    EXPECT_EQ(Cargadas(), "") << "DLLs loaded from the medium";
}

}  // namespace
