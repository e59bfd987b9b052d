// Fuzzing the menu file: the list reader, the description reader, the
// window built on them and the paths made from the file's text.
//
// The input is one whole menu file.  Whatever else a run needs (the sizes of
// the pieces in which the file hands out its bytes, where a read fails,
// which name is looked up, which keys are pressed) is taken from the same
// bytes, so every input is a menu file and the seed corpus is made of real
// ones.
//
// Besides the sanitizers, each step is checked against what the rules of
// the menu file say must happen, worked out here on the whole byte string
// with a plain line splitter: lines end at CR or CR LF, the list reader
// stops at the first error, the description reader reads at least one line
// after the header.  A failed check prints what failed and aborts, and
// libFuzzer keeps the input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ComandoEsperado.h"
#include "MenuEnTrozos.h"
#include "PlataformaFalsa.h"
#include "common/Texto.h"
#include "comprobar/Windows1252.h"
#include "herramientas/Diseno.h"
#include "launch/Desenlace.h"
#include "launch/Lanzador.h"
#include "menufile/ArchivoMenu.h"
#include "menufile/BuscarDescripcion.h"
#include "menufile/LineaMenu.h"
#include "menufile/RutaMenu.h"
#include "window/ArbolAccesible.h"
#include "window/TeclasAcceso.h"
#include "window/frmMenu.h"

namespace instalar::fuzz {
namespace {

constexpr size_t kPosicionMaxima = 32767;
constexpr int16_t kOpcionesMaximas = 32767;
const std::u16string kTituloVentana = diseno::kTitulo;

// The menu file's text as the fake platform decodes it: in Windows-1252.
std::u16string Decodificar(std::string_view bytes) { return comprobar::DesdeWindows1252(bytes); }

// One menu file at one path, for the readers used on their own.
class AccesoMemoria : public Archivos {
public:
    AccesoMemoria(std::u16string ruta, const Bytes& bytes) : ruta_(std::move(ruta)), bytes_(bytes) {}

    std::optional<size_t> fallaTras;
    int abiertos = 0;

    Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) override {
        if (ruta != ruta_) return ErrorDe(CodigoError::ArchivoNoEncontrado, 2);
        return AbrirEnTrozos(bytes_.Texto(), bytes_, fallaTras, abiertos);
    }
    std::u16string DesdeAnsi(std::string_view bytes) override { return Decodificar(bytes); }
    bool IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) override {
        return prueba::PlataformaFalsa::IgualesEnWindows1252(a, b);
    }

private:
    std::u16string ruta_;
    const Bytes& bytes_;
};

// The unit tests' fake platform with the menu file handed out in varying
// pieces, and reads that fail at a given byte of a given opening.
class PlataformaTrozos : public prueba::PlataformaFalsa {
public:
    explicit PlataformaTrozos(const Bytes& bytes) : bytes_(bytes) {}

    // By the number of the opening, counted from 1: the byte where it fails.
    std::map<int, size_t> fallosDeLectura;

    Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) override {
        ++aperturas;
        if (auto error = erroresPorApertura.find(aperturas); error != erroresPorApertura.end()) return error->second;
        auto archivo = archivos.find(ruta);
        if (archivo == archivos.end()) return ErrorDe(CodigoError::ArchivoNoEncontrado, 2);
        std::optional<size_t> falla;
        if (auto fallo = fallosDeLectura.find(aperturas); fallo != fallosDeLectura.end()) falla = fallo->second;
        return AbrirEnTrozos(archivo->second, bytes_, falla, archivosAbiertos);
    }

private:
    const Bytes& bytes_;
};

// ---------------------------------------------------------------------------
// Line classification

// How the rules of the menu file take a line, for each reader.
struct Clasificacion {
    bool desbordaLista = false;
    bool desbordaDescripcion = false;
    std::optional<Entrada> entrada;  // an entry for the readers that do not overflow
};

// An entry's fields put back together give the trimmed line; the line is
// ignored or overflows exactly as the rules of the menu file say; the list
// reader accepts nothing the description reader refuses, and both split
// alike.
Clasificacion ComprobarClasificacion(std::u16string_view linea) {
    const std::u16string recortada(RecortarEspacios(linea));
    const size_t primero = linea.find_first_not_of(u' ');
    if (primero == std::u16string_view::npos) {
        EXIGIR(recortada.empty());
    } else {
        const size_t ultimo = linea.find_last_not_of(u' ');
        EXIGIR(recortada == linea.substr(primero, ultimo - primero + 1));
    }

    const size_t p1 = recortada.find(u';');
    const bool ignorada = recortada.empty() || p1 == std::u16string::npos || p1 == 0;
    const size_t p2 = ignorada ? std::u16string::npos : recortada.find(u';', p1 + 1);

    Clasificacion clase;
    for (const Lector lector : {Lector::Lista, Lector::Descripcion}) {
        auto clasificada = ClasificarLinea(linea, lector);
        if (ignorada) {
            EXIGIR(clasificada.ok() && !clasificada.valor().has_value());
            continue;
        }
        // Positions are signed 16-bit numbers, counted from 1.
        const bool desborda = p1 + 1 > kPosicionMaxima ||
                              (p2 == std::u16string::npos
                                   ? lector == Lector::Lista && recortada.size() - p1 > kPosicionMaxima
                                   : p2 - p1 > kPosicionMaxima);
        (lector == Lector::Lista ? clase.desbordaLista : clase.desbordaDescripcion) = desborda;
        if (desborda) {
            EXIGIR(!clasificada.ok());
            EXIGIR(clasificada.error().codigo == CodigoError::Desbordamiento);
            EXIGIR(clasificada.error().descripcion == u"Desbordamiento");
            continue;
        }
        EXIGIR(clasificada.ok() && clasificada.valor().has_value());
        const Entrada& entrada = *clasificada.valor();
        EXIGIR(!entrada.nombre.empty());
        EXIGIR(entrada.nombre.find(u';') == std::u16string::npos);
        EXIGIR(entrada.comando.find(u';') == std::u16string::npos);
        EXIGIR(entrada.descripcion.has_value() == (p2 != std::u16string::npos));
        std::u16string junta = entrada.nombre + u";" + entrada.comando;
        if (entrada.descripcion) junta += u";" + *entrada.descripcion;
        EXIGIR(junta == recortada);
        if (!clase.entrada) {
            clase.entrada = entrada;
        } else {
            EXIGIR(clase.entrada->nombre == entrada.nombre && clase.entrada->comando == entrada.comando &&
                   clase.entrada->descripcion == entrada.descripcion);
        }
    }
    return clase;
}

