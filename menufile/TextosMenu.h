#pragma once
// The menu's own texts: its buttons, the hint line, the wait and outcome
// texts, its messages and what a screen reader hears, each under a short
// Spanish key.  Spanish is the default; a menu file in English gets the
// English set built in here; any menu file may set each text with a line
//
//   ;@texto CLAVE=texto
//
// and a text it does not set stays as its language's set has it.  Texts
// with %1 (and %2) get a name or a number there.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Error.h"

namespace instalar {

enum class Clave : uint8_t {
    Instalar,     // the button
    Cerrar,       // the button
    Indicacion,   // the hint line before anything happens
    Version,      // before the menu file's version
    Ventana,      // the window's caption, the title of its message boxes
    SinOpciones,  // a menu file without items; %1 its path
    Instalando,   // %1 the item's name
    SinSeguir,    // the same, where only the started program can be waited for
    Esperando,    // %1 the program waited for
    Abierto,      // that program, when the system does not name it
    Comillas,     // a program's name quoted, %1
    Terminado,    // %1 the item's name, %2 the outcome
    Instalado,
    Reiniciar,
    Reiniciando,
    Cancelado,
    Codigo,       // %1 the exit code
    Incierto,
    Ocupado,      // the item's name for screen readers while its setup runs, %1
    Seleccionar,  // the default actions screen readers offer
    Presionar,
    // An item the machine cannot take (";@requiere"): why, on the hint line
    // and after its name for a screen reader (%1 the name, %2 the reason).
    Requiere64,
    Requiere32,
    No32,
    RequiereX64,
    NoX64,
    RequiereArm,
    NoArm,
    Posterior,    // %1 the version as the menu file writes it
    Anterior,     // the same
    NoDisponible,
    // An item whose product is on the machine (";@instalado"), %1 its name:
    // on the hint line, in the question before installing it again, and as
    // a screen reader names it.
    YaInstalado,
    Reinstalar,
    NombreInstalado,
    // The program's own error messages (the system's come in its own words).
    Desbordamiento,
    NombreArchivo,
    NoEncontrado,
    FinDeArchivo,
    Permiso,
    Acceso,
    NoRuta,
    Sistema,
    Elevacion,
    Rechazado,
    NoPrograma,
    Comilla,
    SinRuta,
    Aplicacion,
};
constexpr size_t kNumeroDeClaves = static_cast<size_t>(Clave::Aplicacion) + 1;

class Textos {
public:
    // The Spanish set.
    Textos() = default;
    static Textos Ingles();

    std::u16string_view operator[](Clave clave) const;
    void Fijar(Clave clave, std::u16string texto);
    // The text with %1 and %2 replaced by `uno` and `dos`.
    std::u16string Con(Clave clave, std::u16string_view uno, std::u16string_view dos = {}) const;

private:
    bool ingles_ = false;
    // The few a menu file sets, in the order it set them: a small list keeps
    // the set cheap to make, copy and let go of everywhere it is passed.
    std::vector<std::pair<Clave, std::u16string>> fijados_;
};

// The set for a menu file in language `etiqueta`: English for "en" and its
// regions, Spanish for every other tag and for none.
Textos TextosDeIdioma(std::u16string_view etiqueta);

// The key written in a ";@texto" line, exactly ("instalar"); none for a
// key the menu does not know.
std::optional<Clave> ClaveDeNombre(std::u16string_view nombre);
std::u16string_view NombreDeClave(Clave clave);
std::u16string_view TextoEspanol(Clave clave);
std::u16string_view TextoIngles(Clave clave);

// `plantilla` with %1 and %2 replaced, in one pass: a name that holds "%2"
// stays as it is.
std::u16string Rellenar(std::u16string_view plantilla, std::u16string_view uno, std::u16string_view dos = {});

// What the user reads for an error: the program's own errors in the menu's
// texts, the system's in its own words as they came.
std::u16string TextoDeError(const Error& error, const Textos& textos);

}  // namespace instalar
