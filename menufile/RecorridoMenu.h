#pragma once
// The one walk through a menu file: the title, the version, then every
// line classified.  For the item list, up to the largest number of items a
// menu can hold: the window builds its list from it and the checker checks
// with it, so the two always read the same items from a file and stop at
// the same line for the same reason.  For the descriptions, as selecting
// an item reads them.

#include <cstdint>
#include <string>
#include <string_view>

#include "interfaces/Archivos.h"
#include "menufile/Codificacion.h"
#include "menufile/LineaMenu.h"

namespace instalar {

// The item count is a signed 16-bit number: a menu holds this many items.
constexpr int16_t kOpcionesMaximas = 32767;

struct LineaLeida {
    int64_t numero = 0;  // from 1, each line ended by CR or CR LF
    std::u16string_view texto;
    bool ultima = false;  // nothing follows it in the file
};

// What the walk met, in file order.  Each event has a default that does
// nothing, so a reader overrides only what it uses.
class VisitaMenu {
public:
    virtual ~VisitaMenu() = default;

    // How the file is read, once that is known (see ArchivoMenu): before
    // the line at which it became known.
    virtual void Codificada(const LineaLeida& /*linea*/, const Lectura& /*lectura*/) {}
    // Every line read, header included, before anything else is done with it.
    virtual void Linea(const LineaLeida& /*linea*/) {}
    virtual void Titulo(const LineaLeida& /*linea*/) {}
    virtual void Version(const LineaLeida& /*linea*/) {}
    // A comment line that is a directive (see Directiva.h), with its name,
    // known or not: before the line is told as ignored, which it still is.
    virtual void Directiva(const LineaLeida& /*linea*/, std::u16string_view /*nombre*/) {}
    // A line after the header that is not an entry (blank, comment, no ";").
    virtual void Ignorada(const LineaLeida& /*linea*/) {}
    // An entry the list counts.
    virtual void Opcion(const LineaLeida& /*linea*/, Entrada&& /*entrada*/) {}
    // The entry after the largest count: it still gets its label in the
    // window, but counting it overflows and ends the reading.
    virtual void OpcionDeMas(const LineaLeida& /*linea*/, Entrada&& /*entrada*/) {}
    // True once the visit has what it walked for: the walk ends there.
    virtual bool Hallado() const { return false; }
};

// Why the walk ended.
enum class FinPor {
    FinDelArchivo,     // every line was read
    NoSeAbre,          // the file could not be opened
    LineaIlegible,     // a line could not be read (past the end, among others)
    PosicionExcesiva,  // a ";" or a command lies past the 16-bit position limit
    DemasiadasOpciones,
    Hallado,           // the visit had what it walked for
};

struct FinRecorrido {
    FinPor motivo = FinPor::FinDelArchivo;
    int64_t linea = 0;  // where it stopped; 0 when the file did not open
    Fallo error;    // empty when every line was read
    // A ";@volver" line came before the end: the menu waits for each setup
    // it starts and comes back.
    bool volver = false;
};

FinRecorrido RecorrerMenu(Archivos& archivos, const std::u16string& ruta, VisitaMenu& visita);

// The walk for descriptions: every entry is classified as the description
// reader does (see LineaMenu.h) and told as an Opcion, without a count.  At
// least one line after the header is read, so that a file without entries
// fails here just as a file that lost them would.
FinRecorrido RecorrerDescripciones(Archivos& archivos, const std::u16string& ruta, VisitaMenu& visita);

}  // namespace instalar
