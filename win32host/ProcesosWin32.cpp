#include "win32host/ProcesosWin32.h"

#include <shellapi.h>

#include "win32host/BibliotecasSistema.h"
#include "win32host/ErroresWin32.h"
#include "win32host/Manejadores.h"
#include "win32host/TextoWin32.h"

namespace instalar::win32 {

namespace {

// Why ShellExecuteEx failed.  A file type without a program is told apart
// by its result: Wine leaves the last error of its own try to run the file
// as a program (ERROR_BAD_EXE_FORMAT), where Windows sets
// ERROR_NO_ASSOCIATION.
DWORD CodigoDelShell(const SHELLEXECUTEINFOW& ejecucion) {
    const DWORD ultimo = ::GetLastError();
    if (reinterpret_cast<INT_PTR>(ejecucion.hInstApp) == SE_ERR_NOASSOC) return ERROR_NO_ASSOCIATION;
    return ultimo;
}

}  // namespace

Resultado<int64_t> ProcesosWin32::LongitudArchivo(const std::u16string& ruta) {
    WIN32_FILE_ATTRIBUTE_DATA datos{};
    if (!::GetFileAttributesExW(W(ruta), GetFileExInfoStandard, &datos)) return UltimoError(ruta);
    // A folder is not a file to start.
    if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return ErrorDe(CodigoError::ArchivoNoEncontrado);
    return static_cast<int64_t>((static_cast<uint64_t>(datos.nFileSizeHigh) << 32) | datos.nFileSizeLow);
}

Fallo ProcesosWin32::IniciarProceso(const PeticionProceso& peticion) {
    STARTUPINFOW inicio{};
    inicio.cb = sizeof(inicio);
    inicio.dwFlags = STARTF_USESHOWWINDOW;
    inicio.wShowWindow = static_cast<WORD>(peticion.mostrar);
    // CreateProcessW may write into the command line it is given.
    std::u16string linea = peticion.lineaComandos;
    PROCESS_INFORMATION proceso{};
    const wchar_t* carpeta = peticion.carpetaTrabajo.empty() ? nullptr : W(peticion.carpetaTrabajo);
    if (!::CreateProcessW(W(peticion.aplicacion), reinterpret_cast<wchar_t*>(linea.data()), nullptr, nullptr, FALSE,
                          0, nullptr, carpeta, &inicio, &proceso))
        return UltimoError(peticion.aplicacion);
    ManejadorProceso hiloPrincipal(proceso.hThread);
    ManejadorProceso procesoIniciado(proceso.hProcess);
    return std::nullopt;
}

Fallo ProcesosWin32::EjecutarConShell(const PeticionProceso& peticion) {
    SHELLEXECUTEINFOW ejecucion{};
    ejecucion.cbSize = sizeof(ejecucion);
    ejecucion.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    ejecucion.hwnd = ventana_;
    ejecucion.lpFile = W(peticion.aplicacion);
    ejecucion.lpDirectory = peticion.carpetaTrabajo.empty() ? nullptr : W(peticion.carpetaTrabajo);
    ejecucion.nShow = peticion.mostrar;
    // Only a setup program that asks to be elevated, a package or a
    // document comes this way, so shell32 (and all it brings in) is loaded
    // for them alone, not at every start.
    const Biblioteca shell = CargarBibliotecaDeSistema(L"shell32.dll");
    using ShellExecuteExWFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
    const auto ejecutar = FuncionDe<ShellExecuteExWFn>(shell, "ShellExecuteExW");
    if (!ejecutar) return UltimoError();
    if (!ejecutar(&ejecucion)) return ErrorDeSistema(CodigoDelShell(ejecucion), peticion.aplicacion);
    return std::nullopt;
}

}  // namespace instalar::win32
