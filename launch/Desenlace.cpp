#include "launch/Desenlace.h"

namespace instalar {

namespace {

constexpr uint32_t kExito = 0;
constexpr uint32_t kReiniciar = 3010;            // ERROR_SUCCESS_REBOOT_REQUIRED
constexpr uint32_t kReinicioIniciado = 1641;     // ERROR_SUCCESS_REBOOT_INITIATED
constexpr uint32_t kInstalacionCancelada = 1602; // ERROR_INSTALL_USEREXIT
constexpr uint32_t kCancelado = 1223;            // ERROR_CANCELLED

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

}  // namespace

std::u16string TextoDesenlace(uint32_t codigoSalida) {
    switch (codigoSalida) {
    case kExito: return u"Instalado";
    case kReiniciar:
    case kReinicioIniciado: return u"Instalado; hay que reiniciar el equipo";
    case kInstalacionCancelada:
    case kCancelado: return u"Cancelado";
    default: break;
    }
    std::u16string texto = u"Terminó con el código " + EnDecimal(codigoSalida);
    // Codes this large are the system's own (an NTSTATUS such as an access
    // violation, an HRESULT), known by their hexadecimal form.
    if (codigoSalida >= 0x80000000u) texto += u" (" + EnHexadecimal(codigoSalida) + u")";
    return texto;
}

ClaseDesenlace ClaseDeDesenlace(uint32_t codigoSalida) {
    switch (codigoSalida) {
    case kExito:
    case kReiniciar:
    case kReinicioIniciado: return ClaseDesenlace::Instalado;
    case kInstalacionCancelada:
    case kCancelado: return ClaseDesenlace::Cancelado;
    default: return ClaseDesenlace::Fallido;
    }
}

std::u16string TextoInstalando(const std::u16string& nombre) { return u"Instalando «" + nombre + u"»…"; }

std::u16string TextoTerminado(const std::u16string& nombre, uint32_t codigoSalida) {
    return u"«" + nombre + u"»: " + TextoDesenlace(codigoSalida);
}

}  // namespace instalar
