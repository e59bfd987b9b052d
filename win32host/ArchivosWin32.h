#pragma once
// Reading menu files on Windows: files opened for sequential reading, text
// in the ANSI code page, names compared in the user's locale.

#include <windows.h>

#include <string>

#include "interfaces/Archivos.h"

namespace instalar::win32 {

class ArchivosWin32 : public Archivos {
public:
    Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) override;
    std::u16string DesdeAnsi(std::string_view bytes) override;
    bool IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) override;
    // The name's sort key under that comparison: names it finds equal have
    // the same key, so a menu's names can be grouped by it.
    std::u16string GrupoDeNombre(const std::u16string& nombre) override;
    std::optional<HuellaArchivo> Huella(const std::u16string& ruta) override;

    // The whole file, when it is no larger than `maximo` bytes.
    Resultado<std::string> LeerEntero(const std::u16string& ruta, size_t maximo);
};

}  // namespace instalar::win32
