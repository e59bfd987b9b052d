#include "Arnes.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "win32host/Manejadores.h"

namespace arnes {

namespace {

// Pixel-exact tests need real screen coordinates on Windows too: declare
// the test program DPI-aware before it looks at the screen.
[[maybe_unused]] const bool kConscienteDePpp = SetProcessDPIAware() != FALSE;

// A name no other test object of this or another run uses.
std::wstring NombreUnico(const wchar_t* prefijo) {
    static std::atomic<unsigned> contador{0};
    return std::wstring(prefijo) + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++contador) + L"-" + std::to_wstring(GetTickCount());
}

void PonerEnteroLe(std::string& destino, std::uint32_t valor, int bytes) {
    for (int i = 0; i < bytes; ++i) destino.push_back(static_cast<char>((valor >> (8 * i)) & 0xFF));
}

constexpr int kIntentosDeArranque = 3;

// Printed in the case's output (scripts/probar.sh counts these lines), so
// that a pass that needed another start is not taken for a clean one.
void AvisarReintento(int intentoFallido) {
    std::printf("[ REINTENTO ] Wine did not start instalar.exe (error 1359, internal error) "
                "on attempt %d of %d; starting it again\n",
                intentoFallido, kIntentosDeArranque);
    std::fflush(stdout);
}

// The x64 drivers that drive the x86 programs (INSTALAR_PRUEBA_PROGRAMAS;
// see CarpetaDelPrograma) must start an x86 menu: a 64-bit one means they
// took their own build's program, and the x86 suite would test the x64 one.
void ComprobarQueEsElProgramaDeLaSuite(HANDLE proceso) {
    if (!LeerVariable(L"INSTALAR_PRUEBA_PROGRAMAS")) return;
    BOOL de32BitsEn64 = FALSE;
    if (!IsWow64Process(proceso, &de32BitsEn64)) Fallar("IsWow64Process");
    if (!de32BitsEn64)
        throw std::runtime_error("the drivers were to drive the x86 build's instalar.exe, but the menu runs as a "
                                 "64-bit process");
}

// instalar.exe from the medium with the test's command line.  Under Wine a
// new process now and then fails to come up with an internal error (about
// one start in a thousand on a busy machine); the start is tried again
// then, and said so.  Any other failure, or this one three times over, is
// the test's failure.
herramientas::Proceso IniciarMenu(const std::wstring& programa, const std::wstring& linea,
                                  const std::wstring& carpeta) {
    // A window that appears under the pointer gets a pointer event for the
    // old position, which may come late, after the test moved the mouse.
    AparcarRaton();
    for (int intento = 1;; ++intento) {
        try {
            return herramientas::Proceso(programa, linea, carpeta);
        } catch (const ErrorWin32& error) {
            if (error.Codigo() != ERROR_INTERNAL_ERROR || intento == kIntentosDeArranque) throw;
            AvisarReintento(intento);
        }
    }
}

std::wstring LineaDelMenu(const Medio& medio, const OpcionesMenu& opciones) {
    std::wstring linea = L"\"" + medio.RutaDe(L"instalar.exe") + L"\"";
    if (!opciones.cola.empty()) linea += L" " + opciones.cola;
    return linea;
}

}  // namespace

bool ProgramasX86() {
#ifdef _WIN64
    return LeerVariable(L"INSTALAR_PRUEBA_PROGRAMAS").has_value();
#else
    return true;
#endif
}

HWND Hijo(const Menu& menu, int id) { return GetDlgItem(menu.Ventana(), id); }

void ClicEnInstalar(const Menu& menu) { Clic(CentroDe(Hijo(menu, kIdInstalar))); }

bool EsperarFoco(const Menu& menu, int id, DWORD milisegundos) {
    return Esperar([&] { return FocoDe(menu.Ventana()) == Hijo(menu, id); }, milisegundos);
}

// ---------------------------------------------------------------- folders

Medio::Medio()
    : carpeta_("instalar-medio-", CarpetaDeTemporales(), BorrarCarpeta), ruta_(carpeta_.Ruta().wstring()) {}

void Medio::Escribir(const std::wstring& relativa, const std::string& bytes) const {
    EscribirArchivo(RutaDe(relativa), bytes);
}

void Medio::CopiarPrograma(const std::wstring& nombre, const std::wstring& destino) const {
    CopiarArchivo(Unir(CarpetaDelPrograma(), nombre), RutaDe(destino.empty() ? nombre : destino));
}

