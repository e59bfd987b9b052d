#pragma once
// The menu window for screen readers on Windows: its accessible object,
// made on the first request for it, and the events that announce what
// changed.  OLE and the accessibility library are loaded (by name, from
// System32) only with that first request: a start without a screen reader
// pays nothing for them.

#include <windows.h>

#include <optional>

#include "win32host/BibliotecasSistema.h"
#include "win32host/Com.h"
#include "win32host/Escala.h"
#include "win32host/ObjetoAccesible.h"
#include "win32host/ParadasWin32.h"
#include "window/Anuncios.h"
#include "window/frmMenu.h"

namespace instalar::win32 {

// The message that hands the window a screen reader's request, posted so
// that the request runs after the call that made it has returned.
constexpr UINT kMensajePeticion = WM_APP + 1;
Peticion PeticionDelMensaje(WPARAM w, LPARAM l);

class AccesibilidadWin32 : private FuenteAccesible {
public:
    AccesibilidadWin32(const frmMenu& modelo, const Escala& escala) : modelo_(modelo), escala_(escala) {}
    ~AccesibilidadWin32() override;
    AccesibilidadWin32(const AccesibilidadWin32&) = delete;
    AccesibilidadWin32& operator=(const AccesibilidadWin32&) = delete;

    void FijarParadas(const ParadasWin32& ventanas) { paradas_ = ventanas; }

    // WM_GETOBJECT: the answer for the client area, none for any other
    // object (the system's default answers those).
    std::optional<LRESULT> AlPedirObjeto(WPARAM w, LPARAM l);
    // After anything may have changed in the model: the events for it.
    void Anunciar();
    // The window is being destroyed: the object stops answering, is cut off
    // from its clients, and is not made again for a later request.
    void Desconectar();

private:
    bool Iniciar();

    // FuenteAccesible
    ArbolAccesible Arbol() const override;
    RECT EnPantalla(const Rectangulo& caja) const override;
    std::optional<Punto> EnVentana(POINT pantalla) const override;
    HRESULT ObjetoDeBoton(Parte boton, IDispatch** objeto) const override;
    HRESULT ObjetoPadre(IDispatch** objeto) const override;
    void Pedir(const Peticion& peticion) override;
    BSTR Cadena(const std::u16string& texto) const override;

    using CoUninitializeFn = void(WINAPI*)();
    using CoDisconnectObjectFn = HRESULT(WINAPI*)(LPUNKNOWN, DWORD);
    using SysAllocStringLenFn = BSTR(WINAPI*)(const OLECHAR*, UINT);
    using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using AccessibleObjectFromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);

    const frmMenu& modelo_;
    const Escala& escala_;
    ParadasWin32 paradas_;
    EstadoAnunciado anunciado_;

    // Declared before the object, so that they outlive it.
    Biblioteca ole_;
    Biblioteca automatizacion_;
    Biblioteca accesibilidad_;
    CoUninitializeFn coUninitialize_ = nullptr;
    CoDisconnectObjectFn coDisconnectObject_ = nullptr;
    SysAllocStringLenFn sysAllocStringLen_ = nullptr;
    LresultFromObjectFn lresultFromObject_ = nullptr;
    AccessibleObjectFromWindowFn accessibleObjectFromWindow_ = nullptr;
    bool intentado_ = false;
    bool comIniciado_ = false;
    bool desconectado_ = false;
    Referencia<ObjetoAccesible> objeto_;
};

}  // namespace instalar::win32
