#include "win32host/EsperaInstalacion.h"

namespace instalar::win32 {

MiradaProceso ProcesoSeguido::Mirar() {
    // Looked at while the setup itself runs too: what it starts and ends
    // before it ends is seen to end before it.
    descendientes_.Buscar();
    MiradaProceso mirada;
    if (::WaitForSingleObject(proceso_.get(), 0) != WAIT_OBJECT_0) return mirada;
    mirada.terminado = true;
    DWORD codigo = 0;
    ::GetExitCodeProcess(proceso_.get(), &codigo);
    mirada.codigoSalida = codigo;
    const std::optional<std::u16string> otro = OtroEnMarcha();
    mirada.otrosEnMarcha = otro.has_value();
    mirada.nombreDeOtro = otro.value_or(u"");
    mirada.sobrevivido =
        mirada.otrosEnMarcha || descendientes_.AlgunoTerminoDespues(TiemposDe(proceso_.get()).terminado);
    return mirada;
}

std::optional<std::u16string> ProcesoSeguido::OtroEnMarcha() const {
    if (auto hallado = descendientes_.UnoEnMarcha()) return hallado;
    if (grupo_) return grupo_->OtroEnMarcha(::GetProcessId(proceso_.get()));
    return std::nullopt;
}

}  // namespace instalar::win32
