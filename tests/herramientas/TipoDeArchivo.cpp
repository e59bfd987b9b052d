#include "TipoDeArchivo.h"

#include "ClaveRegistro.h"
#include "Errores.h"
#include "Texto.h"
#include "Wine.h"

namespace herramientas {

namespace {

// Writes the default value of `ruta` under `raiz`, creating the key.
void EscribirValor(HKEY raiz, const std::wstring& ruta, const std::wstring& valor) {
    HKEY abierta = nullptr;
    LONG estado = RegCreateKeyExW(raiz, ruta.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &abierta, nullptr);
    if (estado != ERROR_SUCCESS) throw ErrorWin32("cannot create the registry key " + Utf8(ruta), estado);
    const ClaveRegistro clave(abierta);
    const DWORD bytes = static_cast<DWORD>((valor.size() + 1) * sizeof(wchar_t));
    estado = RegSetValueExW(clave.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(valor.c_str()), bytes);
    if (estado != ERROR_SUCCESS) throw ErrorWin32("cannot write the registry key " + Utf8(ruta), estado);
}

}  // namespace

TipoDeArchivo::TipoDeArchivo(const std::wstring& extension, const std::wstring& orden) {
    try {
        Registrar(HKEY_CURRENT_USER, L"Software\\Classes\\", extension, orden);
        if (BajoWine()) Registrar(HKEY_CLASSES_ROOT, L"", extension, orden);
    } catch (...) {
        Quitar();
        throw;
    }
}

TipoDeArchivo::~TipoDeArchivo() { Quitar(); }

void TipoDeArchivo::Quitar() {
    for (const auto& [raiz, ruta] : claves_) RegDeleteTreeW(raiz, ruta.c_str());
    claves_.clear();
}

void TipoDeArchivo::Registrar(HKEY raiz, const std::wstring& base, const std::wstring& extension,
                              const std::wstring& orden) {
    // A class of its own, named after the extension, as installers do.
    const std::wstring clase = L"instalar.pruebas" + extension;
    claves_.emplace_back(raiz, base + extension);
    claves_.emplace_back(raiz, base + clase);
    EscribirValor(raiz, base + extension, clase);
    EscribirValor(raiz, base + clase + L"\\shell\\open\\command", orden);
}

}  // namespace herramientas