const std::string kTresOpciones = LineasCrLf({
    "Oficina 2024",
    "1.0",
    "Producto A;a\\setup.exe;Instala el producto A",
    "Producto B;b\\setup.exe;Instala el producto B",
    "Producto C;c\\setup.exe;Instala el producto C",
});

std::string Bmp24(int ancho, int alto, const std::function<COLORREF(int, int)>& color) {
    const int fila = (ancho * 3 + 3) / 4 * 4;
    const std::uint32_t datos = static_cast<std::uint32_t>(fila * alto);
    std::string bmp = "BM";
    PonerEnteroLe(bmp, 14 + 40 + datos, 4);  // file size
    PonerEnteroLe(bmp, 0, 4);                // reserved
    PonerEnteroLe(bmp, 14 + 40, 4);          // offset of the pixels
    PonerEnteroLe(bmp, 40, 4);               // BITMAPINFOHEADER
    PonerEnteroLe(bmp, static_cast<std::uint32_t>(ancho), 4);
    PonerEnteroLe(bmp, static_cast<std::uint32_t>(alto), 4);  // positive: bottom-up
    PonerEnteroLe(bmp, 1, 2);                // planes
    PonerEnteroLe(bmp, 24, 2);               // bits per pixel
    PonerEnteroLe(bmp, BI_RGB, 4);
    PonerEnteroLe(bmp, datos, 4);
    PonerEnteroLe(bmp, 2835, 4);             // 72 dpi
    PonerEnteroLe(bmp, 2835, 4);
    PonerEnteroLe(bmp, 0, 4);
    PonerEnteroLe(bmp, 0, 4);
    for (int y = alto - 1; y >= 0; --y) {
        std::string linea;
        for (int x = 0; x < ancho; ++x) {
            const COLORREF c = color(x, y);
            linea += static_cast<char>(GetBValue(c));
            linea += static_cast<char>(GetGValue(c));
            linea += static_cast<char>(GetRValue(c));
        }
        linea.resize(static_cast<std::size_t>(fila), '\0');
        bmp += linea;
    }
    return bmp;
}

// ------------------------------------------------------ the menu process

Menu::Menu(const Medio& medio, const OpcionesMenu& opciones)
    : linea_(LineaDelMenu(medio, opciones)),
      titulo_(opciones.titulo.empty() ? std::wstring(diseno::kTituloW) : opciones.titulo),
      proceso_(IniciarMenu(medio.RutaDe(L"instalar.exe"), linea_,
                           opciones.carpetaTrabajo.empty() ? CarpetaDeTemporales() : opciones.carpetaTrabajo)) {
    ComprobarQueEsElProgramaDeLaSuite(proceso_.ManejadorDelProceso());
}

HWND Menu::EsperarVentana(DWORD milisegundos) {
    const bool hallada = Esperar(
        [&] {
            ventana_ = BuscarVentanaPrincipal(Id(), titulo_.c_str());
            return ventana_ != nullptr || Terminado();
        },
        milisegundos);
    if (!ventana_) {
        std::string que = hallada ? "the menu ended without a window, exit code " +
                                        std::to_string(proceso_.CodigoDeSalida())
                                  : "the menu window did not appear";
        const CuadroMensaje cuadro = BuscarCuadroMensaje(Id());
        if (cuadro.ventana) que += "; a message box says: " + Utf8(cuadro.texto);
        throw std::runtime_error(que + "; its windows: " + DescribirVentanas(Id()));
    }
    // The window procedure has run the messages sent so far.
    DWORD_PTR resultado = 0;
    SendMessageTimeoutW(ventana_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &resultado);
    return ventana_;
}

RECT Menu::Rectangulo() const {
    RECT rect{};
    if (!GetWindowRect(ventana_, &rect)) Fallar("GetWindowRect");
    return rect;
}

POINT Menu::APantalla(POINT cliente) const {
    if (!ClientToScreen(ventana_, &cliente)) Fallar("ClientToScreen");
    return cliente;
}

std::string Menu::EsperarFinDeSusProgramas(DWORD milisegundos) const {
    std::vector<ProcesoEnMarcha> hijos;
    if (Esperar([&] { return (hijos = ProcesosHijos(Proceso())).empty(); }, milisegundos)) return "";
    return "still running: " + Describir(hijos);
}

