#include "window/Instalacion.h"

#include "launch/Desenlace.h"
#include "window/TeclasAcceso.h"

namespace instalar {

std::u16string NombreVisible(const Etiqueta& opcion) { return TextoMostrado(opcion.texto); }

void Instalacion::Empezar(int16_t opcion, ProcesoAEsperar proceso) {
    const bool sigue = proceso->SigueDescendientes();
    estado_.instalando = InstalacionEnCurso{opcion, std::move(proceso)};
    const std::u16string nombre = NombreVisible(Opcion(opcion));
    FijarTexto(estado_.controles.indicacion,
               sigue ? TextoInstalando(nombre, estado_.textos) : TextoInstalandoSinSeguir(nombre, estado_.textos),
               medida_);
}

bool Instalacion::Mirar() {
    if (!estado_.instalando) return false;
    InstalacionEnCurso& curso = *estado_.instalando;
    const MiradaProceso mirada = curso.proceso->Mirar();
    if (!mirada.terminado) return false;
    curso.sobrevivido = curso.sobrevivido || mirada.sobrevivido || mirada.otrosEnMarcha;
    if (mirada.otrosEnMarcha) {
        curso.quedanOtros = true;
        const std::u16string texto = TextoEsperandoA(mirada.nombreDeOtro, estado_.textos);
        if (estado_.controles.indicacion.texto != texto) FijarTexto(estado_.controles.indicacion, texto, medida_);
        return false;
    }
    // A code is the install's only when the whole tree was seen to end
    // with the process that returned it.
    const bool visto = !curso.sobrevivido && curso.proceso->SigueDescendientes();
    Terminar(visto ? DesenlaceDe(mirada.codigoSalida, estado_.textos) : DesenlaceIncierto(estado_.textos));
    return true;
}

bool Instalacion::DejarDeEsperar() {
    if (!estado_.instalando || !estado_.instalando->quedanOtros) return false;
    Terminar(DesenlaceIncierto(estado_.textos));
    return true;
}

void Instalacion::Terminar(Desenlace desenlace) {
    const int16_t opcion = estado_.instalando->opcion;
    estado_.instalando.reset();
    FijarTexto(estado_.controles.indicacion, TextoTerminado(NombreVisible(Opcion(opcion)), desenlace, estado_.textos), medida_);
    Opcion(opcion).desenlace = std::move(desenlace);
}

}  // namespace instalar
