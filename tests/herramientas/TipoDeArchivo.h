// A file type registered for the length of a test, so that the shell
// knows which program opens it.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace herramientas {

// Files whose names end in `extension` (".prueba") open, by the shell's
// default verb, with `orden`: a command line in which "%1" stands for the
// file.  Registered for the current user, where Windows looks first; under
// Wine also in HKEY_CLASSES_ROOT, the only place Wine 8's ShellExecute
// looks.  The destructor removes what the constructor wrote; throws
// ErrorWin32 when it cannot write it.
class TipoDeArchivo {
public:
    TipoDeArchivo(const std::wstring& extension, const std::wstring& orden);
    ~TipoDeArchivo();
    TipoDeArchivo(const TipoDeArchivo&) = delete;
    TipoDeArchivo& operator=(const TipoDeArchivo&) = delete;

private:
    void Quitar();
    void Registrar(HKEY raiz, const std::wstring& base, const std::wstring& extension, const std::wstring& orden);

    // The keys written, to remove: a root and a path under it.
    std::vector<std::pair<HKEY, std::wstring>> claves_;
};

}  // namespace herramientas
