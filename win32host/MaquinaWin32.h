#pragma once
// The machine as Windows tells it, for the items that depend on it.  Every
// function that could be missing on an older Windows, and every library
// beyond those the program imports (advapi32 for the registry, msi.dll,
// version.dll), is looked up only when a menu first asks for it, the
// libraries from System32 alone: a menu without such items loads none.

#include <windows.h>

#include "interfaces/Maquina.h"
#include "win32host/BibliotecasSistema.h"

namespace instalar::win32 {

class MaquinaWin32 : public Maquina {
public:
    std::optional<Arquitectura> ArquitecturaNativa() override;
    std::optional<NumeroVersion> VersionDeWindows() override;
    Respuesta ExisteClave(RaizRegistro raiz, VistaRegistro vista, const std::u16string& ruta) override;
    Respuesta ProductoInstalado(const std::u16string& codigo) override;
    std::optional<std::u16string> ExpandirEntorno(const std::u16string& texto) override;
    Respuesta ExisteArchivo(const std::u16string& ruta) override;
    std::optional<NumeroVersion> VersionDeArchivo(const std::u16string& ruta) override;

private:
    // Each loaded the first time it is needed, and kept.
    const Biblioteca& Cargada(Biblioteca& biblioteca, bool& intentada, const wchar_t* nombre);

    Biblioteca advapi32_, msi_, version_;
    bool advapi32Intentada_ = false, msiIntentada_ = false, versionIntentada_ = false;
};

}  // namespace instalar::win32
