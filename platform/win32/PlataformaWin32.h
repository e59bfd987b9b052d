#pragma once
// The menu's platform on Windows.

#include <windows.h>

#include "platform/Plataforma.h"
#include "platform/win32/Fuentes.h"
#include "platform/win32/Manejadores.h"

namespace instalar::win32 {

class PlataformaWin32 : public Plataforma {
public:
    explicit PlataformaWin32(Fuentes& fuentes);

    // The window that owns message boxes and is moved by drags.
    void FijarVentana(HWND ventana) { ventana_ = ventana; }
    HBITMAP Fondo() const { return fondo_.get(); }
    int Dpi() const { return dpi_; }

    std::u16string CarpetaPrograma() override;
    std::u16string LineaComandos() override;
    double TwipsPorPixelX() override { return 1440.0 / dpi_; }
    double TwipsPorPixelY() override { return 1440.0 / dpi_; }

    Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) override;
    std::u16string DesdeAnsi(std::string_view bytes) override;
    Resultado<int64_t> LongitudArchivo(const std::u16string& ruta) override;
    Fallo CargarFondo(const std::u16string& ruta) override;

    Tamano MedirTexto(const instalar::Fuente& fuente, const std::u16string& texto, double anchoAjuste) override;
    bool IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) override;

    void MostrarMensaje(const std::u16string& texto, const std::u16string& titulo) override;
    Punto PosicionVentana() override;
    void MoverVentana(Punto posicion) override;

    Fallo IniciarProceso(const PeticionProceso& peticion) override;
    Fallo EjecutarConShell(const PeticionProceso& peticion) override;

private:
    // The whole file, when it is no larger than a picture could sensibly be.
    Resultado<std::string> LeerArchivoPequeno(const std::u16string& ruta);

    Fuentes& fuentes_;
    HWND ventana_ = nullptr;
    int dpi_;
    DCMemoria medidor_;
    HFONT fuenteMedidor_ = nullptr;
    MapaBits fondo_;
};

// The screen's dots per inch (the program is DPI-aware at system level).
int DpiDePantalla();

// The argument string of a command line: what follows the program's name
// and the blanks that separate it.
std::u16string ArgumentosDe(const std::u16string& lineaCompleta);

}  // namespace instalar::win32
