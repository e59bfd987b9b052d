#pragma once
// The menu window as a screen reader sees it: the window and, as its
// children, one element per item, the description, the title, the version,
// the hint below the list and the two buttons, numbered in that order from
// 1 (0 is the window itself).  Everything a screen reader asks is answered
// here from the window's model, in twips; the host only wraps the answers
// in the system's accessibility interfaces and converts to screen pixels.

#include <cstdint>
#include <optional>
#include <string>

#include "window/Foco.h"
#include "window/frmMenu.h"

namespace instalar {

enum class RolAccesible { Ventana, OpcionDeLista, Texto, Boton };

// An element's state, as bits.
enum EstadoAccesible : unsigned {
    kSeleccionable = 1u << 0,
    kSeleccionado = 1u << 1,
    kEnfocable = 1u << 2,
    kEnfocado = 1u << 3,
    kNoDisponible = 1u << 4,
    kInvisible = 1u << 5,
    kSoloLectura = 1u << 6,
    kOcupado = 1u << 7,  // its setup is running
};

// The window's children, in the order of their numbers.
enum class Parte { Opcion, Descripcion, Titulo, Version, Indicacion, Instalar, Cerrar };

struct ElementoAccesible {
    RolAccesible rol = RolAccesible::Texto;
    // The text as shown, access-key marks removed; an item's tells also of
    // its setup, once one has started: "Contabilidad: instalando".
    std::u16string nombre;
    std::u16string atajo;   // "Alt+x" for an item with an access key
    std::u16string accion;  // the name of the default action; empty for none
    Rectangulo caja;        // as painted, from the window's inner top-left
    unsigned estados = 0;
};

// What a screen reader asks of an element with accSelect.
struct PeticionSeleccion {
    bool tomarFoco = false;
    bool tomarSeleccion = false;
    bool otras = false;  // adding to, extending or removing the selection
};

enum class Direccion { Siguiente, Anterior, PrimerHijo, UltimoHijo };

// What the window is asked to do on a screen reader's behalf: what the
// user's own click or key would do.
struct Peticion {
    enum class Tipo { SeleccionarOpcion, PresionarBoton } tipo = Tipo::SeleccionarOpcion;
    int16_t opcion = 0;
    bool enfocarLista = false;
    ParadaFoco boton = ParadaFoco::Instalar;
};

class ArbolAccesible {
public:
    // `foco` is the stop that holds the keyboard focus, none while the
    // window is not the active one.  `disponible` is false while the window
    // takes no input (a message box of its own is up): every element is
    // then unavailable, and nothing can be selected or pressed.
    ArbolAccesible(const frmMenu& menu, std::optional<ParadaFoco> foco, bool disponible = true)
        : menu_(menu), foco_(foco), disponible_(disponible) {}

    static constexpr long kVentana = 0;

    long Hijos() const { return menu_.TotalOpciones() + 6L; }
    long IdDeOpcion(int16_t indice) const { return indice + 1L; }
    long IdDe(Parte parte) const { return menu_.TotalOpciones() + static_cast<long>(parte); }
    // The part a child number stands for; none for 0 and numbers past the last.
    std::optional<Parte> ParteDe(long id) const;
    std::optional<int16_t> OpcionDe(long id) const;

    // The window (0) or one of its children; none for another number.
    std::optional<ElementoAccesible> Elemento(long id) const;
    // For an item: the description that selecting it shows, if it shows one.
    std::optional<std::u16string> Descripcion(long id) const;

    // What lies at a point of the window (twips): the child the mouse would
    // reach there, or 0 for the window itself.
    long HijoEn(double x, double y) const;
    // The element with the keyboard focus: the selected item while the
    // list has it (the window when none is selected), or a button.  None
    // while the window is not active.
    std::optional<long> HijoConFoco() const;
    std::optional<long> HijoSeleccionado() const;
    std::optional<long> Navegar(long desde, Direccion direccion) const;

    // accSelect on an item selects it, as a click would, and with
    // tomarFoco also gives the list the focus.  None for another element or
    // for what a list of one selection cannot do.
    std::optional<Peticion> Seleccionar(long id, const PeticionSeleccion& peticion) const;
    // The default action: select an item, press an enabled button.
    std::optional<Peticion> AccionPredeterminada(long id) const;

private:
    ElementoAccesible Ventana() const;
    ElementoAccesible Opcion(int16_t indice) const;
    ElementoAccesible Texto(const Etiqueta& etiqueta) const;
    ElementoAccesible DeBoton(const Boton& boton, ParadaFoco parada) const;

    std::optional<ElementoAccesible> ElementoDisponible(long id) const;

    const frmMenu& menu_;
    std::optional<ParadaFoco> foco_;
    bool disponible_;
};

}  // namespace instalar
