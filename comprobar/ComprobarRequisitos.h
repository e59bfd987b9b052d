#pragma once
// The checker and the lines that make an item depend on the machine
// (";@si", ";@requiere", ";@instalado"): what instalar.exe would leave out
// of them, what can never hold, and which items a given machine shows
// (--maquina).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comprobar/Hallazgo.h"
#include "menufile/Requisitos.h"

namespace instalar::comprobar {

// Follows the directive lines of a menu file, entry by entry.
class RevisionRequisitos {
public:
    // A ";@si", ";@requiere" or ";@instalado" line: kept for the next
    // entry; what this version cannot read is an error.
    void Directiva(int64_t linea, const RequisitoEscrito& escrito, std::vector<Hallazgo>& hallazgos);
    // The entry on `linea` takes the lines before it; conditions that
    // contradict each other are warned about.
    // `lineas` gets its directive lines as written.
    RequisitosEntrada Opcion(int64_t linea, std::vector<Hallazgo>& hallazgos, std::vector<LineaDeRequisito>& lineas);
    // At the end of the file: lines that no entry followed.
    void Fin(std::vector<Hallazgo>& hallazgos);

private:
    RequisitosEntrada pendientes_;
    std::vector<LineaDeRequisito> lineas_;
};

// Whether some machine shows both entries.
bool PuedenVerseJuntas(const RequisitosEntrada& a, const RequisitosEntrada& b);

// "x64,10.0.22631", "x86,6.1", "arm64,10.0.26100"; none when malformed.
std::optional<HechosMaquina> LeerMaquina(std::string_view texto);

// One directive line as written: ";@si x64".
std::string DirectivaEscrita(const LineaDeRequisito& linea);

}  // namespace instalar::comprobar
