#include "launch/Desenlace.h"

#include <utility>

namespace instalar {

namespace {

struct Conocido {
    uint32_t codigo;
    Clave texto;
    ClaseDesenlace clase;
};

constexpr Conocido kConocidos[] = {
    {0, Clave::Instalado, ClaseDesenlace::Instalado},
    {3010, Clave::Reiniciar, ClaseDesenlace::Instalado},  // ERROR_SUCCESS_REBOOT_REQUIRED
    {1641, Clave::Reiniciando, ClaseDesenlace::Instalado},  // ERROR_SUCCESS_REBOOT_INITIATED: already under way
    {1602, Clave::Cancelado, ClaseDesenlace::Cancelado},  // ERROR_INSTALL_USEREXIT
    {1223, Clave::Cancelado, ClaseDesenlace::Cancelado},  // ERROR_CANCELLED
};

std::u16string EnDecimal(uint32_t valor) {
    std::u16string cifras;
    do {
        cifras.insert(cifras.begin(), static_cast<char16_t>(u'0' + valor % 10));
        valor /= 10;
    } while (valor != 0);
    return cifras;
}

// All eight digits, as such codes are written (0xC0000005).
std::u16string EnHexadecimal(uint32_t valor) {
    std::u16string cifras = u"0x";
    for (int desplazamiento = 28; desplazamiento >= 0; desplazamiento -= 4)
        cifras += u"0123456789ABCDEF"[(valor >> desplazamiento) & 0xF];
    return cifras;
}

// Codes from 0x80000000 up are the system's own (an NTSTATUS such as an
// access violation, an HRESULT), known by their hexadecimal form, and a
// program that returned -1 meant -1: never the unsigned 4294967295.
std::u16string CodigoEnPalabras(uint32_t codigo) {
    if (codigo < 0x80000000u) return EnDecimal(codigo);
    const uint32_t magnitud = ~codigo + 1u;  // of the negative number the bits also are
    return EnHexadecimal(codigo) + u" (-" + EnDecimal(magnitud) + u")";
}

}  // namespace

Desenlace DesenlaceDe(uint32_t codigoSalida, const Textos& textos) {
    for (const Conocido& conocido : kConocidos) {
        if (conocido.codigo == codigoSalida) return {std::u16string(textos[conocido.texto]), conocido.clase};
    }
    return {textos.Con(Clave::Codigo, CodigoEnPalabras(codigoSalida)), ClaseDesenlace::Fallido};
}

Desenlace DesenlaceIncierto(const Textos& textos) {
    return {std::u16string(textos[Clave::Incierto]), ClaseDesenlace::Incierto};
}

std::u16string TextoInstalando(const std::u16string& nombre, const Textos& textos) {
    return textos.Con(Clave::Instalando, nombre);
}

std::u16string TextoInstalandoSinSeguir(const std::u16string& nombre, const Textos& textos) {
    return textos.Con(Clave::SinSeguir, nombre);
}

std::u16string TextoEsperandoA(const std::u16string& programa, const Textos& textos) {
    const std::u16string quien =
        programa.empty() ? std::u16string(textos[Clave::Abierto]) : textos.Con(Clave::Comillas, programa);
    return textos.Con(Clave::Esperando, quien);
}

std::u16string TextoTerminado(const std::u16string& nombre, const Desenlace& desenlace, const Textos& textos) {
    return textos.Con(Clave::Terminado, nombre, desenlace.texto);
}

std::u16string NombreInstalando(const std::u16string& nombre, const Textos& textos) {
    return textos.Con(Clave::Ocupado, nombre);
}

std::u16string NombreTerminado(const std::u16string& nombre, const Desenlace& desenlace) {
    return nombre + u": " + desenlace.texto;
}

}  // namespace instalar
