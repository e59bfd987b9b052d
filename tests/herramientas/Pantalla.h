// What is on screen, pixel by pixel, and the screen's resolution.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "win32host/Manejadores.h"

namespace herramientas {

// Screen resolution in dots per inch (of a DPI-aware process: the real one).
int PuntosPorPulgada();

// The pixels of a picture, kept after the picture is gone.
class Captura {
public:
    // What a screen rectangle shows now (BitBlt from the screen DC: what is
    // on screen, including whatever covers a window).
    explicit Captura(const RECT& pantalla);
    // A picture drawn by `dibujar` on a memory DC of that size (for
    // comparing the screen with a drawing of what should be there).
    Captura(int ancho, int alto, const std::function<void(HDC, const RECT&)>& dibujar);
    // The pixels of a top-down 32-bit bitmap, 0x00RRGGBB, row after row.
    Captura(int ancho, int alto, std::vector<std::uint32_t> pixeles);

    COLORREF En(int x, int y) const;  // relative to the top left corner
    int Ancho() const { return ancho_; }
    int Alto() const { return alto_; }

    friend bool operator==(const Captura& a, const Captura& b) {
        return a.ancho_ == b.ancho_ && a.alto_ == b.alto_ && a.pixeles_ == b.pixeles_;
    }
    friend bool operator!=(const Captura& a, const Captura& b) { return !(a == b); }

private:
    int ancho_;
    int alto_;
    std::vector<std::uint32_t> pixeles_;
};

// A 32-bit top-down bitmap selected into a memory DC: something to draw on
// or to copy the screen into.
class Lienzo {
public:
    // Throws for an empty size.
    Lienzo(int ancho, int alto);
    Lienzo(const Lienzo&) = delete;
    Lienzo& operator=(const Lienzo&) = delete;

    HDC Dc() const { return dc_.get(); }
    int Ancho() const { return ancho_; }
    int Alto() const { return alto_; }
    // Its pixels as they are now, drawing still queued by GDI included.
    Captura Pixeles() const;

private:
    int ancho_;
    int alto_;
    void* bits_ = nullptr;
    instalar::win32::DCCreado dc_;
    instalar::win32::MapaBits mapa_;
    instalar::win32::ObjetoEnDc seleccion_;
};

// One rectangle of the screen, copied again on every Tomar into the same
// bitmap: cheap enough to poll the screen for a change.
class ZonaDePantalla {
public:
    explicit ZonaDePantalla(const RECT& pantalla);
    Captura Tomar() const;

private:
    RECT zona_;
    instalar::win32::DCVentana pantalla_{nullptr};
    Lienzo lienzo_;
};

COLORREF PixelDePantalla(POINT pantalla);

// What the screen rectangle `zona()` shows once its painting has settled:
// two captures alike in a row, or the last one when the time is up.
Captura CapturaQuieta(const std::function<RECT()>& zona, DWORD milisegundos);

// "RGB(r,g,b)" for messages.
std::string TextoColor(COLORREF color);

// How `vista` differs from `esperada` laid over it with its top left corner
// at `en`: "" when every pixel of `esperada` matches, otherwise how many
// differ and the first of them, by its place in `vista`.
std::string DiferenciaDePixeles(const Captura& vista, const Captura& esperada, POINT en = {0, 0});

}  // namespace herramientas
