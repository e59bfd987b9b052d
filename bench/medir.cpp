// Measures instalar.exe as a user meets it and prints the figures as a
// markdown table: how long it takes from process creation until its window
// is on screen and idle, against a bare Win32 window (ventana_base.exe),
// against the same window with the menu's two push buttons in the look of
// common controls 6 (ventana_botones.exe), and for large menus; how long one
// Ctrl+Down takes in the largest menu; and how much memory it uses.  Every
// figure is the median of several runs, and the programs measured take
// turns, so that a change in the machine's load touches all of them alike.
//
//     medir [--rondas N] [--carpeta CARPETA]
//
// instalar.exe, ventana_base.exe and ventana_botones.exe are taken from the
// folder of medir.exe.
// The menus are written to a temporary folder (or CARPETA), one folder per
// menu, with a copy of instalar.exe beside its instalar.inf, as on a medium.
// Every process started is ended before the next one starts.

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

const wchar_t* const kTitulo = L"Men\u00fa de instalaci\u00f3n";

// ------------------------------------------------------------ utilities

[[noreturn]] void Fallar(const std::string& que) {
    throw std::runtime_error(que + " (error " + std::to_string(GetLastError()) + ")");
}

double Ahora() {
    static const double frecuencia = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / frecuencia;
}

std::string Utf8(const std::wstring& texto) {
    if (texto.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string salida(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), salida.data(), n, nullptr,
                        nullptr);
    return salida;
}

// Windows-1252 bytes of a text that only uses Latin-1 letters.
std::string Ansi(const std::wstring& texto) {
    std::string salida;
    for (wchar_t c : texto) salida.push_back(static_cast<char>(c < 256 ? c : '?'));
    return salida;
}

std::wstring CarpetaDe(const std::wstring& ruta) {
    const size_t barra = ruta.find_last_of(L"\\/");
    return barra == std::wstring::npos ? L"." : ruta.substr(0, barra);
}

std::wstring CarpetaDelPrograma() {
    std::wstring ruta(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
    if (n == 0 || n >= ruta.size()) Fallar("GetModuleFileNameW");
    ruta.resize(n);
    return CarpetaDe(ruta);
}

std::wstring Unir(const std::wstring& carpeta, const std::wstring& nombre) {
    if (!carpeta.empty() && carpeta.back() == L'\\') return carpeta + nombre;
    return carpeta + L"\\" + nombre;
}

void EscribirArchivo(const std::wstring& ruta, const std::string& bytes) {
    HANDLE archivo = CreateFileW(ruta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (archivo == INVALID_HANDLE_VALUE) Fallar("cannot create " + Utf8(ruta));
    DWORD escritos = 0;
    const BOOL ok = WriteFile(archivo, bytes.data(), static_cast<DWORD>(bytes.size()), &escritos, nullptr);
    CloseHandle(archivo);
    if (!ok || escritos != bytes.size()) Fallar("cannot write " + Utf8(ruta));
}

void BorrarCarpeta(const std::wstring& carpeta) {
    WIN32_FIND_DATAW datos;
    HANDLE busqueda = FindFirstFileW(Unir(carpeta, L"*").c_str(), &datos);
    if (busqueda != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring nombre = datos.cFileName;
            if (nombre == L"." || nombre == L"..") continue;
            const std::wstring ruta = Unir(carpeta, nombre);
            if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) BorrarCarpeta(ruta);
            else DeleteFileW(ruta.c_str());
        } while (FindNextFileW(busqueda, &datos));
        FindClose(busqueda);
    }
    RemoveDirectoryW(carpeta.c_str());
}

double Mediana(std::vector<double> valores) {
    if (valores.empty()) return 0;
    std::sort(valores.begin(), valores.end());
    const size_t n = valores.size();
    return n % 2 ? valores[n / 2] : (valores[n / 2 - 1] + valores[n / 2]) / 2;
}

double Minimo(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }
double Maximo(const std::vector<double>& v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }

std::string Formato(const char* formato, double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, formato, valor);
    return texto;
}

// "12,345" for counts in the table.
std::string Miles(long long n) {
    std::string digitos = std::to_string(n);
    for (int i = static_cast<int>(digitos.size()) - 3; i > 0; i -= 3) digitos.insert(static_cast<size_t>(i), ",");
    return digitos;
}

// ------------------------------------------------------------ the menus

