#include "Ventanas.h"

#include <algorithm>
#include <cwchar>

#include "Texto.h"

namespace herramientas {

namespace {

BOOL CALLBACK AnotarVentana(HWND ventana, LPARAM lista) {
    reinterpret_cast<std::vector<HWND>*>(lista)->push_back(ventana);
    return TRUE;
}

bool EsDeTitulo(HWND ventana, const wchar_t* titulo) { return !titulo || TituloDe(ventana) == titulo; }

}  // namespace

std::vector<HWND> VentanasDeNivelSuperior() {
    std::vector<HWND> ventanas;
    EnumWindows(AnotarVentana, reinterpret_cast<LPARAM>(&ventanas));
    return ventanas;
}

std::vector<HWND> VentanasVisiblesDe(DWORD proceso) {
    std::vector<HWND> ventanas;
    for (HWND ventana : VentanasDeNivelSuperior())
        if (ProcesoDe(ventana) == proceso && IsWindowVisible(ventana)) ventanas.push_back(ventana);
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

std::wstring ClaseDe(HWND ventana) {
    wchar_t clase[256] = L"";
    GetClassNameW(ventana, clase, 256);
    return clase;
}

bool EsClase(HWND ventana, const wchar_t* clase) {
    return _wcsicmp(ClaseDe(ventana).c_str(), clase) == 0;
}

std::wstring TextoDe(HWND ventana) {
    DWORD_PTR largo = 0;
    if (!SendMessageTimeoutW(ventana, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &largo)) return L"";
    std::wstring texto(largo + 1, L'\0');
    DWORD_PTR copiados = 0;
    SendMessageTimeoutW(ventana, WM_GETTEXT, texto.size(), reinterpret_cast<LPARAM>(texto.data()),
                        SMTO_ABORTIFHUNG, 2000, &copiados);
    texto.resize(std::min<std::size_t>(copiados, largo));
    return texto;
}

std::wstring TituloDe(HWND ventana) {
    // Not GetWindowTextLengthW: that one sends a message.  A caption that
    // fills the buffer may be cut short: read it again into a larger one.
    for (std::wstring titulo(256, L'\0');; titulo.resize(titulo.size() * 2)) {
        const int n = GetWindowTextW(ventana, titulo.data(), static_cast<int>(titulo.size()));
        if (n < static_cast<int>(titulo.size()) - 1) {
            titulo.resize(static_cast<std::size_t>(std::max(n, 0)));
            return titulo;
        }
    }
}

HWND BuscarVentana(DWORD proceso, const wchar_t* clase, const wchar_t* titulo) {
    for (HWND ventana : VentanasVisiblesDe(proceso))
        if ((!clase || EsClase(ventana, clase)) && EsDeTitulo(ventana, titulo)) return ventana;
    return nullptr;
}

HWND BuscarVentanaPrincipal(DWORD proceso, const wchar_t* titulo) {
    for (HWND ventana : VentanasVisiblesDe(proceso))
        if (!EsClase(ventana, L"#32770") && EsDeTitulo(ventana, titulo)) return ventana;
    return nullptr;
}

std::string DescribirVentanas(DWORD proceso) {
    std::string texto;
    for (HWND ventana : VentanasDeNivelSuperior())
        if (ProcesoDe(ventana) == proceso)
            texto += Utf8(ClaseDe(ventana)) + " '" + Utf8(TextoDe(ventana)) + "'" +
                     (IsWindowVisible(ventana) ? "" : " (hidden)") + "; ";
    return texto.empty() ? "none" : texto;
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

POINT CentroDe(HWND ventana) {
    RECT rect{};
    GetWindowRect(ventana, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND FocoDe(HWND ventana) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(ventana, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

}  // namespace herramientas
