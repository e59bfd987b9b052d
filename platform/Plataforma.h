#pragma once
// Everything the menu's logic needs from the operating system, and nothing
// more.  The Win32 host implements it for real; unit tests use a fake.
// No Windows types cross this interface: sizes and positions are twips,
// text is UTF-16.

#include <cstdint>
#include <memory>
#include <string>

#include "common/Error.h"
#include "platform/AccesoArchivos.h"

namespace instalar {

struct Fuente {
    std::u16string nombre;
    double puntos = 8.25;
    bool negrita = false;
};

struct Tamano {
    double ancho = 0;
    double alto = 0;
};

struct Punto {
    double x = 0;
    double y = 0;
};

// How a setup program is started: the checked file as the application,
// a command line whose first token is that file, quoted, and its folder as
// the working folder.
struct PeticionProceso {
    std::u16string aplicacion;
    std::u16string lineaComandos;
    std::u16string carpetaTrabajo;
    int mostrar = 1;  // normal, activated window
};

class Plataforma : public AccesoArchivos {
public:
    // --- Where and how the program was started
    // Folder of the executable: no trailing backslash except at a drive root.
    virtual std::u16string CarpetaPrograma() = 0;
    // The argument string after the program's name, as the user typed it.
    virtual std::u16string LineaComandos() = 0;

    // --- Screen
    virtual double TwipsPorPixelX() = 0;
    virtual double TwipsPorPixelY() = 0;

    // --- Files (opening and decoding come from AccesoArchivos)
    virtual Resultado<int64_t> LongitudArchivo(const std::u16string& ruta) = 0;
    // Loads the window's background picture; the host keeps it.
    virtual Fallo CargarFondo(const std::u16string& ruta) = 0;

    // --- Text
    // Size of a label's text in twips.  With anchoAjuste > 0 the text wraps
    // at word boundaries within that width.  "&" marks an access key.
    virtual Tamano MedirTexto(const Fuente& fuente, const std::u16string& texto, double anchoAjuste) = 0;
    // Case-insensitive comparison in the user's locale.
    virtual bool IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) = 0;

    // --- Window
    // A message box with an OK button and the exclamation icon.
    virtual void MostrarMensaje(const std::u16string& texto, const std::u16string& titulo) = 0;
    virtual Punto PosicionVentana() = 0;  // screen twips
    virtual void MoverVentana(Punto posicion) = 0;

    // --- Processes
    virtual Fallo IniciarProceso(const PeticionProceso& peticion) = 0;
    // Starts through the shell, which asks for consent when the program
    // needs administrator rights.
    virtual Fallo EjecutarConShell(const PeticionProceso& peticion) = 0;
};

}  // namespace instalar