// The file's lines, each with its classification, as one reading gets them.
struct Version {
    std::vector<LineaDeReferencia> lineas;
    std::vector<Clasificacion> clases;
};

Version VersionDe(std::vector<LineaDeReferencia> lineas) {
    Version version;
    version.lineas = std::move(lineas);
    for (const auto& linea : version.lineas) version.clases.push_back(ComprobarClasificacion(linea.texto));
    return version;
}

// A reading that goes to the end of the file, and one whose read fails
// somewhere: that one never takes a file without a mark for UTF-8, since
// it cannot see that all of it is.
struct Menu {
    Version entero;
    Version conFallo;
    const Version& Para(std::optional<size_t> fallaTras) const { return fallaTras ? conFallo : entero; }
};

// The lines a reader gets before a read fails at byte `fallaTras`: those
// whose CR lies before it.  After them the next read is that failure; with
// no failure, the end of the file.
struct Legibles {
    const Version& version;
    size_t cuantas;
    bool falla;
    CodigoError alFinal;

    const std::u16string& Texto(size_t i) const { return version.lineas[i].texto; }
    const Clasificacion& Clase(size_t i) const { return version.clases[i]; }
};

Legibles LineasLegibles(const Menu& menu, std::optional<size_t> fallaTras) {
    const Version& version = menu.Para(fallaTras);
    if (!fallaTras) return {version, version.lineas.size(), false, CodigoError::FinDeArchivo};
    size_t cuantas = 0;
    while (cuantas < version.lineas.size() && version.lineas[cuantas].fin < *fallaTras) ++cuantas;
    return {version, cuantas, true, CodigoError::PermisoDenegado};
}

// ---------------------------------------------------------------------------
// The list reader on its own

struct LecturaLista {
    std::vector<std::u16string> lineas;  // header included
    size_t entradas = 0;
    std::optional<CodigoError> error;
};

// Reads as the item list does: the two header lines, then lines while the
// file has any, each classified; the first error ends the reading.
LecturaLista LeerComoLista(Archivos& acceso, const std::u16string& ruta) {
    LecturaLista lectura;
    auto abierto = ArchivoMenu::Abrir(acceso, ruta);
    EXIGIR(abierto.ok());
    ArchivoMenu& archivo = abierto.valor();
    for (int cabecera = 0; cabecera < 2; ++cabecera) {
        auto linea = archivo.LeerLinea();
        if (!linea) {
            lectura.error = linea.error().codigo;
            return lectura;
        }
        lectura.lineas.push_back(linea.valor());
    }
    while (!archivo.FinDeArchivo()) {
        auto linea = archivo.LeerLinea();
        if (!linea) {
            lectura.error = linea.error().codigo;
            return lectura;
        }
        lectura.lineas.push_back(linea.valor());
        auto clasificada = ClasificarLinea(linea.valor(), Lector::Lista);
        if (!clasificada) {
            lectura.error = clasificada.error().codigo;
            return lectura;
        }
        if (clasificada.valor()) ++lectura.entradas;
    }
    // At the end, one read more is the end-of-file error, and the end stays.
    auto deMas = archivo.LeerLinea();
    EXIGIR(!deMas.ok() && deMas.error().codigo == CodigoError::FinDeArchivo);
    EXIGIR(archivo.FinDeArchivo());
    return lectura;
}

LecturaLista ListaEsperada(const Legibles& legibles) {
    LecturaLista esperada;
    for (size_t i = 0; i < legibles.cuantas; ++i) {
        esperada.lineas.push_back(legibles.Texto(i));
        if (i < 2) continue;
        if (legibles.Clase(i).desbordaLista) {
            esperada.error = CodigoError::Desbordamiento;
            return esperada;
        }
        if (legibles.Clase(i).entrada) ++esperada.entradas;
    }
    if (esperada.lineas.size() < 2 || legibles.falla) esperada.error = legibles.alFinal;
    return esperada;
}

