#include "platform/win32/VentanaWin32.h"

#include <windowsx.h>

#include <cmath>

#include "platform/win32/ErroresWin32.h"
#include "platform/win32/Huellas.h"
#include "platform/win32/Pintor.h"
#include "platform/win32/TextoWin32.h"
#include "resources/recursos.h"

namespace instalar::win32 {

namespace {

constexpr wchar_t kClaseVentana[] = L"instalar.frmMenu";

HICON CargarIcono(HINSTANCE instancia, int id, int lado) {
    return static_cast<HICON>(::LoadImageW(instancia, MAKEINTRESOURCEW(id), IMAGE_ICON, lado, lado, 0));
}

Fuente FuenteDeMensajes() {
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof(metricas);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metricas), &metricas, 0);
    return Fuente(::CreateFontIndirectW(&metricas.lfMessageFont));
}

int EstadoMayusculas() {
    int estado = 0;
    if (::GetKeyState(VK_SHIFT) < 0) estado |= kShift;
    if (::GetKeyState(VK_CONTROL) < 0) estado |= kCtrl;
    if (::GetKeyState(VK_MENU) < 0) estado |= kAlt;
    return estado;
}

}  // namespace

VentanaWin32::VentanaWin32(HINSTANCE instancia)
    : instancia_(instancia),
      fuentes_(DpiDePantalla()),
      plataforma_(fuentes_),
      modelo_(plataforma_),
      flecha_(CargarIcono(instancia, IDI_FLECHA, 16)),
      icono_(CargarIcono(instancia, IDI_INSTALAR, 32)),
      iconoPequeno_(CargarIcono(instancia, IDI_INSTALAR, 16)),
      mano_(::LoadCursorW(instancia, MAKEINTRESOURCEW(IDC_MANO))),
      fuenteBotones_(FuenteDeMensajes()) {}

VentanaWin32::~VentanaWin32() {
    if (ventana_) ::DestroyWindow(ventana_);
}

Resultado<std::unique_ptr<VentanaWin32>> VentanaWin32::Crear(HINSTANCE instancia) {
    std::unique_ptr<VentanaWin32> ventana(new VentanaWin32(instancia));
    if (Fallo fallo = ventana->CrearVentana()) return *fallo;
    return ventana;
}

