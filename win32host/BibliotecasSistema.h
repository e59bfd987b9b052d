#pragma once
// The DLLs the program loads itself, and from where.
//
// Only what every start needs is imported (kernel32, user32, gdi32, msvcrt:
// DLLs Windows protects).  Everything else is loaded from System32 only,
// when it is first needed, so a DLL planted beside the program on a
// download folder or a medium is never loaded, and a start does not pay for
// a library it may never use.

#include <windows.h>

#include "win32host/Manejadores.h"

namespace instalar::win32 {

inline void LiberarBiblioteca(HMODULE modulo) { ::FreeLibrary(modulo); }
using Biblioteca = Manejador<HMODULE, LiberarBiblioteca>;

// Makes System32 the only place libraries are looked up in.  The first
// thing the program does, before anything can load a library.
void RestringirBusquedaDeDlls();

// How a library file is loaded: LoadLibraryExW's arguments and answer, the
// error included.  The system's own in the program; a stand-in in tests.
struct CargaDeBiblioteca {
    HMODULE modulo;
    DWORD error;
};
using CargadorDeBibliotecas = CargaDeBiblioteca (*)(const wchar_t* ruta, DWORD banderas);
CargaDeBiblioteca CargarConElSistema(const wchar_t* ruta, DWORD banderas);

// A system library from System32; empty when it cannot be loaded.
// comctl32 goes by its bare name, so that the manifest can send it to its
// side-by-side version 6.
Biblioteca CargarBibliotecaDeSistema(const wchar_t* nombre, CargadorDeBibliotecas cargar = CargarConElSistema);

// Whether shcore.dll can exist here: it came with Windows 8.1.
bool HayShcore();

// A function of a loaded library, as a pointer of type F; null if missing.
template <typename F>
F FuncionDe(const Biblioteca& biblioteca, const char* nombre) {
    if (!biblioteca) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(biblioteca.get(), nombre)));
}

}  // namespace instalar::win32