void ComprobarLista(const Bytes& bytes, const Menu& menu, std::optional<size_t> fallaTras) {
    const std::u16string ruta = u"D:\\menu.inf";
    AccesoMemoria acceso(ruta, bytes);
    acceso.fallaTras = fallaTras;
    {
        const LecturaLista leida = LeerComoLista(acceso, ruta);
        const LecturaLista esperada = ListaEsperada(LineasLegibles(menu, fallaTras));
        EXIGIR(leida.lineas == esperada.lineas);
        EXIGIR(leida.entradas == esperada.entradas);
        EXIGIR(leida.error == esperada.error);
    }
    EXIGIR(acceso.abiertos == 0);

    auto ausente = ArchivoMenu::Abrir(acceso, u"D:\\otro.inf");
    EXIGIR(!ausente.ok() && ausente.error().codigo == CodigoError::ArchivoNoEncontrado);
    EXIGIR(acceso.abiertos == 0);
}

// ---------------------------------------------------------------------------
// The description reader

using Descripcion = std::optional<std::u16string>;

bool IgualesSinMayusculas(prueba::PlataformaFalsa& plataforma, const std::u16string& a, const std::u16string& b) {
    return plataforma.IgualesSinMayusculas(a, b);
}

// The header, then at least one line, until the first entry of that name.
Resultado<Descripcion> DescripcionEsperada(const Legibles& legibles, const std::u16string& nombre,
                                           prueba::PlataformaFalsa& plataforma) {
    if (legibles.cuantas < 2) return ErrorDe(legibles.alFinal, legibles.falla ? 5 : 0);
    for (size_t i = 2;; ++i) {
        if (i >= legibles.cuantas) {
            if (legibles.falla || i == 2) return ErrorDe(legibles.alFinal, legibles.falla ? 5 : 0);
            return Descripcion{};
        }
        if (legibles.Clase(i).desbordaDescripcion) return ErrorDe(CodigoError::Desbordamiento);
        const auto& entrada = legibles.Clase(i).entrada;
        if (entrada && IgualesSinMayusculas(plataforma, entrada->nombre, nombre)) return entrada->descripcion;
    }
}

void ComprobarDescripcion(PlataformaTrozos& plataforma, const std::u16string& ruta, const Menu& menu,
                          const std::u16string& nombre, std::optional<size_t> fallaTras) {
    if (fallaTras) plataforma.fallosDeLectura[plataforma.aperturas + 1] = *fallaTras;
    auto hallada = BuscarDescripcion(plataforma, ruta, nombre);
    auto esperada = DescripcionEsperada(LineasLegibles(menu, fallaTras), nombre, plataforma);
    EXIGIR(hallada.ok() == esperada.ok());
    if (hallada.ok()) {
        EXIGIR(hallada.valor() == esperada.valor());
    } else {
        EXIGIR(hallada.error().codigo == esperada.error().codigo);
        EXIGIR(hallada.error().descripcion == esperada.error().descripcion);
    }
    EXIGIR(plataforma.archivosAbiertos == 0);
}

// ---------------------------------------------------------------------------
// Paths made from the file's text

void ComprobarRutas(const std::u16string& a, const std::u16string& b) {
    const std::u16string menu = ResolverArchivoMenu(a, b);
    EXIGIR(menu == (a.empty() ? b + u"\\instalar.inf" : a));

    const std::u16string logo = RutaLogo(a);
    const bool conBarra = !a.empty() && a.back() == u'\\';
    EXIGIR(logo == a + (conBarra ? u"" : u"\\") + u"quorbel.bmp");

    const std::u16string instalador = RutaInstalador(a, b);
    EXIGIR(instalador == a + u"\\" + b);

    // The second text as the arguments: after the quoted path and one space,
    // as they are; nothing at all for none.
    const PeticionProceso conArgumentos = PeticionPara(instalador, b);
    EXIGIR(conArgumentos.aplicacion == instalador);
    EXIGIR(conArgumentos.lineaComandos == u"\"" + instalador + u"\"" + (b.empty() ? u"" : u" " + b));
    EXIGIR(conArgumentos.argumentos == b);

    for (const std::u16string* ruta : {&a, &instalador}) {
        const PeticionProceso peticion = PeticionPara(*ruta);
        EXIGIR(peticion.aplicacion == *ruta);
        EXIGIR(peticion.lineaComandos == u"\"" + *ruta + u"\"");
        EXIGIR(peticion.mostrar == 1);
        // The working folder is the path up to its last separator, with a
        // backslash kept where dropping it would change its meaning.
        const size_t separador = ruta->find_last_of(u"\\/");
        if (separador == std::u16string::npos) {
            EXIGIR(peticion.carpetaTrabajo.empty());
        } else {
            const std::u16string antes = ruta->substr(0, separador);
            const bool raiz = antes.empty() || antes.back() == u':';
            EXIGIR(peticion.carpetaTrabajo == (raiz ? antes + u"\\" : antes));
        }
    }
}

// ---------------------------------------------------------------------------
// The window on the fake platform

// What loading the window must show, worked out from the lines it can read.
struct CargaEsperada {
    std::u16string tipo;
    std::u16string ver;
    std::vector<Entrada> opciones;  // one item label each, in order
    int16_t totalOpciones = 0;
    std::optional<std::u16string> error;  // shown in descripcion
    bool volver = false;  // a ";@volver" line before the reading stopped
};

