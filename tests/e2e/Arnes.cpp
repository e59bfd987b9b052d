#include "Arnes.h"

#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cwchar>
#include <exception>
#include <memory>
#include <stdexcept>

namespace arnes {

namespace {

// Pixel-exact tests need real screen coordinates on Windows too: declare
// the test program DPI-aware before it looks at the screen.
[[maybe_unused]] const bool kConscienteDePpp = SetProcessDPIAware() != FALSE;

[[noreturn]] void Fallar(const std::string& que) {
    throw std::runtime_error(que + " (Win32 error " + std::to_string(GetLastError()) + ")");
}

struct CerrarManejador {
    void operator()(HANDLE h) const noexcept {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
using Manejador = std::unique_ptr<void, CerrarManejador>;

struct CerrarBusqueda {
    void operator()(HANDLE h) const noexcept {
        if (h && h != INVALID_HANDLE_VALUE) FindClose(h);
    }
};
using Busqueda = std::unique_ptr<void, CerrarBusqueda>;

std::wstring CarpetaTemporal() {
    wchar_t ruta[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, ruta);
    if (n == 0 || n > MAX_PATH) Fallar("GetTempPathW");
    std::wstring carpeta(ruta, n);
    // In its long form (the variable may hold 8.3 names), so that paths
    // the menu reports compare as text with the paths the tests build.
    wchar_t larga[MAX_PATH + 1];
    const DWORD m = GetLongPathNameW(carpeta.c_str(), larga, MAX_PATH + 1);
    if (m > 0 && m <= MAX_PATH) carpeta.assign(larga, m);
    if (carpeta.back() == L'\\') carpeta.pop_back();
    return carpeta;
}

// A name no other test object of this or another run uses.
std::wstring NombreUnico(const wchar_t* prefijo) {
    static std::atomic<unsigned> contador{0};
    return std::wstring(prefijo) + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++contador) + L"-" + std::to_wstring(GetTickCount());
}

std::wstring CarpetaDe(const std::wstring& ruta) {
    const auto barra = ruta.find_last_of(L'\\');
    return barra == std::wstring::npos ? std::wstring() : ruta.substr(0, barra);
}

void CrearCarpetas(const std::wstring& carpeta) {
    if (carpeta.empty() || GetFileAttributesW(carpeta.c_str()) != INVALID_FILE_ATTRIBUTES) return;
    CrearCarpetas(CarpetaDe(carpeta));
    if (!CreateDirectoryW(carpeta.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        Fallar("CreateDirectoryW " + Utf8(carpeta));
}

bool EsPuntoOPuntoPunto(const wchar_t* nombre) {
    return wcscmp(nombre, L".") == 0 || wcscmp(nombre, L"..") == 0;
}

// Calls visitar for each entry of a folder except . and ..
void RecorrerCarpeta(const std::wstring& carpeta,
                     const std::function<void(const WIN32_FIND_DATAW&)>& visitar) {
    WIN32_FIND_DATAW datos;
    Busqueda busqueda(FindFirstFileW(Unir(carpeta, L"*").c_str(), &datos));
    if (busqueda.get() == INVALID_HANDLE_VALUE) return;
    do {
        if (!EsPuntoOPuntoPunto(datos.cFileName)) visitar(datos);
    } while (FindNextFileW(busqueda.get(), &datos));
}

bool EsCarpeta(const WIN32_FIND_DATAW& datos) {
    return (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IntentarBorrarCarpeta(const std::wstring& carpeta) {
    bool todo = true;
    RecorrerCarpeta(carpeta, [&](const WIN32_FIND_DATAW& datos) {
        const std::wstring ruta = Unir(carpeta, datos.cFileName);
        SetFileAttributesW(ruta.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (EsCarpeta(datos))
            todo = IntentarBorrarCarpeta(ruta) && todo;
        else
            todo = DeleteFileW(ruta.c_str()) && todo;
    });
    return RemoveDirectoryW(carpeta.c_str()) && todo;
}

void TomarInstantaneaEn(const std::wstring& raiz, const std::wstring& relativa, Instantanea& resultado) {
    RecorrerCarpeta(Unir(raiz, relativa), [&](const WIN32_FIND_DATAW& datos) {
        const std::wstring nombre = relativa.empty() ? datos.cFileName : Unir(relativa, datos.cFileName);
        if (EsCarpeta(datos)) {
            resultado[nombre + L"\\"] = std::string();
            TomarInstantaneaEn(raiz, nombre, resultado);
        } else {
            resultado[nombre] = LeerArchivo(Unir(raiz, nombre));
        }
    });
}

void PonerEnteroLe(std::string& destino, std::uint32_t valor, int bytes) {
    for (int i = 0; i < bytes; ++i) destino.push_back(static_cast<char>((valor >> (8 * i)) & 0xFF));
}

BOOL CALLBACK AnotarVentana(HWND ventana, LPARAM lista) {
    reinterpret_cast<std::vector<HWND>*>(lista)->push_back(ventana);
    return TRUE;
}

// All top-level windows, owned ones (message boxes) included.
std::vector<HWND> VentanasDeNivelSuperior() {
    std::vector<HWND> ventanas;
    EnumWindows(AnotarVentana, reinterpret_cast<LPARAM>(&ventanas));
    return ventanas;
}

std::vector<HWND> Hijas(HWND padre) {
    std::vector<HWND> hijas;
    EnumChildWindows(padre, AnotarVentana, reinterpret_cast<LPARAM>(&hijas));
    return hijas;
}

DWORD ProcesoDe(HWND ventana) {
    DWORD proceso = 0;
    GetWindowThreadProcessId(ventana, &proceso);
    return proceso;
}

// Top-level windows of a process that are visible.
std::vector<HWND> VentanasVisiblesDe(DWORD proceso) {
    std::vector<HWND> ventanas;
    for (HWND ventana : VentanasDeNivelSuperior())
        if (ProcesoDe(ventana) == proceso && IsWindowVisible(ventana)) ventanas.push_back(ventana);
    return ventanas;
}

std::wstring ClaseDe(HWND ventana) {
    wchar_t clase[256] = L"";
    GetClassNameW(ventana, clase, 256);
    return clase;
}

bool EsClase(HWND ventana, const wchar_t* clase) {
    return _wcsicmp(ClaseDe(ventana).c_str(), clase) == 0;
}

// "class 'caption' (hidden)" for each top-level window of a process.
std::string DescribirVentanas(DWORD proceso) {
    std::string texto;
    for (HWND ventana : VentanasDeNivelSuperior())
        if (ProcesoDe(ventana) == proceso)
            texto += Utf8(ClaseDe(ventana)) + " '" + Utf8(TextoDe(ventana)) + "'" +
                     (IsWindowVisible(ventana) ? "" : " (hidden)") + "; ";
    return texto.empty() ? "none" : texto;
}

void EnviarEntrada(INPUT entrada) {
    if (SendInput(1, &entrada, sizeof entrada) != 1) Fallar("SendInput");
}

// Absolute mouse coordinates: 0..65535 over the primary screen, rounded up
// so that the system's conversion back lands on the same pixel.
LONG Normalizar(LONG valor, int tamanio) {
    return static_cast<LONG>((static_cast<long long>(valor) * 65536 + tamanio - 1) / tamanio);
}

// A mouse event at an absolute screen position, with button flags if any:
// a press or release carries its own position, so it lands where it should
// even if a late pointer event of another window moved the cursor.
void EventoRaton(POINT pantalla, DWORD botones) {
    INPUT entrada{};
    entrada.type = INPUT_MOUSE;
    entrada.mi.dx = Normalizar(pantalla.x, GetSystemMetrics(SM_CXSCREEN));
    entrada.mi.dy = Normalizar(pantalla.y, GetSystemMetrics(SM_CYSCREEN));
    entrada.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | botones;
    EnviarEntrada(entrada);
}

bool EsTeclaExtendida(WORD tecla) {
    switch (tecla) {
        case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT:
        case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
        case VK_INSERT: case VK_DELETE: case VK_RCONTROL: case VK_RMENU:
            return true;
        default:
            return false;
    }
}

void Tecla(WORD tecla, bool soltar) {
    INPUT entrada{};
    entrada.type = INPUT_KEYBOARD;
    entrada.ki.wVk = tecla;
    entrada.ki.wScan = static_cast<WORD>(MapVirtualKeyW(tecla, MAPVK_VK_TO_VSC));
    entrada.ki.dwFlags = (soltar ? KEYEVENTF_KEYUP : 0) | (EsTeclaExtendida(tecla) ? KEYEVENTF_EXTENDEDKEY : 0);
    EnviarEntrada(entrada);
}

}  // namespace

const wchar_t* const kTituloMenu = L"Men\u00fa de instalaci\u00f3n";

// ---------------------------------------------------------------- folders

std::wstring CarpetaDeLasPruebas() {
    std::wstring ruta(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
    if (n == 0 || n >= ruta.size()) Fallar("GetModuleFileNameW");
    ruta.resize(n);
    return CarpetaDe(ruta);
}

std::wstring Unir(const std::wstring& carpeta, const std::wstring& nombre) {
    if (carpeta.empty()) return nombre;
    if (carpeta.back() == L'\\') return carpeta + nombre;
    return carpeta + L"\\" + nombre;
}

std::string LeerArchivo(const std::wstring& ruta) {
    Manejador archivo(CreateFileW(ruta.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (archivo.get() == INVALID_HANDLE_VALUE) Fallar("cannot open " + Utf8(ruta));
    std::string bytes;
    char bloque[65536];
    DWORD leidos = 0;
    while (ReadFile(archivo.get(), bloque, sizeof bloque, &leidos, nullptr) && leidos > 0)
        bytes.append(bloque, leidos);
    return bytes;
}

void EscribirArchivo(const std::wstring& ruta, const std::string& bytes) {
    CrearCarpetas(CarpetaDe(ruta));
    Manejador archivo(CreateFileW(ruta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (archivo.get() == INVALID_HANDLE_VALUE) Fallar("cannot create " + Utf8(ruta));
    DWORD escritos = 0;
    if (!WriteFile(archivo.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &escritos, nullptr) ||
        escritos != bytes.size())
        Fallar("cannot write " + Utf8(ruta));
}

void BorrarCarpeta(const std::wstring& carpeta) {
    // A program that has just ended may still hold its file for a moment.
    Esperar([&] { return IntentarBorrarCarpeta(carpeta) ||
                         GetFileAttributesW(carpeta.c_str()) == INVALID_FILE_ATTRIBUTES; },
            3000);
}

Medio::Medio() : ruta_(Unir(CarpetaTemporal(), NombreUnico(L"instalar-medio-"))) {
    if (!CreateDirectoryW(ruta_.c_str(), nullptr)) Fallar("cannot create " + Utf8(ruta_));
}

Medio::~Medio() { BorrarCarpeta(ruta_); }

void Medio::Escribir(const std::wstring& relativa, const std::string& bytes) const {
    EscribirArchivo(RutaDe(relativa), bytes);
}

void Medio::CopiarPrograma(const std::wstring& nombre, const std::wstring& destino) const {
    const std::wstring origen = Unir(CarpetaDeLasPruebas(), nombre);
    const std::wstring final = RutaDe(destino.empty() ? nombre : destino);
    CrearCarpetas(CarpetaDe(final));
    if (!CopyFileW(origen.c_str(), final.c_str(), FALSE))
        Fallar("cannot copy " + Utf8(origen) + " to " + Utf8(final));
}

Instantanea TomarInstantanea(const std::wstring& carpeta) {
    Instantanea resultado;
    TomarInstantaneaEn(carpeta, L"", resultado);
    return resultado;
}

std::string Diferencias(const Instantanea& antes, const Instantanea& despues) {
    std::string texto;
    for (const auto& [ruta, bytes] : antes) {
        const auto otro = despues.find(ruta);
        if (otro == despues.end())
            texto += "removed " + Utf8(ruta) + "\n";
        else if (otro->second != bytes)
            texto += "changed " + Utf8(ruta) + "\n";
    }
    for (const auto& par : despues)
        if (antes.count(par.first) == 0) texto += "added " + Utf8(par.first) + "\n";
    return texto;
}

std::string LineasCrLf(std::initializer_list<std::string> lineas) {
    std::string texto;
    for (const auto& linea : lineas) texto += linea + "\r\n";
    return texto;
}

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

Menu::Menu(const Medio& medio, const OpcionesMenu& opciones) {
    // A window that appears under the pointer gets a pointer event for the
    // old position, which may come late, after the test moved the mouse.
    AparcarRaton();
    const std::wstring programa = medio.RutaDe(L"instalar.exe");
    linea_ = L"\"" + programa + L"\"";
    if (!opciones.cola.empty()) linea_ += L" " + opciones.cola;
    const std::wstring carpeta = opciones.carpetaTrabajo.empty() ? CarpetaTemporal() : opciones.carpetaTrabajo;

    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    // Under Wine a new process now and then fails to come up with an
    // internal error (about one start in a thousand on a busy machine); the
    // start is tried again then.  Any other failure, or this one three times
    // over, is the test's failure.
    for (int intento = 1;; ++intento) {
        std::wstring linea = linea_;  // CreateProcessW may write into it
        if (CreateProcessW(programa.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr, carpeta.c_str(),
                           &inicio, &proceso_))
            return;
        if (GetLastError() != ERROR_INTERNAL_ERROR || intento == 3) Fallar("cannot start " + Utf8(linea_));
    }
}

Menu::~Menu() {
    Terminar();
    CloseHandle(proceso_.hThread);
    CloseHandle(proceso_.hProcess);
}

void Menu::Terminar() const {
    if (!Terminado()) {
        TerminateProcess(proceso_.hProcess, 1);
        WaitForSingleObject(proceso_.hProcess, 5000);
    }
}

HWND Menu::EsperarVentana(DWORD milisegundos) {
    const bool hallada = Esperar(
        [&] {
            for (HWND ventana : VentanasVisiblesDe(Id()))
                if (!EsClase(ventana, L"#32770") && TextoDe(ventana) == kTituloMenu) {
                    ventana_ = ventana;
                    return true;
                }
            return Terminado();
        },
        milisegundos);
    if (!ventana_) {
        DWORD codigo = 0;
        GetExitCodeProcess(proceso_.hProcess, &codigo);
        std::string que = hallada ? "the menu ended without a window, exit code " + std::to_string(codigo)
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

bool Menu::EsperarSalida(DWORD milisegundos) const {
    return WaitForSingleObject(proceso_.hProcess, milisegundos) == WAIT_OBJECT_0;
}

std::string Menu::EsperarFinDeSusProgramas(DWORD milisegundos) const {
    std::vector<ProcesoEnMarcha> hijos;
    if (Esperar([&] { return (hijos = ProcesosHijos(Proceso())).empty(); }, milisegundos)) return "";
    return "still running: " + Describir(hijos);
}

HWND BuscarVentana(DWORD proceso, const wchar_t* clase, const wchar_t* titulo) {
    for (HWND ventana : VentanasVisiblesDe(proceso))
        if ((!clase || EsClase(ventana, clase)) && (!titulo || TextoDe(ventana) == titulo)) return ventana;
    return nullptr;
}

std::vector<Boton> Botones(HWND padre) {
    std::vector<Boton> botones;
    for (HWND ventana : Hijas(padre)) {
        if (!EsClase(ventana, L"Button")) continue;
        RECT rect{};
        GetWindowRect(ventana, &rect);
        MapWindowPoints(nullptr, padre, reinterpret_cast<POINT*>(&rect), 2);
        botones.push_back({ventana, GetDlgCtrlID(ventana), TextoDe(ventana), rect, IsWindowEnabled(ventana) != FALSE});
    }
    return botones;
}

std::wstring TextoDe(HWND ventana) {
    // WM_GETTEXT works across processes, also for controls.
    DWORD_PTR largo = 0;
    if (!SendMessageTimeoutW(ventana, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &largo)) return L"";
    std::wstring texto(largo + 1, L'\0');
    DWORD_PTR copiados = 0;
    SendMessageTimeoutW(ventana, WM_GETTEXT, texto.size(), reinterpret_cast<LPARAM>(texto.data()),
                        SMTO_ABORTIFHUNG, 2000, &copiados);
    texto.resize(std::min<std::size_t>(copiados, largo));
    return texto;
}

HWND FocoDe(HWND ventana) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(ventana, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

namespace {

ULONGLONG Creacion(HANDLE proceso) {
    FILETIME creado{}, fin{}, nucleo{}, usuario{};
    if (!GetProcessTimes(proceso, &creado, &fin, &nucleo, &usuario)) return 0;
    return (static_cast<ULONGLONG>(creado.dwHighDateTime) << 32) | creado.dwLowDateTime;
}

}  // namespace

std::vector<ProcesoEnMarcha> ProcesosHijos(HANDLE padre) {
    const DWORD idPadre = GetProcessId(padre);
    const ULONGLONG nacimiento = Creacion(padre);
    if (idPadre == 0 || nacimiento == 0) Fallar("GetProcessTimes");
    Manejador foto(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (foto.get() == INVALID_HANDLE_VALUE) Fallar("CreateToolhelp32Snapshot");
    std::vector<ProcesoEnMarcha> hijos;
    PROCESSENTRY32W datos{};
    datos.dwSize = sizeof datos;
    for (BOOL hay = Process32FirstW(foto.get(), &datos); hay; hay = Process32NextW(foto.get(), &datos)) {
        if (datos.th32ParentProcessID != idPadre || datos.th32ProcessID == idPadre) continue;
        // A process that has ended meanwhile cannot be opened: it does not run.
        Manejador hijo(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, datos.th32ProcessID));
        if (!hijo || WaitForSingleObject(hijo.get(), 0) == WAIT_OBJECT_0) continue;
        if (Creacion(hijo.get()) >= nacimiento) hijos.push_back({datos.th32ProcessID, datos.szExeFile});
    }
    return hijos;
}

std::string Describir(const std::vector<ProcesoEnMarcha>& procesos) {
    std::string texto;
    for (const ProcesoEnMarcha& p : procesos)
        texto += (texto.empty() ? "" : ", ") + Utf8(p.programa) + " (" + std::to_string(p.id) + ")";
    return texto.empty() ? "none" : texto;
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
            HBRUSH pincel = CreateSolidBrush(fondo);
            FillRect(dc, &todo, pincel);
            DeleteObject(pincel);
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

// ---------------------------------------------------------------- screen

int PuntosPorPulgada() {
    HDC pantalla = GetDC(nullptr);
    const int ppp = GetDeviceCaps(pantalla, LOGPIXELSX);
    ReleaseDC(nullptr, pantalla);
    return ppp;
}

Captura::Captura(int ancho, int alto, const std::function<void(HDC, const RECT&)>& dibujar)
    : ancho_(ancho),
      alto_(alto),
      pixeles_(static_cast<std::size_t>(std::max(ancho, 0)) * static_cast<std::size_t>(std::max(alto, 0))) {
    if (ancho_ <= 0 || alto_ <= 0) throw std::runtime_error("empty capture rectangle");
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = ancho_;
    info.bmiHeader.biHeight = -alto_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    HDC dcPantalla = GetDC(nullptr);
    HDC dcMemoria = CreateCompatibleDC(dcPantalla);
    void* bits = nullptr;
    HBITMAP mapa = CreateDIBSection(dcPantalla, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ anterior = SelectObject(dcMemoria, mapa);
    std::exception_ptr error;
    if (bits) {
        try {
            dibujar(dcMemoria, RECT{0, 0, ancho_, alto_});
            GdiFlush();
            std::copy_n(static_cast<const std::uint32_t*>(bits), pixeles_.size(), pixeles_.begin());
        } catch (...) {
            error = std::current_exception();
        }
    }
    SelectObject(dcMemoria, anterior);
    DeleteObject(mapa);
    DeleteDC(dcMemoria);
    ReleaseDC(nullptr, dcPantalla);
    if (error) std::rethrow_exception(error);
    if (!bits) Fallar("cannot make a bitmap");
}

Captura::Captura(const RECT& pantalla)
    : Captura(pantalla.right - pantalla.left, pantalla.bottom - pantalla.top, [&](HDC dc, const RECT& todo) {
          HDC dcPantalla = GetDC(nullptr);
          const BOOL copiado = BitBlt(dc, 0, 0, todo.right, todo.bottom, dcPantalla, pantalla.left, pantalla.top,
                                      SRCCOPY | CAPTUREBLT);
          ReleaseDC(nullptr, dcPantalla);
          if (!copiado) Fallar("cannot copy the screen");
      }) {}

COLORREF Captura::En(int x, int y) const {
    if (x < 0 || y < 0 || x >= ancho_ || y >= alto_)
        throw std::out_of_range("pixel (" + std::to_string(x) + "," + std::to_string(y) + ") outside the capture");
    const std::uint32_t p = pixeles_[static_cast<std::size_t>(y) * static_cast<std::size_t>(ancho_) +
                                     static_cast<std::size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

COLORREF PixelDePantalla(POINT pantalla) {
    return Captura(RECT{pantalla.x, pantalla.y, pantalla.x + 1, pantalla.y + 1}).En(0, 0);
}

std::string TextoColor(COLORREF color) {
    return "RGB(" + std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) + "," +
           std::to_string(GetBValue(color)) + ")";
}

namespace {

// Calls visitar(x, y) for each pixel of the zone, clipped to the capture.
template <typename F>
void RecorrerZona(const Captura& captura, const RECT& zona, F visitar) {
    const int arriba = std::max<int>(zona.top, 0);
    const int abajo = std::min<int>(zona.bottom, captura.Alto());
    const int izquierda = std::max<int>(zona.left, 0);
    const int derecha = std::min<int>(zona.right, captura.Ancho());
    for (int y = arriba; y < abajo; ++y)
        for (int x = izquierda; x < derecha; ++x) visitar(x, y);
}

bool EsVerde(COLORREF c) {
    const int r = GetRValue(c);
    const int g = GetGValue(c);
    const int b = GetBValue(c);
    return g > r + 40 && g > b + 40;
}

// The rows of the zone for which `marcada(x, y)` holds at some pixel.
template <typename F>
std::vector<int> FilasCon(const Captura& captura, const RECT& zona, F marcada) {
    std::vector<int> filas;
    RecorrerZona(captura, zona, [&](int x, int y) {
        if ((filas.empty() || filas.back() != y) && marcada(x, y)) filas.push_back(y);
    });
    return filas;
}

}  // namespace

bool HayTinta(const Captura& captura, const RECT& zona, COLORREF fondo) {
    bool hay = false;
    RecorrerZona(captura, zona, [&](int x, int y) { hay = hay || captura.En(x, y) != fondo; });
    return hay;
}

std::vector<Franja> FranjasDeTinta(const Captura& captura, const RECT& zona, COLORREF fondo) {
    std::vector<Franja> franjas;
    for (int y : FilasCon(captura, zona, [&](int x, int fila) { return captura.En(x, fila) != fondo; })) {
        if (!franjas.empty() && franjas.back().abajo == y - 1)
            franjas.back().abajo = y;
        else
            franjas.push_back({y, y});
    }
    return franjas;
}

int DerechaDeTinta(const Captura& captura, const RECT& zona, COLORREF fondo) {
    int derecha = zona.left - 1;
    RecorrerZona(captura, zona, [&](int x, int y) {
        if (x > derecha && captura.En(x, y) != fondo) derecha = x;
    });
    return derecha;
}

bool ContieneColor(const Captura& captura, const RECT& zona, COLORREF color) {
    bool hay = false;
    RecorrerZona(captura, zona, [&](int x, int y) { hay = hay || captura.En(x, y) == color; });
    return hay;
}

std::optional<Franja> FranjaVerde(const Captura& captura, const RECT& zona) {
    const std::vector<int> filas = FilasCon(captura, zona, [&](int x, int y) { return EsVerde(captura.En(x, y)); });
    if (filas.empty()) return std::nullopt;
    return Franja{filas.front(), filas.back()};
}

std::vector<COLORREF> PixelesDe(const Captura& captura, const RECT& zona) {
    std::vector<COLORREF> pixeles;
    RecorrerZona(captura, zona, [&](int x, int y) { pixeles.push_back(captura.En(x, y)); });
    return pixeles;
}

// ---------------------------------------------------------- mouse, keys

void MoverRaton(POINT pantalla) {
    EventoRaton(pantalla, 0);
    Esperar([&] {
        POINT actual{};
        return GetCursorPos(&actual) && actual.x == pantalla.x && actual.y == pantalla.y;
    }, 1000);
}

void AparcarRaton() { MoverRaton({0, GetSystemMetrics(SM_CYSCREEN) / 2}); }

void PulsarRaton(POINT pantalla, bool derecho) {
    EventoRaton(pantalla, derecho ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
}

void SoltarRaton(POINT pantalla, bool derecho) {
    EventoRaton(pantalla, derecho ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void Clic(POINT pantalla) {
    MoverRaton(pantalla);
    PulsarRaton(pantalla);
    SoltarRaton(pantalla);
}

void Arrastrar(POINT desde, POINT hasta) {
    MoverRaton(desde);
    PulsarRaton(desde);
    MoverRaton(hasta);
    SoltarRaton(hasta);
}

bool TraerAlFrente(HWND ventana, DWORD milisegundos) {
    return Esperar(
        [&] {
            if (GetForegroundWindow() == ventana) return true;
            if (!SetForegroundWindow(ventana)) {
                // Windows lets only the process with the last input take the
                // foreground; a tap of Alt gives this process that right.
                Tecla(VK_MENU, false);
                Tecla(VK_MENU, true);
                SetForegroundWindow(ventana);
            }
            return GetForegroundWindow() == ventana;
        },
        milisegundos);
}

void PulsarTecla(WORD tecla, std::initializer_list<WORD> modificadores) {
    for (WORD m : modificadores) Tecla(m, false);
    Tecla(tecla, false);
    Tecla(tecla, true);
    for (auto m = std::rbegin(modificadores); m != std::rend(modificadores); ++m) Tecla(*m, true);
}

bool Esperar(const std::function<bool()>& condicion, DWORD milisegundos) {
    const ULONGLONG limite = GetTickCount64() + milisegundos;
    for (;;) {
        if (condicion()) return true;
        if (GetTickCount64() >= limite) return false;
        Sleep(20);
    }
}

// ---------------------------------------------- log of the stand-in setup

namespace {
const wchar_t* const kVariableRegistro = L"INSTALAR_PRUEBA_REGISTRO";
}

Registro::Registro() : ruta_(Unir(CarpetaTemporal(), NombreUnico(L"instalar-registro-") + L".txt")) {
    if (!SetEnvironmentVariableW(kVariableRegistro, ruta_.c_str())) Fallar("SetEnvironmentVariableW");
}

Registro::~Registro() {
    SetEnvironmentVariableW(kVariableRegistro, nullptr);
    Esperar([&] { return DeleteFileW(ruta_.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }, 3000);
}

std::vector<Ejecucion> Registro::Ejecuciones() const {
    if (GetFileAttributesW(ruta_.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    const std::string texto = LeerArchivo(ruta_);
    std::vector<Ejecucion> ejecuciones;
    std::size_t inicio = 0;
    for (std::size_t fin; (fin = texto.find("\r\n", inicio)) != std::string::npos; inicio = fin + 2) {
        // Command line, working folder, program: only the command line
        // could hold a tab.
        const std::wstring linea = Utf16(texto.substr(inicio, fin - inicio));
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

RECT ZonaEnPixeles(const RECT& twips) {
    const double tpp = 1440.0 / PuntosPorPulgada();
    const auto px = [tpp](LONG t) { return static_cast<LONG>(std::lround(t / tpp)); };
    return RECT{px(twips.left), px(twips.top), px(twips.right), px(twips.bottom)};
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

POINT PuntoEnOpcion(const Menu& menu, const Lista& lista, std::size_t i) {
    if (i >= lista.opciones.size())
        throw std::out_of_range("no item " + std::to_string(i) + ": " + lista.Describir());
    // A little inside the name's first letter.
    const RECT columna = ZonaEnPixeles(kZonaOpciones);
    const LONG x = columna.left + MulDiv(8, PuntosPorPulgada(), 96);
    return menu.APantalla({x, static_cast<LONG>(std::lround(lista.opciones[i].Centro()))});
}

// ------------------------------------------------------------------- text

std::string Utf8(const std::wstring& texto) {
    if (texto.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string resultado(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), resultado.data(), n, nullptr,
                        nullptr);
    return resultado;
}

std::wstring Utf16(const std::string& texto) {
    if (texto.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0);
    std::wstring resultado(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), resultado.data(), n);
    return resultado;
}

}  // namespace arnes
