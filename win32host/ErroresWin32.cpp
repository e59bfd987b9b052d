#include "win32host/ErroresWin32.h"

#include "common/TextoDelSistema.h"

namespace instalar::win32 {

namespace {

CodigoError CodigoPropio(DWORD codigo) {
    switch (codigo) {
    case ERROR_FILE_NOT_FOUND: return CodigoError::ArchivoNoEncontrado;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return CodigoError::RutaNoEncontrada;
    case ERROR_ACCESS_DENIED: return CodigoError::AccesoRutaArchivo;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return CodigoError::PermisoDenegado;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return CodigoError::NombreArchivoIncorrecto;
    default: return CodigoError::Sistema;
    }
}

// ERROR_ELEVATION_REQUIRED, which MinGW-w64's headers lack.
constexpr DWORD kErrorRequiereElevacion = 740;

// The failures the install command reacts to, kept with the system's text.
CodigoError CodigoDeReaccion(DWORD codigo) {
    switch (codigo) {
    case kErrorRequiereElevacion: return CodigoError::RequiereElevacion;
    case ERROR_CANCELLED: return CodigoError::CanceladoPorUsuario;
    case ERROR_BAD_EXE_FORMAT: return CodigoError::NoEsUnPrograma;
    default: return CodigoError::Sistema;
    }
}

}  // namespace

std::u16string TextoDeError(uint32_t codigo) {
    wchar_t* texto = nullptr;
    // The inserts are filled by the core, which knows what they stand for.
    const DWORD opciones = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD largo = ::FormatMessageW(opciones, nullptr, codigo, MAKELANGID(LANG_SPANISH, SUBLANG_DEFAULT),
                                   reinterpret_cast<wchar_t*>(&texto), 0, nullptr);
    if (largo == 0)
        largo = ::FormatMessageW(opciones, nullptr, codigo, 0, reinterpret_cast<wchar_t*>(&texto), 0, nullptr);
    std::u16string resultado;
    if (largo > 0 && texto) resultado.assign(reinterpret_cast<const char16_t*>(texto), largo);
    if (texto) ::LocalFree(texto);
    return resultado;
}

Error ErrorDeSistema(DWORD codigo, std::u16string_view ruta) {
    const CodigoError propio = CodigoPropio(codigo);
    if (propio != CodigoError::Sistema) return ErrorDe(propio, codigo);
    return Error{CodigoDeReaccion(codigo), DescripcionDelSistema(TextoDeError(codigo), codigo, ruta), codigo};
}

}  // namespace instalar::win32
