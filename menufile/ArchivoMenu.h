#pragma once
// The menu file opened for reading, one line at a time, each line turned
// into text by the file's encoding (see Codificacion.h).  It is closed when
// the object goes away, on every path.

#include <cstdint>
#include <optional>
#include <string>

#include "interfaces/Archivos.h"
#include "menufile/Codificacion.h"
#include "menufile/LectorLineas.h"

namespace instalar {

class ArchivoMenu {
public:
    static Resultado<ArchivoMenu> Abrir(Archivos& archivos, const std::u16string& ruta);

    // The next line as text.
    Resultado<std::u16string> LeerLinea();
    bool FinDeArchivo() { return lector_.FinDeArchivo(); }

    // How the file is read, once that is known: from the start for a file
    // with a mark, from its first byte outside ASCII for any other.  A file
    // of ASCII alone never needs to know: every encoding reads it alike.
    const std::optional<Lectura>& LecturaDecidida() const { return lectura_; }

private:
    ArchivoMenu(Archivos& archivos, std::unique_ptr<ArchivoLectura> archivo);
    void LeerMarca();
    void Decidir(std::string_view lineaConLetrasNoAscii);
    std::u16string Texto(std::string_view bytes) const;

    Archivos* archivos_;
    LectorLineas lector_;
    std::optional<Lectura> lectura_;
    int64_t lineas_ = 0;  // read so far (a file may hold more than 2^31 line ends)
};

}  // namespace instalar
