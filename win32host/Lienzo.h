#pragma once
// The window's picture, kept in a bitmap: only its out-of-date parts are
// painted again, and WM_PAINT and WM_PRINTCLIENT (the buttons asking for
// their background) copy from it, so nothing flickers and a repeated paint
// costs one copy.

#include <windows.h>

#include <functional>
#include <vector>

#include "win32host/Huellas.h"
#include "win32host/Manejadores.h"

namespace instalar::win32 {

class Lienzo {
public:
    // Paints the window's content into a DC whose clipping region holds the
    // parts that are out of date.
    using FuncionPintar = std::function<void(HDC)>;

    explicit Lienzo(FuncionPintar pintar) : pintar_(std::move(pintar)) {}

    // Marks part of the window (all of it for nullptr) as out of date.
    void Invalidar(HWND ventana, const RECT* caja);
    // Marks what changed since the fingerprints last taken, and keeps the new ones.
    void InvalidarCambios(HWND ventana, std::vector<Huella> nuevas);
    // After a change of everything: all out of date, these fingerprints kept.
    void Rehacer(HWND ventana, std::vector<Huella> huellas);
    // Brings the picture up to date and copies it to `destino`.
    void Copiar(HWND ventana, HDC destino);

private:
    void Actualizar(HWND ventana, HDC referencia);

    FuncionPintar pintar_;
    std::vector<Huella> huellas_;
    MapaBits mapa_;
    SIZE tamano_{};
    Region pendiente_;
};

// The size of a window's inner area in pixels.
SIZE TamanoCliente(HWND ventana);

}  // namespace instalar::win32
