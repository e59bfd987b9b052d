#pragma once
// Ownership of Win32 handles: one small template for every kind, and guards
// for the calls that come in pairs.

#include <windows.h>

#include <utility>

namespace instalar::win32 {

// What a kind of handle holds when it holds nothing, which is also what
// the call that makes one returns when it fails: null for most kinds.
template <typename T>
struct VacioNulo {
    static T Valor() { return T{}; }
};
// CreateFile, CreateToolhelp32Snapshot and FindFirstFile fail with
// INVALID_HANDLE_VALUE, never null.
struct VacioInvalido {
    static HANDLE Valor() { return INVALID_HANDLE_VALUE; }
};

// Owns the handle it is given, failed call or not: `if (!owner)` tells.
template <typename T, auto Liberar, typename Vacio = VacioNulo<T>>
class Manejador {
public:
    Manejador() = default;
    explicit Manejador(T valor) : valor_(valor) {}
    ~Manejador() { Restablecer(); }
    Manejador(const Manejador&) = delete;
    Manejador& operator=(const Manejador&) = delete;
    Manejador(Manejador&& otro) noexcept : valor_(std::exchange(otro.valor_, Vacio::Valor())) {}
    Manejador& operator=(Manejador&& otro) noexcept {
        if (this != &otro) {
            Restablecer();
            valor_ = std::exchange(otro.valor_, Vacio::Valor());
        }
        return *this;
    }

    T get() const { return valor_; }
    explicit operator bool() const { return valor_ != Vacio::Valor(); }
    void Restablecer(T nuevo = Vacio::Valor()) {
        if (valor_ != Vacio::Valor()) Liberar(valor_);
        valor_ = nuevo;
    }
    // Gives the handle up without freeing it, for what must outlive its owner.
    T Soltar() { return std::exchange(valor_, Vacio::Valor()); }

private:
    T valor_ = Vacio::Valor();
};

inline void BorrarObjeto(HGDIOBJ objeto) { ::DeleteObject(objeto); }
inline void CerrarManejador(HANDLE manejador) { ::CloseHandle(manejador); }
inline void BorrarDC(HDC dc) { ::DeleteDC(dc); }
inline void DestruirIcono(HICON icono) { ::DestroyIcon(icono); }

using FuenteGdi = Manejador<HFONT, BorrarObjeto>;
using MapaBits = Manejador<HBITMAP, BorrarObjeto>;
using Pluma = Manejador<HPEN, BorrarObjeto>;
using Pincel = Manejador<HBRUSH, BorrarObjeto>;
using Region = Manejador<HRGN, BorrarObjeto>;
// A DC the program made itself (a memory DC, or one of the display), freed
// with DeleteDC; a window's DC is DCVentana's.
using DCCreado = Manejador<HDC, BorrarDC>;
using Icono = Manejador<HICON, DestruirIcono>;
// A file's, or a snapshot's of the running processes.
using Archivo = Manejador<HANDLE, CerrarManejador, VacioInvalido>;
using ManejadorProceso = Manejador<HANDLE, CerrarManejador>;
using ManejadorHilo = Manejador<HANDLE, CerrarManejador>;
using ManejadorTrabajo = Manejador<HANDLE, CerrarManejador>;

// Selects objects of one kind into a DC, one after another, and puts back
// the one the DC held before them when it goes or is told to: a DC must
// never hold an object that has been deleted.
class ObjetoEnDc {
public:
    explicit ObjetoEnDc(HDC dc) : dc_(dc) {}
    ObjetoEnDc(HDC dc, HGDIOBJ objeto) : dc_(dc), original_(::SelectObject(dc, objeto)), elegido_(objeto) {}
    ~ObjetoEnDc() { Devolver(); }
    ObjetoEnDc(const ObjetoEnDc&) = delete;
    ObjetoEnDc& operator=(const ObjetoEnDc&) = delete;

    // Selects `objeto` in place of the one chosen before, unless it is that one.
    void Elegir(HGDIOBJ objeto) {
        if (objeto == elegido_) return;
        const HGDIOBJ anterior = ::SelectObject(dc_, objeto);
        if (!original_) original_ = anterior;
        elegido_ = objeto;
    }
    // Puts back what the DC held before the first object was chosen.
    void Devolver() {
        if (original_) ::SelectObject(dc_, original_);
        original_ = nullptr;
        elegido_ = nullptr;
    }

private:
    HDC dc_;
    HGDIOBJ original_ = nullptr;
    HGDIOBJ elegido_ = nullptr;
};

// A window's DC from GetDC, released with the guard.
class DCVentana {
public:
    explicit DCVentana(HWND ventana) : ventana_(ventana), dc_(::GetDC(ventana)) {}
    ~DCVentana() {
        if (dc_) ::ReleaseDC(ventana_, dc_);
    }
    DCVentana(const DCVentana&) = delete;
    DCVentana& operator=(const DCVentana&) = delete;
    HDC get() const { return dc_; }

private:
    HWND ventana_;
    HDC dc_;
};

// BeginPaint ... EndPaint.
class Pintura {
public:
    explicit Pintura(HWND ventana) : ventana_(ventana) { ::BeginPaint(ventana, &ps_); }
    ~Pintura() { ::EndPaint(ventana_, &ps_); }
    Pintura(const Pintura&) = delete;
    Pintura& operator=(const Pintura&) = delete;
    HDC dc() const { return ps_.hdc; }

private:
    HWND ventana_;
    PAINTSTRUCT ps_{};
};

}  // namespace instalar::win32
