#include "win32host/ObjetoAccesible.h"

#include "win32host/Protegido.h"

namespace instalar::win32 {

namespace {

// The calls screen readers make go through COM into the window's thread:
// nothing may unwind through them, and a call after the window has gone
// must fail as if the object were no longer there.
template <typename Funcion>
HRESULT Llamada(FuenteAccesible* fuente, Funcion&& funcion) noexcept {
    if (!fuente) return RPC_E_DISCONNECTED;
    return Protegido([&] { return funcion(*fuente); }, E_OUTOFMEMORY);
}

std::optional<long> IdDe(const VARIANT& hijo) {
    if (hijo.vt != VT_I4) return std::nullopt;
    return hijo.lVal;
}

void Vaciar(VARIANT* variante) { variante->vt = VT_EMPTY; }

void Entero(VARIANT* variante, long valor) {
    variante->vt = VT_I4;
    variante->lVal = valor;
}

long RolDe(RolAccesible rol) {
    switch (rol) {
    case RolAccesible::Ventana: return ROLE_SYSTEM_CLIENT;
    case RolAccesible::OpcionDeLista: return ROLE_SYSTEM_LISTITEM;
    case RolAccesible::Texto: return ROLE_SYSTEM_STATICTEXT;
    case RolAccesible::Boton: return ROLE_SYSTEM_PUSHBUTTON;
    }
    return ROLE_SYSTEM_CLIENT;
}

long EstadosMsaa(unsigned estados) {
    const struct {
        EstadoAccesible propio;
        long sistema;
    } equivalencias[] = {
        {kSeleccionable, STATE_SYSTEM_SELECTABLE}, {kSeleccionado, STATE_SYSTEM_SELECTED},
        {kEnfocable, STATE_SYSTEM_FOCUSABLE},      {kEnfocado, STATE_SYSTEM_FOCUSED},
        {kNoDisponible, STATE_SYSTEM_UNAVAILABLE}, {kInvisible, STATE_SYSTEM_INVISIBLE},
        {kSoloLectura, STATE_SYSTEM_READONLY},     {kOcupado, STATE_SYSTEM_BUSY},
    };
    long sistema = 0;
    for (const auto& e : equivalencias) {
        if (estados & e.propio) sistema |= e.sistema;
    }
    return sistema;
}

std::optional<Direccion> DireccionDe(LONG navegacion) {
    switch (navegacion) {
    case NAVDIR_NEXT: return Direccion::Siguiente;
    case NAVDIR_PREVIOUS: return Direccion::Anterior;
    case NAVDIR_FIRSTCHILD: return Direccion::PrimerHijo;
    case NAVDIR_LASTCHILD: return Direccion::UltimoHijo;
    default: return std::nullopt;  // directions on the screen: not among the window's elements
    }
}

PeticionSeleccion PeticionSeleccionDe(LONG opciones) {
    constexpr LONG kConocidas = SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION;
    return PeticionSeleccion{(opciones & SELFLAG_TAKEFOCUS) != 0, (opciones & SELFLAG_TAKESELECTION) != 0,
                             (opciones & ~kConocidas) != 0};
}

bool EsBoton(std::optional<Parte> parte) { return parte == Parte::Instalar || parte == Parte::Cerrar; }

}  // namespace

// --- IUnknown

HRESULT ObjetoAccesible::QueryInterface(REFIID iid, void** objeto) {
    if (!objeto) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
        *objeto = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *objeto = nullptr;
    return E_NOINTERFACE;
}

ULONG ObjetoAccesible::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&referencias_)); }

ULONG ObjetoAccesible::Release() {
    const LONG quedan = ::InterlockedDecrement(&referencias_);
    if (quedan == 0) delete this;
    return static_cast<ULONG>(quedan);
}

// --- IDispatch

HRESULT ObjetoAccesible::GetTypeInfoCount(UINT* cuantos) {
    if (!cuantos) return E_POINTER;
    *cuantos = 0;
    return S_OK;
}

HRESULT ObjetoAccesible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT ObjetoAccesible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT ObjetoAccesible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

// --- Helpers

