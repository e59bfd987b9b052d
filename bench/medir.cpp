// Measures instalar.exe as a user meets it and prints the figures as a
// markdown table: how long it takes from process creation until its window
// is on screen and idle, against a bare Win32 window (ventana_base.exe),
// against the same window with the menu's two push buttons in the look of
// common controls 6 (ventana_botones.exe), and for large menus; how long one
// Ctrl+Down takes in the largest menu; how long a screen reader takes to read
// every description of a 5,000-item UTF-8 menu through the accessible tree;
// and how much memory it uses.  Every
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
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "herramientas/Accesibilidad.h"
#include "herramientas/Archivos.h"
#include "herramientas/CarpetaTemporal.h"
#include "herramientas/Diseno.h"
#include "herramientas/Entrada.h"
#include "herramientas/Errores.h"
#include "herramientas/Pantalla.h"
#include "herramientas/Procesos.h"
#include "herramientas/Texto.h"
#include "herramientas/Ventanas.h"
#include "win32host/Manejadores.h"

namespace {

using namespace herramientas;

// ------------------------------------------------------------ utilities

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

// Windows-1252 bytes of a text that only uses Latin-1 letters.
std::string Ansi(const std::wstring& texto) {
    std::string salida;
    for (wchar_t c : texto) salida.push_back(static_cast<char>(c < 256 ? c : '?'));
    return salida;
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

// Pixels at 96 dpi -> pixels at this screen's resolution.
int Px(int pixeles96) { return MulDiv(pixeles96, PuntosPorPulgada(), 96); }

// ------------------------------------------------------------ the menus

// A menu file of `opciones` entries, in Windows-1252 or in UTF-8.  Every
// entry has its own name and its own description, so that selecting the
// next one changes the text on the right of the window.
//
// `maquina`: every entry depends on the machine, every other one through
// ";@si 64bits" and the rest through ";@requiere windows 7" (both hold on
// the machine of the runs, so the list is the same), and the first five
// carry ";@instalado" probes: three uninstall keys (each looked for in
// three places) and two files, none of them present.
std::string MenuDe(int opciones, bool utf8, bool maquina = false) {
    std::wstring texto = L"Banco de pruebas\r\n1.0\r\n";
    for (int i = 1; i <= opciones; ++i) {
        const std::wstring n = std::to_wstring(i);
        if (maquina) {
            texto += i % 2 ? L";@si 64bits\r\n" : L";@requiere windows 7\r\n";
            if (i <= 5)
                texto += i % 2 ? L";@instalado desinstalar BancoDePruebas" + n + L"\r\n"
                               : L";@instalado archivo %SystemRoot%\\banco" + n + L".exe >= 1.0\r\n";
        }
        texto += L"Opci\u00f3n " + n + L";opcion" + n + L"\\setup.exe;Descripci\u00f3n de la opci\u00f3n " + n +
                 L", que instala el programa n\u00famero " + n + L".\r\n";
    }
    return utf8 ? Utf8(texto) : Ansi(texto);
}

// ------------------------------------------------------- one started program

// One run of a program measured, from just before its process is created.
class Ejecucion {
public:
    Ejecucion(const std::wstring& programa, const std::wstring& carpetaTrabajo, HANDLE trabajo)
        : inicio_(Ahora()), proceso_(programa, L"\"" + programa + L"\"", carpetaTrabajo) {
        if (trabajo) AssignProcessToJobObject(trabajo, proceso_.ManejadorDelProceso());
    }

    // Waits until the window is shown, painted and idle: the process has
    // gone idle waiting for input, its window is visible, and it has
    // answered a message sent after that (so it is back in its message
    // loop).  Returns milliseconds since just before CreateProcess.
    double EsperarListo(DWORD limiteMs) {
        const double limite = inicio_ + limiteMs;
        WaitForInputIdle(proceso_.ManejadorDelProceso(), limiteMs);
        for (;;) {
            ventana_ = BuscarVentanaPrincipal(proceso_.Id(), diseno::kTituloW);
            if (ventana_) break;
            if (proceso_.Terminado()) throw std::runtime_error("the program ended without showing its window");
            if (Ahora() > limite) throw std::runtime_error("the window did not appear in time");
            ++sondeos_;
            Sleep(1);
        }
        DWORD_PTR resultado = 0;
        if (!SendMessageTimeoutW(ventana_, WM_NULL, 0, 0, SMTO_NORMAL, limiteMs, &resultado))
            throw std::runtime_error("the window did not answer");
        return Ahora() - inicio_;
    }

    int Sondeos() const { return sondeos_; }

    // Largest working set so far, in bytes.
    double MemoriaPico() const {
        PROCESS_MEMORY_COUNTERS contadores{};
        contadores.cb = sizeof contadores;
        if (!GetProcessMemoryInfo(proceso_.ManejadorDelProceso(), &contadores, sizeof contadores))
            Fallar("GetProcessMemoryInfo");
        return static_cast<double>(contadores.PeakWorkingSetSize);
    }

    // Client point of the window -> screen.
    POINT APantalla(int x, int y) const {
        POINT punto{x, y};
        ClientToScreen(ventana_, &punto);
        return punto;
    }

    // A screen reader's walk: every item's description asked of the
    // window's accessible object, from another process as screen readers
    // ask.  Milliseconds for all of them.
    double LeerDescripciones(int opciones) {
        const ComIniciado com;
        const Elemento raiz = ObjetoDeVentana(ventana_);
        const double inicio = Ahora();
        size_t letras = 0;
        for (long id = 1; id <= opciones; ++id) letras += Descripcion(Elemento{raiz.objeto, id}).size();
        if (letras == 0) throw std::runtime_error("the accessible object gave no description");
        return Ahora() - inicio;
    }

    // Ctrl+Down: milliseconds from sending the keys until the description
    // of the newly selected item is on screen.
    double CtrlAbajo(DWORD limiteMs) {
        if (!TraerAlFrente(ventana_)) throw std::runtime_error("the menu could not be brought to the front");
        // The description label: right of the divider line, centred on it.
        const POINT arribaIzquierda = APantalla(Px(253), Px(140));
        const POINT abajoDerecha = APantalla(Px(446), Px(306));
        const ZonaDePantalla zona(RECT{arribaIzquierda.x, arribaIzquierda.y, abajoDerecha.x, abajoDerecha.y});
        const Captura antes = zona.Tomar();

        const double inicio = Ahora();
        PulsarTecla(VK_DOWN, {VK_CONTROL});
        while (zona.Tomar() == antes) {
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
    double inicio_;
    Proceso proceso_;
    HWND ventana_ = nullptr;
    int sondeos_ = 0;
};

// ------------------------------------------------------------ the runs

struct Medido {
    std::wstring nombre;
    std::wstring programa;
    std::wstring carpeta;   // where it runs from (a menu's medium)
    int opciones = 0;       // 0: a baseline window
    bool utf8 = false;      // its menu file is in UTF-8
    bool seleccion = false; // also time one Ctrl+Down
    bool arbol = false;     // also time a screen reader's walk of all descriptions
    bool maquina = false;   // its entries depend on the machine (see MenuDe)
    std::vector<double> listo, memoria, ctrlAbajo, descripciones;
    int sinPintar = 0;      // ready, but the bar was not on screen yet
    int sondeos = 0;
};

void Medir(Medido& m, const std::wstring& carpetaTrabajo, HANDLE trabajo, bool contar) {
    AparcarRaton();
    double listo, memoria, ctrl = -1, arbol = -1;
    bool pintado = true;
    int sondeos = 0;
    {
        Ejecucion ejecucion(m.programa, carpetaTrabajo, trabajo);
        listo = ejecucion.EsperarListo(60000);
        sondeos = ejecucion.Sondeos();
        memoria = ejecucion.MemoriaPico();
        if (m.opciones > 0) {
            // The bar along the bottom edge, between the two buttons.
            pintado = PixelDePantalla(ejecucion.APantalla(Px(225), Px(345))) == diseno::Colorref(diseno::kBarra);
        }
        if (m.seleccion) ctrl = ejecucion.CtrlAbajo(60000);
        if (m.arbol) arbol = ejecucion.LeerDescripciones(m.opciones);
    }
    if (!contar) return;
    m.listo.push_back(listo);
    m.memoria.push_back(memoria);
    if (ctrl >= 0) m.ctrlAbajo.push_back(ctrl);
    if (arbol >= 0) m.descripciones.push_back(arbol);
    if (!pintado) ++m.sinPintar;
    m.sondeos += sondeos;
}

using Trabajo = instalar::win32::Manejador<HANDLE, instalar::win32::CerrarManejador>;

// Every program started belongs to this job: should this program die,
// closing the job ends them too.  Null if the system has no jobs to give.
Trabajo TrabajoQueLosTermina() {
    Trabajo trabajo(CreateJobObjectW(nullptr, nullptr));
    if (trabajo) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limites{};
        limites.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(trabajo.get(), JobObjectExtendedLimitInformation, &limites, sizeof limites);
    }
    return trabajo;
}

// One round to warm the file cache and Wine, not counted; then the counted
// rounds, each starting with the next program in turn.
void CorrerRondas(std::vector<Medido>& medidos, int rondas, const std::wstring& carpetaTrabajo) {
    const Trabajo trabajo = TrabajoQueLosTermina();
    for (int ronda = 0; ronda <= rondas; ++ronda) {
        for (size_t k = 0; k < medidos.size(); ++k) {
            Medido& m = medidos[(k + static_cast<size_t>(ronda)) % medidos.size()];
            Medir(m, carpetaTrabajo, trabajo.get(), ronda > 0);
            Sleep(100);  // let the ended process's clean-up settle
        }
        std::fprintf(stderr, "medir: round %d of %d done\n", ronda, rondas);
    }
}

// ------------------------------------------------------- what is measured

struct Opciones {
    int rondas = 9;
    std::wstring carpetaMenus;  // empty: a temporary folder of its own
};

std::optional<Opciones> LeerOpciones(int argc, wchar_t** argv) {
    Opciones opciones;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--rondas" && i + 1 < argc) opciones.rondas = std::max(1, _wtoi(argv[++i]));
        else if (arg == L"--carpeta" && i + 1 < argc) opciones.carpetaMenus = argv[++i];
        else return std::nullopt;
    }
    return opciones;
}

// The folder the menus are written to: the one asked for, or one of its own
// that is removed again at the end, with everything in it.
class CarpetaDeMenus {
public:
    explicit CarpetaDeMenus(const std::wstring& elegida) {
        if (elegida.empty()) {
            propia_.emplace("instalar-medir-", CarpetaDeTemporales(), BorrarCarpeta);
            ruta_ = propia_->Ruta().wstring();
        } else {
            ruta_ = elegida;
            CrearCarpetas(ruta_);
        }
    }

    const std::wstring& Ruta() const { return ruta_; }

private:
    std::optional<CarpetaTemporal> propia_;
    std::wstring ruta_;
};

Medido NuevoMedido(const std::wstring& nombre, const std::wstring& programa, const std::wstring& carpeta) {
    Medido m;
    m.nombre = nombre;
    m.programa = programa;
    m.carpeta = carpeta;
    return m;
}

// A medium of its own: a copy of instalar.exe beside its instalar.inf.
Medido MenuMedido(int opciones, bool utf8, const std::wstring& carpetaMenus, const std::wstring& instalar,
                  bool maquina = false) {
    const std::wstring nombre =
        L"menu" + std::to_wstring(opciones) + (utf8 ? L"_utf8" : L"") + (maquina ? L"_maquina" : L"");
    const std::wstring carpeta = Unir(carpetaMenus, nombre);
    Medido m = NuevoMedido(nombre, Unir(carpeta, L"instalar.exe"), carpeta);
    m.opciones = opciones;
    m.utf8 = utf8;
    m.seleccion = (opciones == 3 || opciones == 32767) && !utf8;
    m.arbol = opciones == 5000 && utf8;
    m.maquina = maquina;
    CopiarArchivo(instalar, m.programa);
    EscribirArchivo(Unir(carpeta, L"instalar.inf"), MenuDe(opciones, utf8, maquina));
    return m;
}

// The two baselines first, then the menus from the smallest; the largest
// also in UTF-8, whose reading looks through the whole file once more.
std::vector<Medido> ProgramasAMedir(const std::wstring& carpetaMenus) {
    const std::wstring aqui = CarpetaDelPrograma();
    const std::wstring instalar = Unir(aqui, L"instalar.exe");
    std::vector<Medido> medidos;
    medidos.push_back(NuevoMedido(L"ventana_base", Unir(aqui, L"ventana_base.exe"), carpetaMenus));
    medidos.push_back(NuevoMedido(L"ventana_botones", Unir(aqui, L"ventana_botones.exe"), carpetaMenus));
    for (int opciones : {3, 1000, 10000}) medidos.push_back(MenuMedido(opciones, false, carpetaMenus, instalar));
    // The same ten items without and with directives on the machine.
    medidos.push_back(MenuMedido(10, false, carpetaMenus, instalar));
    medidos.push_back(MenuMedido(10, false, carpetaMenus, instalar, true));
    medidos.push_back(MenuMedido(5000, true, carpetaMenus, instalar));
    medidos.push_back(MenuMedido(32767, true, carpetaMenus, instalar));
    medidos.push_back(MenuMedido(32767, false, carpetaMenus, instalar));
    return medidos;
}

// ------------------------------------------------------------ the table

struct Fila {
    std::string que, medido, objetivo, resultado;
};

std::string Cumple(double valor, double limite) { return valor <= limite ? "met" : "**missed**"; }

std::string Ms(const std::vector<double>& v) {
    return Formato("%.1f ms", Mediana(v)) + " (" + Formato("%.1f", Minimo(v)) + "–" + Formato("%.1f", Maximo(v)) + ")";
}

std::string MiB(const std::vector<double>& v) { return Formato("%.1f MiB", Mediana(v) / (1024.0 * 1024.0)); }

// The programs in the order ProgramasAMedir lists them.
struct Comparados {
    const Medido& base;
    const Medido& botones;
    const Medido& menu3;
    const Medido& mayor;
};

void FilasDeArranque(const std::vector<Medido>& medidos, const Comparados& m, std::vector<Fila>& filas) {
    const double base3 = Mediana(m.menu3.listo);
    filas.push_back({"Start to ready, baseline window", Ms(m.base.listo), "", ""});
    filas.push_back({"Start to ready, menu of 3", Ms(m.menu3.listo), "", ""});
    const double r3 = base3 / Mediana(m.base.listo);
    filas.push_back({"menu of 3 / baseline", Formato("%.2f", r3), "≤ 1.10", Cumple(r3, 1.10)});
    filas.push_back({"Start to ready, window with two common-controls-6 push buttons", Ms(m.botones.listo), "", ""});
    filas.push_back({"menu of 3 / window with push buttons", Formato("%.2f", base3 / Mediana(m.botones.listo)), "", ""});
    for (size_t i = 3; i < medidos.size(); ++i) {
        const Medido& menu = medidos[i];
        const std::string cual = "menu of " + Miles(menu.opciones) + (menu.utf8 ? " in UTF-8" : "") +
                                 (menu.maquina ? " with 10 conditions and 5 probes" : "");
        filas.push_back({"Start to ready, " + cual, Ms(menu.listo), "", ""});
        // Against the same menu without the directives, measured just before.
        if (menu.maquina) {
            const double rm = Mediana(menu.listo) / Mediana(medidos[i - 1].listo);
            filas.push_back({cual + " / without them", Formato("%.3f", rm), "≤ 1.05", Cumple(rm, 1.05)});
        }
        const double r = Mediana(menu.listo) / base3;
        const bool objetivo = menu.opciones == 32767 && !menu.utf8;
        filas.push_back({cual + " / menu of 3", Formato("%.2f", r), objetivo ? "≤ 3" : "", objetivo ? Cumple(r, 3) : ""});
    }
}

void FilasDeSeleccion(const Comparados& m, std::vector<Fila>& filas) {
    filas.push_back({"Ctrl+Down, menu of 3 (until the new description is on screen)", Ms(m.menu3.ctrlAbajo), "", ""});
    filas.push_back({"Ctrl+Down, menu of 32,767", Ms(m.mayor.ctrlAbajo), "", ""});
    const double rs = Mediana(m.mayor.ctrlAbajo) / Mediana(m.menu3.listo);
    filas.push_back({"Ctrl+Down in 32,767 / start of menu of 3", Formato("%.2f", rs), "≤ 0.25", Cumple(rs, 0.25)});
}

void FilasDeMemoria(const Comparados& m, std::vector<Fila>& filas) {
    filas.push_back({"Peak working set, baseline window", MiB(m.base.memoria), "", ""});
    filas.push_back({"Peak working set, menu of 3", MiB(m.menu3.memoria), "", ""});
    const double rm = Mediana(m.menu3.memoria) / Mediana(m.base.memoria);
    filas.push_back({"menu of 3 / baseline", Formato("%.2f", rm), "≤ 1.2", Cumple(rm, 1.2)});
    filas.push_back({"Peak working set, window with push buttons", MiB(m.botones.memoria), "", ""});
    filas.push_back({"menu of 3 / window with push buttons",
                     Formato("%.2f", Mediana(m.menu3.memoria) / Mediana(m.botones.memoria)), "", ""});
    filas.push_back({"Peak working set, menu of 32,767", MiB(m.mayor.memoria), "", ""});
}

// A screen reader walking the tree of a large UTF-8 menu: all descriptions
// come from one reading of the file, so the walk costs about what one
// start (which reads the file once) does, not a reading per item.
void FilasDeArbol(const std::vector<Medido>& medidos, std::vector<Fila>& filas) {
    for (const Medido& m : medidos) {
        if (!m.arbol) continue;
        const std::string cual = "menu of " + Miles(m.opciones) + " in UTF-8";
        filas.push_back({"Every description through the accessible tree, " + cual, Ms(m.descripciones), "", ""});
        filas.push_back({"that walk / start to ready of the same menu",
                         Formato("%.2f", Mediana(m.descripciones) / Mediana(m.listo)), "about 1", ""});
    }
}

void ImprimirTabla(const std::vector<Medido>& medidos) {
    const Comparados m{medidos[0], medidos[1], medidos[2], medidos.back()};
    std::vector<Fila> filas;
    FilasDeArranque(medidos, m, filas);
    FilasDeSeleccion(m, filas);
    FilasDeMemoria(m, filas);
    FilasDeArbol(medidos, filas);
    std::printf("| Figure | Measured | Target | |\n|---|---|---|---|\n");
    for (const Fila& f : filas)
        std::printf("| %s | %s | %s | %s |\n", f.que.c_str(), f.medido.c_str(), f.objetivo.c_str(), f.resultado.c_str());
}

void ImprimirMuestras(const std::vector<Medido>& medidos, int rondas) {
    std::printf("\nTimes are medians of %d runs (min–max in brackets), %d dpi.\n", rondas, PuntosPorPulgada());
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
}

int Principal(int argc, wchar_t** argv) {
    const std::optional<Opciones> opciones = LeerOpciones(argc, argv);
    if (!opciones) {
        std::fprintf(stderr, "usage: medir [--rondas N] [--carpeta CARPETA]\n");
        return 2;
    }
    std::vector<Medido> medidos;
    {
        const CarpetaDeMenus carpeta(opciones->carpetaMenus);
        medidos = ProgramasAMedir(carpeta.Ruta());
        CorrerRondas(medidos, opciones->rondas, carpeta.Ruta());
    }
    ImprimirTabla(medidos);
    ImprimirMuestras(medidos, opciones->rondas);
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
