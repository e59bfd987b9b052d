#include "launch/Desenlace.h"

#include <utility>

namespace instalar {

namespace {

constexpr char16_t kInstalado[] = u"Instalado";
constexpr char16_t kReiniciar[] = u"Instalado; hay que reiniciar el equipo";
constexpr char16_t kReiniciando[] = u"Instalado; el equipo se va a reiniciar";
constexpr char16_t kCancelado[] = u"Cancelado";

struct Conocido {
    uint32_t codigo;
    const char16_t* texto;
    ClaseDesenlace clase;
};

constexpr Conocido kConocidos[] = {
    {0, kInstalado, ClaseDesenlace::Instalado},
    {3010, kReiniciar, ClaseDesenlace::Instalado},  // ERROR_SUCCESS_REBOOT_REQUIRED
    {1641, kReiniciando, ClaseDesenlace::Instalado},  // ERROR_SUCCESS_REBOOT_INITIATED: already under way
    {1602, kCancelado, ClaseDesenlace::Cancelado},  // ERROR_INSTALL_USEREXIT
    {1223, kCancelado, ClaseDesenlace::Cancelado},  // ERROR_CANCELLED
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

Desenlace DesenlaceDe(uint32_t codigoSalida) {
    for (const Conocido& conocido : kConocidos) {
        if (conocido.codigo == codigoSalida) return {conocido.texto, conocido.clase};
    }
    return {u"Terminó con el código " + CodigoEnPalabras(codigoSalida), ClaseDesenlace::Fallido};
}

Desenlace DesenlaceIncierto() { return {u"Terminó; no se puede saber si se instaló", ClaseDesenlace::Incierto}; }

std::u16string TextoInstalando(const std::u16string& nombre) { return u"Instalando «" + nombre + u"»…"; }

std::u16string TextoInstalandoSinSeguir(const std::u16string& nombre) {
    return TextoInstalando(nombre) + u" (solo se puede esperar a este programa, no a los que abra)";
}

std::u16string TextoEsperandoA(const std::u16string& programa) {
    const std::u16string quien = programa.empty() ? u"un programa que abrió" : u"«" + programa + u"»";
    return u"Esperando a que se cierre " + quien + u"… (Intro: dejar de esperar)";
}

std::u16string TextoTerminado(const std::u16string& nombre, const Desenlace& desenlace) {
    return u"«" + nombre + u"»: " + desenlace.texto;
}

std::u16string NombreInstalando(const std::u16string& nombre) { return nombre + u": instalando"; }

std::u16string NombreTerminado(const std::u16string& nombre, const Desenlace& desenlace) {
    return nombre + u": " + desenlace.texto;
}

}  // namespace instalar
