#pragma once
// The program's error value: a number and a Spanish description, as the
// user sees them in a message box or in the description label.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace instalar {

// Error numbers the program raises itself or maps platform failures to.
enum class CodigoError : int32_t {
    Ninguno = 0,
    Desbordamiento = 6,           // a 16-bit position or count went past 32767
    NombreArchivoIncorrecto = 52, // a path the file system cannot parse
    ArchivoNoEncontrado = 53,
    FinDeArchivo = 62,            // a line was read past the end of the file
    PermisoDenegado = 70,
    AccesoRutaArchivo = 75,       // path exists but cannot be used that way
    RutaNoEncontrada = 76,
    Sistema = 1000,               // any other operating-system failure
    // Failures the install command reacts to rather than reports.
    RequiereElevacion = 1001,     // the program needs administrator rights
    CanceladoPorUsuario = 1002,   // the user declined the consent prompt
    NoEsUnPrograma = 1003,        // a package or document: the shell opens it
    // A command in quotes that names no file to start.
    ComillaSinCerrar = 1004,
    RutaVacia = 1005,
};

struct Error {
    CodigoError codigo = CodigoError::Ninguno;
    std::u16string descripcion;
    // The operating system's own error number, when the failure came from it.
    uint32_t codigoSistema = 0;
};

// The standard Spanish description of one of the program's error numbers.
std::u16string DescripcionDe(CodigoError codigo);

// An error with its standard description.
Error ErrorDe(CodigoError codigo, uint32_t codigoSistema = 0);

// A value or the error that prevented it.  Used by every operation that can
// fail, so that each procedure decides where its errors go: skipped one
// statement at a time during start-up, or sent to the procedure's handler.
template <typename T>
class Resultado {
public:
    Resultado(T valor) : valor_(std::move(valor)) {}
    Resultado(Error error) : error_(std::move(error)) {}

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& valor() const { return *valor_; }
    T& valor() { return *valor_; }
    const Error& error() const { return *error_; }

private:
    std::optional<T> valor_;
    std::optional<Error> error_;
};

// For operations with no value: empty means success.
using Fallo = std::optional<Error>;

}  // namespace instalar
