#include "win32host/ProcesosWin32.h"

#include <objbase.h>
#include <shellapi.h>

#include "win32host/BibliotecasSistema.h"
#include "win32host/Com.h"
#include "win32host/ErroresWin32.h"
#include "win32host/EsperaInstalacion.h"
#include "win32host/GrupoDeProcesos.h"
#include "win32host/Manejadores.h"
#include "win32host/TextoWin32.h"
#include "launch/FalloDelShell.h"

namespace instalar::win32 {

namespace {

// Why ShellExecuteEx failed, from both places it may have said so.
DWORD CodigoDelShell(const SHELLEXECUTEINFOW& ejecucion) {
    const DWORD ultimo = ::GetLastError();
    return CodigoDelFalloDelShell(ultimo, reinterpret_cast<INT_PTR>(ejecucion.hInstApp));
}

// A group that holds the started process and every process it starts,
// where the system lets one hold it; where it does not (on Windows 7 for a
// process already in a job, or for one started elevated), none, and the
// process alone is waited for.
std::optional<GrupoDeProcesos> GrupoPara(const ManejadorProceso& proceso) {
    auto grupo = GrupoDeProcesos::Crear();
    if (grupo && !grupo->Anadir(proceso.get())) grupo.reset();
    return grupo;
}

ProcesoAEsperar Seguir(ManejadorProceso proceso, std::optional<GrupoDeProcesos> grupo) {
    return ProcesoAEsperar{std::make_unique<ProcesoSeguido>(std::move(proceso), std::move(grupo))};
}

}  // namespace

Resultado<int64_t> ProcesosWin32::LongitudArchivo(const std::u16string& ruta) {
    WIN32_FILE_ATTRIBUTE_DATA datos{};
    if (!::GetFileAttributesExW(W(ruta), GetFileExInfoStandard, &datos)) return UltimoError(ruta);
    // A folder is not a file to start.
    if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return ErrorDe(CodigoError::ArchivoNoEncontrado);
    return static_cast<int64_t>((static_cast<uint64_t>(datos.nFileSizeHigh) << 32) | datos.nFileSizeLow);
}

Resultado<ProcesoAEsperar> ProcesosWin32::IniciarProceso(const PeticionProceso& peticion) {
    STARTUPINFOW inicio{};
    inicio.cb = sizeof(inicio);
    inicio.dwFlags = STARTF_USESHOWWINDOW;
    inicio.wShowWindow = static_cast<WORD>(peticion.mostrar);
    // CreateProcessW may write into the command line it is given.
    std::u16string linea = peticion.lineaComandos;
    PROCESS_INFORMATION proceso{};
    const wchar_t* carpeta = peticion.carpetaTrabajo.empty() ? nullptr : W(peticion.carpetaTrabajo);
    // A process to follow waits, suspended, until it is in its group, so
    // that no process it starts can escape the group.
    const DWORD creacion = peticion.seguir ? CREATE_SUSPENDED : 0;
    if (!::CreateProcessW(W(peticion.aplicacion), reinterpret_cast<wchar_t*>(linea.data()), nullptr, nullptr, FALSE,
                          creacion, nullptr, carpeta, &inicio, &proceso))
        return UltimoError(peticion.aplicacion);
    ManejadorHilo hiloPrincipal(proceso.hThread);
    ManejadorProceso procesoIniciado(proceso.hProcess);
    if (!peticion.seguir) return ProcesoAEsperar{};
    auto grupo = GrupoPara(procesoIniciado);
    if (::ResumeThread(hiloPrincipal.get()) == static_cast<DWORD>(-1)) {
        // Never leave a suspended setup behind.
        const Error error = UltimoError(peticion.aplicacion);
        ::TerminateProcess(procesoIniciado.get(), 1);
        return error;
    }
    return Seguir(std::move(procesoIniciado), std::move(grupo));
}

Resultado<ProcesoAEsperar> ProcesosWin32::EjecutarConShell(const PeticionProceso& peticion) {
    SHELLEXECUTEINFOW ejecucion{};
    ejecucion.cbSize = sizeof(ejecucion);
    ejecucion.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | (peticion.seguir ? SEE_MASK_NOCLOSEPROCESS : 0);
    ejecucion.hwnd = ventana_;
    ejecucion.lpFile = W(peticion.aplicacion);
    ejecucion.lpParameters = peticion.argumentos.empty() ? nullptr : W(peticion.argumentos);
    ejecucion.lpDirectory = peticion.carpetaTrabajo.empty() ? nullptr : W(peticion.carpetaTrabajo);
    ejecucion.nShow = peticion.mostrar;
    const auto ejecutar = PrepararShell();
    if (!ejecutar) return UltimoError();
    if (!ejecutar(&ejecucion)) return ErrorDeSistema(CodigoDelShell(ejecucion), peticion.aplicacion);
    // The shell hands no process back when it passed the file to a program
    // that was already running.
    if (!ejecucion.hProcess) return ProcesoAEsperar{};
    // Already running, so what it started before this goes unseen.
    ManejadorProceso procesoIniciado(ejecucion.hProcess);
    auto grupo = GrupoPara(procesoIniciado);
    return Seguir(std::move(procesoIniciado), std::move(grupo));
}

// Only a setup program that asks to be elevated, a package or a document
// comes this way, so shell32 (and all it brings in) is loaded for them
// alone, not at every start.  Once loaded it stays: the shell may go on
// with threads of its own after ShellExecuteEx returns.  COM is initialised
// first on this thread, as ShellExecuteEx asks, since the handler of a
// file type may be a COM object; the thread keeps it until it ends.
ProcesosWin32::ShellExecuteExWFn ProcesosWin32::PrepararShell() {
    if (ejecutarConShell_) return ejecutarConShell_;
    Biblioteca ole = CargarBibliotecaDeSistema(L"ole32.dll");
    if (!IniciarCom(ole, COINIT_DISABLE_OLE1DDE)) return nullptr;
    Biblioteca shell = CargarBibliotecaDeSistema(L"shell32.dll");
    ejecutarConShell_ = FuncionDe<ShellExecuteExWFn>(shell, "ShellExecuteExW");
    if (!ejecutarConShell_) return nullptr;
    ole.Soltar();
    shell.Soltar();
    return ejecutarConShell_;
}

}  // namespace instalar::win32