CargaEsperada CargaEsperadaDe(const Legibles& legibles) {
    CargaEsperada esperada;
    if (legibles.cuantas < 1) {
        esperada.error = DescripcionDe(legibles.alFinal);
        return esperada;
    }
    esperada.tipo = legibles.Texto(0);
    if (legibles.cuantas < 2) {
        esperada.error = DescripcionDe(legibles.alFinal);
        return esperada;
    }
    esperada.ver = u"Versión " + legibles.Texto(1);
    for (size_t i = 2; i < legibles.cuantas; ++i) {
        const Clasificacion& clase = legibles.Clase(i);
        if (clase.desbordaLista) {
            esperada.error = DescripcionDe(CodigoError::Desbordamiento);
            return esperada;
        }
        if (EsVolver(legibles.Texto(i))) esperada.volver = true;
        if (!clase.entrada) continue;
        esperada.opciones.push_back(*clase.entrada);
        // The count is a signed 16-bit number: the entry after the largest
        // gets its label, but counting it overflows.
        if (esperada.totalOpciones == kOpcionesMaximas) {
            esperada.error = DescripcionDe(CodigoError::Desbordamiento);
            return esperada;
        }
        ++esperada.totalOpciones;
    }
    if (legibles.falla) esperada.error = DescripcionDe(legibles.alFinal);
    return esperada;
}

std::set<size_t> Negritas(const Controles& c) {
    std::set<size_t> negritas;
    for (size_t i = 0; i < c.opciones.size(); ++i) {
        if (c.opciones[i].fuente.negrita) negritas.insert(i);
    }
    return negritas;
}

bool Cerca(double a, double b) { return a - b < 0.5 && b - a < 0.5; }

class Ventana {
public:
    Ventana(const Bytes& bytes, const Menu& menu)
        : bytes_(bytes), menu_(menu), lineas_(menu.entero.lineas), p_(bytes), elecciones_(bytes) {}

    void Probar();

private:
    void Preparar();
    void ComprobarCarga();
    void Seleccionar(int16_t indice, bool conRaton);
    void Pulsar(Tecla tecla, int modificadores);
    void Instalar(bool conIntro);
    // The setup the menu waits for: nothing starts meanwhile, and its end
    // is told in the hint line and marked on the item.
    void TerminarInstalacion(int16_t elegida);
    void Impactos();
    // What opening number `apertura` of the menu file reads, by the failures
    // set for it, and the description it finds under `nombre`.
    Legibles LecturaEn(int apertura) const;
    Resultado<Descripcion> DescripcionEn(int apertura, const std::u16string& nombre);
    Resultado<Descripcion> ProximaDescripcion(const std::u16string& nombre) {
        return DescripcionEn(p_.aperturas + 1, nombre);
    }
    int16_t Seleccionada() const;
    const Controles& V() const { return ventana_->Vista(); }

    const Bytes& bytes_;
    const Menu& menu_;
    const std::vector<LineaDeReferencia>& lineas_;
    PlataformaTrozos p_;
    Elecciones elecciones_;
    std::u16string rutaMenu_;
    bool hayMenu_ = true;
    CargaEsperada carga_;
    std::unique_ptr<frmMenu> ventana_;
};

void Ventana::Preparar() {
    const uint8_t forma = elecciones_.Byte();
    const std::u16string segunda = lineas_.size() > 1 ? lineas_[1].texto : u"";
    switch (forma % 8) {
    case 0: p_.carpeta = u"E:\\"; break;                       // a drive root
    case 1: p_.lineaComandos = segunda; break;                 // the version line as the command line
    case 2: p_.carpeta = lineas_.empty() ? u"" : lineas_[0].texto; break;  // the title line as the folder
    case 3: p_.lineaComandos = u"X:\\no\\existe.inf"; hayMenu_ = false; break;
    default: break;                                            // C:\medio\instalar.inf
    }
    rutaMenu_ = ResolverArchivoMenu(p_.lineaComandos, p_.carpeta);
    if (hayMenu_) p_.archivos[rutaMenu_] = std::string(bytes_.Texto());

    // An opening or a read among the first few that fails.
    const uint8_t fallo = elecciones_.Byte();
    const int apertura = 1 + (fallo >> 4) % 4;
    if ((fallo & 7) == 1) p_.erroresPorApertura[apertura] = ErrorDe(CodigoError::PermisoDenegado, 5);
    if ((fallo & 7) == 2) p_.fallosDeLectura[apertura] = elecciones_.Menor(bytes_.Tamano() + 1);

    // The setup programs of some entries exist.
    const uint8_t programas = elecciones_.Byte();
    size_t entradas = 0;
    for (size_t i = 2; i < lineas_.size() && entradas < 64; ++i) {
        const auto& entrada = menu_.entero.clases[i].entrada;
        if (!entrada) continue;
        if (!((programas >> (entradas++ % 8)) & 1)) continue;
        p_.archivos.emplace(RutaInstalador(p_.carpeta, entrada->comando), "MZ");
        // And the file between its quotes, where there are any.
        p_.archivos.emplace(RutaInstalador(p_.carpeta, PartirComoSeEscribe(entrada->comando).archivo), "MZ");
    }

    // How starting them goes: at once, through the shell after asking for
    // administrator rights (accepted or declined), or failing.
    switch (elecciones_.Byte() % 5) {
    case 1: p_.resultadosProceso = {ErrorDe(CodigoError::RequiereElevacion, 740)}; break;
    case 2:
        p_.resultadosProceso = {ErrorDe(CodigoError::RequiereElevacion, 740)};
        p_.resultadosShell = {ErrorDe(CodigoError::CanceladoPorUsuario, 1223)};
        break;
    case 3: p_.resultadosProceso = {ErrorDe(CodigoError::PermisoDenegado, 5)}; break;
    default: break;
    }
}

