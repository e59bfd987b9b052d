#pragma once
// Where the menu waits for a setup, in a menu that comes back after each
// (";@volver"): what the host hands the core to wait on, how it looks at
// the setup's processes, and the message loop that keeps looking while the
// window goes on.  The core decides what a setup's end shows
// (window/Instalacion.h), in the words of launch/Desenlace.h.

#include <windows.h>

#include <optional>

#include "interfaces/Procesos.h"
#include "win32host/GrupoDeProcesos.h"
#include "win32host/Manejadores.h"

namespace instalar::win32 {

// A setup the menu started and waits for, as the core gets it: the started
// process, and where the system allowed it, the group of every process
// started from it.
class ProcesoSeguido : public ProcesoIniciado {
public:
    // `grupo` holds `proceso` and its descendants; without one, only the
    // process itself is waited for.
    ProcesoSeguido(ManejadorProceso proceso, std::optional<GrupoDeProcesos> grupo)
        : proceso_(std::move(proceso)), grupo_(std::move(grupo)) {}

    // Signalled when the started process itself ends, for
    // MsgWaitForMultipleObjectsEx.  Processes it started may still run
    // then: Terminado() says whether they do, and is to be asked again
    // from time to time while it says false.
    HANDLE Proceso() const { return proceso_.get(); }

    // The look: the started process has ended and no process of its group
    // runs any more.
    bool Terminado() override;
    uint32_t CodigoSalida() override;

private:
    ManejadorProceso proceso_;
    std::optional<GrupoDeProcesos> grupo_;
};

// How often the loop looks at a setup the menu waits for.  The processes
// that a setup starts signal nothing when they end, so the loop looks.
constexpr DWORD kMilisegundosEntreMiradas = 100;

// The next message for the program's loop; false once the loop is to end.
// While a setup runs, it waits for messages and for the setup together,
// never longer than a moment, without blocking the window or starting a
// thread.  `ventana` tells whether it waits for a setup
// (EsperandoInstalacion) and looks whether that has ended, showing how
// (MirarInstalacion).
template <typename Ventana>
bool SiguienteMensaje(Ventana& ventana, MSG& mensaje) {
    while (ventana.EsperandoInstalacion()) {
        ventana.MirarInstalacion();
        if (::PeekMessageW(&mensaje, nullptr, 0, 0, PM_REMOVE)) return mensaje.message != WM_QUIT;
        if (!ventana.EsperandoInstalacion()) break;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, kMilisegundosEntreMiradas, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return ::GetMessageW(&mensaje, nullptr, 0, 0) > 0;
}

}  // namespace instalar::win32
