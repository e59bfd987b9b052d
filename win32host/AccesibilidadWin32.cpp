#include "win32host/AccesibilidadWin32.h"

#include "win32host/TextoWin32.h"

namespace instalar::win32 {

namespace {

DWORD EventoDe(Anuncio::Tipo tipo) {
    switch (tipo) {
    case Anuncio::Tipo::Seleccion: return EVENT_OBJECT_SELECTION;
    case Anuncio::Tipo::Foco: return EVENT_OBJECT_FOCUS;
    case Anuncio::Tipo::CambioDeNombre: return EVENT_OBJECT_NAMECHANGE;
    case Anuncio::Tipo::CambioDeEstado: return EVENT_OBJECT_STATECHANGE;
    }
    return EVENT_OBJECT_NAMECHANGE;
}

// A request travels in the message's parameters: the item or the button in
// w, what to do in l.
constexpr LPARAM kPresionar = 1;
constexpr LPARAM kEnfocarLista = 2;

}  // namespace

Peticion PeticionDelMensaje(WPARAM w, LPARAM l) {
    Peticion peticion;
    if (l & kPresionar) {
        peticion.tipo = Peticion::Tipo::PresionarBoton;
        peticion.boton = static_cast<ParadaFoco>(w);
    } else {
        peticion.opcion = static_cast<int16_t>(w);
        peticion.enfocarLista = (l & kEnfocarLista) != 0;
    }
    return peticion;
}

AccesibilidadWin32::~AccesibilidadWin32() {
    Desconectar();
    if (comIniciado_) coUninitialize_();
}

std::optional<LRESULT> AccesibilidadWin32::AlPedirObjeto(WPARAM w, LPARAM l) {
    if (static_cast<DWORD>(l) != static_cast<DWORD>(OBJID_CLIENT)) return std::nullopt;
    // Once cut off, never built again: the window's items are going.
    if (desconectado_ || !paradas_.ventana || !Iniciar()) return std::nullopt;
    return lresultFromObject_(__uuidof(IAccessible), w, static_cast<IAccessible*>(objeto_.get()));
}

bool AccesibilidadWin32::Iniciar() {
    if (intentado_) return static_cast<bool>(objeto_);
    intentado_ = true;
    ole_ = CargarBibliotecaDeSistema(L"ole32.dll");
    automatizacion_ = CargarBibliotecaDeSistema(L"oleaut32.dll");
    accesibilidad_ = CargarBibliotecaDeSistema(L"oleacc.dll");
    coUninitialize_ = FuncionDe<CoUninitializeFn>(ole_, "CoUninitialize");
    coDisconnectObject_ = FuncionDe<CoDisconnectObjectFn>(ole_, "CoDisconnectObject");
    sysAllocStringLen_ = FuncionDe<SysAllocStringLenFn>(automatizacion_, "SysAllocStringLen");
    lresultFromObject_ = FuncionDe<LresultFromObjectFn>(accesibilidad_, "LresultFromObject");
    accessibleObjectFromWindow_ = FuncionDe<AccessibleObjectFromWindowFn>(accesibilidad_, "AccessibleObjectFromWindow");
    if (!coUninitialize_ || !coDisconnectObject_ || !sysAllocStringLen_ || !lresultFromObject_ ||
        !accessibleObjectFromWindow_)
        return false;
    // The object is marshalled to other processes from this thread, the
    // window's, which must be in a single-threaded apartment for it.
    const auto iniciado = IniciarCom(ole_);
    if (!iniciado || FAILED(*iniciado)) return false;
    comIniciado_ = true;
    objeto_ = Referencia<ObjetoAccesible>(new ObjetoAccesible(*this));
    return true;
}

void AccesibilidadWin32::Desconectar() {
    desconectado_ = true;
    if (!objeto_) return;
    objeto_->Desconectar();
    coDisconnectObject_(static_cast<IAccessible*>(objeto_.get()), 0);
    objeto_.Restablecer();
}

void AccesibilidadWin32::Anunciar() {
    if (!paradas_.ventana) return;
    const ArbolAccesible arbol = Arbol();
    EstadoAnunciado ahora = EstadoAnunciadoDe(modelo_, arbol);
    for (const Anuncio& anuncio : AnunciosEntre(anunciado_, ahora, arbol))
        ::NotifyWinEvent(EventoDe(anuncio.tipo), paradas_.ventana, OBJID_CLIENT, anuncio.elemento);
    anunciado_ = std::move(ahora);
}

// --- What the object asks of the window

ArbolAccesible AccesibilidadWin32::Arbol() const {
    // GetFocus answers for this thread only: nothing while another
    // program is the active one.
    // A message box of the window's own disables it: until it is closed,
    // nothing in the window can be used.
    const bool disponible = paradas_.ventana && ::IsWindowEnabled(paradas_.ventana);
    return ArbolAccesible(modelo_, paradas_.ParadaDe(::GetFocus()), disponible);
}

RECT AccesibilidadWin32::EnPantalla(const Rectangulo& caja) const {
    RECT pantalla = escala_.APixeles(caja);
    ::MapWindowPoints(paradas_.ventana, nullptr, reinterpret_cast<POINT*>(&pantalla), 2);
    return pantalla;
}

std::optional<Punto> AccesibilidadWin32::EnVentana(POINT pantalla) const {
    POINT cliente = pantalla;
    RECT interior{};
    if (!::ScreenToClient(paradas_.ventana, &cliente) || !::GetClientRect(paradas_.ventana, &interior) ||
        !::PtInRect(&interior, cliente))
        return std::nullopt;
    return escala_.ATwips(cliente.x, cliente.y);
}

HRESULT AccesibilidadWin32::ObjetoDeBoton(Parte boton, IDispatch** objeto) const {
    HWND ventana = boton == Parte::Instalar ? paradas_.instalar : paradas_.cerrar;
    return accessibleObjectFromWindow_(ventana, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IDispatch),
                                       reinterpret_cast<void**>(objeto));
}

HRESULT AccesibilidadWin32::ObjetoPadre(IDispatch** objeto) const {
    return accessibleObjectFromWindow_(paradas_.ventana, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                       reinterpret_cast<void**>(objeto));
}

void AccesibilidadWin32::Pedir(const Peticion& peticion) {
    const bool presionar = peticion.tipo == Peticion::Tipo::PresionarBoton;
    const WPARAM w = presionar ? static_cast<WPARAM>(peticion.boton) : static_cast<WPARAM>(peticion.opcion);
    const LPARAM l = (presionar ? kPresionar : 0) | (peticion.enfocarLista ? kEnfocarLista : 0);
    ::PostMessageW(paradas_.ventana, kMensajePeticion, w, l);
}

BSTR AccesibilidadWin32::Cadena(const std::u16string& texto) const {
    return sysAllocStringLen_(reinterpret_cast<const OLECHAR*>(texto.data()), static_cast<UINT>(texto.size()));
}

}  // namespace instalar::win32