Legibles Ventana::LecturaEn(int apertura) const {
    std::optional<size_t> falla;
    if (auto fallo = p_.fallosDeLectura.find(apertura); fallo != p_.fallosDeLectura.end()) falla = fallo->second;
    return LineasLegibles(menu_, falla);
}

Resultado<Descripcion> Ventana::DescripcionEn(int apertura, const std::u16string& nombre) {
    if (auto error = p_.erroresPorApertura.find(apertura); error != p_.erroresPorApertura.end()) return error->second;
    if (!hayMenu_) return ErrorDe(CodigoError::ArchivoNoEncontrado, 2);
    return DescripcionEsperada(LecturaEn(apertura), nombre, p_);
}

// The selection the window keeps, which the first bold item must show.
int16_t Ventana::Seleccionada() const {
    const int16_t n = ventana_->TotalOpciones();
    int16_t negrita = n;
    for (int16_t i = 0; i < n && negrita == n; ++i) {
        if (V().opciones[static_cast<size_t>(i)].fuente.negrita) negrita = i;
    }
    EXIGIR(ventana_->Seleccionada().value_or(n) == negrita);
    return negrita;
}

void Ventana::ComprobarCarga() {
    // Opening 1 reads the list, opening 2 the first item's description.
    if (auto error = p_.erroresPorApertura.find(1); error != p_.erroresPorApertura.end()) {
        carga_.error = error->second.descripcion;
    } else if (!hayMenu_) {
        carga_.error = DescripcionDe(CodigoError::ArchivoNoEncontrado);
    } else {
        carga_ = CargaEsperadaDe(LecturaEn(1));
    }

    ventana_ = std::make_unique<frmMenu>(p_.Sistema());
    std::optional<Resultado<Descripcion>> primera;
    if (!carga_.error && carga_.totalOpciones >= 1) primera = DescripcionEn(2, carga_.opciones[0].nombre);
    ventana_->Cargar();

    EXIGIR(p_.fondosCargados == std::vector<std::u16string>{RutaLogo(p_.carpeta)});
    EXIGIR(p_.archivosAbiertos == 0);
    EXIGIR(V().tituloVentana == kTituloVentana);
    EXIGIR(V().titulo.texto == carga_.tipo);
    EXIGIR(V().version.texto == carga_.ver);
    EXIGIR(ventana_->TotalOpciones() == carga_.totalOpciones);
    // One label per entry read; element 0 stays even with none.
    EXIGIR(V().opciones.size() == std::max<size_t>(1, carga_.opciones.size()));
    for (size_t i = 0; i < carga_.opciones.size(); ++i) {
        const Etiqueta& opcion = V().opciones[i];
        EXIGIR(opcion.texto == carga_.opciones[i].nombre);
        EXIGIR(opcion.comando == carga_.opciones[i].comando);
        EXIGIR(opcion.visible);
    }
    EXIGIR(V().instalar.habilitado == (carga_.totalOpciones >= 1));
    EXIGIR((V().indicacion.texto == u"") == (carga_.totalOpciones < 1));

    if (carga_.error) {
        // The error where the description goes, at its design place; the
        // items read so far stay where element 0 was designed; no selection.
        EXIGIR(V().descripcion.texto == *carga_.error);
        EXIGIR(V().descripcion.caja.arriba == 2460.0f);
        for (size_t i = 0; i < carga_.opciones.size(); ++i) {
            EXIGIR(V().opciones[i].caja.izquierda == 1080.0f);
            EXIGIR(V().opciones[i].caja.arriba == 2880.0f);
        }
        EXIGIR(Negritas(V()).empty());
        EXIGIR(!V().flecha.visible);
        EXIGIR(p_.mensajes.empty());
        return;
    }
    if (carga_.totalOpciones < 1) {
        EXIGIR(V().descripcion.texto == u"Ha ocurrido un error !!!\r\n\r\nNo se ha podido encontrar en el archivo '" +
                                        rutaMenu_ + u"', algun programa a instalar.");
        EXIGIR(Negritas(V()).empty());
        EXIGIR(p_.mensajes.empty());
        return;
    }
    // Spread down the divider, in order.
    const float izquierda = static_cast<float>(50 * p_.twipsPorPixel);
    for (size_t i = 0; i < carga_.opciones.size(); ++i) {
        EXIGIR(V().opciones[i].caja.izquierda == izquierda);
        if (i > 0) EXIGIR(V().opciones[i].caja.arriba > V().opciones[i - 1].caja.arriba);
    }
    // Then the first item is selected, unless reading its description fails.
    if (!primera->ok()) {
        EXIGIR(p_.mensajes.size() == 1);
        EXIGIR(p_.mensajes[0].texto == primera->error().descripcion && p_.mensajes[0].titulo == kTituloVentana);
        EXIGIR(Negritas(V()).empty());
        EXIGIR(!V().flecha.visible);
        EXIGIR(V().descripcion.texto == u"");
    } else {
        EXIGIR(p_.mensajes.empty());
        EXIGIR(Negritas(V()) == std::set<size_t>{0});
        EXIGIR(V().flecha.visible);
        EXIGIR(V().descripcion.texto == primera->valor().value_or(u""));
    }
}

