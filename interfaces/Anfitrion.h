#pragma once
// What the menu window needs from the program that hosts it: where the
// program was started from and with what, and the window itself as the
// system shows it (its message boxes, its place on the screen, its
// background picture).

#include <string>
#include <vector>

#include "common/Error.h"

namespace instalar {

// A point on the screen, in twips.
struct Punto {
    double x = 0;
    double y = 0;
};

class Anfitrion {
public:
    virtual ~Anfitrion() = default;

    // Folder of the executable: no trailing backslash except at a drive root.
    virtual std::u16string CarpetaPrograma() = 0;
    // The argument string after the program's name, as the user typed it.
    virtual std::u16string LineaComandos() = 0;
    // The languages the user's Windows shows them, most wanted first, as
    // language tags ("pt-BR"); the menu file is chosen by them.
    virtual std::vector<std::u16string> IdiomasPreferidos() = 0;

    // A message box over the window, with an OK button and the exclamation icon.
    virtual void MostrarMensaje(const std::u16string& texto, const std::u16string& titulo) = 0;
    // A question over the window with "Sí" and "No", "No" the default:
    // true only for "Sí".
    virtual bool PreguntarSiNo(const std::u16string& texto, const std::u16string& titulo) = 0;
    // The window's top-left corner on the screen.
    virtual Punto PosicionVentana() = 0;
    virtual void MoverVentana(Punto posicion) = 0;
    // Loads the window's background picture; the host keeps and paints it.
    virtual Fallo CargarFondo(const std::u16string& ruta) = 0;
};

}  // namespace instalar
