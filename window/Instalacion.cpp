#include "window/Instalacion.h"

#include "launch/Desenlace.h"
#include "window/TeclasAcceso.h"

namespace instalar {

std::u16string NombreVisible(const Etiqueta& opcion) { return TextoSinMarcas(opcion.texto); }

void Instalacion::Empezar(int16_t opcion, ProcesoAEsperar proceso) {
    proceso_ = std::move(proceso);
    estado_.instalando = opcion;
    Controles& c = estado_.controles;
    FijarTexto(c.indicacion, TextoInstalando(NombreVisible(Opcion(opcion))), medida_);
    // Nothing may start a second setup while this one runs.
    c.btnInstalar.habilitado = false;
}

bool Instalacion::Mirar() {
    if (!proceso_ || !proceso_->Terminado()) return false;
    const uint32_t codigo = proceso_->CodigoSalida();
    proceso_.reset();
    const int16_t opcion = *estado_.instalando;
    estado_.instalando.reset();
    Controles& c = estado_.controles;
    Opcion(opcion).desenlace = codigo;
    FijarTexto(c.indicacion, TextoTerminado(NombreVisible(Opcion(opcion)), codigo), medida_);
    c.btnInstalar.habilitado = true;
    return true;
}

}  // namespace instalar
