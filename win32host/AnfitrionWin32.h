#pragma once
// What the menu window gets from its Windows host: the program's folder and
// command line, message boxes, the window's place on the screen and its
// background picture.

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/Anfitrion.h"
#include "win32host/ArchivosWin32.h"
#include "win32host/Escala.h"
#include "win32host/Manejadores.h"

namespace instalar::win32 {

class AnfitrionWin32 : public Anfitrion {
public:
    AnfitrionWin32(const Escala& escala, ArchivosWin32& archivos) : escala_(escala), archivos_(archivos) {}

    // The window that owns message boxes and is moved by drags.
    void FijarVentana(HWND ventana) { ventana_ = ventana; }
    // Takes this for the program's argument string (a test's window).
    void FijarLineaComandos(std::u16string linea) { lineaComandos_ = std::move(linea); }
    HBITMAP Fondo() const { return fondo_.get(); }

    std::u16string CarpetaPrograma() override;
    std::u16string LineaComandos() override;
    std::vector<std::u16string> IdiomasPreferidos() override;
    void MostrarMensaje(const std::u16string& texto, const std::u16string& titulo) override;
    bool PreguntarSiNo(const std::u16string& texto, const std::u16string& titulo) override;
    Punto PosicionVentana() override;
    void MoverVentana(Punto posicion) override;
    Fallo CargarFondo(const std::u16string& ruta) override;

private:
    const Escala& escala_;
    ArchivosWin32& archivos_;
    HWND ventana_ = nullptr;
    std::optional<std::u16string> lineaComandos_;
    MapaBits fondo_;
};

// The argument string of a command line: what follows the program's name
// and the blanks that separate it.
std::u16string ArgumentosDe(const std::u16string& lineaCompleta);

}  // namespace instalar::win32
