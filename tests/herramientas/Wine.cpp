#include "Wine.h"

#include <windows.h>

namespace herramientas {

namespace {

using VersionDeWine = const char*(__cdecl*)();

VersionDeWine FuncionDeVersion() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll) return nullptr;
    return reinterpret_cast<VersionDeWine>(reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version")));
}

}  // namespace

bool BajoWine() { return FuncionDeVersion() != nullptr; }

std::string NombreDelSistema() {
    const VersionDeWine version = FuncionDeVersion();
    return version ? std::string("Wine ") + version() : std::string("Windows");
}

}  // namespace herramientas