void Ventana::Seleccionar(int16_t indice, bool conRaton) {
    // Only items of the list can be selected: the design's label 0 of an
    // empty list is none.
    const bool valido = indice >= 0 && indice < ventana_->TotalOpciones();
    const std::set<size_t> antes = Negritas(V());
    const std::u16string infoAntes = V().descripcion.texto;
    const size_t mensajesAntes = p_.mensajes.size();
    const int aperturasAntes = p_.aperturas;
    std::optional<Resultado<Descripcion>> esperada;
    if (valido) esperada = ProximaDescripcion(V().opciones[static_cast<size_t>(indice)].texto);

    if (conRaton) ventana_->ClicEnOpcion(indice);

    if (!valido) {
        EXIGIR(Negritas(V()) == antes && p_.aperturas == aperturasAntes && p_.mensajes.size() == mensajesAntes);
        return;
    }
    EXIGIR(p_.aperturas == aperturasAntes + 1);
    if (!esperada->ok()) {
        // A failed read leaves everything as it was and says why.
        EXIGIR(p_.mensajes.size() == mensajesAntes + 1);
        EXIGIR(p_.mensajes.back().texto == esperada->error().descripcion);
        EXIGIR(p_.mensajes.back().titulo == kTituloVentana);
        EXIGIR(Negritas(V()) == antes);
        EXIGIR(V().descripcion.texto == infoAntes);
        return;
    }
    EXIGIR(p_.mensajes.size() == mensajesAntes);
    EXIGIR(V().descripcion.texto == (esperada->valor() ? *esperada->valor() : infoAntes));
    // Only the chosen item is bold among the counted ones.
    std::set<size_t> negritas;
    for (size_t i : antes) {
        if (i >= static_cast<size_t>(ventana_->TotalOpciones())) negritas.insert(i);
    }
    negritas.insert(static_cast<size_t>(indice));
    EXIGIR(Negritas(V()) == negritas);
    // The marker left of the item, on its middle; the description centred
    // on the divider.
    const Rectangulo& opcion = V().opciones[static_cast<size_t>(indice)].caja;
    const Imagen& flecha = V().flecha;
    EXIGIR(flecha.visible);
    EXIGIR(flecha.caja.izquierda + flecha.caja.ancho < opcion.izquierda);
    EXIGIR(Cerca(flecha.caja.arriba + flecha.caja.alto / 2.0, opcion.arriba + opcion.alto / 2.0));
    EXIGIR(Cerca(V().descripcion.caja.arriba + V().descripcion.caja.alto / 2.0, (V().divisoria.y1 + V().divisoria.y2) / 2.0));
}

void Ventana::Pulsar(Tecla tecla, int modificadores) {
    const int16_t n = ventana_->TotalOpciones();
    const int16_t actual = Seleccionada();
    std::optional<int16_t> destino;
    if ((modificadores & kCtrl) != 0) {
        if (tecla == Tecla::Arriba && actual >= 1) destino = static_cast<int16_t>(actual - 1);
        if (tecla == Tecla::Abajo && actual < n - 1) destino = static_cast<int16_t>(actual + 1);
    }
    if (!destino) {
        const std::set<size_t> antes = Negritas(V());
        const int aperturasAntes = p_.aperturas;
        ventana_->AlBajarTecla(tecla, modificadores);
        EXIGIR(Negritas(V()) == antes && p_.aperturas == aperturasAntes);
        return;
    }
    // Moving the selection is selecting the neighbour.
    const size_t etiqueta = static_cast<size_t>(*destino);
    const std::u16string nombre = V().opciones[etiqueta].texto;
    const std::set<size_t> antes = Negritas(V());
    const size_t mensajesAntes = p_.mensajes.size();
    auto esperada = ProximaDescripcion(nombre);
    ventana_->AlBajarTecla(tecla, modificadores);
    if (esperada.ok()) {
        EXIGIR(V().opciones[etiqueta].fuente.negrita);
        EXIGIR(Seleccionada() == *destino);
        EXIGIR(p_.mensajes.size() == mensajesAntes);
    } else {
        EXIGIR(Negritas(V()) == antes);
        EXIGIR(p_.mensajes.size() == mensajesAntes + 1);
    }
}