HRESULT ObjetoAccesible::Cadena(const std::u16string& texto, BSTR* destino) const {
    if (texto.empty()) return S_FALSE;
    *destino = fuente_->Cadena(texto);
    return *destino ? S_OK : E_OUTOFMEMORY;
}

template <typename Campo>
HRESULT ObjetoAccesible::Texto(VARIANT hijo, BSTR* destino, Campo campo) {
    if (!destino) return E_POINTER;
    *destino = nullptr;
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const auto id = IdDe(hijo);
        const auto elemento = id ? fuente.Arbol().Elemento(*id) : std::nullopt;
        if (!elemento) return E_INVALIDARG;
        return Cadena(campo(*elemento), destino);
    });
}

HRESULT ObjetoAccesible::Variante(const ArbolAccesible& arbol, std::optional<long> id, VARIANT* destino) const {
    Vaciar(destino);
    if (!id) return S_FALSE;
    const auto parte = arbol.ParteDe(*id);
    if (EsBoton(parte)) {
        IDispatch* objeto = nullptr;
        if (SUCCEEDED(fuente_->ObjetoDeBoton(*parte, &objeto)) && objeto) {
            destino->vt = VT_DISPATCH;
            destino->pdispVal = objeto;
            return S_OK;
        }
    }
    Entero(destino, *id);
    return S_OK;
}

// --- IAccessible

HRESULT ObjetoAccesible::get_accParent(IDispatch** padre) {
    if (!padre) return E_POINTER;
    *padre = nullptr;
    return Llamada(fuente_, [&](FuenteAccesible& fuente) { return fuente.ObjetoPadre(padre); });
}

HRESULT ObjetoAccesible::get_accChildCount(LONG* cuantos) {
    if (!cuantos) return E_POINTER;
    *cuantos = 0;
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        *cuantos = fuente.Arbol().Hijos();
        return S_OK;
    });
}

HRESULT ObjetoAccesible::get_accChild(VARIANT hijo, IDispatch** objeto) {
    if (!objeto) return E_POINTER;
    *objeto = nullptr;
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const auto id = IdDe(hijo);
        const auto parte = id ? fuente.Arbol().ParteDe(*id) : std::nullopt;
        if (!parte) return E_INVALIDARG;
        // The buttons are objects of their own; the rest are simple elements.
        if (EsBoton(parte)) return fuente.ObjetoDeBoton(*parte, objeto);
        return S_FALSE;
    });
}

HRESULT ObjetoAccesible::get_accName(VARIANT hijo, BSTR* nombre) {
    return Texto(hijo, nombre, [](const ElementoAccesible& e) { return e.nombre; });
}

HRESULT ObjetoAccesible::get_accValue(VARIANT hijo, BSTR* valor) {
    // No element has a value.
    return Texto(hijo, valor, [](const ElementoAccesible&) { return std::u16string(); });
}

HRESULT ObjetoAccesible::get_accDescription(VARIANT hijo, BSTR* descripcion) {
    if (!descripcion) return E_POINTER;
    *descripcion = nullptr;
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const auto id = IdDe(hijo);
        const ArbolAccesible arbol = fuente.Arbol();
        if (!id || !arbol.Elemento(*id)) return E_INVALIDARG;
        return Cadena(arbol.Descripcion(*id).value_or(u""), descripcion);
    });
}

template <typename Campo>
HRESULT ObjetoAccesible::Numero(VARIANT hijo, VARIANT* destino, Campo campo) {
    if (!destino) return E_POINTER;
    Vaciar(destino);
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const auto id = IdDe(hijo);
        const auto elemento = id ? fuente.Arbol().Elemento(*id) : std::nullopt;
        if (!elemento) return E_INVALIDARG;
        Entero(destino, campo(*elemento));
        return S_OK;
    });
}

HRESULT ObjetoAccesible::get_accRole(VARIANT hijo, VARIANT* rol) {
    return Numero(hijo, rol, [](const ElementoAccesible& e) { return RolDe(e.rol); });
}

HRESULT ObjetoAccesible::get_accState(VARIANT hijo, VARIANT* estado) {
    return Numero(hijo, estado, [](const ElementoAccesible& e) { return EstadosMsaa(e.estados); });
}

