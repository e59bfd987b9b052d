#pragma once
// The description an item shows, read afresh from the menu file each time
// the item is selected, so that an edited file shows its new text.

#include <optional>
#include <string>

#include "interfaces/Archivos.h"
#include "menufile/VisitaDeMaquina.h"

namespace instalar {

// The description of the first entry named `nombre`, letter case aside:
// nothing when that entry has no description or no entry has the name.
// The file is read from its start, the two header lines skipped, and at
// least one line after them is always read, so that a file without entries
// fails here just as a file that lost them would.  With the machine's
// facts, only the entries shown on it are looked at (see VisitaDeMaquina.h).
Resultado<std::optional<std::u16string>> BuscarDescripcion(Archivos& archivos, const std::u16string& ruta,
                                                           const std::u16string& nombre,
                                                           FuenteDeHechos* hechos = nullptr);

}  // namespace instalar
