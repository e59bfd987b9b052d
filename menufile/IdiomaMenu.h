#pragma once
// Which menu file a user gets.  Beside instalar.inf may stand files for
// other languages, named with a language tag before the extension:
// instalar.en.inf, instalar.pt-BR.inf.  A user gets the first of them that
// exists for the display languages Windows shows them, in their order, each
// tried as written and then as its neutral language (pt-BR, then pt); with
// none, the file itself, as a medium with no language files always had.
// A file named on the command line is looked for the same way, beside it.
//
// Looking costs one attempt to open each name tried, and nothing more for a
// medium without language files than the attempts that fail.

#include <string>
#include <string_view>
#include <vector>

#include "interfaces/Archivos.h"

namespace instalar {

struct MenuElegido {
    std::u16string ruta;
    // The tag the file was found under, as tried; empty for the file itself.
    std::u16string idioma;
};

// The tags to try for the user's languages, in order: each as written, then
// its neutral language (the part before the first "-").  None twice, letter
// case aside; anything that is not a language tag (letters, digits and "-")
// is left out, so no tag can reach another folder.
std::vector<std::u16string> EtiquetasAProbar(const std::vector<std::u16string>& idiomas);

// Whether `texto` can be a language tag: letters, digits and inner "-".
bool EsEtiquetaDeIdioma(std::u16string_view texto);

// The path of the menu file `ruta` in language `etiqueta`: the tag goes
// before the file's extension ("oficina.inf" -> "oficina.en.inf"), or after
// a name without one.
std::u16string RutaEnIdioma(std::u16string_view ruta, std::u16string_view etiqueta);

// The neutral language of a tag ("pt" for "pt-BR"), in lower case; the
// whole tag when it has no region.
std::u16string IdiomaNeutro(std::u16string_view etiqueta);

// Whether the last name of `ruta` names a device Windows keeps in every
// folder (CON, NUL, COM1, ...), extension or not: "CON.en" is CON again.
bool NombraUnDispositivo(std::u16string_view ruta);

// The file the user gets: the first of the language files that opens, or
// `ruta` itself.  A device has no language files: its name with a tag is
// the same device.  A file counts as there unless opening it says it is not
// (a file that is there but cannot be read is still the user's, and its
// error is shown as for any menu file).
MenuElegido ElegirMenu(Archivos& archivos, const std::u16string& ruta, const std::vector<std::u16string>& idiomas);

}  // namespace instalar
