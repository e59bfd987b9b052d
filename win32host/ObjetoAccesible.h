#pragma once
// The menu window's accessible object (Microsoft Active Accessibility): the
// IAccessible a screen reader gets for the window's client area.  It only
// translates: every answer comes from the window's accessible tree, and
// what it needs of the system (screen positions, the buttons' own objects,
// strings, posting requests to the window) from its source.

#include <windows.h>

#include <oleacc.h>

#include <optional>
#include <string>

#include "interfaces/Anfitrion.h"
#include "window/ArbolAccesible.h"

namespace instalar::win32 {

// What the accessible object asks of the window it describes.
class FuenteAccesible {
public:
    virtual ~FuenteAccesible() = default;

    virtual ArbolAccesible Arbol() const = 0;
    // A rectangle of the window (twips) on the screen, in pixels.
    virtual RECT EnPantalla(const Rectangulo& caja) const = 0;
    // A point of the screen in the window (twips); none outside it.
    virtual std::optional<Punto> EnVentana(POINT pantalla) const = 0;
    // The standard accessible object of a button's window.
    virtual HRESULT ObjetoDeBoton(Parte boton, IDispatch** objeto) const = 0;
    virtual HRESULT ObjetoPadre(IDispatch** objeto) const = 0;
    // Hands the window a request, to be carried out after the call returns.
    virtual void Pedir(const Peticion& peticion) = 0;
    // A string for the caller, who frees it; null when out of memory.
    virtual BSTR Cadena(const std::u16string& texto) const = 0;
};

class ObjetoAccesible final : public IAccessible {
public:
    explicit ObjetoAccesible(FuenteAccesible& fuente) : fuente_(&fuente) {}
    ObjetoAccesible(const ObjetoAccesible&) = delete;
    ObjetoAccesible& operator=(const ObjetoAccesible&) = delete;

    // The window is going: from now on every call fails, whoever still
    // holds a reference.
    void Desconectar() { fuente_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objeto) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: no type information; clients call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* cuantos) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** padre) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* cuantos) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT hijo, IDispatch** objeto) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT hijo, BSTR* nombre) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT hijo, BSTR* valor) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT hijo, BSTR* descripcion) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT hijo, VARIANT* rol) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT hijo, VARIANT* estado) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT hijo, BSTR* ayuda) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* archivo, VARIANT hijo, LONG* tema) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT hijo, BSTR* atajo) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* foco) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* seleccion) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT hijo, BSTR* accion) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG opciones, VARIANT hijo) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* ancho, LONG* alto, VARIANT hijo) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direccion, VARIANT desde, VARIANT* hasta) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hijo) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT hijo) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT hijo, BSTR nombre) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT hijo, BSTR valor) override;

private:
    ~ObjetoAccesible() = default;

    // One of the element's texts, for the getters of a text.
    template <typename Campo>
    HRESULT Texto(VARIANT hijo, BSTR* destino, Campo campo);
    // An element's number field (role, state) as a VARIANT.
    template <typename Campo>
    HRESULT Numero(VARIANT hijo, VARIANT* destino, Campo campo);
    HRESULT Cadena(const std::u16string& texto, BSTR* destino) const;
    // The element as a VARIANT: its number, or a button's own object.
    HRESULT Variante(const ArbolAccesible& arbol, std::optional<long> id, VARIANT* destino) const;

    FuenteAccesible* fuente_;
    LONG referencias_ = 1;
};

}  // namespace instalar::win32
