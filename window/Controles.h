#pragma once
// The menu window's controls as plain data, in twips from the top-left
// corner of the window's inner area.  The window's logic changes them; the
// Win32 host paints them and hit-tests the mouse against them, both by
// walking them in the one order below.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "interfaces/MedidaTexto.h"
#include "launch/Desenlace.h"
#include "menufile/Requisitos.h"
#include "window/Geometria.h"

namespace instalar {

enum class Alineacion { Izquierda, Derecha };

// The mark an item gets once the setup it started has ended, drawn right of
// its name in the name's own colour: a tick, a dash, a cross, or a ring for
// an outcome nobody saw (ClaseDesenlace::Incierto), told apart by shape in
// every theme.
enum class MarcaOpcion { Ninguna, Instalado, Cancelado, Fallido, Incierto };

// A windowless text label with a transparent background.
struct Etiqueta {
    Rectangulo caja;
    std::u16string texto;
    std::u16string comando;               // an item's setup program (the label's free string)
    Fuente fuente;
    std::optional<Color> color;           // empty: the system's text colour
    Alineacion alineacion = Alineacion::Izquierda;
    bool autoTamano = false;              // resizes itself to its text
    float anchoMaximo = 0;                // when resizing, no wider than this (0: no limit); the
                                          // host ends a longer text in an ellipsis
    bool conservaDerecha = false;         // when resizing, keeps its right edge
    bool ajustePalabras = false;          // keeps its width, wraps, grows down
    bool visible = true;
    bool cursorMano = false;
    // An item's: how its last setup that the menu waited for ended.
    std::optional<Desenlace> desenlace;
    // An item the machine cannot take (";@requiere"): drawn in grey, never
    // started, and this is why (in the menu's words: TextoDeMotivo).
    std::optional<Motivo> noDisponible;
    // Whether its product is on the machine (";@instalado"): none for an
    // item without probes.
    std::optional<bool> instalado;
};

enum class Dibujo { Flecha, Icono };

struct Imagen {
    Rectangulo caja;
    Dibujo dibujo = Dibujo::Icono;
    bool visible = true;
};

struct Barra {
    Rectangulo caja;
    Color fondo;
};

// The system's message font, which push buttons take, whatever its size:
// a font without a name.
inline const Fuente kFuenteDeBotones{u"", 9, false};

struct Boton {
    Rectangulo caja;
    std::u16string texto;
    Fuente fuente = kFuenteDeBotones;
    bool habilitado = true;
    Color fondo;  // set like the bar's, but a standard push button draws its own colours
};

// All controls of the menu window, at their design values.
struct Controles {
    Boton instalar;                  // "Instalar": starts the selected item's setup program
    Boton cerrar;                    // "Cerrar": closes the menu
    Etiqueta indicacion;             // the hint below the list, "Selecciona la opción..."
    Etiqueta descripcion;            // the selected item's description, right of the divider
    std::vector<Etiqueta> opciones;  // the item list; element 0 exists from the design
    Imagen flecha;                   // in front of the selected item
    Linea divisoria;                 // between the list and the description
    Imagen icono;                    // the program's icon, top right
    Etiqueta version;                // "Versión ...", below the title
    Etiqueta titulo;                 // the menu file's first line
    Barra barra;                     // along the bottom, behind the buttons
    std::u16string tituloVentana;    // the window's caption, also its message boxes' title
};

Controles ControlesDeDiseno();

// Where the design puts the two push buttons.
constexpr Rectangulo kCajaInstalar{200, 5085, 1350, 350};
constexpr Rectangulo kCajaCerrar{5280, 5085, 1350, 350};

// Inner size of the window, in twips.
constexpr float kAnchoVentana = 6765;
constexpr float kAltoVentana = 5490;

// One item label and its place in the list, as the walk below hands it out.
struct OpcionDeLista {
    const Etiqueta& etiqueta;
    int16_t indice;
};

// Hands every windowless control to `visita`, from the bottom of the window
// to the top: a control handed out later is painted over the earlier ones
// and takes the mouse before them.  `visita` is called with a Barra, an
// Etiqueta, an Imagen, a Linea or an OpcionDeLista.
template <typename Visita>
void DeAbajoArriba(const Controles& c, Visita&& visita) {
    visita(c.barra);
    visita(c.titulo);
    visita(c.version);
    visita(c.icono);
    visita(c.divisoria);
    visita(c.flecha);
    for (size_t i = 0; i < c.opciones.size(); ++i) visita(OpcionDeLista{c.opciones[i], static_cast<int16_t>(i)});
    visita(c.descripcion);
    visita(c.indicacion);
}

// Sets a label's text or font and lets a self-sizing label fit it, keeping
// its left edge, or its right edge where the label says so.
void FijarTexto(Etiqueta& etiqueta, std::u16string texto, MedidaTexto& medida);
void FijarNegrita(Etiqueta& etiqueta, bool negrita, MedidaTexto& medida);

// The mark an item shows for how its last setup ended; none before any.
MarcaOpcion MarcaDe(const Etiqueta& opcion);

}  // namespace instalar
