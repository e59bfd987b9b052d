#pragma once
// Every name's description as selecting it shows it, from one reading of
// the menu file.  A screen reader asks for the description of each item in
// turn, perhaps many times over; reading the file once for each answer
// would cost a reading of the whole file per item.

#include <optional>
#include <string>
#include <map>
#include <vector>

#include "interfaces/Archivos.h"

namespace instalar {

class DescripcionesMenu {
public:
    // Reads the file from its start to its end, or to the first line that
    // cannot be read: names met before that keep what they had.
    static DescripcionesMenu Leer(Archivos& archivos, const std::u16string& ruta);

    // What selecting the name shows, as the first entry with that name
    // (letter case aside) gives it; none when that entry has no
    // description or was not reached.
    std::optional<std::u16string> De(Archivos& archivos, const std::u16string& nombre) const;

private:
    struct Primera {
        std::u16string nombre;
        std::optional<std::u16string> descripcion;
    };
    void Anotar(Archivos& archivos, const std::u16string& nombre, const std::optional<std::u16string>& descripcion);

    // The first entry of every name, by the comparison's groups.
    std::map<std::u16string, std::vector<Primera>> grupos_;
};

}  // namespace instalar
