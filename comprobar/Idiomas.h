#pragma once
// The menu files for other languages beside a menu file, as instalar.exe
// chooses among them (see menufile/IdiomaMenu.h): which are there, where
// they do not start what the menu file starts, and which one each of the
// user's languages gets.

#include <filesystem>
#include <string>
#include <vector>

#include "comprobar/Comprobador.h"
#include "comprobar/Hallazgo.h"
#include "comprobar/SistemaArchivos.h"

namespace instalar::comprobar {

struct ArchivoDeIdioma {
    std::u16string nombre;    // as it is in the folder: "instalar.en.inf"
    std::u16string etiqueta;  // "en"
};

// The files "<name>.<tag>.inf" beside the menu file "<name>.inf", letter
// case aside, in name order.
std::vector<ArchivoDeIdioma> ArchivosDeIdioma(const std::filesystem::path& menu, SistemaArchivos& sistema);

// Where a language file's items do not start the same commands, in the
// same order, as the menu file's (`nombreMenu` names it in the messages).
// An author translates names and descriptions, not the programs.
std::vector<Hallazgo> Desacuerdos(const Informe& menu, const std::string& nombreMenu, const Informe& traducido);

// For each of the user's languages, most wanted first, the file it gets
// beside `menu`, and at the end the one instalar.exe reads.
std::string ListarIdiomas(const std::filesystem::path& menu, const std::vector<std::u16string>& idiomas,
                          SistemaArchivos& sistema);

// The user's languages as a Linux environment gives them: LANGUAGE (a list
// separated by ":"), else the first of LC_ALL, LC_MESSAGES and LANG that is
// set ("pt_BR.UTF-8" is pt-BR; "C" and "POSIX" name none).  Null for unset.
std::vector<std::u16string> IdiomasDeEntorno(const char* language, const char* lcAll, const char* lcMessages,
                                             const char* lang);

}  // namespace instalar::comprobar
