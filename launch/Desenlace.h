#pragma once
// Every text about a setup the menu waits for, as it runs and once it has
// ended: the hint line below the list, and the item's name as screen
// readers hear it.

#include <cstdint>
#include <string>

namespace instalar {

// The outcome in three kinds, for the mark beside the item: the
// restart-needed successes are successes.
enum class ClaseDesenlace { Instalado, Cancelado, Fallido };

// The outcome told by the setup's exit code, in words and in kind:
// success, success that needs a restart, cancelled, or the code itself.
// The codes are those of Windows Installer, which most setup programs
// follow.  One table gives both, so that no code can have the words of one
// kind and the mark of another.
struct Desenlace {
    std::u16string texto;
    ClaseDesenlace clase;
};
Desenlace DesenlaceDe(uint32_t codigoSalida);

inline std::u16string TextoDesenlace(uint32_t codigoSalida) { return DesenlaceDe(codigoSalida).texto; }

// While the setup of the item `nombre` runs: Instalando «nombre»…
std::u16string TextoInstalando(const std::u16string& nombre);

// Once it has ended: «nombre»: <outcome>
std::u16string TextoTerminado(const std::u16string& nombre, uint32_t codigoSalida);

// The item's name for screen readers while its setup runs: nombre: instalando
std::u16string NombreInstalando(const std::u16string& nombre);

// The same once it has ended: nombre: <outcome>
std::u16string NombreTerminado(const std::u16string& nombre, uint32_t codigoSalida);

}  // namespace instalar
