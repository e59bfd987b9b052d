#pragma once
// A setup the menu started and waits for: the started process, and where
// the system allowed it, the group of every process started from it.

#include <windows.h>

#include <optional>

#include "interfaces/Procesos.h"
#include "win32host/GrupoDeProcesos.h"
#include "win32host/Manejadores.h"

namespace instalar::win32 {

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

    bool Terminado() override;
    uint32_t CodigoSalida() override;

private:
    ManejadorProceso proceso_;
    std::optional<GrupoDeProcesos> grupo_;
};

}  // namespace instalar::win32