void Ventana::Instalar(bool conIntro) {
    const int16_t elegida = Seleccionada();
    const size_t mensajesAntes = p_.mensajes.size();
    const size_t procesosAntes = p_.procesos.size();
    const size_t shellAntes = p_.ejecucionesShell.size();
    const std::vector<Fallo> resultadosProceso = p_.resultadosProceso;
    const std::vector<Fallo> resultadosShell = p_.resultadosShell;

    if (conIntro) ventana_->AlEscribir(kCaracterIntro);
    else ventana_->Instalar();

    if (elegida >= ventana_->TotalOpciones()) {
        // Nothing selected: nothing happens.
        EXIGIR(p_.mensajes.size() == mensajesAntes && p_.procesos.size() == procesosAntes);
        EXIGIR(!ventana_->Descargada());
        return;
    }
    const ComandoEsperado partes = PartirComoSeEscribe(V().opciones[static_cast<size_t>(elegida)].comando);
    const std::u16string ruta = p_.carpeta + u"\\" + partes.archivo;
    if (!partes.BienFormado()) {
        // A quoted command that names no file, or one with a NUL: its own
        // message, nothing checked or started.
        const CodigoError codigo = partes.sinCierre ? CodigoError::ComillaSinCerrar
                                   : partes.sinRuta ? CodigoError::RutaVacia
                                                    : CodigoError::NombreArchivoIncorrecto;
        EXIGIR(p_.procesos.size() == procesosAntes && p_.ejecucionesShell.size() == shellAntes);
        EXIGIR(p_.mensajes.size() == mensajesAntes + 1);
        EXIGIR(p_.mensajes.back().texto == DescripcionDe(codigo) + u"\r\n" + ruta);
        EXIGIR(!ventana_->Descargada());
        return;
    }
    if (!p_.archivos.count(ruta)) {
        EXIGIR(p_.procesos.size() == procesosAntes);
        EXIGIR(p_.mensajes.size() == mensajesAntes + 1);
        EXIGIR(p_.mensajes.back().texto == DescripcionDe(CodigoError::ArchivoNoEncontrado) + u"\r\n" + ruta);
        EXIGIR(!ventana_->Descargada());
        return;
    }
    // The checked file, then its arguments exactly as written.
    const std::u16string lineaComandos =
        u"\"" + ruta + u"\"" + (partes.argumentos.empty() ? u"" : u" " + partes.argumentos);
    Fallo fallo;
    if (!EsPrograma(ruta)) {
        // A package or document: straight to the shell, never started itself.
        EXIGIR(p_.procesos.size() == procesosAntes);
        EXIGIR(p_.ejecucionesShell.size() == shellAntes + 1);
        EXIGIR(p_.ejecucionesShell.back().aplicacion == ruta);
        EXIGIR(p_.ejecucionesShell.back().argumentos == partes.argumentos);
        fallo = resultadosShell.empty() ? Fallo{} : resultadosShell.front();
    } else {
        EXIGIR(p_.procesos.size() == procesosAntes + 1);
        EXIGIR(p_.procesos.back().aplicacion == ruta);
        EXIGIR(p_.procesos.back().lineaComandos == lineaComandos);
        fallo = resultadosProceso.empty() ? Fallo{} : resultadosProceso.front();
        if (fallo && fallo->codigo == CodigoError::RequiereElevacion) {
            EXIGIR(p_.ejecucionesShell.size() == shellAntes + 1);
            EXIGIR(p_.ejecucionesShell.back().aplicacion == ruta);
            EXIGIR(p_.ejecucionesShell.back().argumentos == partes.argumentos);
            fallo = resultadosShell.empty() ? Fallo{} : resultadosShell.front();
        } else {
            EXIGIR(p_.ejecucionesShell.size() == shellAntes);
        }
    }
    // A menu that comes back follows the setups it starts, never a document.
    const bool seguir = carga_.volver && (EsPrograma(ruta) || EsPaquete(ruta));
    for (const auto* peticiones : {&p_.procesos, &p_.ejecucionesShell})
        if (peticiones->size() > (peticiones == &p_.procesos ? procesosAntes : shellAntes))
            EXIGIR(peticiones->back().seguir == seguir);
    if (!fallo && carga_.volver) {
        EXIGIR(!ventana_->Descargada());
        EXIGIR(p_.mensajes.size() == mensajesAntes);
        EXIGIR(ventana_->EsperandoInstalacion() == seguir);
        if (seguir) TerminarInstalacion(elegida);
    } else if (!fallo) {
        EXIGIR(ventana_->Descargada());
        EXIGIR(p_.mensajes.size() == mensajesAntes);
    } else if (fallo->codigo == CodigoError::CanceladoPorUsuario) {
        // Declined: the menu stays, without a message.
        EXIGIR(!ventana_->Descargada());
        EXIGIR(p_.mensajes.size() == mensajesAntes);
    } else {
        EXIGIR(!ventana_->Descargada());
        EXIGIR(p_.mensajes.size() == mensajesAntes + 1);
        EXIGIR(p_.mensajes.back().texto == fallo->descripcion + u"\r\n" + ruta);
    }
}

void Ventana::TerminarInstalacion(int16_t elegida) {
    const std::u16string nombre = TextoMostrado(V().opciones[static_cast<size_t>(elegida)].texto);
    EXIGIR(V().indicacion.texto == TextoInstalando(nombre));
    EXIGIR(!V().instalar.habilitado);
    const size_t procesos = p_.procesos.size();
    const size_t shell = p_.ejecucionesShell.size();
    ventana_->AlEscribir(kCaracterIntro);
    ventana_->Instalar();
    EXIGIR(p_.procesos.size() == procesos && p_.ejecucionesShell.size() == shell);
    EXIGIR(!ventana_->MirarInstalacion());

    // The code comes from the menu's own bytes: any value may come back.
    const uint32_t codigo = static_cast<uint32_t>(nombre.size() * 2654435761u);
    p_.seguidos.back()->codigoSalida = codigo;
    p_.seguidos.back()->terminado = true;
    EXIGIR(ventana_->MirarInstalacion());
    EXIGIR(!ventana_->EsperandoInstalacion());
    EXIGIR(V().indicacion.texto == TextoTerminado(nombre, codigo));
    EXIGIR(MarcaDe(V().opciones[static_cast<size_t>(elegida)]) != MarcaOpcion::Ninguna);
    EXIGIR(V().instalar.habilitado);
    EXIGIR(Seleccionada() == elegida);
}