// ---------------------------------------------------------- message boxes

const char* Nombre(IconoMensaje icono) {
    switch (icono) {
    case IconoMensaje::Ninguno: return "none";
    case IconoMensaje::Exclamacion: return "exclamation";
    case IconoMensaje::Error: return "error";
    case IconoMensaje::Informacion: return "information";
    case IconoMensaje::Pregunta: return "question";
    }
    return "?";
}

namespace {

// Sum over the pixels of the differences of each colour channel.
long long Distancia(const Captura& a, const Captura& b) {
    long long d = 0;
    for (int y = 0; y < a.Alto(); ++y)
        for (int x = 0; x < a.Ancho(); ++x) {
            const COLORREF p = a.En(x, y);
            const COLORREF q = b.En(x, y);
            d += std::abs(GetRValue(p) - GetRValue(q)) + std::abs(GetGValue(p) - GetGValue(q)) +
                 std::abs(GetBValue(p) - GetBValue(q));
        }
    return d;
}

// Which system icon the icon control shows: each candidate is drawn at the
// control's size on the background seen in the control's corner (icons
// leave their corners transparent), and the nearest one wins if it is
// nearer than the bare background.
IconoMensaje IconoEnPantalla(HWND control) {
    if (!control || !IsWindowVisible(control)) return IconoMensaje::Ninguno;
    RECT rect{};
    GetWindowRect(control, &rect);
    if (rect.right <= rect.left || rect.bottom <= rect.top) return IconoMensaje::Ninguno;
    const Captura pantalla(rect);
    const COLORREF fondo = pantalla.En(0, 0);
    const auto dibujo = [&](HICON icono) {
        return Captura(rect.right - rect.left, rect.bottom - rect.top, [&](HDC dc, const RECT& todo) {
            const instalar::win32::Pincel pincel(CreateSolidBrush(fondo));
            FillRect(dc, &todo, pincel.get());
            if (icono) DrawIconEx(dc, 0, 0, icono, todo.right, todo.bottom, 0, nullptr, DI_NORMAL);
        });
    };
    const struct {
        IconoMensaje icono;
        LPCWSTR id;
    } candidatos[] = {
        {IconoMensaje::Exclamacion, IDI_EXCLAMATION},
        {IconoMensaje::Error, IDI_HAND},
        {IconoMensaje::Informacion, IDI_ASTERISK},
        {IconoMensaje::Pregunta, IDI_QUESTION},
    };
    IconoMensaje mejor = IconoMensaje::Ninguno;
    long long menor = Distancia(pantalla, dibujo(nullptr));
    for (const auto& c : candidatos) {
        const long long d = Distancia(pantalla, dibujo(LoadIconW(nullptr, c.id)));
        if (d < menor) {
            menor = d;
            mejor = c.icono;
        }
    }
    return mejor;
}

}  // namespace

CuadroMensaje BuscarCuadroMensaje(DWORD proceso) {
    CuadroMensaje cuadro;
    cuadro.ventana = BuscarVentana(proceso, L"#32770", nullptr);
    if (!cuadro.ventana) return cuadro;
    cuadro.propietario = GetWindow(cuadro.ventana, GW_OWNER);
    cuadro.titulo = TextoDe(cuadro.ventana);
    if (HWND texto = GetDlgItem(cuadro.ventana, 0xFFFF)) cuadro.texto = TextoDe(texto);
    cuadro.icono = IconoEnPantalla(GetDlgItem(cuadro.ventana, 0x440));
    int visibles = 0;
    for (HWND hija : Hijas(cuadro.ventana))
        if (EsClase(hija, L"Button") && IsWindowVisible(hija)) ++visibles;
    HWND aceptar = GetDlgItem(cuadro.ventana, IDOK);
    cuadro.soloAceptar = visibles == 1 && aceptar && IsWindowVisible(aceptar);
    return cuadro;
}

std::size_t CuadrosDeMensaje(DWORD proceso) {
    std::size_t cuadros = 0;
    for (HWND ventana : VentanasVisiblesDe(proceso))
        if (EsClase(ventana, L"#32770")) ++cuadros;
    return cuadros;
}

