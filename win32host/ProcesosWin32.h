#pragma once
// Starting the files of menu items on Windows: programs, packages, documents.

#include <windows.h>
#include <shellapi.h>

#include "interfaces/Procesos.h"

namespace instalar::win32 {

class ProcesosWin32 : public Procesos {
public:
    // The window over which the shell asks for consent.
    void FijarVentana(HWND ventana) { ventana_ = ventana; }

    Resultado<int64_t> LongitudArchivo(const std::u16string& ruta) override;
    // A process to follow comes back as a ProcesoSeguido (EsperaInstalacion.h).
    Resultado<ProcesoAEsperar> IniciarProceso(const PeticionProceso& peticion) override;
    Resultado<ProcesoAEsperar> EjecutarConShell(const PeticionProceso& peticion) override;

private:
    using ShellExecuteExWFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
    ShellExecuteExWFn PrepararShell();

    HWND ventana_ = nullptr;
    // In shell32, which is never freed once loaded.
    ShellExecuteExWFn ejecutarConShell_ = nullptr;
};

}  // namespace instalar::win32
