#pragma once
// Where the menu waits for a setup, in a menu that comes back after each
// (";@volver"): what the host hands the core to wait on, how it looks at
// the setup's processes, and the message loop that keeps looking while the
// window goes on.  The core decides what a setup's end shows
// (window/Instalacion.h), in the words of launch/Desenlace.h.

#include <windows.h>

#include <optional>

#include "interfaces/Procesos.h"
#include "win32host/Descendientes.h"
#include "win32host/GrupoDeProcesos.h"
#include "win32host/Manejadores.h"

namespace instalar::win32 {

// A setup the menu started and waits for, as the core gets it: the started
// process, the group of every process started from it where the system
// allowed one, and what the system's list of processes shows it started
// (where there is no group, and for what escaped one).
class ProcesoSeguido : public ProcesoIniciado {
public:
    ProcesoSeguido(ManejadorProceso proceso, std::optional<GrupoDeProcesos> grupo)
        : proceso_(std::move(proceso)), grupo_(std::move(grupo)), descendientes_(proceso_.get()) {}

    // Signalled when the started process itself ends, for
    // MsgWaitForMultipleObjectsEx.  Processes it started may still run
    // then: Mirar() says whether they do, and is to be asked again from
    // time to time while the setup is followed.
    HANDLE Proceso() const { return proceso_.get(); }

    MiradaProceso Mirar() override;
    bool SigueDescendientes() const override { return grupo_.has_value() || descendientes_.Disponible(); }

private:
    // A process the setup started that still runs, by its file name.
    std::optional<std::u16string> OtroEnMarcha() const;

    ManejadorProceso proceso_;
    std::optional<GrupoDeProcesos> grupo_;
    Descendientes descendientes_;
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
