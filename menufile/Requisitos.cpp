#include "menufile/Requisitos.h"

#include "common/Texto.h"

namespace instalar {

namespace {

char16_t Minuscula(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// The words of the directives are ASCII; a menu may write them in capitals.
bool MismaPalabra(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Minuscula(a[i]) != Minuscula(b[i])) return false;
    return true;
}

struct Partida {
    std::u16string_view palabra;
    std::u16string_view resto;  // trimmed
};

Partida PartirPalabra(std::u16string_view texto) {
    texto = RecortarEspacios(texto);
    const size_t espacio = texto.find(u' ');
    if (espacio == std::u16string_view::npos) return {texto, {}};
    return {texto.substr(0, espacio), RecortarEspacios(texto.substr(espacio + 1))};
}

bool EsHex(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// The versions named by their marketing name.
std::optional<NumeroVersion> VersionConNombre(std::u16string_view nombre) {
    struct Nombrada {
        std::u16string_view nombre;
        NumeroVersion version;
    };
    static const Nombrada kNombradas[] = {
        {u"7", {{6, 1, 0, 0}}},  {u"8", {{6, 2, 0, 0}}},      {u"8.1", {{6, 3, 0, 0}}},
        {u"10", {{10, 0, 0, 0}}}, {u"11", {{10, 0, 22000, 0}}},
    };
    for (const Nombrada& n : kNombradas)
        if (n.nombre == nombre) return n.version;
    return std::nullopt;
}

const std::u16string kClaveDesinstalar = u"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

bool ClaveDesinstalar(const std::u16string& clave, Maquina& maquina) {
    if (clave.empty()) return false;
    const std::u16string ruta = kClaveDesinstalar + clave;
    return maquina.ExisteClave(RaizRegistro::MaquinaLocal, VistaRegistro::De64Bits, ruta) == Respuesta::Si ||
           maquina.ExisteClave(RaizRegistro::MaquinaLocal, VistaRegistro::De32Bits, ruta) == Respuesta::Si ||
           maquina.ExisteClave(RaizRegistro::UsuarioActual, VistaRegistro::De64Bits, ruta) == Respuesta::Si;
}

bool ArchivoConVersion(const Prueba& prueba, Maquina& maquina) {
    const auto ruta = maquina.ExpandirEntorno(prueba.objetivo);
    if (!ruta || ruta->empty()) return false;
    if (maquina.ExisteArchivo(*ruta) != Respuesta::Si) return false;
    if (!prueba.versionMinima) return true;
    const auto version = maquina.VersionDeArchivo(*ruta);
    return version && !(*version < *prueba.versionMinima);
}

}  // namespace

std::optional<RequisitoEscrito> RequisitoDe(std::u16string_view nombreDirectiva) {
    const Partida partida = PartirPalabra(nombreDirectiva);
    if (partida.palabra == kDirectivaSi) return RequisitoEscrito{ClaseRequisito::Si, partida.resto};
    if (partida.palabra == kDirectivaRequiere) return RequisitoEscrito{ClaseRequisito::Requiere, partida.resto};
    if (partida.palabra == kDirectivaInstalado) return RequisitoEscrito{ClaseRequisito::Instalado, partida.resto};
    return std::nullopt;
}

std::optional<NumeroVersion> LeerVersion(std::u16string_view texto) {
    NumeroVersion version;
    size_t parte = 0;
    bool digito = false;
    uint64_t valor = 0;
    for (const char16_t c : texto) {
        if (c == u'.') {
            if (!digito || parte == 3) return std::nullopt;
            version.partes[parte++] = static_cast<uint32_t>(valor);
            valor = 0;
            digito = false;
        } else if (c >= u'0' && c <= u'9') {
            valor = valor * 10 + static_cast<uint64_t>(c - u'0');
            if (valor > 0xFFFFFFFFu) return std::nullopt;
            digito = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digito) return std::nullopt;
    version.partes[parte] = static_cast<uint32_t>(valor);
    return version;
}

bool CodigoDeProductoValido(std::u16string_view codigo) {
    // {8-4-4-4-12}
    if (codigo.size() != 38 || codigo.front() != u'{' || codigo.back() != u'}') return false;
    for (size_t i = 1; i < 37; ++i) {
        const bool guion = i == 9 || i == 14 || i == 19 || i == 24;
        if (guion ? codigo[i] != u'-' : !EsHex(codigo[i])) return false;
    }
    return true;
}

std::optional<Condicion> LeerCondicion(std::u16string_view texto) {
    const Partida partida = PartirPalabra(texto);
    if (MismaPalabra(partida.palabra, u"no")) {
        auto contraria = LeerCondicion(partida.resto);
        if (contraria) contraria->negada = !contraria->negada;
        return contraria;
    }
    Condicion condicion;
    if (MismaPalabra(partida.palabra, u"windows")) {
        const auto version = VersionConNombre(partida.resto) ? VersionConNombre(partida.resto) : LeerVersion(partida.resto);
        if (!version) return std::nullopt;
        condicion.tipo = TipoCondicion::Windows;
        condicion.version = *version;
        condicion.versionEscrita = std::u16string(partida.resto);
        return condicion;
    }
    if (!partida.resto.empty()) return std::nullopt;
    if (MismaPalabra(partida.palabra, u"x86")) condicion.tipo = TipoCondicion::X86;
    else if (MismaPalabra(partida.palabra, u"x64")) condicion.tipo = TipoCondicion::X64;
    else if (MismaPalabra(partida.palabra, u"arm64")) condicion.tipo = TipoCondicion::Arm64;
    else if (MismaPalabra(partida.palabra, u"64bits")) condicion.tipo = TipoCondicion::Bits64;
    else return std::nullopt;
    return condicion;
}

std::optional<Prueba> LeerPrueba(std::u16string_view texto) {
    const Partida partida = PartirPalabra(texto);
    if (partida.resto.empty()) return std::nullopt;
    Prueba prueba;
    prueba.objetivo = std::u16string(partida.resto);
    if (MismaPalabra(partida.palabra, u"msi")) {
        prueba.tipo = TipoPrueba::Msi;
        return prueba;
    }
    if (MismaPalabra(partida.palabra, u"desinstalar")) {
        prueba.tipo = TipoPrueba::Desinstalar;
        return prueba;
    }
    if (!MismaPalabra(partida.palabra, u"archivo")) return std::nullopt;
    prueba.tipo = TipoPrueba::Archivo;
    const size_t mayorIgual = partida.resto.rfind(u">=");
    if (mayorIgual != std::u16string_view::npos) {
        const auto version = LeerVersion(RecortarEspacios(partida.resto.substr(mayorIgual + 2)));
        const std::u16string_view ruta = RecortarEspacios(partida.resto.substr(0, mayorIgual));
        if (!version || ruta.empty()) return std::nullopt;
        prueba.objetivo = std::u16string(ruta);
        prueba.versionMinima = version;
    }
    return prueba;
}

void RequisitosEntrada::Anotar(const RequisitoEscrito& escrito) {
    ++directivas;
    switch (escrito.clase) {
    case ClaseRequisito::Si:
        if (auto c = LeerCondicion(escrito.texto)) si.push_back(std::move(*c));
        break;
    case ClaseRequisito::Requiere:
        if (auto c = LeerCondicion(escrito.texto)) requiere.push_back(std::move(*c));
        break;
    case ClaseRequisito::Instalado:
        if (auto p = LeerPrueba(escrito.texto)) instalado.push_back(std::move(*p));
        break;
    }
}

std::optional<bool> Cumple(const Condicion& condicion, const HechosMaquina& hechos) {
    std::optional<bool> cumple;
    if (condicion.tipo == TipoCondicion::Windows) {
        if (hechos.version) cumple = !(*hechos.version < condicion.version);
    } else if (hechos.arquitectura) {
        const Arquitectura a = *hechos.arquitectura;
        switch (condicion.tipo) {
        case TipoCondicion::X86: cumple = a == Arquitectura::X86; break;
        case TipoCondicion::X64: cumple = a == Arquitectura::X64; break;
        case TipoCondicion::Arm64: cumple = a == Arquitectura::Arm64; break;
        case TipoCondicion::Bits64: cumple = a != Arquitectura::X86; break;
        case TipoCondicion::Windows: break;
        }
    }
    if (cumple && condicion.negada) cumple = !*cumple;
    return cumple;
}

Motivo MotivoDe(const Condicion& condicion) {
    const bool no = condicion.negada;
    switch (condicion.tipo) {
    case TipoCondicion::X86: return {no ? Clave::No32 : Clave::Requiere32, {}};
    case TipoCondicion::X64: return {no ? Clave::NoX64 : Clave::RequiereX64, {}};
    case TipoCondicion::Arm64: return {no ? Clave::NoArm : Clave::RequiereArm, {}};
    case TipoCondicion::Bits64: return {no ? Clave::Requiere32 : Clave::Requiere64, {}};
    case TipoCondicion::Windows: break;
    }
    return {no ? Clave::Anterior : Clave::Posterior, condicion.versionEscrita};
}

std::u16string TextoDeMotivo(const Motivo& motivo, const Textos& textos) {
    return textos.Con(motivo.clave, motivo.version);
}

DecisionEntrada Decidir(const RequisitosEntrada& requisitos, const HechosMaquina& hechos) {
    for (const Condicion& condicion : requisitos.si)
        if (Cumple(condicion, hechos) == false) return {Presencia::Oculta, {}};
    for (const Condicion& condicion : requisitos.requiere)
        if (Cumple(condicion, hechos) == false) return {Presencia::Atenuada, MotivoDe(condicion)};
    return {};
}

bool Instalado(const Prueba& prueba, Maquina& maquina) {
    switch (prueba.tipo) {
    case TipoPrueba::Msi:
        // Never ask about a code Windows Installer could misread.
        return CodigoDeProductoValido(prueba.objetivo) && maquina.ProductoInstalado(prueba.objetivo) == Respuesta::Si;
    case TipoPrueba::Desinstalar: return ClaveDesinstalar(prueba.objetivo, maquina);
    case TipoPrueba::Archivo: return ArchivoConVersion(prueba, maquina);
    }
    return false;
}

bool AlgunaInstalado(const std::vector<Prueba>& pruebas, Maquina& maquina) {
    for (const Prueba& prueba : pruebas)
        if (Instalado(prueba, maquina)) return true;
    return false;
}

std::u16string TextoYaInstalado(const std::u16string& nombre, const Textos& textos) {
    return textos.Con(Clave::YaInstalado, nombre);
}

std::u16string PreguntaReinstalar(const std::u16string& nombre, const Textos& textos) {
    return textos.Con(Clave::Reinstalar, nombre);
}

std::u16string NombreYaInstalado(const std::u16string& nombre, const Textos& textos) {
    return textos.Con(Clave::NombreInstalado, nombre);
}

}  // namespace instalar
