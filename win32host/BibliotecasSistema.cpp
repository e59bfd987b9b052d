#include "win32host/BibliotecasSistema.h"

#include <cwchar>

namespace instalar::win32 {

namespace {

constexpr DWORD kSoloSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

FARPROC FuncionDeKernel32(const char* nombre) {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    return kernel ? ::GetProcAddress(kernel, nombre) : nullptr;
}

// The full path of a file in System32, in `ruta`; false if it does not fit.
bool RutaEnSystem32(const wchar_t* nombre, wchar_t (&ruta)[MAX_PATH]) {
    const UINT largo = ::GetSystemDirectoryW(ruta, MAX_PATH);
    const size_t largoNombre = std::wcslen(nombre);
    if (largo == 0 || largo + 1 + largoNombre >= MAX_PATH) return false;
    ruta[largo] = L'\\';
    std::wmemcpy(ruta + largo + 1, nombre, largoNombre + 1);
    return true;
}

}  // namespace

void RestringirBusquedaDeDlls() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto fijar =
        reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(FuncionDeKernel32("SetDefaultDllDirectories")));
    if (fijar && fijar(kSoloSystem32)) return;
    // A Windows 7 without update KB2533623: at least the current folder, which
    // may be anywhere, leaves the search.  The program's own folder stays in
    // it, which is why every library below is loaded by its full path there.
    ::SetDllDirectoryW(L"");
}

CargaDeBiblioteca CargarConElSistema(const wchar_t* ruta, DWORD banderas) {
    const HMODULE modulo = ::LoadLibraryExW(ruta, nullptr, banderas);
    return {modulo, modulo ? ERROR_SUCCESS : ::GetLastError()};
}

Biblioteca CargarBibliotecaDeSistema(const wchar_t* nombre, CargadorDeBibliotecas cargar) {
    const CargaDeBiblioteca carga = cargar(nombre, kSoloSystem32);
    if (carga.modulo || carga.error != ERROR_INVALID_PARAMETER) return Biblioteca(carga.modulo);
    // A Windows 7 without update KB2533623 does not understand the flag, and
    // a bare name would be looked for beside the program first.  comctl32 is
    // the exception: by name, the manifest's side-by-side version 6 answers
    // before any folder is searched.
    if (_wcsicmp(nombre, L"comctl32.dll") == 0) return Biblioteca(cargar(nombre, 0).modulo);
    wchar_t ruta[MAX_PATH];
    if (!RutaEnSystem32(nombre, ruta)) return Biblioteca();
    // By its full path, and with the search for the DLLs it needs in turn
    // starting in System32, its own folder, instead of the program's.
    return Biblioteca(cargar(ruta, LOAD_WITH_ALTERED_SEARCH_PATH).modulo);
}

bool HayShcore() {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 && ::GetProcAddress(user32, "LogicalToPhysicalPointForPerMonitorDPI");
}

}  // namespace instalar::win32
