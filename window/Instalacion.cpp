#include "window/Instalacion.h"

#include "launch/Desenlace.h"
#include "window/TeclasAcceso.h"

namespace instalar {

std::u16string NombreVisible(const Etiqueta& opcion) { return TextoMostrado(opcion.texto); }

void Instalacion::Empezar(int16_t opcion, ProcesoAEsperar proceso) {
    estado_.instalando = InstalacionEnCurso{opcion, std::move(proceso)};
    FijarTexto(estado_.controles.indicacion, TextoInstalando(NombreVisible(Opcion(opcion))), medida_);
}

bool Instalacion::Mirar() {
    if (!estado_.instalando || !estado_.instalando->proceso->Terminado()) return false;
    const uint32_t codigo = estado_.instalando->proceso->CodigoSalida();
    const int16_t opcion = estado_.instalando->opcion;
    estado_.instalando.reset();
    Opcion(opcion).desenlace = codigo;
    FijarTexto(estado_.controles.indicacion, TextoTerminado(NombreVisible(Opcion(opcion)), codigo), medida_);
    return true;
}

}  // namespace instalar
