#pragma once
// One finding of the checker, and how it is written for the menu's author.

#include <cstdint>
#include <string>
#include <vector>

namespace instalar::comprobar {

// An error: the menu fails for its users; a warning: it works, but not as it
// looks; a note: how instalar.exe will take the file, for the author to know.
enum class Gravedad { Error, Aviso, Nota };

struct Hallazgo {
    int64_t linea = 0;  // as instalar.exe counts them (ended by CR or CR LF); 0: the whole file
    Gravedad gravedad = Gravedad::Error;
    std::string mensaje;  // UTF-8
};

// "archivo:línea: error: mensaje", or "archivo: aviso: mensaje" for the
// whole file, as compilers write them, so that editors can jump to the line.
std::string Formatear(const std::string& archivo, const Hallazgo& hallazgo);

// 1 when any finding is an error (the menu would fail for its users), else 0.
int EstadoDeSalida(const std::vector<Hallazgo>& hallazgos);

}  // namespace instalar::comprobar
