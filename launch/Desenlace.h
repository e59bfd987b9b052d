#pragma once
// Every text about a setup the menu waits for, as it runs and once it has
// ended: the hint line below the list, and the item's name as screen
// readers hear it.

#include <cstdint>
#include <string>

#include "menufile/TextosMenu.h"

namespace instalar {

// The outcome in four kinds, for the mark beside the item: the
// restart-needed successes are successes; Incierto is a setup whose exit
// code says nothing about the install (see DesenlaceIncierto).
enum class ClaseDesenlace { Instalado, Cancelado, Fallido, Incierto };

// The outcome told by the setup's exit code, in words and in kind:
// success, success that needs a restart, cancelled, or the code itself.
// The codes are those of Windows Installer, which most setup programs
// follow.  One table gives both, so that no code can have the words of one
// kind and the mark of another.
struct Desenlace {
    std::u16string texto;
    ClaseDesenlace clase;
    bool operator==(const Desenlace& otro) const { return texto == otro.texto && clase == otro.clase; }
};
// In the menu's texts: Spanish unless given others.
Desenlace DesenlaceDe(uint32_t codigoSalida, const Textos& textos = Textos());

inline std::u16string TextoDesenlace(uint32_t codigoSalida) { return DesenlaceDe(codigoSalida).texto; }

// The outcome of a setup that left processes running after it ended (a
// bootstrapper that returned at once, a program it opened, a wait the user
// stopped), or whose processes could not be followed: its exit code tells
// nothing of the install, so the outcome claims neither success nor
// cancellation.
Desenlace DesenlaceIncierto(const Textos& textos = Textos());

// While the started process has ended and a program it opened still runs:
// Esperando a que se cierre «visor.exe»… (Intro: dejar de esperar).  An
// empty name is a program the system does not name.
std::u16string TextoEsperandoA(const std::u16string& programa, const Textos& textos = Textos());

// While a setup runs whose processes cannot be followed: the menu says
// it waits for the program it started alone.
std::u16string TextoInstalandoSinSeguir(const std::u16string& nombre, const Textos& textos = Textos());

// While the setup of the item `nombre` runs: Instalando «nombre»…
std::u16string TextoInstalando(const std::u16string& nombre, const Textos& textos = Textos());

// Once it has ended: «nombre»: <outcome>
std::u16string TextoTerminado(const std::u16string& nombre, const Desenlace& desenlace,
                              const Textos& textos = Textos());
inline std::u16string TextoTerminado(const std::u16string& nombre, uint32_t codigoSalida) {
    return TextoTerminado(nombre, DesenlaceDe(codigoSalida));
}

// The item's name for screen readers while its setup runs: nombre: instalando
std::u16string NombreInstalando(const std::u16string& nombre, const Textos& textos = Textos());

// The same once it has ended: nombre: <outcome>
std::u16string NombreTerminado(const std::u16string& nombre, const Desenlace& desenlace);
inline std::u16string NombreTerminado(const std::u16string& nombre, uint32_t codigoSalida) {
    return NombreTerminado(nombre, DesenlaceDe(codigoSalida));
}

}  // namespace instalar