// A menu file of `opciones` entries.  Every entry has its own name and its
// own description, so that selecting the next one changes the text on the
// right of the window.
std::string MenuDe(int opciones) {
    std::wstring texto = L"Banco de pruebas\r\n1.0\r\n";
    for (int i = 1; i <= opciones; ++i) {
        const std::wstring n = std::to_wstring(i);
        texto += L"Opci\u00f3n " + n + L";opcion" + n + L"\\setup.exe;Descripci\u00f3n de la opci\u00f3n " + n +
                 L", que instala el programa n\u00famero " + n + L".\r\n";
    }
    return Ansi(texto);
}

// ---------------------------------------------------------- the screen

struct Busqueda {
    DWORD proceso;
    HWND hallada;
};

BOOL CALLBACK Candidata(HWND ventana, LPARAM datos) {
    auto* busqueda = reinterpret_cast<Busqueda*>(datos);
    DWORD proceso = 0;
    GetWindowThreadProcessId(ventana, &proceso);
    if (proceso != busqueda->proceso || !IsWindowVisible(ventana)) return TRUE;
    wchar_t clase[16] = {};
    GetClassNameW(ventana, clase, 16);
    if (std::wcscmp(clase, L"#32770") == 0) return TRUE;  // a message box
    wchar_t texto[64] = {};
    GetWindowTextW(ventana, texto, 64);
    if (std::wcscmp(texto, kTitulo) != 0) return TRUE;
    busqueda->hallada = ventana;
    return FALSE;
}

// The visible window of the process with the menu's caption, or nullptr.
HWND VentanaVisible(DWORD proceso) {
    Busqueda busqueda{proceso, nullptr};
    EnumWindows(Candidata, reinterpret_cast<LPARAM>(&busqueda));
    return busqueda.hallada;
}

// A rectangle of the screen, copied on demand into the same buffer.
class Captura {
public:
    explicit Captura(const RECT& zona) : zona_(zona), ancho_(zona.right - zona.left), alto_(zona.bottom - zona.top) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = ancho_;
        info.bmiHeader.biHeight = -alto_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        pantalla_ = GetDC(nullptr);
        memoria_ = CreateCompatibleDC(pantalla_);
        mapa_ = CreateDIBSection(pantalla_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (!mapa_ || !bits_) Fallar("CreateDIBSection");
        anterior_ = SelectObject(memoria_, mapa_);
    }
    ~Captura() {
        SelectObject(memoria_, anterior_);
        DeleteObject(mapa_);
        DeleteDC(memoria_);
        ReleaseDC(nullptr, pantalla_);
    }
    Captura(const Captura&) = delete;
    Captura& operator=(const Captura&) = delete;

    std::vector<uint32_t> Tomar() {
        BitBlt(memoria_, 0, 0, ancho_, alto_, pantalla_, zona_.left, zona_.top, SRCCOPY | CAPTUREBLT);
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits_);
        return std::vector<uint32_t>(p, p + static_cast<size_t>(ancho_) * static_cast<size_t>(alto_));
    }

private:
    RECT zona_;
    int ancho_, alto_;
    HDC pantalla_ = nullptr;
    HDC memoria_ = nullptr;
    HBITMAP mapa_ = nullptr;
    HGDIOBJ anterior_ = nullptr;
    void* bits_ = nullptr;
};

COLORREF Pixel(POINT pantalla) {
    HDC dc = GetDC(nullptr);
    const COLORREF color = GetPixel(dc, pantalla.x, pantalla.y);
    ReleaseDC(nullptr, dc);
    return color;
}

int Dpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

int Px(int pixeles96) { return MulDiv(pixeles96, Dpi(), 96); }

// ----------------------------------------------------------- the input

void Tecla(WORD tecla, bool soltar, std::vector<INPUT>& entradas) {
    INPUT entrada{};
    entrada.type = INPUT_KEYBOARD;
    entrada.ki.wVk = tecla;
    entrada.ki.wScan = static_cast<WORD>(MapVirtualKeyW(tecla, MAPVK_VK_TO_VSC));
    entrada.ki.dwFlags = (soltar ? KEYEVENTF_KEYUP : 0) | (tecla == VK_DOWN ? KEYEVENTF_EXTENDEDKEY : 0);
    entradas.push_back(entrada);
}

void AparcarRaton() {
    INPUT entrada{};
    entrada.type = INPUT_MOUSE;
    entrada.mi.dx = 0;
    entrada.mi.dy = 32768;
    entrada.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &entrada, sizeof entrada);
}

bool TraerAlFrente(HWND ventana) {
    const double limite = Ahora() + 3000;
    while (Ahora() < limite) {
        if (GetForegroundWindow() == ventana) return true;
        if (!SetForegroundWindow(ventana)) {
            std::vector<INPUT> alt;
            Tecla(VK_MENU, false, alt);
            Tecla(VK_MENU, true, alt);
            SendInput(static_cast<UINT>(alt.size()), alt.data(), sizeof(INPUT));
            SetForegroundWindow(ventana);
        }
        if (GetForegroundWindow() == ventana) return true;
        Sleep(20);
    }
    return false;
}