CuadroMensaje EsperarCuadroMensaje(DWORD proceso, DWORD milisegundos) {
    CuadroMensaje cuadro;
    Esperar([&] { return (cuadro = BuscarCuadroMensaje(proceso)).ventana != nullptr; }, milisegundos);
    if (!cuadro.ventana) throw std::runtime_error("no message box appeared");
    // Let the dialog finish its initialisation before it is read again, and
    // its icon reach the screen.
    DWORD_PTR resultado = 0;
    SendMessageTimeoutW(cuadro.ventana, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &resultado);
    Esperar([&] { return (cuadro = BuscarCuadroMensaje(proceso)).icono != IconoMensaje::Ninguno; }, 1000);
    return cuadro;
}

void Aceptar(const CuadroMensaje& cuadro) {
    PostMessageW(cuadro.ventana, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// ------------------------------------------------------------- logs

ArchivoDeRegistro::ArchivoDeRegistro(const wchar_t* variable, const wchar_t* prefijo)
    : ruta_(Unir(CarpetaDeTemporales(), NombreUnico(prefijo) + L".txt")), variable_(variable, ruta_) {}

ArchivoDeRegistro::~ArchivoDeRegistro() {
    // A program that is still ending may hold the file a moment longer.
    Esperar([&] { return DeleteFileW(ruta_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }, 3000);
}

std::vector<std::wstring> ArchivoDeRegistro::Lineas() const {
    if (GetFileAttributesW(ruta_.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    const std::string texto = LeerArchivo(ruta_);
    std::vector<std::wstring> lineas;
    std::size_t inicio = 0;
    for (std::size_t fin; (fin = texto.find("\r\n", inicio)) != std::string::npos; inicio = fin + 2)
        lineas.push_back(Utf16(texto.substr(inicio, fin - inicio)));
    return lineas;
}

std::string Describir(const std::vector<Ejecucion>& ejecuciones) {
    std::string texto;
    for (const Ejecucion& e : ejecuciones)
        texto += "\n  " + Utf8(e.programa) + " started as [" + Utf8(e.lineaDeOrdenes) + "] in " + Utf8(e.carpeta);
    return texto.empty() ? "none" : texto;
}

Registro::Registro() : archivo_(L"INSTALAR_PRUEBA_REGISTRO", L"instalar-registro-") {}

std::vector<Ejecucion> Registro::Ejecuciones() const {
    std::vector<Ejecucion> ejecuciones;
    for (const std::wstring& linea : archivo_.Lineas()) {
        // Command line, working folder, program: only the command line
        // could hold a tab.
        const auto tab2 = linea.find_last_of(L'\t');
        if (tab2 == std::wstring::npos || tab2 == 0) continue;
        const auto tab1 = linea.find_last_of(L'\t', tab2 - 1);
        if (tab1 == std::wstring::npos) continue;
        ejecuciones.push_back(
            {linea.substr(0, tab1), linea.substr(tab1 + 1, tab2 - tab1 - 1), linea.substr(tab2 + 1)});
    }
    return ejecuciones;
}

bool Registro::EsperarEjecuciones(std::size_t cuantas, DWORD milisegundos) const {
    return Esperar([&] { return Ejecuciones().size() >= cuantas; }, milisegundos);
}

// ------------------------------------------- what the menu window shows

// Item names start 50 pixels from the left (750 twips at 96 dpi) and reach
// 3300; the arrow marker, 16 pixels wide, stands 5 pixels before them; the
// divider runs from 2200 to 4500 twips at 3550, between the two columns.
// The hint line below the list starts at 4815, the bar at 4995.
const RECT kZonaOpciones{750, 2000, 3300, 4700};
const RECT kZonaFlecha{375, 2000, 720, 4700};
const RECT kZonaDescripcion{3780, 2000, 6615, 4700};
// The title's right edge is at 6690 and its top at 1245 (a large font: the
// zone holds its letters above the baseline); the version's right edge is
// at 6570 and its top at 1695.
const RECT kZonaTitulo{5400, 1245, 6690, 1665};
const RECT kZonaVersion{5700, 1695, 6570, 1950};

const POINT kFondoLibre{3000, 900};

double TwipsPorPixel() { return 1440.0 / PuntosPorPulgada(); }
double EnPixeles(double twips) { return twips / TwipsPorPixel(); }
int APixeles(double twips) { return static_cast<int>(std::lround(EnPixeles(twips))); }
POINT APixeles(POINT twips) { return {APixeles(twips.x), APixeles(twips.y)}; }

RECT ZonaEnPixeles(const RECT& twips) {
    return RECT{APixeles(twips.left), APixeles(twips.top), APixeles(twips.right), APixeles(twips.bottom)};
}

bool EsLaMasAncha(const Lista& lista, std::size_t i) {
    for (std::size_t j = 0; j < lista.derechas.size(); ++j)
        if (j != i && lista.derechas[i] <= lista.derechas[j] + 2) return false;
    return true;
}

std::optional<std::size_t> Lista::Marcada() const {
    if (!flecha) return std::nullopt;
    const double tolerancia = 3.0 * PuntosPorPulgada() / 96.0;
    for (std::size_t i = 0; i < opciones.size(); ++i)
        if (std::abs(opciones[i].Centro() - flecha->Centro()) <= tolerancia) return i;
    return std::nullopt;
}

std::string Lista::Describir() const {
    std::string texto = "items at rows";
    for (std::size_t i = 0; i < opciones.size(); ++i)
        texto += " " + std::to_string(opciones[i].arriba) + ".." + std::to_string(opciones[i].abajo) +
                 " (to x " + std::to_string(derechas[i]) + ")";
    if (opciones.empty()) texto += " none";
    texto += flecha ? "; arrow at rows " + std::to_string(flecha->arriba) + ".." + std::to_string(flecha->abajo)
                    : "; no arrow";
    return texto;
}

Lista LeerLista(const Captura& ventana) {
    const COLORREF fondo = GetSysColor(COLOR_WINDOW);
    const RECT columna = ZonaEnPixeles(kZonaOpciones);
    Lista lista;
    lista.opciones = FranjasDeTinta(ventana, columna, fondo);
    for (const Franja& f : lista.opciones) {
        const RECT nombre{columna.left, f.arriba, columna.right, f.abajo + 1};
        lista.derechas.push_back(DerechaDeTinta(ventana, nombre, fondo));
    }
    lista.flecha = FranjaVerde(ventana, ZonaEnPixeles(kZonaFlecha));
    return lista;
}

Lista EsperarLista(const Menu& menu, const std::function<bool(const Lista&)>& condicion, DWORD milisegundos) {
    Lista lista;
    Esperar([&] { return condicion(lista = LeerLista(Captura(menu.Rectangulo()))); }, milisegundos);
    return lista;
}

std::function<bool(const Lista&)> ConMarca(std::size_t n, std::size_t i) {
    return [n, i](const Lista& lista) { return lista.opciones.size() == n && lista.Marcada() == i; };
}

POINT PuntoEnOpcion(const Menu& menu, const Lista& lista, std::size_t i) {
    if (i >= lista.opciones.size())
        throw std::out_of_range("no item " + std::to_string(i) + ": " + lista.Describir());
    // A little inside the name's first letter.
    const RECT columna = ZonaEnPixeles(kZonaOpciones);
    const LONG x = columna.left + MulDiv(8, PuntosPorPulgada(), 96);
    return menu.APantalla({x, static_cast<LONG>(std::lround(lista.opciones[i].Centro()))});
}

// ------------------------------------------------------- the fixture

void PruebaConMedio::SetUp() { medio_.CopiarMenu(); }

void PruebaConMedio::NotarMedio() {
    if (!antes_) antes_ = TomarInstantanea(medio_.Ruta());
}

Menu& PruebaConMedio::Abrir(const std::string& archivo) {
    medio_.Escribir(L"instalar.inf", archivo);
    return Abrir();
}

Menu& PruebaConMedio::Abrir(const OpcionesMenu& opciones, DWORD esperaVentana) {
    NotarMedio();
    menu_.emplace(medio_, opciones);
    menu_->EsperarVentana(esperaVentana);
    return *menu_;
}

void PruebaConMedio::TearDown() {
    if (menu_) {
        menu_->Terminar();
        EXPECT_EQ(menu_->EsperarFinDeSusProgramas(), "");
    }
    if (antes_) {
        EXPECT_EQ(Diferencias(*antes_, TomarInstantanea(medio_.Ruta())), "") << "the medium changed";
    }
}

std::vector<Ejecucion> PruebaConRegistro::EjecucionesTrasCerrarse() {
    EXPECT_TRUE(menu_->EsperarSalida()) << "the menu is still open";
    EXPECT_EQ(menu_->EsperarFinDeSusProgramas(), "");
    return registro_.Ejecuciones();
}

}  // namespace arnes
