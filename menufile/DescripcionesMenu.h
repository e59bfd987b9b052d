#pragma once
// Every name's description as selecting it shows it, from one reading of
// the menu file.  A screen reader asks for the description of each item in
// turn, perhaps many times over; reading the file once for each answer
// would cost a reading of the whole file per item.

#include <optional>
#include <string>
#include <vector>

#include "interfaces/Archivos.h"
#include "menufile/PrimeraConNombre.h"
#include "menufile/VisitaDeMaquina.h"

namespace instalar {

class DescripcionesMenu {
public:
    // Reads the file from its start to its end, or to the first line that
    // cannot be read: names met before that keep what they had.  With the
    // machine's facts, only the entries shown on it count.
    static DescripcionesMenu Leer(Archivos& archivos, const std::u16string& ruta, FuenteDeHechos* hechos = nullptr);

    // What selecting the name shows, as the first entry with that name
    // (letter case aside) gives it; none when that entry has no
    // description or was not reached.
    std::optional<std::u16string> De(const std::u16string& nombre) const;

private:
    explicit DescripcionesMenu(Archivos& archivos) : primeras_(archivos) {}

    PrimerasPorNombre primeras_;
    // Every entry's, by its position in the file; empty for every entry
    // after the first of its name.
    std::vector<std::optional<std::u16string>> descripciones_;
};

}  // namespace instalar
