#pragma once
// The directive that sets one of the menu's own texts (see TextosMenu.h):
//
//   ;@texto instalar=Instalar agora
//
// The key is what stands between the directive's name and the first "=",
// the text all that follows it; spaces around the key and before the text
// are left out.

#include <optional>
#include <string>
#include <string_view>

#include "menufile/TextosMenu.h"

namespace instalar {

constexpr std::u16string_view kDirectivaTexto = u"texto";

struct TextoDeDirectiva {
    std::u16string_view clave;  // as written; empty when the line has no "="
    std::u16string_view texto;
    bool conIgual = false;
};

// The key and text of a directive (its name and the rest, as DirectivaDe
// gives it) that is a ";@texto" line; nothing for any other directive.
std::optional<TextoDeDirectiva> TextoDe(std::u16string_view directiva);

// Sets the text of a ";@texto" directive in `textos`; false when the
// directive is another one, or names no key the menu knows.
bool FijarTextoDe(std::u16string_view directiva, Textos& textos);

}  // namespace instalar
