// Other programs' windows as a screen reader sees them, through Microsoft
// Active Accessibility: their accessible objects and the events they
// announce.  Failures to reach an object throw ErrorWin32.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace herramientas {

// COM on this thread for the guard's lifetime, in a single-threaded
// apartment as screen readers have it.
class ComIniciado {
public:
    ComIniciado();
    ~ComIniciado();
    ComIniciado(const ComIniciado&) = delete;
    ComIniciado& operator=(const ComIniciado&) = delete;
};

// A VARIANT cleared when it goes.
class Variante {
public:
    Variante() { VariantInit(&v_); }
    ~Variante() { VariantClear(&v_); }
    Variante(const Variante&) = delete;
    Variante& operator=(const Variante&) = delete;
    VARIANT* operator&() { return &v_; }
    const VARIANT& operator*() const { return v_; }

private:
    VARIANT v_;
};

// A BSTR freed when it goes.
class Cadena {
public:
    Cadena() = default;
    ~Cadena() { SysFreeString(b_); }
    Cadena(const Cadena&) = delete;
    Cadena& operator=(const Cadena&) = delete;
    BSTR* operator&() { return &b_; }
    std::wstring Texto() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }

private:
    BSTR b_ = nullptr;
};

// One element as a screen reader addresses it: an object and a child number
// in it, CHILDID_SELF for the object itself.
struct Elemento {
    std::shared_ptr<IAccessible> objeto;
    long id = CHILDID_SELF;
};

// The accessible object of a window's client area (OBJID_CLIENT).
Elemento ObjetoDeVentana(HWND ventana);

// The children, through AccessibleChildren: simple elements as the parent
// and their number, children with objects of their own as those objects.
std::vector<Elemento> Hijos(const Elemento& padre);
long CuantosHijos(const Elemento& elemento);

// The texts, "" when the element has none.
std::wstring Nombre(const Elemento& elemento);
std::wstring Descripcion(const Elemento& elemento);
std::wstring Atajo(const Elemento& elemento);
long Rol(const Elemento& elemento);
long Estado(const Elemento& elemento);
// Where it is on the screen, in pixels.
RECT Ubicacion(const Elemento& elemento);

// What the object answers about a point of the screen, about its focus and
// about its selection: none when the answer is "nothing".
std::optional<Elemento> EnPunto(const Elemento& objeto, POINT pantalla);
std::optional<Elemento> ConFoco(const Elemento& objeto);
std::optional<Elemento> Seleccionado(const Elemento& objeto);

HRESULT Seleccionar(const Elemento& elemento, long opciones);
HRESULT AccionPredeterminada(const Elemento& elemento);

// "SELECTED|FOCUSABLE", for messages.
std::string TextoEstado(long estado);

// An event as it was announced; what it refers to is read afterwards, not
// while it is being delivered.
struct EventoAccesible {
    DWORD evento;
    HWND ventana;
    LONG objeto;
    LONG hijo;
};

// The events a process announces, from `primero` to `ultimo`, recorded as
// they come.  One at a time per program.
class EscuchaDeEventos {
public:
    EscuchaDeEventos(DWORD proceso, DWORD primero, DWORD ultimo);
    ~EscuchaDeEventos();
    EscuchaDeEventos(const EscuchaDeEventos&) = delete;
    EscuchaDeEventos& operator=(const EscuchaDeEventos&) = delete;

    // The events come through this thread's messages: handles them until
    // `condicion` holds on what has come so far or the time is up.
    bool Esperar(const std::function<bool(const std::vector<EventoAccesible>&)>& condicion, DWORD milisegundos);
    const std::vector<EventoAccesible>& Eventos() const { return eventos_; }
    void Olvidar() { eventos_.clear(); }
    // "FOCUS(window, client, 2) ...", for messages.
    std::string Describir() const;

private:
    static void CALLBACK AlOir(HWINEVENTHOOK, DWORD evento, HWND ventana, LONG objeto, LONG hijo, DWORD, DWORD);

    HWINEVENTHOOK gancho_ = nullptr;
    std::vector<EventoAccesible> eventos_;
};

}  // namespace herramientas
