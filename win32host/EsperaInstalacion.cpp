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

bool SiguienteMensaje(VentanaQueEspera& ventana, MSG& mensaje) {
    while (ventana.EsperandoInstalacion()) {
        ventana.MirarInstalacion();
        if (::PeekMessageW(&mensaje, nullptr, 0, 0, PM_REMOVE)) return mensaje.message != WM_QUIT;
        if (!ventana.EsperandoInstalacion()) break;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, kMilisegundosEntreMiradas, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return ::GetMessageW(&mensaje, nullptr, 0, 0) > 0;
}

}  // namespace instalar::win32
