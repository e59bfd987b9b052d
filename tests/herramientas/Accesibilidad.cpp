#include "Accesibilidad.h"

#include <cstdint>
#include <stdexcept>

#include "Errores.h"
#include "Espera.h"

namespace herramientas {

namespace {

VARIANT Hijo(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::shared_ptr<IAccessible> Compartido(IAccessible* objeto) {
    return std::shared_ptr<IAccessible>(objeto, [](IAccessible* o) { o->Release(); });
}

void Comprobar(HRESULT resultado, const char* que) {
    if (FAILED(resultado)) throw ErrorWin32(std::string(que) + " failed", static_cast<DWORD>(resultado));
}

// An element from a VARIANT of the answers: a number in `padre`, or an
// object of its own.  None for VT_EMPTY.
std::optional<Elemento> ElementoDe(const Elemento& padre, const VARIANT& v) {
    if (v.vt == VT_I4) return Elemento{padre.objeto, v.lVal};
    if (v.vt == VT_DISPATCH && v.pdispVal) {
        IAccessible* objeto = nullptr;
        Comprobar(v.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&objeto)),
                  "QueryInterface(IAccessible)");
        return Elemento{Compartido(objeto), CHILDID_SELF};
    }
    return std::nullopt;
}

template <typename Leer>
std::wstring TextoDe(const Elemento& e, Leer leer, const char* que) {
    Cadena texto;
    Comprobar(leer(e.objeto.get(), Hijo(e.id), &texto), que);
    return texto.Texto();
}

long EnteroDe(const Variante& v) { return (*v).vt == VT_I4 ? (*v).lVal : -1; }

EscuchaDeEventos* escuchaActiva = nullptr;

}  // namespace

ComIniciado::ComIniciado() { Comprobar(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), "CoInitializeEx"); }

ComIniciado::~ComIniciado() { CoUninitialize(); }

Elemento ObjetoDeVentana(HWND ventana) {
    IAccessible* objeto = nullptr;
    Comprobar(AccessibleObjectFromWindow(ventana, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void**>(&objeto)),
              "AccessibleObjectFromWindow");
    if (!objeto) throw ErrorWin32("AccessibleObjectFromWindow gave no object", 0);
    return Elemento{Compartido(objeto), CHILDID_SELF};
}

long CuantosHijos(const Elemento& e) {
    LONG cuantos = 0;
    Comprobar(e.objeto->get_accChildCount(&cuantos), "get_accChildCount");
    return cuantos;
}

std::vector<Elemento> Hijos(const Elemento& padre) {
    const long cuantos = CuantosHijos(padre);
    std::vector<VARIANT> hijos(static_cast<size_t>(cuantos));
    LONG obtenidos = 0;
    Comprobar(AccessibleChildren(padre.objeto.get(), 0, cuantos, hijos.data(), &obtenidos), "AccessibleChildren");
    std::vector<Elemento> elementos;
    for (LONG i = 0; i < obtenidos; ++i) {
        if (auto e = ElementoDe(padre, hijos[static_cast<size_t>(i)])) elementos.push_back(*e);
        VariantClear(&hijos[static_cast<size_t>(i)]);
    }
    return elementos;
}

std::wstring Nombre(const Elemento& e) {
    return TextoDe(e, [](IAccessible* o, VARIANT v, BSTR* t) { return o->get_accName(v, t); }, "get_accName");
}

std::wstring Descripcion(const Elemento& e) {
    return TextoDe(e, [](IAccessible* o, VARIANT v, BSTR* t) { return o->get_accDescription(v, t); },
                   "get_accDescription");
}

std::wstring Atajo(const Elemento& e) {
    return TextoDe(e, [](IAccessible* o, VARIANT v, BSTR* t) { return o->get_accKeyboardShortcut(v, t); },
                   "get_accKeyboardShortcut");
}

long Rol(const Elemento& e) {
    Variante rol;
    Comprobar(e.objeto->get_accRole(Hijo(e.id), &rol), "get_accRole");
    return EnteroDe(rol);
}

long Estado(const Elemento& e) {
    Variante estado;
    Comprobar(e.objeto->get_accState(Hijo(e.id), &estado), "get_accState");
    return EnteroDe(estado);
}

