// Fuzzing the menu checker on any menu file: the report it makes, its
// listing and its console output, on an in-memory medium.
//
// The input is the whole menu file; whether some entries' setup programs
// exist and where a read fails are taken from its last bytes.  The checker
// must read exactly what instalar.exe reads (the same lines, entries and
// stopping point, worked out here with a plain line splitter), write each
// finding as one line of UTF-8 text, and look a setup program up in the
// file system a bounded number of times, however many spaces its command
// holds.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ComandoEsperado.h"
#include "MenuEnTrozos.h"
#include "comprobar/Comprobador.h"
#include "comprobar/Consola.h"
#include "comprobar/Hallazgo.h"
#include "comprobar/Listado.h"
#include "comprobar/RutaPrograma.h"
#include "comprobar/SistemaArchivos.h"
#include "comprobar/Windows1252.h"
#include "menufile/LineaMenu.h"

namespace instalar::fuzz {
namespace {

using comprobar::Gravedad;
using comprobar::Hallazgo;
using comprobar::Informe;
using comprobar::TipoRuta;

namespace fs = std::filesystem;

constexpr size_t kOpcionesMaximas = 32767;
// One look-up for the command as written, and a few more to find where a
// program's name ends and its arguments begin.
constexpr size_t kBusquedasMaximasPorOpcion = 40;

const fs::path kCarpeta = "/medio";
const fs::path kMenu = "/medio/instalar.inf";

// The medium in memory: the menu file, and files and folders named by their
// components in lower case, joined with "\".
class SistemaMemoria : public comprobar::SistemaArchivos {
public:
    SistemaMemoria(const Bytes& bytes, std::optional<size_t> fallaTras) : bytes_(bytes), fallaTras_(fallaTras) {}

    int abiertos = 0;
    size_t busquedas = 0;

    void Anadir(const std::vector<std::u16string>& componentes, TipoRuta tipo) {
        if (componentes.empty()) return;
        std::u16string clave;
        for (size_t i = 0; i < componentes.size(); ++i) {
            clave += (i == 0 ? u"" : u"\\") + comprobar::SinMayusculas(componentes[i]);
            rutas_.emplace(clave, i + 1 == componentes.size() ? tipo : TipoRuta::Carpeta);
        }
    }

    Resultado<std::unique_ptr<ArchivoLectura>> Abrir(const fs::path& ruta) override {
        if (ruta != kMenu) return ErrorDe(CodigoError::ArchivoNoEncontrado);
        return AbrirEnTrozos(bytes_.Texto(), bytes_, fallaTras_, abiertos);
    }

    TipoRuta Tipo(const fs::path& carpeta, const std::vector<std::u16string>& componentes) override {
        EXIGIR(carpeta == kCarpeta);
        ++busquedas;
        return TipoDe(componentes);
    }
    // The menu file alone: no language files beside it.
    std::vector<std::u16string> Archivos(const fs::path&) override { return {u"instalar.inf"}; }

