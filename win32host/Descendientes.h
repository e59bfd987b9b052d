#pragma once
// The processes started from a setup, found by looking at the system's
// list of processes: where the setup cannot be put in a job (started
// elevated, or on Windows 7 from a menu already in a job), and for what a
// setup opened through the shell started before it could be put in one.
//
// A process is taken as started from a known one when its parent's id is
// that one's and it was created after it: an id is reused once its process
// is gone, and an older process may name as its parent an id that now
// belongs to another.  A handle is held to every process found, so that
// its id is not reused while it is followed.  A process that starts and
// ends between two looks goes unseen, and so do the processes it started.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "win32host/Manejadores.h"

namespace instalar::win32 {

class Descendientes {
public:
    // Follows what `raiz` starts from now on; the handle stays the caller's.
    explicit Descendientes(HANDLE raiz);

    // Whether the system's list of processes could be read at all.
    bool Disponible() const { return disponible_; }

    // Looks at the list of processes once, and holds each new one started
    // from a process already known.
    void Buscar();

    // The file name of a process found that still runs.
    std::optional<std::u16string> UnoEnMarcha() const;

    // Whether a process found ran on after `fin`, a 100-ns count as
    // TiemposDe gives (one still running included).
    bool AlgunoTerminoDespues(ULONGLONG fin) const;

private:
    struct Seguido {
        DWORD id;
        ULONGLONG creado;
        ManejadorProceso proceso;  // empty for the root, whose handle is the caller's
        std::u16string nombre;
    };
    bool Conocido(DWORD id) const;
    const Seguido* Padre(DWORD id) const;

    std::vector<Seguido> seguidos_;
    bool disponible_ = false;
};

// A process's creation and exit times, as 100-ns counts (0 when unknown).
struct TiemposProceso {
    ULONGLONG creado = 0;
    ULONGLONG terminado = 0;
};
TiemposProceso TiemposDe(HANDLE proceso);

// Whether `archivo` (a process's file name) is the console host Windows
// starts beside every console program, a batch file's cmd included: it
// belongs to that program and ends just after it, so it is no program the
// setup left running.
bool EsAnfitrionDeConsola(const std::u16string& archivo);

// The file name of a running process's program; empty when the system
// does not tell it.
std::u16string NombreDeArchivoDe(HANDLE proceso);

}  // namespace instalar::win32
