#include "win32host/VentanaWin32.h"

#include <windowsx.h>

#include <optional>
#include <vector>

#include "resources/recursos.h"
#include "win32host/ErroresWin32.h"
#include "win32host/Pintor.h"
#include "win32host/Protegido.h"
#include "win32host/TeclasWin32.h"
#include "win32host/TextoWin32.h"
#include "window/LugarTrasCambioDeDpi.h"
#include "window/Resolucion.h"

namespace instalar::win32 {

namespace {

constexpr wchar_t kClaseVentana[] = L"instalar.frmMenu";

CajaPixeles Caja(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AnotarMonitor(HMONITOR, HDC, LPRECT caja, LPARAM monitores) {
    reinterpret_cast<std::vector<CajaPixeles>*>(monitores)->push_back(Caja(*caja));
    return TRUE;
}

// Every monitor of the desktop, in screen pixels.
std::vector<CajaPixeles> Monitores() {
    std::vector<CajaPixeles> monitores;
    ::EnumDisplayMonitors(nullptr, nullptr, &AnotarMonitor, reinterpret_cast<LPARAM>(&monitores));
    return monitores;
}

HICON CargarIcono(HINSTANCE instancia, int id, int lado) {
    return static_cast<HICON>(::LoadImageW(instancia, MAKEINTRESOURCEW(id), IMAGE_ICON, lado, lado, 0));
}

}  // namespace

VentanaWin32::VentanaWin32(HINSTANCE instancia, int dpi)
    : instancia_(instancia),
      escala_(dpi),
      fuentes_(dpi),
      medida_(escala_, fuentes_),
      anfitrion_(escala_, archivos_),
      modelo_(SistemaVentana{archivos_, medida_, anfitrion_, procesos_, &maquina_}),
      accesibilidad_(modelo_, escala_),
      lienzo_([this](HDC dc) { Pintar(dc); }),
      flecha_(CargarIcono(instancia, IDI_FLECHA, 16)),
      icono_(CargarIcono(instancia, IDI_INSTALAR, 32)),
      iconoPequeno_(CargarIcono(instancia, IDI_INSTALAR, 16)),
      mano_(::LoadCursorW(instancia, MAKEINTRESOURCEW(IDC_MANO))),
      fuenteBotones_(FuenteDeMensajes(dpi)),
      altoContraste_(AltoContrasteActivo()) {}

VentanaWin32::~VentanaWin32() {
    if (ventana_) ::DestroyWindow(ventana_);
}

// The window is made at the system's resolution, then takes its
// monitor's, which only the window itself can tell on Windows 10; nothing
// is shown or measured in between but the hint below the list.
Resultado<std::unique_ptr<VentanaWin32>> VentanaWin32::Crear(HINSTANCE instancia, const OpcionesVentana& opciones) {
    std::unique_ptr<VentanaWin32> ventana(new VentanaWin32(instancia, DpiAdmitido(opciones.dpi.value_or(DpiDePantalla()))));
    if (opciones.lineaComandos) ventana->anfitrion_.FijarLineaComandos(*opciones.lineaComandos);
    if (Fallo fallo = ventana->CrearVentana()) return *fallo;
    if (!opciones.dpi) {
        const int dpi = DpiDeVentana(ventana->ventana_);
        if (dpi != ventana->escala_.Dpi()) ventana->CambiarDpi(dpi, nullptr);
    }
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
    HWND creada = ::CreateWindowExW(WS_EX_APPWINDOW, kClaseVentana, W(diseno.tituloVentana),
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
    instalar_ = crear(modelo_.Vista().instalar, kIdInstalar);
    cerrar_ = crear(modelo_.Vista().cerrar, kIdCerrar);
    accesibilidad_.FijarParadas(Paradas());
}

void VentanaWin32::ColocarBotones() {
    auto colocar = [this](HWND hijo, const Boton& boton) {
        const RECT caja = escala_.APixeles(boton.caja);
        ::SendMessageW(hijo, WM_SETFONT, reinterpret_cast<WPARAM>(fuenteBotones_.get()), FALSE);
        ::SetWindowPos(hijo, nullptr, caja.left, caja.top, caja.right - caja.left, caja.bottom - caja.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::InvalidateRect(hijo, nullptr, TRUE);
    };
    colocar(instalar_, modelo_.Vista().instalar);
    colocar(cerrar_, modelo_.Vista().cerrar);
}

void VentanaWin32::CambiarDpi(int dpiPedido, const RECT* sugerido) {
    if (dpiPedido <= 0 || !ventana_) return;
    const int dpi = DpiAdmitido(dpiPedido);
    if (dpi != escala_.Dpi()) {
        medida_.CambiarDpi(dpi);
        escala_.FijarDpi(dpi);
        modelo_.CambiarEscala();
        // The buttons let go of their font before it goes.
        FuenteGdi nueva = FuenteDeMensajes(dpi);
        std::swap(fuenteBotones_, nueva);
        ColocarBotones();
    }
    // The size is the window's own at this resolution; Windows suggests
    // where it goes, and is followed only onto a screen (see
    // EsquinaTrasCambioDeDpi).
    const int ancho = escala_.Pixeles(kAnchoVentana);
    const int alto = escala_.Pixeles(kAltoVentana);
    RECT marco{};
    ::GetWindowRect(ventana_, &marco);
    std::optional<CajaPixeles> propuesto;
    if (sugerido) propuesto = Caja(*sugerido);
    const EsquinaPixeles esquina = EsquinaTrasCambioDeDpi(Caja(marco), ancho, alto, propuesto, Monitores());
    ::SetWindowPos(ventana_, nullptr, esquina.x, esquina.y, ancho, alto, SWP_NOZORDER | SWP_NOACTIVATE);
    lienzo_.Rehacer(ventana_, Huellas());
}

// Start-up calls these two from outside any message: they run under the
// same guard as the window procedure, so that a failure cannot end the
// program with an unhandled exception.
void VentanaWin32::Cargar() {
    Protegido([&] { CargarModelo(); return true; }, false);
}

void VentanaWin32::Mostrar() {
    Protegido([&] { MostrarVentana(); return true; }, false);
}

void VentanaWin32::CargarModelo() {
    modelo_.Cargar();
    const Controles& c = modelo_.Vista();
    ::SetWindowTextW(ventana_, W(c.tituloVentana));
    RotularBotones();
    SincronizarBotones();
    const SIZE tamano = TamanoCliente(ventana_);
    const Punto interior = escala_.ATwips(tamano.cx, tamano.cy);
    modelo_.AjustarATamano(interior.x, interior.y);
    lienzo_.Rehacer(ventana_, Huellas());
    accesibilidad_.Anunciar();
}

void VentanaWin32::MostrarVentana() {
    if (!ventana_) return;
    ::ShowWindow(ventana_, SW_SHOW);
    ::SetForegroundWindow(ventana_);
    Enfocar(modelo_.ParadaDeInicio());
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
    case WM_SYSKEYDOWN: {
        // A key comes as a system key while Alt is held.
        const int modificadores = EstadoModificadores() | (mensaje.message == WM_SYSKEYDOWN ? kAlt : 0);
        const RespuestaTecla respuesta =
            modelo_.AlBajarTecla(TeclaDe(mensaje.wParam), modificadores, Paradas().ParadaDe(::GetFocus()));
        TrasEvento();
        if (respuesta.enfocar && ventana_) MostrarFoco(*respuesta.enfocar);
        return respuesta.consumida;
    }
    case WM_CHAR: {
        const RespuestaTecla respuesta = modelo_.AlEscribir(static_cast<char16_t>(mensaje.wParam));
        TrasEvento();
        return respuesta.consumida || !ventana_;
    }
    case WM_SYSCHAR:
        // Alt and an item's access key; any other goes on to the system.
        if (!modelo_.AlEscribirConAlt(static_cast<char16_t>(mensaje.wParam))) return false;
        TrasEvento();
        return true;
    default:
        return false;
    }
}

// Moving with the keyboard shows where the focus is, as in a dialog box.
void VentanaWin32::MostrarFoco(ParadaFoco parada) {
    Enfocar(parada);
    ::SendMessageW(ventana_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void VentanaWin32::Enfocar(ParadaFoco parada) {
    ultimoFoco_ = Paradas().VentanaDe(parada);
    ::SetFocus(ultimoFoco_);
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
        propia->accesibilidad_.FijarParadas({});
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
    case WM_DPICHANGED: CambiarDpi(LOWORD(w), reinterpret_cast<const RECT*>(l)); return 0;
    case WM_LBUTTONDOWN: AlPresionarRaton(l, true); return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: AlPresionarRaton(l, false); return 0;
    case WM_MOUSEMOVE: AlMoverRaton(l); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: AlSoltarRaton(l); return 0;
    case WM_CAPTURECHANGED: modelo_.TerminarArrastre(); return 0;
    case WM_SETCURSOR:
        if (AlFijarCursor()) return TRUE;
        break;
    case WM_COMMAND: AlComando(w); return 0;
    case WM_ACTIVATE: AlActivar(w); return 0;
    // The window itself holds the focus for the item list.
    case WM_SETFOCUS:
        modelo_.ListaGanaFoco();
        Actualizar();
        return 0;
    case WM_KILLFOCUS:
        modelo_.ListaPierdeFoco();
        Actualizar();
        return 0;
    case WM_UPDATEUISTATE: return AlCambiarEstadoUi(w, l);
    case WM_GETOBJECT:
        if (const auto objeto = accesibilidad_.AlPedirObjeto(w, l)) return *objeto;
        break;
    case kMensajePeticion: AlPedir(PeticionDelMensaje(w, l)); return 0;
    case WM_SYSCOLORCHANGE: AlCambiarColoresDelSistema(); return 0;
    case WM_SETTINGCHANGE: AlCambiarColores(); return 0;
    case WM_CLOSE:
        modelo_.Cerrar();
        TrasEvento();
        return 0;
    case WM_DESTROY:
        accesibilidad_.Desconectar();
        modelo_.Descargar();
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
    PintarContenido(dc, TamanoCliente(ventana_), modelo_.Vista(), AparienciaActual(), recursos, escala_, fuentes_);
}

Apariencia VentanaWin32::AparienciaActual() const {
    Apariencia apariencia{ColoresDePintura(modelo_.Vista(), altoContraste_), Paleta::DelSistema(),
                          modelo_.MarcoDeFoco()};
    // The focus frame follows the keyboard cues like every control's: where
    // the user has chosen so, it stays hidden until the keyboard is used.
    if (ventana_ && (::SendMessageW(ventana_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        apariencia.marcoFoco.reset();
    return apariencia;
}

void VentanaWin32::AlPintar() {
    Pintura pintura(ventana_);
    lienzo_.Copiar(ventana_, pintura.dc());
}

void VentanaWin32::AlCambiarTamano(LPARAM l) {
    const Punto interior = escala_.ATwips(LOWORD(l), HIWORD(l));
    modelo_.AjustarATamano(interior.x, interior.y);
    lienzo_.Rehacer(ventana_, Huellas());
}

std::vector<Huella> VentanaWin32::Huellas() const {
    return HuellasDe(modelo_.Vista(), AparienciaActual(), escala_);
}

Punto VentanaWin32::ATwips(LPARAM l) const { return escala_.ATwips(GET_X_LPARAM(l), GET_Y_LPARAM(l)); }

void VentanaWin32::AlPresionarRaton(LPARAM l, bool botonIzquierdo) {
    const Punto punto = ATwips(l);
    const Impacto impacto = modelo_.ControlEn(punto.x, punto.y);
    switch (impacto.tipo) {
    case Impacto::Tipo::Fondo:
        ::SetCapture(ventana_);
        modelo_.EmpezarArrastre(punto.x, punto.y);
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
    modelo_.Arrastrar(punto.x, punto.y);
}

// A label is clicked when the button goes up over the label it went down on.
void VentanaWin32::AlSoltarRaton(LPARAM l) {
    const int presionada = opcionPresionada_;
    opcionPresionada_ = -1;
    modelo_.TerminarArrastre();
    if (::GetCapture() == ventana_) ::ReleaseCapture();
    if (presionada < 0) return;
    const Punto punto = ATwips(l);
    const Impacto impacto = modelo_.ControlEn(punto.x, punto.y);
    if (impacto.tipo == Impacto::Tipo::Opcion && impacto.indice == presionada) {
        modelo_.ClicEnOpcion(impacto.indice);
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
    if (LOWORD(w) == kIdInstalar) modelo_.Instalar();
    if (LOWORD(w) == kIdCerrar) modelo_.Cerrar();
    TrasEvento();
}

// Keeps the focus where it was across activations: on a push button or
// on the item list.
void VentanaWin32::AlActivar(WPARAM w) {
    if (LOWORD(w) == WA_INACTIVE) {
        HWND foco = ::GetFocus();
        if (Paradas().ParadaDe(foco)) ultimoFoco_ = foco;
        return;
    }
    if (ultimoFoco_ && ::IsWindowEnabled(ultimoFoco_)) ::SetFocus(ultimoFoco_);
}

// The focus frame may have been shown or hidden.
LRESULT VentanaWin32::AlCambiarEstadoUi(WPARAM w, LPARAM l) {
    const LRESULT resultado = ::DefWindowProcW(ventana_, WM_UPDATEUISTATE, w, l);
    Actualizar();
    return resultado;
}

// Buttons draw in the system's colours too; they hear of a change only
// from their parent.
void VentanaWin32::AlCambiarColoresDelSistema() {
    for (HWND boton : {instalar_, cerrar_}) {
        ::SendMessageW(boton, WM_SYSCOLORCHANGE, 0, 0);
        ::InvalidateRect(boton, nullptr, TRUE);
    }
    AlCambiarColores();
}

// A theme was switched or a system colour changed: the window takes the
// new colours at once.
void VentanaWin32::AlCambiarColores() {
    altoContraste_ = AltoContrasteActivo();
    Actualizar();
}

// A screen reader's request, carried out as the user's own click would be.
// Posted requests are also dispatched by the loop of a message box of the
// window's own: while one is up (the window is disabled) or the window is
// going, they are dropped, as a click would be.  Otherwise each could open
// another box inside the first, or close the window under it.
void VentanaWin32::AlPedir(const Peticion& peticion) {
    if (!ventana_ || !::IsWindowEnabled(ventana_) || modelo_.Descargada()) return;
    if (peticion.tipo == Peticion::Tipo::PresionarBoton) {
        ::SendMessageW(Paradas().VentanaDe(peticion.boton), BM_CLICK, 0, 0);
        return;
    }
    modelo_.ClicEnOpcion(peticion.opcion);
    TrasEvento();
    if (peticion.enfocarLista && ventana_) Enfocar(ParadaFoco::Lista);
}

// After each event: an unloaded window goes away, any other is brought up
// to date.
void VentanaWin32::TrasEvento() {
    if (modelo_.Descargada() && ventana_) {
        ::DestroyWindow(ventana_);
        return;
    }
    Actualizar();
}

void VentanaWin32::MirarInstalacion() noexcept {
    Protegido([&] {
        if (!ventana_) return true;
        const bool terminada = modelo_.MirarInstalacion();
        // Also while it goes on: the hint line may now name a program the
        // setup left open, and "Instalar" stop the wait.
        Actualizar();
        if (terminada) VolverAlFrente();
        return true;
    }, true);
}

// The setup has had the screen, and its windows are gone.  Where nothing
// else holds the focus now, the menu comes back in front; where the user
// has gone on in another program, the focus stays there and the menu's
// taskbar button flashes until the user comes back.
void VentanaWin32::VolverAlFrente() {
    const HWND frente = ::GetForegroundWindow();
    if (frente == ventana_) return;
    const bool libre = !frente || frente == ::GetDesktopWindow() || frente == ::GetShellWindow();
    if (libre && ::SetForegroundWindow(ventana_)) return;
    FLASHWINFO destello{};
    destello.cbSize = sizeof(destello);
    destello.hwnd = ventana_;
    destello.dwFlags = FLASHW_TRAY | FLASHW_TIMERNOFG;
    ::FlashWindowEx(&destello);
}

// The buttons were made with the design's texts; a menu file in another
// language gives them its own.  A text that did not change is left alone.
void VentanaWin32::RotularBotones() {
    auto rotular = [](HWND boton, const std::u16string& texto) {
        const int largo = ::GetWindowTextLengthW(boton);
        std::u16string actual(static_cast<size_t>(largo) + 1, u'\0');
        actual.resize(static_cast<size_t>(
            ::GetWindowTextW(boton, reinterpret_cast<wchar_t*>(actual.data()), largo + 1)));
        if (actual == texto) return false;
        ::SetWindowTextW(boton, W(texto));
        return true;
    };
    const bool instalar = rotular(instalar_, modelo_.Vista().instalar.texto);
    const bool cerrar = rotular(cerrar_, modelo_.Vista().cerrar.texto);
    // A longer text may have made a button wider.
    if (instalar || cerrar) ColocarBotones();
}

// "Instalar" is disabled while a setup runs; the focus it held goes to
// "Cerrar", the one button left working, and comes back when the setup has
// ended, so that the menu is as the user left it.
void VentanaWin32::SincronizarBotones() {
    const bool habilitado = modelo_.Vista().instalar.habilitado;
    if ((::IsWindowEnabled(instalar_) != FALSE) == habilitado) return;
    const bool teniaFoco = ::GetFocus() == instalar_;
    ::EnableWindow(instalar_, habilitado ? TRUE : FALSE);
    if (teniaFoco) Enfocar(ParadaFoco::Cerrar);
    if (habilitado && focoPrestado_ && ultimoFoco_ == cerrar_) DevolverFocoAInstalar();
    focoPrestado_ = teniaFoco;
}

// Only while the window is active: an inactive one takes the focus back
// when it is activated, and must not be activated for it.
void VentanaWin32::DevolverFocoAInstalar() {
    if (::GetFocus() == cerrar_)
        Enfocar(ParadaFoco::Instalar);
    else
        ultimoFoco_ = instalar_;
}

// Repaints what changed and tells screen readers about it.  Messages also
// come while the window is going (it loses the focus then): there is
// nothing left to repaint or tell.
void VentanaWin32::Actualizar() {
    if (!ventana_ || modelo_.Descargada()) return;
    SincronizarBotones();
    lienzo_.InvalidarCambios(ventana_, Huellas());
    accesibilidad_.Anunciar();
}

}  // namespace instalar::win32
