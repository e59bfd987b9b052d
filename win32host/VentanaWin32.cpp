#include "win32host/VentanaWin32.h"

#include <windowsx.h>

#include "resources/recursos.h"
#include "win32host/ErroresWin32.h"
#include "win32host/Pintor.h"
#include "win32host/Protegido.h"
#include "win32host/TeclasWin32.h"
#include "win32host/TextoWin32.h"

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

}  // namespace

VentanaWin32::VentanaWin32(HINSTANCE instancia)
    : instancia_(instancia),
      escala_(DpiDePantalla()),
      fuentes_(DpiDePantalla()),
      medida_(escala_, fuentes_),
      anfitrion_(escala_, archivos_),
      modelo_(SistemaVentana{archivos_, medida_, anfitrion_, procesos_}),
      lienzo_([this](HDC dc) { Pintar(dc); }),
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

    const int ancho = escala_.Pixeles(kAnchoVentana);
    const int alto = escala_.Pixeles(kAltoVentana);
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
        const RECT caja = escala_.APixeles(boton.caja);
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
    const SIZE tamano = TamanoCliente(ventana_);
    const Punto interior = escala_.ATwips(tamano.cx, tamano.cy);
    modelo_.Form_Resize(interior.x, interior.y);
    lienzo_.Rehacer(ventana_, Huellas());
}

void VentanaWin32::Mostrar() {
    if (!ventana_) return;
    ::ShowWindow(ventana_, SW_SHOW);
    ::SetForegroundWindow(ventana_);
    ultimoFoco_ = ::IsWindowEnabled(btnInstalar_) ? btnInstalar_ : btnCancelar_;
    ::SetFocus(ultimoFoco_);
    ::UpdateWindow(ventana_);
}

bool VentanaWin32::PrevisualizarTecla(const MSG& mensaje) noexcept {
    if (!ventana_ || (mensaje.hwnd != ventana_ && ::GetParent(mensaje.hwnd) != ventana_)) return false;
    // A key whose handling failed is dropped, not passed on.
    return Protegido([&] { return ManejarTecla(mensaje); }, true);
}

bool VentanaWin32::ManejarTecla(const MSG& mensaje) {
    switch (mensaje.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (mensaje.wParam == VK_F4 && mensaje.message == WM_SYSKEYDOWN) {
            modelo_.btnCancelar_Click();
            TrasEvento();
            return true;
        }
        modelo_.Form_KeyDown(TeclaDe(mensaje.wParam), EstadoMayusculas());
        TrasEvento();
        if (mensaje.wParam == VK_TAB) {
            MoverFoco();
            return true;
        }
        return false;
    case WM_CHAR:
        modelo_.Form_KeyPress(static_cast<char16_t>(mensaje.wParam));
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
        propia->anfitrion_.FijarVentana(ventana);
        propia->procesos_.FijarVentana(ventana);
        ::SetWindowLongPtrW(ventana, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(propia));
    }
    auto* propia = reinterpret_cast<VentanaWin32*>(::GetWindowLongPtrW(ventana, GWLP_USERDATA));
    if (!propia) return ::DefWindowProcW(ventana, mensaje, w, l);
    if (mensaje == WM_NCDESTROY) {
        ::SetWindowLongPtrW(ventana, GWLP_USERDATA, 0);
        propia->ventana_ = nullptr;
        propia->anfitrion_.FijarVentana(nullptr);
        propia->procesos_.FijarVentana(nullptr);
        return ::DefWindowProcW(ventana, mensaje, w, l);
    }
    return Protegido([&] { return propia->ManejarMensaje(mensaje, w, l); }, LRESULT{0});
}

LRESULT VentanaWin32::ManejarMensaje(UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
    case WM_PAINT: AlPintar(); return 0;
    case WM_PRINTCLIENT: lienzo_.Copiar(ventana_, reinterpret_cast<HDC>(w)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: AlCambiarTamano(l); return 0;
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

void VentanaWin32::Pintar(HDC dc) {
    RecursosPintura recursos;
    recursos.logo = anfitrion_.Fondo();
    recursos.flecha = flecha_.get();
    recursos.icono = icono_.get();
    PintarContenido(dc, TamanoCliente(ventana_), modelo_.Vista(), recursos, escala_, fuentes_);
}

void VentanaWin32::AlPintar() {
    Pintura pintura(ventana_);
    lienzo_.Copiar(ventana_, pintura.dc());
}

void VentanaWin32::AlCambiarTamano(LPARAM l) {
    const Punto interior = escala_.ATwips(LOWORD(l), HIWORD(l));
    modelo_.Form_Resize(interior.x, interior.y);
    lienzo_.Rehacer(ventana_, Huellas());
}

std::vector<Huella> VentanaWin32::Huellas() const { return HuellasDe(modelo_.Vista(), escala_); }

Punto VentanaWin32::ATwips(LPARAM l) const { return escala_.ATwips(GET_X_LPARAM(l), GET_Y_LPARAM(l)); }

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
    const Punto punto = escala_.ATwips(cursor.x, cursor.y);
    const Impacto impacto = modelo_.ControlEn(punto.x, punto.y);
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
    if (ventana_) lienzo_.InvalidarCambios(ventana_, Huellas());
}

}  // namespace instalar::win32
