#include "Entrada.h"

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "Errores.h"
#include "Espera.h"

namespace herramientas {

namespace {

void Enviar(std::vector<INPUT> entradas) {
    const UINT cuantas = static_cast<UINT>(entradas.size());
    if (SendInput(cuantas, entradas.data(), sizeof(INPUT)) != cuantas) Fallar("SendInput");
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
    Enviar({entrada});
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

INPUT Tecla(WORD tecla, bool soltar) {
    INPUT entrada{};
    entrada.type = INPUT_KEYBOARD;
    entrada.ki.wVk = tecla;
    entrada.ki.wScan = static_cast<WORD>(MapVirtualKeyW(tecla, MAPVK_VK_TO_VSC));
    entrada.ki.dwFlags = (soltar ? KEYEVENTF_KEYUP : 0) | (EsTeclaExtendida(tecla) ? KEYEVENTF_EXTENDEDKEY : 0);
    return entrada;
}

}  // namespace

bool RatonEn(POINT pantalla) {
    POINT actual{};
    return GetCursorPos(&actual) && actual.x == pantalla.x && actual.y == pantalla.y;
}

void MoverRaton(POINT pantalla) {
    EventoRaton(pantalla, 0);
    if (!Esperar([&] { return RatonEn(pantalla); }, 3000))
        Fallar("the pointer did not reach " + std::to_string(pantalla.x) + "," + std::to_string(pantalla.y));
}

// Under Wine, every move of the pointer that this process sends reaches the
// window under it twice: as the input sent, and again from the X server,
// which reports the pointer's new place to the window's process whenever
// that process next reads its X events.  Coming late, such a report of where
// the pointer was moves it back there, and a drag begun meanwhile follows it.
// So before a button goes down, every report so far is handed over: the
// pointer is left still for longer than Wine trusts its own record of it
// (100 ms), so that reading it asks the X server, after every move sent
// before; then the window's thread answers a message, reading its X events
// on the way.  On Windows this costs a moment and changes nothing.
void AsentarRaton(POINT pantalla) {
    const DWORD quieto = GetTickCount();
    while (GetTickCount() - quieto < 150) {
        if (!RatonEn(pantalla)) Fallar("the pointer left " + std::to_string(pantalla.x) + "," + std::to_string(pantalla.y));
        Sleep(10);
    }
    HWND debajo = WindowFromPoint(pantalla);
    if (debajo == nullptr) return;
    DWORD_PTR respuesta = 0;
    if (!SendMessageTimeoutW(GetAncestor(debajo, GA_ROOT), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &respuesta))
        Fallar("the window under the pointer did not answer");
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
    AsentarRaton(desde);
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
                PulsarTecla(VK_MENU);
                SetForegroundWindow(ventana);
            }
            return GetForegroundWindow() == ventana;
        },
        milisegundos);
}

void PulsarTecla(WORD tecla, std::initializer_list<WORD> modificadores) {
    std::vector<INPUT> entradas;
    for (WORD m : modificadores) entradas.push_back(Tecla(m, false));
    entradas.push_back(Tecla(tecla, false));
    entradas.push_back(Tecla(tecla, true));
    for (auto m = std::rbegin(modificadores); m != std::rend(modificadores); ++m) entradas.push_back(Tecla(*m, true));
    Enviar(std::move(entradas));
}

}  // namespace herramientas