RECT Ubicacion(const Elemento& e) {
    LONG x = 0, y = 0, ancho = 0, alto = 0;
    Comprobar(e.objeto->accLocation(&x, &y, &ancho, &alto, Hijo(e.id)), "accLocation");
    return RECT{x, y, x + ancho, y + alto};
}

std::optional<Elemento> EnPunto(const Elemento& e, POINT pantalla) {
    Variante hijo;
    Comprobar(e.objeto->accHitTest(pantalla.x, pantalla.y, &hijo), "accHitTest");
    return ElementoDe(e, *hijo);
}

std::optional<Elemento> ConFoco(const Elemento& e) {
    Variante foco;
    Comprobar(e.objeto->get_accFocus(&foco), "get_accFocus");
    return ElementoDe(e, *foco);
}

std::optional<Elemento> Seleccionado(const Elemento& e) {
    Variante seleccion;
    Comprobar(e.objeto->get_accSelection(&seleccion), "get_accSelection");
    return ElementoDe(e, *seleccion);
}

HRESULT Seleccionar(const Elemento& e, long opciones) { return e.objeto->accSelect(opciones, Hijo(e.id)); }

HRESULT AccionPredeterminada(const Elemento& e) { return e.objeto->accDoDefaultAction(Hijo(e.id)); }

std::string TextoEstado(long estado) {
    const struct {
        long bit;
        const char* nombre;
    } nombres[] = {{STATE_SYSTEM_UNAVAILABLE, "UNAVAILABLE"}, {STATE_SYSTEM_SELECTED, "SELECTED"},
                   {STATE_SYSTEM_FOCUSED, "FOCUSED"},         {STATE_SYSTEM_READONLY, "READONLY"},
                   {STATE_SYSTEM_INVISIBLE, "INVISIBLE"},     {STATE_SYSTEM_FOCUSABLE, "FOCUSABLE"},
                   {STATE_SYSTEM_SELECTABLE, "SELECTABLE"}};
    std::string texto;
    for (const auto& n : nombres) {
        if (estado & n.bit) texto += (texto.empty() ? "" : "|") + std::string(n.nombre);
    }
    return texto.empty() ? "NORMAL" : texto;
}

// ------------------------------------------------------------- events

EscuchaDeEventos::EscuchaDeEventos(DWORD proceso, DWORD primero, DWORD ultimo) {
    if (escuchaActiva) throw std::logic_error("one event listener at a time");
    gancho_ = SetWinEventHook(primero, ultimo, nullptr, &EscuchaDeEventos::AlOir, proceso, 0, WINEVENT_OUTOFCONTEXT);
    if (!gancho_) Fallar("SetWinEventHook");
    escuchaActiva = this;
}

EscuchaDeEventos::~EscuchaDeEventos() {
    UnhookWinEvent(gancho_);
    escuchaActiva = nullptr;
}

void CALLBACK EscuchaDeEventos::AlOir(HWINEVENTHOOK, DWORD evento, HWND ventana, LONG objeto, LONG hijo, DWORD,
                                      DWORD) {
    if (escuchaActiva) escuchaActiva->eventos_.push_back({evento, ventana, objeto, hijo});
}

bool EscuchaDeEventos::Esperar(const std::function<bool(const std::vector<EventoAccesible>&)>& condicion,
                               DWORD milisegundos) {
    // The events come as messages to this thread.
    return Atender([&] { return condicion(eventos_); }, milisegundos);
}

std::string EscuchaDeEventos::Describir() const {
    std::string texto;
    for (const EventoAccesible& e : eventos_) {
        const char* nombre = e.evento == EVENT_OBJECT_FOCUS       ? "FOCUS"
                             : e.evento == EVENT_OBJECT_SELECTION   ? "SELECTION"
                             : e.evento == EVENT_OBJECT_NAMECHANGE  ? "NAMECHANGE"
                                                                    : "other";
        texto += std::string(nombre) + "(" + std::to_string(reinterpret_cast<uintptr_t>(e.ventana)) + ", " +
                 std::to_string(e.objeto) + ", " + std::to_string(e.hijo) + ") ";
    }
    return texto.empty() ? "no events" : texto;
}

}  // namespace herramientas