Fallo VentanaWin32::CrearVentana() {
    WNDCLASSEXW clase{};
    clase.cbSize = sizeof(clase);
    clase.lpfnWndProc = &VentanaWin32::ProcedimientoVentana;
    clase.hInstance = instancia_;
    clase.hIcon = icono_.get();
    clase.hIconSm = iconoPequeno_.get();
    clase.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    clase.lpszClassName = kClaseVentana;
    if (!::RegisterClassExW(&clase) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return UltimoError();

    const int ancho = Pixeles(kAnchoVentana, plataforma_.TwipsPorPixelX());
    const int alto = Pixeles(kAltoVentana, plataforma_.TwipsPorPixelY());
    const int izquierda = (::GetSystemMetrics(SM_CXSCREEN) - ancho) / 2;
    const int arriba = (::GetSystemMetrics(SM_CYSCREEN) - alto) / 2;
    const Controles& diseno = modelo_.Vista();
    HWND creada = ::CreateWindowExW(WS_EX_APPWINDOW, kClaseVentana, W(diseno.titulo),
                                    WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, izquierda, arriba,
                                    ancho, alto, nullptr, nullptr, instancia_, this);
    if (!creada) return UltimoError();
    CrearBotones();
    return std::nullopt;
}

void VentanaWin32::CrearBotones() {
    auto crear = [this](const Boton& boton, int id) {
        const RECT caja = APixeles(boton.caja, plataforma_.TwipsPorPixelX(), plataforma_.TwipsPorPixelY());
        HWND hijo = ::CreateWindowExW(0, L"BUTTON", W(boton.texto), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                      caja.left, caja.top, caja.right - caja.left, caja.bottom - caja.top, ventana_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instancia_, nullptr);
        ::SendMessageW(hijo, WM_SETFONT, reinterpret_cast<WPARAM>(fuenteBotones_.get()), FALSE);
        return hijo;
    };
    btnInstalar_ = crear(modelo_.Vista().btnInstalar, kIdInstalar);
    btnCancelar_ = crear(modelo_.Vista().btnCancelar, kIdCancelar);
}

void VentanaWin32::Cargar() {
    modelo_.Form_Load();
    const Controles& c = modelo_.Vista();
    ::SetWindowTextW(ventana_, W(c.titulo));
    ::EnableWindow(btnInstalar_, c.btnInstalar.habilitado ? TRUE : FALSE);
    const SIZE tamano = TamanoCliente();
    modelo_.Form_Resize(tamano.cx * plataforma_.TwipsPorPixelX(), tamano.cy * plataforma_.TwipsPorPixelY());
    Invalidar(nullptr);
    huellas_ = Huellas();
}

void VentanaWin32::Mostrar() {
    if (!ventana_) return;
    ::ShowWindow(ventana_, SW_SHOW);
    ::SetForegroundWindow(ventana_);
    ultimoFoco_ = ::IsWindowEnabled(btnInstalar_) ? btnInstalar_ : btnCancelar_;
    ::SetFocus(ultimoFoco_);
    ::UpdateWindow(ventana_);
}

bool VentanaWin32::PrevisualizarTecla(const MSG& mensaje) {
    if (!ventana_ || (mensaje.hwnd != ventana_ && ::GetParent(mensaje.hwnd) != ventana_)) return false;
    switch (mensaje.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (mensaje.wParam == VK_F4 && mensaje.message == WM_SYSKEYDOWN) {
            modelo_.btnCancelar_Click();
            TrasEvento();
            return true;
        }
        modelo_.Form_KeyDown(static_cast<int>(mensaje.wParam), EstadoMayusculas());
        TrasEvento();
        if (mensaje.wParam == VK_TAB) {
            MoverFoco();
            return true;
        }
        return false;
    case WM_CHAR:
        modelo_.Form_KeyPress(static_cast<int>(mensaje.wParam));
        TrasEvento();
        // Enter has been handled as the install command: a push button must
        // not act on it a second time.
        return !ventana_ || mensaje.wParam == kCaracterIntro;
    default:
        return false;
    }
}

void VentanaWin32::MoverFoco() {
    HWND actual = ::GetFocus();
    HWND siguiente = (actual == btnInstalar_) ? btnCancelar_ : btnInstalar_;
    if (!::IsWindowEnabled(siguiente)) siguiente = btnCancelar_;
    ultimoFoco_ = siguiente;
    ::SetFocus(siguiente);
}

LRESULT CALLBACK VentanaWin32::ProcedimientoVentana(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) noexcept {
    if (mensaje == WM_NCCREATE) {
        auto* creacion = reinterpret_cast<CREATESTRUCTW*>(l);
        auto* propia = static_cast<VentanaWin32*>(creacion->lpCreateParams);
        propia->ventana_ = ventana;
        propia->plataforma_.FijarVentana(ventana);
        ::SetWindowLongPtrW(ventana, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(propia));
    }
    auto* propia = reinterpret_cast<VentanaWin32*>(::GetWindowLongPtrW(ventana, GWLP_USERDATA));
    if (!propia) return ::DefWindowProcW(ventana, mensaje, w, l);
    if (mensaje == WM_NCDESTROY) {
        ::SetWindowLongPtrW(ventana, GWLP_USERDATA, 0);
        propia->ventana_ = nullptr;
        propia->plataforma_.FijarVentana(nullptr);
        return ::DefWindowProcW(ventana, mensaje, w, l);
    }
    try {
        return propia->ManejarMensaje(mensaje, w, l);
    } catch (...) {
        // Nothing may unwind through Windows; the event is simply lost.
        return 0;
    }
}

LRESULT VentanaWin32::ManejarMensaje(UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
    case WM_PAINT: AlPintar(); return 0;
    case WM_PRINTCLIENT: CopiarLienzo(reinterpret_cast<HDC>(w)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
        modelo_.Form_Resize(LOWORD(l) * plataforma_.TwipsPorPixelX(), HIWORD(l) * plataforma_.TwipsPorPixelY());
        Invalidar(nullptr);
        huellas_ = Huellas();
        return 0;
    case WM_LBUTTONDOWN: AlPresionarRaton(l, true); return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: AlPresionarRaton(l, false); return 0;
    case WM_MOUSEMOVE: AlMoverRaton(l); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: AlSoltarRaton(l); return 0;
    case WM_CAPTURECHANGED: modelo_.Form_MouseUp(); return 0;
    case WM_SETCURSOR:
        if (AlFijarCursor()) return TRUE;
        break;
    case WM_COMMAND: AlComando(w); return 0;
    case WM_ACTIVATE: AlActivar(w); return 0;
    case WM_CLOSE:
        modelo_.btnCancelar_Click();
        TrasEvento();
        return 0;
    case WM_DESTROY:
        modelo_.Form_Unload();
        ::PostQuitMessage(0);
        return 0;
    default: break;
    }
    return ::DefWindowProcW(ventana_, mensaje, w, l);
}

SIZE VentanaWin32::TamanoCliente() const {
    RECT cliente{};
    ::GetClientRect(ventana_, &cliente);
    return SIZE{cliente.right, cliente.bottom};
}

void VentanaWin32::Pintar(HDC dc) {
    RecursosPintura recursos;
    recursos.logo = plataforma_.Fondo();
    recursos.flecha = flecha_.get();
    recursos.icono = icono_.get();
    recursos.twipsPorPixelX = plataforma_.TwipsPorPixelX();
    recursos.twipsPorPixelY = plataforma_.TwipsPorPixelY();
    PintarContenido(dc, TamanoCliente(), modelo_.Vista(), recursos, fuentes_);
}

void VentanaWin32::AlPintar() {
    Pintura pintura(ventana_);
    CopiarLienzo(pintura.dc());
}

// The window is painted into a kept bitmap and copied in one go, so nothing
// flickers and a repeated paint (also the buttons asking for their
// background) costs a copy.
void VentanaWin32::CopiarLienzo(HDC destino) {
    ActualizarLienzo(destino);
    DCMemoria memoria(::CreateCompatibleDC(destino));
    Seleccion seleccion(memoria.get(), lienzo_.get());
    ::BitBlt(destino, 0, 0, tamanoLienzo_.cx, tamanoLienzo_.cy, memoria.get(), 0, 0, SRCCOPY);
}

// The window's picture is kept in a bitmap; only its out-of-date parts are
// painted again, and WM_PAINT and WM_PRINTCLIENT copy from it.
void VentanaWin32::Invalidar(const RECT* caja) {
    if (!ventana_) return;
    ::InvalidateRect(ventana_, caja, FALSE);
    const SIZE tamano = TamanoCliente();
    const RECT todo{0, 0, tamano.cx, tamano.cy};
    Region nueva(::CreateRectRgnIndirect(caja ? caja : &todo));
    if (!pendiente_) pendiente_ = std::move(nueva);
    else ::CombineRgn(pendiente_.get(), pendiente_.get(), nueva.get(), RGN_OR);
}

void VentanaWin32::ActualizarLienzo(HDC referencia) {
    const SIZE tamano = TamanoCliente();
    if (!lienzo_ || tamano.cx != tamanoLienzo_.cx || tamano.cy != tamanoLienzo_.cy) {
        lienzo_ = MapaBits(::CreateCompatibleBitmap(referencia, tamano.cx, tamano.cy));
        tamanoLienzo_ = tamano;
        pendiente_.Restablecer(::CreateRectRgn(0, 0, tamano.cx, tamano.cy));
    }
    if (!pendiente_) return;
    DCMemoria memoria(::CreateCompatibleDC(referencia));
    Seleccion seleccion(memoria.get(), lienzo_.get());
    ::SelectClipRgn(memoria.get(), pendiente_.get());
    Pintar(memoria.get());
    ::SelectClipRgn(memoria.get(), nullptr);
    pendiente_.Restablecer();
}

std::vector<Huella> VentanaWin32::Huellas() {
    return HuellasDe(modelo_.Vista(), plataforma_.TwipsPorPixelX(), plataforma_.TwipsPorPixelY());
}

void VentanaWin32::InvalidarCambios() {
    std::vector<Huella> nuevas = Huellas();
    if (nuevas.size() != huellas_.size()) {
        Invalidar(nullptr);
    } else {
        for (size_t i = 0; i < nuevas.size(); ++i) {
            if (nuevas[i] == huellas_[i]) continue;
            Invalidar(&huellas_[i].caja);
            Invalidar(&nuevas[i].caja);
        }
    }
    huellas_ = std::move(nuevas);
}

Punto VentanaWin32::ATwips(LPARAM l) {
    return {GET_X_LPARAM(l) * plataforma_.TwipsPorPixelX(), GET_Y_LPARAM(l) * plataforma_.TwipsPorPixelY()};
}

void VentanaWin32::AlPresionarRaton(LPARAM l, bool botonIzquierdo) {
    const Punto punto = ATwips(l);
    const Impacto impacto = modelo_.ControlEn(punto.x, punto.y);
    switch (impacto.tipo) {
    case Impacto::Tipo::Fondo:
        ::SetCapture(ventana_);
        modelo_.Form_MouseDown(punto.x, punto.y);
        break;
    case Impacto::Tipo::Opcion:
        if (botonIzquierdo) {
            opcionPresionada_ = impacto.indice;
            ::SetCapture(ventana_);
        }
        break;
    case Impacto::Tipo::OtroControl: break;
    }
}

void VentanaWin32::AlMoverRaton(LPARAM l) {
    const Punto punto = ATwips(l);
    modelo_.Form_MouseMove(punto.x, punto.y);
}

// A label is clicked when the button goes up over the label it went down on.
void VentanaWin32::AlSoltarRaton(LPARAM l) {
    const int presionada = opcionPresionada_;
    opcionPresionada_ = -1;
    modelo_.Form_MouseUp();
    if (::GetCapture() == ventana_) ::ReleaseCapture();
    if (presionada < 0) return;
    const Punto punto = ATwips(l);
    const Impacto impacto = modelo_.ControlEn(punto.x, punto.y);
    if (impacto.tipo == Impacto::Tipo::Opcion && impacto.indice == presionada) {
        modelo_.etqInstalar_Click(impacto.indice);
        TrasEvento();
    }
}

bool VentanaWin32::AlFijarCursor() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(ventana_, &cursor);
    const Impacto impacto = modelo_.ControlEn(cursor.x * plataforma_.TwipsPorPixelX(),
                                              cursor.y * plataforma_.TwipsPorPixelY());
    if (impacto.tipo != Impacto::Tipo::Opcion || !mano_) return false;
    ::SetCursor(mano_);
    return true;
}

void VentanaWin32::AlComando(WPARAM w) {
    if (HIWORD(w) != BN_CLICKED) return;
    if (LOWORD(w) == kIdInstalar) modelo_.btnInstalar_Click();
    if (LOWORD(w) == kIdCancelar) modelo_.btnCancelar_Click();
    TrasEvento();
}

// Keeps the focus on a push button across activations.
void VentanaWin32::AlActivar(WPARAM w) {
    if (LOWORD(w) == WA_INACTIVE) {
        HWND foco = ::GetFocus();
        if (foco == btnInstalar_ || foco == btnCancelar_) ultimoFoco_ = foco;
        return;
    }
    if (ultimoFoco_ && ::IsWindowEnabled(ultimoFoco_)) ::SetFocus(ultimoFoco_);
}

// After each event: an unloaded window goes away, any other is repainted.
void VentanaWin32::TrasEvento() {
    if (modelo_.Descargada() && ventana_) {
        ::DestroyWindow(ventana_);
        return;
    }
    if (ventana_) InvalidarCambios();
}

}  // namespace instalar::win32
