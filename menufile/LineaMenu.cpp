#include "menufile/LineaMenu.h"

#include "common/Texto.h"

namespace instalar {

namespace {

// Largest value of a signed 16-bit position.
constexpr size_t kPosicionMaxima = 32767;

}  // namespace

Resultado<std::optional<Entrada>> ClasificarLinea(std::u16string_view linea, Lector lector) {
    // A view: a line can be very long, and only its fields are copied.
    const std::u16string_view recortada = RecortarEspacios(linea);
    if (recortada.empty() || recortada.front() == u';') return std::optional<Entrada>{};

    const size_t primero = recortada.find(u';');
    if (primero == std::u16string_view::npos) return std::optional<Entrada>{};
    // 1-based position of the first ";".
    if (primero + 1 > kPosicionMaxima) return ErrorDe(CodigoError::Desbordamiento);

    Entrada entrada;
    entrada.nombre = std::u16string(recortada.substr(0, primero));
    const std::u16string_view resto = recortada.substr(primero + 1);
    const size_t segundo = resto.find(u';');
    if (segundo == std::u16string_view::npos) {
        // The list reader keeps the command's end as a 16-bit position too.
        if (lector == Lector::Lista && resto.size() + 1 > kPosicionMaxima)
            return ErrorDe(CodigoError::Desbordamiento);
        entrada.comando = std::u16string(resto);
        return std::optional<Entrada>{std::move(entrada)};
    }
    // Distance from the first ";" to the second.
    if (segundo + 1 > kPosicionMaxima) return ErrorDe(CodigoError::Desbordamiento);
    entrada.comando = std::u16string(resto.substr(0, segundo));
    entrada.descripcion = std::u16string(resto.substr(segundo + 1));
    return std::optional<Entrada>{std::move(entrada)};
}

}  // namespace instalar
