#include "win32host/EsperaInstalacion.h"

namespace instalar::win32 {

bool ProcesoSeguido::Terminado() {
    if (::WaitForSingleObject(proceso_.get(), 0) != WAIT_OBJECT_0) return false;
    return !grupo_ || grupo_->Vacio();
}

uint32_t ProcesoSeguido::CodigoSalida() {
    DWORD codigo = 0;
    ::GetExitCodeProcess(proceso_.get(), &codigo);
    return codigo;
}

}  // namespace instalar::win32
