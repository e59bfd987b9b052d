// Programs started by a test or a benchmark, and the programs they start.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32host/Manejadores.h"

namespace herramientas {

// A program started with CreateProcessW.  It never outlives its owner: the
// destructor ends it if it still runs, then closes both handles.
class Proceso {
public:
    // Starts `programa` with that command line (which, by convention, starts
    // with the quoted program path) in `carpetaTrabajo`; throws ErrorWin32
    // when it cannot.
    Proceso(const std::wstring& programa, const std::wstring& lineaDeOrdenes, const std::wstring& carpetaTrabajo);
    ~Proceso();
    Proceso(const Proceso&) = delete;
    Proceso& operator=(const Proceso&) = delete;

    DWORD Id() const { return id_; }
    HANDLE ManejadorDelProceso() const { return proceso_.get(); }

    bool EsperarSalida(DWORD milisegundos) const;
    bool Terminado() const { return EsperarSalida(0); }
    // Ends it, if it still runs, and waits until it has ended.
    void Terminar() const;
    DWORD CodigoDeSalida() const;

private:
    instalar::win32::ManejadorProceso proceso_;
    instalar::win32::ManejadorProceso hilo_;
    DWORD id_ = 0;
};

// Running processes that process `padre` started (the system reuses
// process ids: only processes created after `padre` count).
struct ProcesoEnMarcha {
    DWORD id;
    std::wstring programa;  // the executable's file name
};
std::vector<ProcesoEnMarcha> ProcesosHijos(HANDLE padre);
// "name (id), ..." for messages; "none" when empty.
std::string Describir(const std::vector<ProcesoEnMarcha>& procesos);

// The file names of the modules (the program and its DLLs) a process has
// loaded, in lower case.
std::vector<std::wstring> ModulosDe(DWORD proceso);

}  // namespace herramientas
