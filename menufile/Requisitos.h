#pragma once
// What an entry asks of the machine, from the directives before it:
//
//   ;@si CONDICIÓN          shown only where the condition holds
//   ;@requiere CONDICIÓN    shown, but greyed with the reason where it fails
//   ;@instalado PRUEBA      how to tell the product is already installed
//
// Conditions: x86, x64, arm64, 64bits, windows V (7, 8, 8.1, 10, 11 or
// a dotted number), each may follow "no".  Probes: msi {ProductCode},
// desinstalar CLAVE, archivo RUTA [>= VERSIÓN].  Several lines may stand
// before one entry: every ;@si and ;@requiere must hold, one ;@instalado
// is enough.  A condition or probe this version does not know is left out,
// so that a newer menu never empties an older one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/Maquina.h"
#include "menufile/TextosMenu.h"

namespace instalar {

enum class ClaseRequisito { Si, Requiere, Instalado };

constexpr std::u16string_view kDirectivaSi = u"si";
constexpr std::u16string_view kDirectivaRequiere = u"requiere";
constexpr std::u16string_view kDirectivaInstalado = u"instalado";

// A directive's name split into its word and the rest: "si x64".  None for
// any other directive.
struct RequisitoEscrito {
    ClaseRequisito clase;
    std::u16string_view texto;  // after the word, trimmed of spaces
};
std::optional<RequisitoEscrito> RequisitoDe(std::u16string_view nombreDirectiva);

enum class TipoCondicion { X86, X64, Arm64, Bits64, Windows };
struct Condicion {
    TipoCondicion tipo = TipoCondicion::X86;
    bool negada = false;
    NumeroVersion version;         // for Windows
    std::u16string versionEscrita;  // as written: "10", "8.1", "10.0.19045"
};
// None for a condition this version does not know.
std::optional<Condicion> LeerCondicion(std::u16string_view texto);

enum class TipoPrueba { Msi, Desinstalar, Archivo };
struct Prueba {
    TipoPrueba tipo = TipoPrueba::Msi;
    std::u16string objetivo;  // the product code, the key's name, the path
    std::optional<NumeroVersion> versionMinima;  // for Archivo
};
// None for a probe this version does not know.  A product code is taken as
// written: a malformed one is found out when it is probed, and then means
// "not installed".
std::optional<Prueba> LeerPrueba(std::u16string_view texto);

// "1.2.3"; none unless it is 1 to 4 numbers separated by dots.
std::optional<NumeroVersion> LeerVersion(std::u16string_view texto);
// "{6F1B2C3D-1111-2222-3333-444455556666}", hex digits in either case.
bool CodigoDeProductoValido(std::u16string_view codigo);

// A directive line met before an entry, as written, with its line (the
// checker keeps them).
struct LineaDeRequisito {
    int64_t linea = 0;
    ClaseRequisito clase = ClaseRequisito::Si;
    std::u16string texto;
};

struct RequisitosEntrada {
    std::vector<Condicion> si;
    std::vector<Condicion> requiere;
    std::vector<Prueba> instalado;
    // Directive lines noted, known or not.
    int directivas = 0;
    bool Vacios() const { return directivas == 0; }
    // Notes one directive line; what it says is kept when it is known.
    void Anotar(const RequisitoEscrito& escrito);
};

// What the machine is, asked once and only when a menu needs it.
struct HechosMaquina {
    std::optional<Arquitectura> arquitectura;
    std::optional<NumeroVersion> version;
};

// Why an entry is greyed, as a text of the menu's own and the version that
// fills its %1: the words are chosen once the whole file is read, in its
// language and with its ";@texto" lines, wherever they stand.
struct Motivo {
    Clave clave = Clave::Requiere64;
    std::u16string version;  // as the menu file writes it: "10", "8.1"
};
// "Requiere Windows 10 o posterior", in `textos`.
std::u16string TextoDeMotivo(const Motivo& motivo, const Textos& textos);

enum class Presencia { Visible, Oculta, Atenuada };
struct DecisionEntrada {
    Presencia presencia = Presencia::Visible;
    std::optional<Motivo> motivo;  // for Atenuada
};

// Whether the condition holds on the machine; none when its facts are
// unknown.
std::optional<bool> Cumple(const Condicion& condicion, const HechosMaquina& hechos);
// Why an entry is greyed by the condition.
Motivo MotivoDe(const Condicion& condicion);
// A condition that cannot be told does not hide or grey the entry.
DecisionEntrada Decidir(const RequisitosEntrada& requisitos, const HechosMaquina& hechos);

// Whether the probe finds the product; anything it cannot answer is "no".
bool Instalado(const Prueba& prueba, Maquina& maquina);
// Whether any of the probes finds it; false with no probes.
bool AlgunaInstalado(const std::vector<Prueba>& pruebas, Maquina& maquina);

// The hint line's text for an installed item: «nombre»: ya está instalado
std::u16string TextoYaInstalado(const std::u16string& nombre, const Textos& textos);
// The question before installing it again.
std::u16string PreguntaReinstalar(const std::u16string& nombre, const Textos& textos);
// What a screen reader hears for it: nombre: ya está instalado
std::u16string NombreYaInstalado(const std::u16string& nombre, const Textos& textos);

}  // namespace instalar
