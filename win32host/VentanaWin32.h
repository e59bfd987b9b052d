#pragma once
// The menu window on Windows: owns the window handle, the two push buttons
// and the pictures, paints the model, forwards messages to the logic and
// answers screen readers.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "arranque/basMenu.h"
#include "win32host/AccesibilidadWin32.h"
#include "win32host/AnfitrionWin32.h"
#include "win32host/ArchivosWin32.h"
#include "win32host/Escala.h"
#include "win32host/Fuentes.h"
#include "win32host/Lienzo.h"
#include "win32host/Manejadores.h"
#include "win32host/MaquinaWin32.h"
#include "win32host/MedidaTextoWin32.h"
#include "win32host/ProcesosWin32.h"
#include "win32host/ParadasWin32.h"
#include "window/frmMenu.h"

namespace instalar::win32 {

enum IdBoton : int { kIdInstalar = 1001, kIdCerrar = 1002 };

// How the window starts when not as the program starts it (a test's window).
struct OpcionesVentana {
    std::optional<int> dpi;                       // else its monitor's
    std::optional<std::u16string> lineaComandos;  // else the program's own
};

class VentanaWin32 : public VentanaMenu {
public:
    static Resultado<std::unique_ptr<VentanaWin32>> Crear(HINSTANCE instancia, const OpcionesVentana& opciones = {});
    ~VentanaWin32() override;
    VentanaWin32(const VentanaWin32&) = delete;
    VentanaWin32& operator=(const VentanaWin32&) = delete;

    void Cargar() override;
    void Mostrar() override;

    // Called by the message loop for every message before it is dispatched:
    // the window sees keys before the focused button.  True when the message
    // has been dealt with and must not be dispatched.
    bool PrevisualizarTecla(const MSG& mensaje) noexcept;

    // Whether a setup the window waits for is running: the message loop then
    // wakes from time to time to call MirarInstalacion (EsperaInstalacion.h).
    bool EsperandoInstalacion() const { return ventana_ && modelo_.EsperandoInstalacion(); }
    // Looks whether that setup has ended, and if so shows how and comes to
    // the front, or flashes where it may not.
    void MirarInstalacion() noexcept;

private:
    VentanaWin32(HINSTANCE instancia, int dpi);
    Fallo CrearVentana();
    void CargarModelo();
    void MostrarVentana();
    void CrearBotones();
    void ColocarBotones();
    // The window now stands on a screen of `dpi` (bounded to what the layout
    // admits): fonts, labels, items and buttons are made and placed anew, at
    // `sugerido`'s corner if the window placed there at its new size lies on
    // a monitor.
    void CambiarDpi(int dpi, const RECT* sugerido);

    static LRESULT CALLBACK ProcedimientoVentana(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) noexcept;
    LRESULT ManejarMensaje(UINT mensaje, WPARAM w, LPARAM l);
    bool ManejarTecla(const MSG& mensaje);
    void AlPintar();
    void AlCambiarTamano(LPARAM l);
    void AlPresionarRaton(LPARAM l, bool botonIzquierdo);
    void AlMoverRaton(LPARAM l);
    void AlSoltarRaton(LPARAM l);
    bool AlFijarCursor();
    void AlComando(WPARAM w);
    void AlActivar(WPARAM w);
    LRESULT AlCambiarEstadoUi(WPARAM w, LPARAM l);
    void AlCambiarColoresDelSistema();
    void AlCambiarColores();
    void AlPedir(const Peticion& peticion);
    void MostrarFoco(ParadaFoco parada);
    void Enfocar(ParadaFoco parada);
    void TrasEvento();
    void SincronizarBotones();
    void RotularBotones();
    void DevolverFocoAInstalar();
    void VolverAlFrente();
    void Actualizar();
    Punto ATwips(LPARAM l) const;
    void Pintar(HDC dc);
    Apariencia AparienciaActual() const;
    std::vector<Huella> Huellas() const;
    ParadasWin32 Paradas() const { return {ventana_, instalar_, cerrar_}; }

    HINSTANCE instancia_;
    Escala escala_;
    Fuentes fuentes_;
    ArchivosWin32 archivos_;
    MedidaTextoWin32 medida_;
    AnfitrionWin32 anfitrion_;
    ProcesosWin32 procesos_;
    MaquinaWin32 maquina_;
    frmMenu modelo_;
    AccesibilidadWin32 accesibilidad_;
    Lienzo lienzo_;
    Icono flecha_;
    Icono icono_;
    Icono iconoPequeno_;
    HCURSOR mano_ = nullptr;  // shared resource cursor: never destroyed
    FuenteGdi fuenteBotones_;
    HWND ventana_ = nullptr;
    HWND instalar_ = nullptr;
    HWND cerrar_ = nullptr;
    HWND ultimoFoco_ = nullptr;
    // "Cerrar" holds the focus because "Instalar", which had it, was disabled.
    bool focoPrestado_ = false;
    int opcionPresionada_ = -1;
    bool altoContraste_ = false;
};

}  // namespace instalar::win32