// ------------------------------------------------------- one started program

class Proceso {
public:
    Proceso(const std::wstring& programa, const std::wstring& carpetaTrabajo, HANDLE trabajo) {
        std::wstring linea = L"\"" + programa + L"\"";
        STARTUPINFOW inicio{};
        inicio.cb = sizeof inicio;
        inicio_ = Ahora();
        if (!CreateProcessW(programa.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            carpetaTrabajo.c_str(), &inicio, &info_))
            Fallar("cannot start " + Utf8(programa));
        if (trabajo) AssignProcessToJobObject(trabajo, info_.hProcess);
    }
    ~Proceso() {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 10000);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Proceso(const Proceso&) = delete;
    Proceso& operator=(const Proceso&) = delete;

    // Waits until the window is shown, painted and idle: the process has
    // gone idle waiting for input, its window is visible, and it has
    // answered a message sent after that (so it is back in its message
    // loop).  Returns milliseconds since just before CreateProcess.
    double EsperarListo(DWORD limiteMs) {
        const double limite = inicio_ + limiteMs;
        WaitForInputIdle(info_.hProcess, limiteMs);
        for (;;) {
            ventana_ = VentanaVisible(info_.dwProcessId);
            if (ventana_) break;
            if (WaitForSingleObject(info_.hProcess, 0) != WAIT_TIMEOUT)
                throw std::runtime_error("the program ended without showing its window");
            if (Ahora() > limite) throw std::runtime_error("the window did not appear in time");
            ++sondeos_;
            Sleep(1);
        }
        DWORD_PTR resultado = 0;
        if (!SendMessageTimeoutW(ventana_, WM_NULL, 0, 0, SMTO_NORMAL, limiteMs, &resultado))
            throw std::runtime_error("the window did not answer");
        return Ahora() - inicio_;
    }

    HWND Ventana() const { return ventana_; }
    int Sondeos() const { return sondeos_; }

    // Largest working set so far, in bytes.
    double MemoriaPico() const {
        PROCESS_MEMORY_COUNTERS contadores{};
        contadores.cb = sizeof contadores;
        if (!GetProcessMemoryInfo(info_.hProcess, &contadores, sizeof contadores)) Fallar("GetProcessMemoryInfo");
        return static_cast<double>(contadores.PeakWorkingSetSize);
    }

    // Client point of the window -> screen.
    POINT APantalla(int x, int y) const {
        POINT punto{x, y};
        ClientToScreen(ventana_, &punto);
        return punto;
    }

    // Ctrl+Down: milliseconds from sending the keys until the description
    // of the newly selected item is on screen.
    double CtrlAbajo(DWORD limiteMs) {
        if (!TraerAlFrente(ventana_)) throw std::runtime_error("the menu could not be brought to the front");
        // The description label: right of the divider line, centred on it.
        const POINT arribaIzquierda = APantalla(Px(253), Px(140));
        const POINT abajoDerecha = APantalla(Px(446), Px(306));
        Captura zona(RECT{arribaIzquierda.x, arribaIzquierda.y, abajoDerecha.x, abajoDerecha.y});
        const std::vector<uint32_t> antes = zona.Tomar();

        std::vector<INPUT> teclas;
        Tecla(VK_CONTROL, false, teclas);
        Tecla(VK_DOWN, false, teclas);
        Tecla(VK_DOWN, true, teclas);
        Tecla(VK_CONTROL, true, teclas);
        const double inicio = Ahora();
        if (SendInput(static_cast<UINT>(teclas.size()), teclas.data(), sizeof(INPUT)) != teclas.size())
            Fallar("SendInput");
        for (;;) {
            if (zona.Tomar() != antes) break;
            if (Ahora() - inicio > limiteMs) throw std::runtime_error("Ctrl+Down changed nothing on screen");
            Sleep(1);
        }
        const double ms = Ahora() - inicio;
        // Let it finish before it is ended.
        DWORD_PTR resultado = 0;
        SendMessageTimeoutW(ventana_, WM_NULL, 0, 0, SMTO_NORMAL, limiteMs, &resultado);
        return ms;
    }

private:
    PROCESS_INFORMATION info_{};
    double inicio_ = 0;
    HWND ventana_ = nullptr;
    int sondeos_ = 0;
};

// ------------------------------------------------------------ the runs

