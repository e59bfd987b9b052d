#pragma once
// The menu window's controls as plain data, in twips from the top-left
// corner of the window's inner area.  The logic changes them; the Win32
// host paints them and hit-tests the mouse against them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Plataforma.h"

namespace instalar {

struct Color {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct Rectangulo {
    float izquierda = 0, arriba = 0, ancho = 0, alto = 0;
    bool Contiene(double x, double y) const {
        return x >= izquierda && x < izquierda + ancho && y >= arriba && y < arriba + alto;
    }
};

enum class Alineacion { Izquierda, Derecha };

// A windowless text label with a transparent background.
struct Etiqueta {
    Rectangulo caja;
    std::u16string texto;
    std::u16string etiqueta;              // free string kept with the label
    Fuente fuente;
    std::optional<Color> color;           // empty: the system's text colour
    Alineacion alineacion = Alineacion::Izquierda;
    bool autoTamano = false;              // resizes itself to its text
    bool conservaDerecha = false;         // when resizing, keeps its right edge
    bool ajustePalabras = false;          // keeps its width, wraps, grows down
    bool visible = true;
    bool cursorMano = false;
};

enum class Dibujo { Flecha, Icono };

struct Imagen {
    Rectangulo caja;
    Dibujo dibujo = Dibujo::Icono;
    bool visible = true;
};

struct Linea {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color;
};

struct Barra {
    Rectangulo caja;
    Color fondo;
};

struct Boton {
    Rectangulo caja;
    std::u16string texto;
    bool habilitado = true;
    Color fondo;  // set like the bar's, but a standard push button draws its own colours
};

// All controls of the menu window, at their design values.
struct Controles {
    Boton btnInstalar;
    Boton btnCancelar;
    Etiqueta Label1;
    Etiqueta etqInfo;
    std::vector<Etiqueta> etqInstalar;  // element 0 exists from the design
    Imagen Image1;
    Linea Line1;
    Imagen Image2;
    Etiqueta etqVer;
    Etiqueta etqTipo;
    Barra shpBar;
    std::u16string titulo;
};

Controles ControlesDeDiseno();

// Inner size of the window, in twips.
constexpr float kAnchoVentana = 6765;
constexpr float kAltoVentana = 5490;

// Sets a label's text or font and lets a self-sizing label fit it, keeping
// its left edge, or its right edge where the label says so.
void FijarTexto(Etiqueta& etiqueta, std::u16string texto, Plataforma& plataforma);
void FijarNegrita(Etiqueta& etiqueta, bool negrita, Plataforma& plataforma);

}  // namespace instalar
