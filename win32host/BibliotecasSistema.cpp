#include "win32host/BibliotecasSistema.h"

namespace instalar::win32 {

namespace {

constexpr DWORD kSoloSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

}  // namespace

void RestringirBusquedaDeDlls() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (!kernel) return;
    auto fijar = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (fijar) fijar(kSoloSystem32);
}

Biblioteca CargarBibliotecaDeSistema(const wchar_t* nombre) {
    HMODULE modulo = ::LoadLibraryExW(nombre, nullptr, kSoloSystem32);
    // A Windows 7 without update KB2533623 does not know the flag.  The
    // libraries loaded here are known DLLs or side-by-side assemblies, which
    // Windows never takes from the program's folder, so the name is enough.
    if (!modulo && ::GetLastError() == ERROR_INVALID_PARAMETER) modulo = ::LoadLibraryW(nombre);
    return Biblioteca(modulo);
}

}  // namespace instalar::win32
