#pragma once
// The menu checker: reads a menu file exactly as instalar.exe does, with
// the program's own reader and line classifier, and reports what would go
// wrong for the menu's users (errors) or look odd to them (warnings).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "comprobar/Hallazgo.h"
#include "comprobar/SistemaArchivos.h"
#include "menufile/LineaMenu.h"
#include "menufile/Requisitos.h"
#include "menufile/TextosMenu.h"

namespace instalar::comprobar {

// An item as the menu will list it.
struct OpcionLeida {
    int64_t linea = 0;
    Entrada entrada;
    // Selecting the item shows the description of the first entry with the
    // same name, letter case aside: its line, and that description.
    int64_t lineaDescripcion = 0;
    std::optional<std::u16string> descripcionMostrada;
    // What its ";@si", ";@requiere" and ";@instalado" lines ask.
    RequisitosEntrada requisitos;
    std::vector<LineaDeRequisito> lineasDeRequisitos;  // as written
};

// A text the file sets with ";@texto", on its line.
struct TextoLeido {
    int64_t linea = 0;
    Clave clave = Clave::Instalar;
    std::u16string texto;
};

struct Informe {
    std::vector<Hallazgo> hallazgos;  // in the order of the file
    std::optional<std::u16string> titulo;
    std::optional<std::u16string> version;
    std::vector<OpcionLeida> opciones;  // up to where instalar.exe stops reading
    // The menu waits for each setup it starts and comes back (";@volver").
    bool volver = false;
    // The menu's own texts the file sets, in file order.
    std::vector<TextoLeido> textos;
};

// Checks the menu file `menu` for an instalar.exe that lies in
// `carpetaPrograma`, against which the setup programs' paths are resolved.
Informe ComprobarMenu(const std::filesystem::path& menu, const std::filesystem::path& carpetaPrograma,
                      SistemaArchivos& sistema);

}  // namespace instalar::comprobar