struct Medido {
    std::wstring nombre;
    std::wstring programa;
    std::wstring carpeta;   // where it runs from (a menu's medium)
    int opciones = 0;       // 0: a baseline window
    bool seleccion = false; // also time one Ctrl+Down
    std::vector<double> listo, memoria, ctrlAbajo;
    int sinPintar = 0;      // ready, but the bar was not on screen yet
    int sondeos = 0;
};

constexpr COLORREF kColorBarra = RGB(88, 106, 183);

void Medir(Medido& m, const std::wstring& carpetaTrabajo, HANDLE trabajo, bool contar) {
    AparcarRaton();
    double listo, memoria, ctrl = -1;
    bool pintado = true;
    int sondeos = 0;
    {
        Proceso proceso(m.programa, carpetaTrabajo, trabajo);
        listo = proceso.EsperarListo(60000);
        sondeos = proceso.Sondeos();
        memoria = proceso.MemoriaPico();
        if (m.opciones > 0) {
            // The bar along the bottom edge, between the two buttons.
            pintado = Pixel(proceso.APantalla(Px(225), Px(345))) == kColorBarra;
        }
        if (m.seleccion) ctrl = proceso.CtrlAbajo(60000);
    }
    if (!contar) return;
    m.listo.push_back(listo);
    m.memoria.push_back(memoria);
    if (ctrl >= 0) m.ctrlAbajo.push_back(ctrl);
    if (!pintado) ++m.sinPintar;
    m.sondeos += sondeos;
}

struct Fila {
    std::string que, medido, objetivo, resultado;
};

std::string Cumple(double valor, double limite) { return valor <= limite ? "met" : "**missed**"; }

std::string Ms(const std::vector<double>& v) {
    return Formato("%.1f ms", Mediana(v)) + " (" + Formato("%.1f", Minimo(v)) + "–" + Formato("%.1f", Maximo(v)) + ")";
}

std::string MiB(const std::vector<double>& v) { return Formato("%.1f MiB", Mediana(v) / (1024.0 * 1024.0)); }

