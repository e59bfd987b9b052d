// Folders and files by their wide paths.  Failures throw ErrorWin32.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

namespace herramientas {

// The system's temporary folder in its long form (the variable may hold
// 8.3 names) and without a trailing backslash: the base of every
// CarpetaTemporal of the Win32 tools.
std::wstring CarpetaDeTemporales();

// Folder that holds the programs under test and their stand-ins: the
// running program's own (they are built into the same folder), unless
// INSTALAR_PRUEBA_PROGRAMAS names another build's.
std::wstring CarpetaDelPrograma();

// Everything before the last backslash; "" when there is none.
std::wstring CarpetaDe(const std::wstring& ruta);

// carpeta + "\" + nombre.
std::wstring Unir(const std::wstring& carpeta, const std::wstring& nombre);

// Creates a folder and whichever of its parents are missing.
void CrearCarpetas(const std::wstring& carpeta);

// Bytes of a file.
std::string LeerArchivo(const std::wstring& ruta);

// Creates (or replaces) a file with exactly these bytes, making missing
// parent folders.
void EscribirArchivo(const std::wstring& ruta, const std::string& bytes);

// Copies a file over any file of that name, making missing parent folders.
void CopiarArchivo(const std::wstring& origen, const std::wstring& destino);

// Removes a folder with everything in it, read-only files too, waiting a
// moment for a program that has just ended to let go of its files; missing
// folders are fine.  How a CarpetaTemporal of the Win32 tools is removed.
void BorrarCarpeta(const std::filesystem::path& carpeta);

bool EsCarpeta(const WIN32_FIND_DATAW& datos);

// Calls visitar for each entry of a folder except . and ..
void RecorrerCarpeta(const std::wstring& carpeta, const std::function<void(const WIN32_FIND_DATAW&)>& visitar);

}  // namespace herramientas
