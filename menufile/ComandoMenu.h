#pragma once
// What an entry's command names: the file to start and, when the command
// starts with a quote, the arguments written after the file.
//
//   conta\setup.exe                  the whole text is the file, as always
//   "conta\setup.exe" /S /lang=es    the file in quotes, then its arguments
//
// Only a leading quote opens the second form.  Any other command is one file
// name whatever it holds ("setup.exe /S" included), so a menu written
// before arguments existed reads as it always did: a leading quote could
// never name an existing file.

#include <string>
#include <string_view>

#include "common/Error.h"

namespace instalar {

struct ComandoPartido {
    // The file, relative to the menu's folder.  For a malformed command,
    // what stands after the opening quote, to show with the error.
    std::u16string archivo;
    // Everything after the closing quote, exactly as written, except the
    // spaces that separate it from the quote; empty when there is nothing.
    std::u16string argumentos;
    // A quoted command without its closing quote (CodigoError::ComillaSinCerrar)
    // or with nothing between the quotes (CodigoError::RutaVacia); any other
    // command that holds a NUL character (CodigoError::NombreArchivoIncorrecto).
    Fallo error;
};

ComandoPartido PartirComando(std::u16string_view comando);

}  // namespace instalar