int Principal(int argc, wchar_t** argv) {
    int rondas = 9;
    std::wstring carpetaMenus;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--rondas" && i + 1 < argc) rondas = std::max(1, _wtoi(argv[++i]));
        else if (arg == L"--carpeta" && i + 1 < argc) carpetaMenus = argv[++i];
        else {
            std::fprintf(stderr, "usage: medir [--rondas N] [--carpeta CARPETA]\n");
            return 2;
        }
    }

    const std::wstring aqui = CarpetaDelPrograma();
    const std::wstring instalar = Unir(aqui, L"instalar.exe");
    const std::wstring base = Unir(aqui, L"ventana_base.exe");
    const std::wstring botones = Unir(aqui, L"ventana_botones.exe");

    wchar_t temporal[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temporal);
    const bool carpetaPropia = carpetaMenus.empty();
    if (carpetaPropia) carpetaMenus = Unir(temporal, L"instalar-medir-" + std::to_wstring(GetCurrentProcessId()));
    CreateDirectoryW(carpetaMenus.c_str(), nullptr);

    // Every program started belongs to this job: should this program die,
    // closing the job ends them too.
    HANDLE trabajo = CreateJobObjectW(nullptr, nullptr);
    if (trabajo) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limites{};
        limites.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(trabajo, JobObjectExtendedLimitInformation, &limites, sizeof limites);
    }

    // The two baselines first, then the menus from the smallest.
    std::vector<Medido> medidos;
    for (const auto& [nombre, programa] : {std::pair{L"ventana_base", base}, std::pair{L"ventana_botones", botones}}) {
        Medido m;
        m.nombre = nombre;
        m.programa = programa;
        m.carpeta = carpetaMenus;
        medidos.push_back(m);
    }
    for (int opciones : {3, 1000, 10000, 32767}) {
        Medido m;
        m.nombre = L"menu" + std::to_wstring(opciones);
        m.opciones = opciones;
        m.carpeta = Unir(carpetaMenus, m.nombre);
        m.programa = Unir(m.carpeta, L"instalar.exe");
        m.seleccion = opciones == 3 || opciones == 32767;
        CreateDirectoryW(m.carpeta.c_str(), nullptr);
        if (!CopyFileW(instalar.c_str(), m.programa.c_str(), FALSE)) Fallar("cannot copy instalar.exe");
        EscribirArchivo(Unir(m.carpeta, L"instalar.inf"), MenuDe(opciones));
        medidos.push_back(m);
    }

    int codigo = 0;
    try {
        // One round to warm the file cache and Wine, not counted; then the
        // counted rounds, each starting with the next program in turn.
        for (int ronda = 0; ronda <= rondas; ++ronda) {
            for (size_t k = 0; k < medidos.size(); ++k) {
                Medido& m = medidos[(k + static_cast<size_t>(ronda)) % medidos.size()];
                Medir(m, carpetaMenus, trabajo, ronda > 0);
                Sleep(100);  // let the ended process's clean-up settle
            }
            std::fprintf(stderr, "medir: round %d of %d done\n", ronda, rondas);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "medir: %s\n", e.what());
        codigo = 1;
    }
    if (trabajo) CloseHandle(trabajo);
    if (carpetaPropia) BorrarCarpeta(carpetaMenus);
    if (codigo != 0) return codigo;

    const Medido& mb = medidos[0];
    const Medido& mc = medidos[1];
    const Medido& m3 = medidos[2];
    const Medido& mg = medidos.back();
    const double base3 = Mediana(m3.listo);

    std::vector<Fila> filas;
    filas.push_back({"Start to ready, baseline window", Ms(mb.listo), "", ""});
    filas.push_back({"Start to ready, menu of 3", Ms(m3.listo), "", ""});
    const double r3 = base3 / Mediana(mb.listo);
    filas.push_back({"menu of 3 / baseline", Formato("%.2f", r3), "≤ 1.10", Cumple(r3, 1.10)});
    filas.push_back({"Start to ready, window with two common-controls-6 push buttons", Ms(mc.listo), "", ""});
    filas.push_back({"menu of 3 / window with push buttons", Formato("%.2f", base3 / Mediana(mc.listo)), "", ""});
    for (size_t i = 3; i < medidos.size(); ++i) {
        const Medido& m = medidos[i];
        filas.push_back({"Start to ready, menu of " + Miles(m.opciones), Ms(m.listo), "", ""});
        const double r = Mediana(m.listo) / base3;
        filas.push_back({"menu of " + Miles(m.opciones) + " / menu of 3", Formato("%.2f", r),
                         m.opciones == 32767 ? "≤ 3" : "", m.opciones == 32767 ? Cumple(r, 3) : ""});
    }
    filas.push_back({"Ctrl+Down, menu of 3 (until the new description is on screen)", Ms(m3.ctrlAbajo), "", ""});
    filas.push_back({"Ctrl+Down, menu of 32,767", Ms(mg.ctrlAbajo), "", ""});
    const double rs = Mediana(mg.ctrlAbajo) / base3;
    filas.push_back({"Ctrl+Down in 32,767 / start of menu of 3", Formato("%.2f", rs), "≤ 0.25", Cumple(rs, 0.25)});
    filas.push_back({"Peak working set, baseline window", MiB(mb.memoria), "", ""});
    filas.push_back({"Peak working set, menu of 3", MiB(m3.memoria), "", ""});
    const double rm = Mediana(m3.memoria) / Mediana(mb.memoria);
    filas.push_back({"menu of 3 / baseline", Formato("%.2f", rm), "≤ 1.2", Cumple(rm, 1.2)});
    filas.push_back({"Peak working set, window with push buttons", MiB(mc.memoria), "", ""});
    filas.push_back({"menu of 3 / window with push buttons", Formato("%.2f", Mediana(m3.memoria) / Mediana(mc.memoria)),
                     "", ""});
    filas.push_back({"Peak working set, menu of 32,767", MiB(mg.memoria), "", ""});

    std::printf("| Figure | Measured | Target | |\n|---|---|---|---|\n");
    for (const Fila& f : filas)
        std::printf("| %s | %s | %s | %s |\n", f.que.c_str(), f.medido.c_str(), f.objetivo.c_str(), f.resultado.c_str());

    std::printf("\nTimes are medians of %d runs (min–max in brackets), %d dpi.\n", rondas, Dpi());
    for (const Medido& m : medidos) {
        if (m.sinPintar)
            std::printf("Warning: %s was idle %d times before its bar was on screen.\n", Utf8(m.nombre).c_str(),
                        m.sinPintar);
    }
    std::printf("\nSamples (ms, in run order):\n\n");
    for (const Medido& m : medidos) {
        std::printf("- %s start:", Utf8(m.nombre).c_str());
        for (double v : m.listo) std::printf(" %.1f", v);
        std::printf(" (window polled %d times after idle)\n", m.sondeos);
        if (!m.ctrlAbajo.empty()) {
            std::printf("- %s Ctrl+Down:", Utf8(m.nombre).c_str());
            for (double v : m.ctrlAbajo) std::printf(" %.1f", v);
            std::printf("\n");
        }
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        return Principal(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "medir: %s\n", e.what());
        return 1;
    }
}
