#include "Entorno.h"

#include <windows.h>

#include "Errores.h"
#include "Texto.h"

namespace herramientas {

std::optional<std::wstring> LeerVariable(const std::wstring& nombre) {
    SetLastError(ERROR_SUCCESS);
    const DWORD largo = GetEnvironmentVariableW(nombre.c_str(), nullptr, 0);
    if (largo == 0) {
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        return std::wstring();
    }
    std::wstring valor(largo, L'\0');
    valor.resize(GetEnvironmentVariableW(nombre.c_str(), valor.data(), largo));
    return valor;
}

VariableDeEntorno::VariableDeEntorno(std::wstring nombre, const std::wstring& valor)
    : nombre_(std::move(nombre)), anterior_(LeerVariable(nombre_)) {
    if (!SetEnvironmentVariableW(nombre_.c_str(), valor.c_str())) Fallar("cannot set " + Utf8(nombre_));
}

VariableDeEntorno::~VariableDeEntorno() {
    SetEnvironmentVariableW(nombre_.c_str(), anterior_ ? anterior_->c_str() : nullptr);
}

}  // namespace herramientas
