#pragma once
// What the menu asks of the machine it runs on, for the items that depend
// on it (";@si", ";@requiere", ";@instalado"): the machine's own
// architecture and Windows version, and the traces a product leaves when it
// is installed.  Every answer may be "cannot tell": the menu then decides
// as if the item did not depend on the machine, and never takes a product
// for installed.  Nothing here is asked by a menu without those lines.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace instalar {

// The machine's own architecture, not the process's: the x86 build on
// 64-bit Windows runs on an X64 machine.
enum class Arquitectura { X86, X64, Arm64 };

// A dotted version of up to four numbers; missing numbers are 0.  Windows
// as mayor.menor.compilacion (10.0.19045), a file as its version resource
// gives it (2.1.0.7).
struct NumeroVersion {
    std::array<uint32_t, 4> partes{};
    bool operator<(const NumeroVersion& otra) const { return partes < otra.partes; }
    bool operator==(const NumeroVersion& otra) const { return partes == otra.partes; }
};

enum class RaizRegistro { MaquinaLocal, UsuarioActual };
// Which registry of a 64-bit Windows: its own, or the one 32-bit programs
// see (WOW6432Node).  A 32-bit Windows has one only, and answers both.
enum class VistaRegistro { De64Bits, De32Bits };

enum class Respuesta { Si, No, NoSeSabe };

class Maquina {
public:
    virtual ~Maquina() = default;

    virtual std::optional<Arquitectura> ArquitecturaNativa() = 0;
    // The version Windows really is, whatever the program's manifest says.
    virtual std::optional<NumeroVersion> VersionDeWindows() = 0;
    // Whether the key `ruta` exists below the root, in that view.
    virtual Respuesta ExisteClave(RaizRegistro raiz, VistaRegistro vista, const std::u16string& ruta) = 0;
    // Whether Windows Installer has the product installed for this user or
    // the machine.  `codigo` is a well-formed "{GUID}".
    virtual Respuesta ProductoInstalado(const std::u16string& codigo) = 0;
    // The text with its %VARIABLES% replaced, as this process sees them.
    virtual std::optional<std::u16string> ExpandirEntorno(const std::u16string& texto) = 0;
    // Whether a file (not a folder) is there.
    virtual Respuesta ExisteArchivo(const std::u16string& ruta) = 0;
    // The file's version from its version resource; none when it has none
    // or it cannot be read.
    virtual std::optional<NumeroVersion> VersionDeArchivo(const std::u16string& ruta) = 0;
};

}  // namespace instalar