HRESULT ObjetoAccesible::get_accHelp(VARIANT hijo, BSTR* ayuda) {
    return Texto(hijo, ayuda, [](const ElementoAccesible&) { return std::u16string(); });
}

HRESULT ObjetoAccesible::get_accHelpTopic(BSTR* archivo, VARIANT, LONG* tema) {
    if (archivo) *archivo = nullptr;
    if (tema) *tema = 0;
    return fuente_ ? S_FALSE : RPC_E_DISCONNECTED;
}

HRESULT ObjetoAccesible::get_accKeyboardShortcut(VARIANT hijo, BSTR* atajo) {
    return Texto(hijo, atajo, [](const ElementoAccesible& e) { return e.atajo; });
}

HRESULT ObjetoAccesible::get_accFocus(VARIANT* foco) {
    if (!foco) return E_POINTER;
    Vaciar(foco);
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const ArbolAccesible arbol = fuente.Arbol();
        return Variante(arbol, arbol.HijoConFoco(), foco);
    });
}

HRESULT ObjetoAccesible::get_accSelection(VARIANT* seleccion) {
    if (!seleccion) return E_POINTER;
    Vaciar(seleccion);
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const ArbolAccesible arbol = fuente.Arbol();
        return Variante(arbol, arbol.HijoSeleccionado(), seleccion);
    });
}

HRESULT ObjetoAccesible::get_accDefaultAction(VARIANT hijo, BSTR* accion) {
    return Texto(hijo, accion, [](const ElementoAccesible& e) { return e.accion; });
}

HRESULT ObjetoAccesible::accSelect(LONG opciones, VARIANT hijo) {
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const auto id = IdDe(hijo);
        const auto peticion = id ? fuente.Arbol().Seleccionar(*id, PeticionSeleccionDe(opciones)) : std::nullopt;
        if (!peticion) return E_INVALIDARG;
        fuente.Pedir(*peticion);
        return S_OK;
    });
}

HRESULT ObjetoAccesible::accLocation(LONG* x, LONG* y, LONG* ancho, LONG* alto, VARIANT hijo) {
    if (!x || !y || !ancho || !alto) return E_POINTER;
    *x = *y = *ancho = *alto = 0;
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const auto id = IdDe(hijo);
        const auto elemento = id ? fuente.Arbol().Elemento(*id) : std::nullopt;
        if (!elemento) return E_INVALIDARG;
        const RECT caja = fuente.EnPantalla(elemento->caja);
        *x = caja.left;
        *y = caja.top;
        *ancho = caja.right - caja.left;
        *alto = caja.bottom - caja.top;
        return S_OK;
    });
}

HRESULT ObjetoAccesible::accNavigate(LONG direccion, VARIANT desde, VARIANT* hasta) {
    if (!hasta) return E_POINTER;
    Vaciar(hasta);
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const auto id = IdDe(desde);
        const ArbolAccesible arbol = fuente.Arbol();
        if (!id || !arbol.Elemento(*id)) return E_INVALIDARG;
        const auto sentido = DireccionDe(direccion);
        return Variante(arbol, sentido ? arbol.Navegar(*id, *sentido) : std::nullopt, hasta);
    });
}

HRESULT ObjetoAccesible::accHitTest(LONG x, LONG y, VARIANT* hijo) {
    if (!hijo) return E_POINTER;
    Vaciar(hijo);
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const auto punto = fuente.EnVentana(POINT{x, y});
        if (!punto) return S_FALSE;
        const ArbolAccesible arbol = fuente.Arbol();
        return Variante(arbol, arbol.HijoEn(punto->x, punto->y), hijo);
    });
}

HRESULT ObjetoAccesible::accDoDefaultAction(VARIANT hijo) {
    return Llamada(fuente_, [&](FuenteAccesible& fuente) {
        const auto id = IdDe(hijo);
        const ArbolAccesible arbol = fuente.Arbol();
        if (!id || !arbol.Elemento(*id)) return E_INVALIDARG;
        const auto peticion = arbol.AccionPredeterminada(*id);
        if (!peticion) return DISP_E_MEMBERNOTFOUND;
        fuente.Pedir(*peticion);
        return S_OK;
    });
}

HRESULT ObjetoAccesible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT ObjetoAccesible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace instalar::win32