    TipoRuta TipoDe(const std::vector<std::u16string>& componentes) const {
        if (componentes.empty()) return TipoRuta::Carpeta;
        std::u16string clave;
        for (size_t i = 0; i < componentes.size(); ++i)
            clave += (i == 0 ? u"" : u"\\") + comprobar::SinMayusculas(componentes[i]);
        auto ruta = rutas_.find(clave);
        return ruta == rutas_.end() ? TipoRuta::NoExiste : ruta->second;
    }

private:
    const Bytes& bytes_;
    std::optional<size_t> fallaTras_;
    std::map<std::u16string, TipoRuta> rutas_;
};

// Well-formed UTF-8 without control characters: one line of text.
bool EsLineaUtf8(std::string_view texto) {
    for (size_t i = 0; i < texto.size();) {
        const auto b = static_cast<unsigned char>(texto[i]);
        if (b < 0x20 || b == 0x7F) return false;
        size_t largo = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (largo == 0 || (largo == 2 && b < 0xC2) || i + largo > texto.size()) return false;
        for (size_t k = 1; k < largo; ++k) {
            if ((static_cast<unsigned char>(texto[i + k]) & 0xC0) != 0x80) return false;
        }
        i += largo;
    }
    return true;
}

bool HayHallazgo(const Informe& informe, int linea, Gravedad gravedad) {
    for (const Hallazgo& h : informe.hallazgos) {
        if (h.linea == linea && h.gravedad == gravedad) return true;
    }
    return false;
}

// What instalar.exe reads of the file: entries with their line numbers, and
// the line where reading stops with an error (0: the whole file).
struct Esperado {
    std::optional<std::u16string> titulo;
    std::optional<std::u16string> version;
    std::vector<std::pair<int, Entrada>> opciones;
    std::optional<int> lineaDelError;
    bool volver = false;  // a ";@volver" line before the reading stops
};

Esperado Esperar(const std::vector<LineaDeReferencia>& lineas, std::optional<size_t> fallaTras) {
    Esperado esperado;
    size_t legibles = 0;
    while (legibles < lineas.size() && !(fallaTras && lineas[legibles].fin >= *fallaTras)) ++legibles;
    if (legibles < 2) {
        if (legibles == 1) esperado.titulo = lineas[0].texto;
        esperado.lineaDelError = static_cast<int>(legibles) + 1;
        return esperado;
    }
    esperado.titulo = lineas[0].texto;
    esperado.version = lineas[1].texto;
    for (size_t i = 2; i < legibles; ++i) {
        const int numero = static_cast<int>(i) + 1;
        auto clasificada = ClasificarLinea(lineas[i].texto, Lector::Lista);
        if (!clasificada || (clasificada.valor() && esperado.opciones.size() == kOpcionesMaximas)) {
            esperado.lineaDelError = numero;
            return esperado;
        }
        if (clasificada.valor()) esperado.opciones.emplace_back(numero, *clasificada.valor());
        else if (EsVolver(lineas[i].texto)) esperado.volver = true;
    }
    if (fallaTras) esperado.lineaDelError = static_cast<int>(legibles) + 1;
    else if (esperado.opciones.empty()) esperado.lineaDelError = 0;
    return esperado;
}

void Probar(const Bytes& bytes) {
    Elecciones elecciones(bytes);
    const uint8_t forma = elecciones.Byte();
    std::optional<size_t> fallaTras;
    if ((forma & 7) == 0) fallaTras = elecciones.Menor(bytes.Tamano() + 1);

    const auto lineas = LineasSegunCodificacion(bytes.Texto(), !fallaTras, comprobar::DesdeWindows1252);
    SistemaMemoria sistema(bytes, fallaTras);
    sistema.Anadir({u"setup.exe"}, TipoRuta::Archivo);
    sistema.Anadir({u"conta", u"setup.exe"}, TipoRuta::Archivo);
    sistema.Anadir({u"manual"}, TipoRuta::Carpeta);
    // Some entries' programs exist, up to their first space, so that what
    // follows it reads as arguments.
    const uint8_t existentes = elecciones.Byte();
    for (size_t i = 2, n = 0; i < lineas.size() && n < 16; ++i) {
        auto clasificada = ClasificarLinea(lineas[i].texto, Lector::Descripcion);
        if (!clasificada.ok() || !clasificada.valor()) continue;
        const std::u16string& comando = clasificada.valor()->comando;
        if (!((existentes >> (n++ % 8)) & 1)) continue;
        sistema.Anadir(comprobar::ComponentesDePrograma(comando.substr(0, comando.find(u' '))), TipoRuta::Archivo);
        // And the file between the quotes, where there are any.
        sistema.Anadir(comprobar::ComponentesDePrograma(PartirComoSeEscribe(comando).archivo), TipoRuta::Archivo);
    }

    const Informe informe = comprobar::ComprobarMenu(kMenu, kCarpeta, sistema);
    EXIGIR(sistema.abiertos == 0);

    const Esperado esperado = Esperar(lineas, fallaTras);
    EXIGIR(informe.titulo == esperado.titulo);
    EXIGIR(informe.version == esperado.version);
    EXIGIR(informe.opciones.size() == esperado.opciones.size());
    EXIGIR(informe.volver == esperado.volver);
    EXIGIR(sistema.busquedas <= kBusquedasMaximasPorOpcion * informe.opciones.size());
    if (esperado.lineaDelError) EXIGIR(HayHallazgo(informe, *esperado.lineaDelError, Gravedad::Error));

    size_t lineasConArgumentos = 0;
    for (size_t i = 0; i < informe.opciones.size(); ++i) {
        const auto& opcion = informe.opciones[i];
        const auto& [numero, entrada] = esperado.opciones[i];
        EXIGIR(opcion.linea == numero);
        EXIGIR(opcion.entrada.nombre == entrada.nombre && opcion.entrada.comando == entrada.comando &&
               opcion.entrada.descripcion == entrada.descripcion);
        // The description shown is the first entry's of that name; but
        // when both are tied to the machine, they may never show together
        // (one for x86, one for x64), and then each shows its own.
        size_t primera = 0;
        while (comprobar::SinMayusculas(esperado.opciones[primera].second.nombre) !=
               comprobar::SinMayusculas(entrada.nombre))
            ++primera;
        const bool ambasDeMaquina =
            !opcion.lineasDeRequisitos.empty() && !informe.opciones[primera].lineasDeRequisitos.empty();
        const size_t mostrada = ambasDeMaquina && opcion.lineaDescripcion == numero ? i : primera;
        EXIGIR(opcion.lineaDescripcion == esperado.opciones[mostrada].first);
        EXIGIR(opcion.descripcionMostrada == esperado.opciones[mostrada].second.descripcion);
        // An entry line has an error exactly when its program is not a
        // file: the whole command, or the file between its quotes.
        const ComandoEsperado partes = PartirComoSeEscribe(entrada.comando);
        const auto componentes = comprobar::ComponentesDePrograma(partes.archivo);
        const bool esArchivo =
            partes.BienFormado() && !componentes.empty() && sistema.TipoDe(componentes) == TipoRuta::Archivo;
        EXIGIR(HayHallazgo(informe, numero, Gravedad::Error) == !esArchivo);
        if (partes.BienFormado() && !partes.argumentos.empty()) ++lineasConArgumentos;
    }

    // Findings in the order of the lines, each one line of text.
    int anterior = 0;
    for (const Hallazgo& h : informe.hallazgos) {
        EXIGIR(h.linea >= 0 && static_cast<size_t>(h.linea) <= lineas.size() + 1);
        if (h.linea > 0) {
            EXIGIR(h.linea >= anterior);
            anterior = h.linea;
        }
        EXIGIR(!h.mensaje.empty());
        EXIGIR(EsLineaUtf8(h.mensaje));
    }

    // The listing: title, version, whether the menu comes back, then three
    // lines an item, one more for its arguments and one for each line that
    // ties it to the machine (";@si", ";@requiere", ";@instalado").
    size_t lineasDeMaquina = 0;
    for (const auto& opcion : informe.opciones) lineasDeMaquina += opcion.lineasDeRequisitos.size();
    const std::string listado = comprobar::FormatearListado(informe);
    size_t saltos = 0;
    size_t inicio = 0;
    for (size_t fin; (fin = listado.find('\n', inicio)) != std::string::npos; inicio = fin + 1) {
        EXIGIR(EsLineaUtf8(listado.substr(inicio, fin - inicio)));
        ++saltos;
    }
    EXIGIR(inicio == listado.size());
    EXIGIR(saltos == (informe.titulo ? 1u : 0u) + (informe.version ? 1u : 0u) + (esperado.volver ? 1u : 0u) +
                         3 * informe.opciones.size() + lineasConArgumentos + lineasDeMaquina);

    // The console: the same report, one finding a line and a summary.
    if ((forma & 0x30) == 0) {
        SistemaMemoria otro(bytes, fallaTras);
        otro.Anadir({u"setup.exe"}, TipoRuta::Archivo);
        std::ostringstream salida, errores;
        const int estado = comprobar::Ejecutar({"--listar", kMenu.string()}, salida, errores, otro);
        EXIGIR(estado == 0 || estado == 1);
        const std::string escrito = errores.str();
        size_t lineasDeError = 0;
        for (const char c : escrito) lineasDeError += c == '\n';
        EXIGIR(!escrito.empty() && escrito.back() == '\n');
        EXIGIR(otro.abiertos == 0);
        const Informe otroInforme = comprobar::ComprobarMenu(kMenu, kCarpeta, otro);
        EXIGIR(lineasDeError == otroInforme.hallazgos.size() + 1);
        EXIGIR(estado == comprobar::EstadoDeSalida(otroInforme.hallazgos));
        EXIGIR(salida.str() == comprobar::FormatearListado(otroInforme));
    }
}

}  // namespace
}  // namespace instalar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    instalar::fuzz::Probar(instalar::fuzz::Bytes(datos, tamano));
    return 0;
}
