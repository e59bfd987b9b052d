#pragma once
// Does an entry's command name a file that instalar.exe can start?  It
// joins its own folder, a backslash and the command, checks that a file
// (not a folder) is there and starts it without arguments, or opens it
// through the shell when it is a package or a document.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "comprobar/SistemaArchivos.h"
#include "menufile/ComandoMenu.h"

namespace instalar::comprobar {

// The message of the error that keeps the program from starting, or
// nothing when it would start.  `comando` is the file part of the command
// (see ComandoMenu.h); `carpeta` is instalar.exe's folder.
std::optional<std::string> ComprobarPrograma(std::u16string_view comando, const std::filesystem::path& carpeta,
                                             SistemaArchivos& sistema);

// The warning for a command that names a file without an extension
// ("herramientas\setup"), or nothing.  Windows starts such a file only if
// it is a program; a package or a document without one has no program to
// open it.
std::optional<std::string> AvisoSinExtension(std::u16string_view comando);

// The error of a command that instalar refuses before it looks for any
// file: it starts with a quote but names no file (the closing quote is
// missing, or nothing stands between the quotes), or it holds a NUL
// character.  Nothing for a sound command.
std::optional<std::string> ErrorDeForma(std::u16string_view comando, const ComandoPartido& partido);

// The warning for arguments given to a document: the program that opens it
// gets them, and most ignore them.  A program and a Windows Installer
// package take them; nothing is said of those.
std::optional<std::string> AvisoArgumentosDeDocumento(const ComandoPartido& partido);

// The warning for a batch file's arguments that cmd, which runs it, would
// read as more than arguments: "&", "|", "<", ">" or "^" outside quotes, or
// a "%NAME%" that it replaces with an environment variable.  Nothing for
// any other command.
std::optional<std::string> AvisoArgumentosDeLote(const ComandoPartido& partido);

// For a batch file: how it finds its own files when the menu runs from a
// network share, where cmd starts it in the Windows folder instead of its
// own.  Nothing for any other file.
std::optional<std::string> NotaCarpetaDeLote(std::u16string_view comando);

// The warning for a path that leaves the menu's folder ("..\otro\setup.exe")
// or looks as if it named another drive or a network share, which instalar
// reads inside its own folder all the same.  Nothing for a path inside.
std::optional<std::string> AvisoFueraDeLaCarpeta(std::u16string_view comando);

}  // namespace instalar::comprobar
