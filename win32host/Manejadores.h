#pragma once
// Ownership of Win32 handles: one small template for every kind, and guards
// for the calls that come in pairs.

#include <windows.h>

#include <utility>

namespace instalar::win32 {

// The null value is T{}: a file handle is stored as nullptr, never as
// INVALID_HANDLE_VALUE.
template <typename T, auto Liberar>
class Manejador {
public:
    Manejador() = default;
    explicit Manejador(T valor) : valor_(valor) {}
    ~Manejador() { Restablecer(); }
    Manejador(const Manejador&) = delete;
    Manejador& operator=(const Manejador&) = delete;
    Manejador(Manejador&& otro) noexcept : valor_(std::exchange(otro.valor_, T{})) {}
    Manejador& operator=(Manejador&& otro) noexcept {
        if (this != &otro) {
            Restablecer();
            valor_ = std::exchange(otro.valor_, T{});
        }
        return *this;
    }

    T get() const { return valor_; }
    explicit operator bool() const { return valor_ != T{}; }
    void Restablecer(T nuevo = T{}) {
        if (valor_ != T{}) Liberar(valor_);
        valor_ = nuevo;
    }
    // Gives the handle up without freeing it, for what must outlive its owner.
    T Soltar() { return std::exchange(valor_, T{}); }

private:
    T valor_ = T{};
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
using DCMemoria = Manejador<HDC, BorrarDC>;
using Icono = Manejador<HICON, DestruirIcono>;
using Archivo = Manejador<HANDLE, CerrarManejador>;
using ManejadorProceso = Manejador<HANDLE, CerrarManejador>;
using ManejadorTrabajo = Manejador<HANDLE, CerrarManejador>;

// Selects an object into a DC for the guard's lifetime.
class ObjetoEnDc {
public:
    ObjetoEnDc(HDC dc, HGDIOBJ objeto) : dc_(dc), anterior_(::SelectObject(dc, objeto)) {}
    ~ObjetoEnDc() { ::SelectObject(dc_, anterior_); }
    ObjetoEnDc(const ObjetoEnDc&) = delete;
    ObjetoEnDc& operator=(const ObjetoEnDc&) = delete;

private:
    HDC dc_;
    HGDIOBJ anterior_;
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