void Ventana::Impactos() {
    const double x = elecciones_.Menor(7000);
    const double y = elecciones_.Menor(5600);
    const Impacto impacto = ventana_->ControlEn(x, y);
    // A screen reader finds at the point what the mouse finds there.
    const ArbolAccesible arbol(*ventana_, ParadaFoco::Lista);
    const long hijo = arbol.HijoEn(x, y);
    EXIGIR(arbol.Elemento(hijo).has_value());
    const bool enBoton = V().instalar.caja.Contiene(x, y) || V().cerrar.caja.Contiene(x, y);
    if (!enBoton && impacto.tipo == Impacto::Tipo::Opcion && impacto.indice < ventana_->TotalOpciones())
        EXIGIR(hijo == impacto.indice + 1);
    if (impacto.tipo != Impacto::Tipo::Opcion) return;
    EXIGIR(impacto.indice >= 0 && static_cast<size_t>(impacto.indice) < V().opciones.size());
    const Etiqueta& opcion = V().opciones[static_cast<size_t>(impacto.indice)];
    EXIGIR(opcion.visible && opcion.caja.Contiene(x, y));
    Seleccionar(impacto.indice, true);
}

void Ventana::Probar() {
    Preparar();
    ComprobarCarga();

    const int16_t n = ventana_->TotalOpciones();
    for (int paso = 0; paso < 4 && !ventana_->Descargada(); ++paso) {
        const uint8_t accion = elecciones_.Byte();
        switch (accion % 8) {
        case 0:
        case 1: {
            // Any element, and a few numbers just outside the list.
            const int indice = static_cast<int>(elecciones_.Menor(static_cast<size_t>(n) + 4)) - 2;
            Seleccionar(static_cast<int16_t>(indice), true);
            break;
        }
        case 2: Pulsar(Tecla::Abajo, kCtrl | ((accion >> 3) & kShift)); break;
        case 3: Pulsar(Tecla::Arriba, kCtrl | ((accion >> 3) & kShift)); break;
        case 4: Pulsar((accion & 8) ? Tecla::Abajo : Tecla::Arriba, (accion >> 4) & (kShift | kAlt)); break;
        case 5: Instalar((accion & 8) != 0); break;
        case 6: Impactos(); break;
        default:
            if ((accion & 0xF8) == 0xF8) {
                ventana_->AlEscribir(kCaracterEscape);
                EXIGIR(ventana_->Descargada());
            }
            break;
        }
        EXIGIR(p_.archivosAbiertos == 0);
        EXIGIR(ventana_->TotalOpciones() == n);
        EXIGIR(Negritas(V()).size() <= 1 || V().opciones.size() > static_cast<size_t>(n));
    }
    ventana_->Descargar();
    EXIGIR(V().opciones.size() == 1);
    EXIGIR(p_.archivosAbiertos == 0);
}

// ---------------------------------------------------------------------------

void Probar(const Bytes& bytes) {
    // Every line is classified, the header lines too: classification must
    // hold for any text.
    Menu menu;
    menu.entero = VersionDe(LineasSegunCodificacion(bytes.Texto(), true, Decodificar));
    menu.conFallo = VersionDe(LineasSegunCodificacion(bytes.Texto(), false, Decodificar));
    const auto& lineas = menu.entero.lineas;

    Elecciones elecciones(bytes);

    // The list reader: the whole file, then with a read failing somewhere.
    ComprobarLista(bytes, menu, std::nullopt);
    ComprobarLista(bytes, menu, elecciones.Menor(bytes.Tamano() + 1));

    // The description reader: a name that is nowhere, the first entry's
    // name, a line's text and the same in capitals.
    {
        PlataformaTrozos plataforma(bytes);
        const std::u16string ruta = u"C:\\medio\\instalar.inf";
        plataforma.archivos[ruta] = std::string(bytes.Texto());
        std::vector<std::u16string> nombres{u""};
        for (size_t i = 2; i < lineas.size() && nombres.size() < 2; ++i) {
            if (menu.entero.clases[i].entrada) nombres.push_back(menu.entero.clases[i].entrada->nombre);
        }
        if (!lineas.empty()) nombres.push_back(lineas[elecciones.Menor(lineas.size())].texto);
        std::u16string mayusculas = nombres.back();
        for (char16_t& c : mayusculas) {
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
        }
        nombres.push_back(mayusculas);
        for (size_t i = 0; i < nombres.size(); ++i) {
            const bool falla = (elecciones.Byte() & 3) == 0;
            const std::optional<size_t> fallaTras =
                falla ? std::optional<size_t>(elecciones.Menor(bytes.Tamano() + 1)) : std::nullopt;
            ComprobarDescripcion(plataforma, ruta, menu, nombres[i], fallaTras);
        }
        auto ausente = BuscarDescripcion(plataforma, u"C:\\medio\\otro.inf", u"x");
        EXIGIR(!ausente.ok() && ausente.error().codigo == CodigoError::ArchivoNoEncontrado);
    }

    // Paths from the file's text: the start of its first lines (the path
    // functions only join and split), each with itself and the next.
    {
        std::vector<std::u16string> textos{u""};
        for (size_t i = 0; i < lineas.size() && i < 3; ++i) textos.push_back(lineas[i].texto.substr(0, 200));
        for (size_t i = 0; i < textos.size(); ++i) {
            ComprobarRutas(textos[i], textos[(i + 1) % textos.size()]);
            ComprobarRutas(textos[i], textos[i]);
        }
    }

    Ventana(bytes, menu).Probar();
}

}  // namespace
}  // namespace instalar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    instalar::fuzz::Probar(instalar::fuzz::Bytes(datos, tamano));
    return 0;
}
