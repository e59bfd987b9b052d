#include "comprobar/Comprobador.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "common/Texto.h"
#include "comprobar/ComprobarPrograma.h"
#include "comprobar/ComprobarRequisitos.h"
#include "comprobar/ComprobarTexto.h"
#include "comprobar/TextoVisible.h"
#include "comprobar/Windows1252.h"
#include "menufile/ComandoMenu.h"
#include "menufile/Directiva.h"
#include "menufile/DirectivaTexto.h"
#include "menufile/PrimeraConNombre.h"
#include "menufile/RecorridoMenu.h"
#include "window/Reparto.h"

namespace instalar::comprobar {

namespace fs = std::filesystem;

namespace {

// The program's file access for the menu file: the file through the
// checker's file system, its text always as Windows-1252, and names
// compared as Windows-1252 letters without case.
class AccesoMenu : public Archivos {
public:
    explicit AccesoMenu(SistemaArchivos& sistema) : sistema_(sistema) {}

    Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) override {
        return sistema_.Abrir(fs::path(ruta));
    }
    std::u16string DesdeAnsi(std::string_view bytes) override { return DesdeWindows1252(bytes); }
    bool IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) override {
        return SinMayusculas(a) == SinMayusculas(b);
    }
    std::u16string GrupoDeNombre(const std::u16string& nombre) override { return SinMayusculas(nombre); }

private:
    SistemaArchivos& sistema_;
};

bool SoloBlancos(std::u16string_view linea) {
    return linea.find_first_not_of(u" \t\n\v\f") == std::u16string_view::npos;
}

// Follows the program's own walk through the menu file and notes, line by
// line, what would go wrong for the menu's users or look odd to them.
class Comprobacion : public VisitaMenu {
public:
    Comprobacion(const fs::path& carpetaPrograma, SistemaArchivos& sistema)
        : carpeta_(carpetaPrograma), sistema_(sistema), acceso_(sistema), primeras_(acceso_) {}

    Informe Leer(const fs::path& menu);

    void Codificada(const LineaLeida& linea, const Lectura& lectura) override;
    void Linea(const LineaLeida& linea) override;
    void Titulo(const LineaLeida& linea) override { informe_.titulo = std::u16string(linea.texto); }
    void Version(const LineaLeida& linea) override { informe_.version = std::u16string(linea.texto); }
    void Directiva(const LineaLeida& linea, std::u16string_view nombre) override;
    void Ignorada(const LineaLeida& linea) override;
    void Opcion(const LineaLeida& linea, Entrada&& entrada) override;

private:
    void AlParar(const FinRecorrido& fin);
    void LineaNoLeida(int64_t numero, const Error& error);
    void ComprobarNombre(int64_t numero, const Entrada& entrada);
    void ComprobarDescripcion(int64_t numero, const Entrada& entrada);
    void ComprobarEspacio(int64_t numero);
    void ComprobarComando(int64_t numero, const std::u16string& comando);
    void TextoFijado(int64_t numero, const TextoDeDirectiva& texto);

    void Anotar(int64_t linea, Gravedad gravedad, std::string mensaje) {
        informe_.hallazgos.push_back({linea, gravedad, std::move(mensaje)});
    }

    fs::path carpeta_;
    SistemaArchivos& sistema_;
    AccesoMenu acceso_;
    Informe informe_;
    PrimerasPorNombre primeras_;
    Codificacion codificacion_ = Codificacion::Ansi;  // as far as known: ASCII reads alike
    int64_t lineaUtf8Rota_ = 0;
    bool solapeAvisado_ = false;
    int64_t lineaVolver_ = 0;
    bool loteAnotado_ = false;
    RevisionRequisitos requisitos_;
};

Informe Comprobacion::Leer(const fs::path& menu) {
    std::u16string ruta;
    try {
        ruta = menu.u16string();
    } catch (const std::exception&) {
        // A Linux file name that is not UTF-8 has no UTF-16 form.
        AlParar({FinPor::NoSeAbre, 0, ErrorDe(CodigoError::NombreArchivoIncorrecto)});
        return std::move(informe_);
    }
    const FinRecorrido fin = RecorrerMenu(acceso_, ruta, *this);
    informe_.volver = fin.volver;
    requisitos_.Fin(informe_.hallazgos);
    AlParar(fin);
    // A directive that no entry follows is only known at the end: the
    // findings go in the order of the lines, those of the whole file last.
    const auto clave = [](const Hallazgo& h) { return h.linea == 0 ? INT64_MAX : h.linea; };
    std::stable_sort(informe_.hallazgos.begin(), informe_.hallazgos.end(),
                     [&](const Hallazgo& a, const Hallazgo& b) { return clave(a) < clave(b); });
    return std::move(informe_);
}

// Where and why instalar.exe stops reading, as the menu's author should hear it.
void Comprobacion::AlParar(const FinRecorrido& fin) {
    switch (fin.motivo) {
    case FinPor::FinDelArchivo:
        if (informe_.opciones.empty())
            Anotar(0, Gravedad::Error,
                   "ninguna línea es una opción (nombre;programa;descripción): instalar mostraría «Ha ocurrido un "
                   "error !!!» y no podría instalar nada");
        return;
    case FinPor::NoSeAbre:
        return Anotar(0, Gravedad::Error, "no se puede leer el archivo de menú: " + AUtf8(fin.error->descripcion));
    case FinPor::LineaIlegible: return LineaNoLeida(fin.linea, *fin.error);
    case FinPor::PosicionExcesiva:
        return Anotar(fin.linea, Gravedad::Error,
                      "un «;» o el final del programa está más allá del carácter 32.767 de la línea: instalar "
                      "deja de leer el menú aquí con el error «" + AUtf8(fin.error->descripcion) + "»");
    case FinPor::DemasiadasOpciones:
        return Anotar(fin.linea, Gravedad::Error,
                      "más de 32.767 opciones: instalar deja de leer el menú aquí con el error «" +
                          AUtf8(fin.error->descripcion) + "»");
    case FinPor::Hallado: return;  // the checker walks to the end
    }
}

void Comprobacion::LineaNoLeida(int64_t numero, const Error& error) {
    const std::string texto = AUtf8(error.descripcion);
    if (error.codigo != CodigoError::FinDeArchivo || numero > 2)
        return Anotar(numero, Gravedad::Error, "no se puede leer la línea: " + texto);
    const char* falta = numero == 1 ? "falta la línea 1, el título" : "falta la línea 2, la versión";
    Anotar(numero, Gravedad::Error,
           std::string(falta) + ": instalar mostraría «" + texto + "» y ninguna opción");
}

// How the file will be read is worth a note; it is worth a warning only
// where the author would still be surprised.
void Comprobacion::Codificada(const LineaLeida& linea, const Lectura& lectura) {
    codificacion_ = lectura.codificacion;
    lineaUtf8Rota_ = lectura.lineaUtf8Rota;
    switch (lectura.marca) {
    case Bom::Utf8: return Anotar(1, Gravedad::Nota, "leído como UTF-8: el archivo empieza por la marca de UTF-8");
    case Bom::Utf16LE:
        return Anotar(1, Gravedad::Nota, "leído como UTF-16: el archivo empieza por la marca de UTF-16 little-endian");
    case Bom::Utf16BE:
        return Anotar(1, Gravedad::Aviso,
                      "el archivo empieza por la marca de UTF-16 big-endian (FE FF), que instalar no admite: lo lee "
                      "como ANSI (Windows-1252) y se vería como basura; guárdalo como UTF-8");
    case Bom::Ninguna: break;
    }
    if (lectura.codificacion == Codificacion::Utf8)
        Anotar(linea.numero, Gravedad::Nota,
               "leído como UTF-8: todo el archivo es UTF-8 válido y esta es su primera línea con letras fuera de "
               "ASCII");
}

// What any line may hold, whether instalar.exe uses it or not.
void Comprobacion::Linea(const LineaLeida& linea) {
    const int64_t numero = linea.numero;
    if (auto aviso = SaltoSinRetorno(linea.texto, numero, linea.ultima)) Anotar(numero, Gravedad::Aviso, *aviso);
    if (codificacion_ != Codificacion::Ansi) return;
    if (auto aviso = BytesSinDefinir(linea.texto)) Anotar(numero, Gravedad::Aviso, *aviso);
    if (lineaUtf8Rota_ > 0 && numero >= lineaUtf8Rota_) {
        if (auto aviso = Utf8Roto(linea.texto)) Anotar(numero, Gravedad::Aviso, *aviso);
    }
}

// A directive is a comment to older versions: a misspelt one is silently
// ignored by this one too.
void Comprobacion::Directiva(const LineaLeida& linea, std::u16string_view nombre) {
    if (const auto requisito = RequisitoDe(nombre))
        return requisitos_.Directiva(linea.numero, *requisito, informe_.hallazgos);
    if (const auto texto = TextoDe(nombre)) return TextoFijado(linea.numero, *texto);
    if (nombre != kDirectivaVolver)
        return Anotar(linea.numero, Gravedad::Aviso,
                      "directiva desconocida " + Citado(u";@" + std::u16string(nombre)) +
                          ": instalar la ignora como un comentario; las que conoce son «;@volver», «;@si», "
                          "«;@requiere», «;@instalado» y «;@texto»");
    if (lineaVolver_ > 0)
        return Anotar(linea.numero, Gravedad::Aviso,
                      "«;@volver» ya está en la línea " + std::to_string(lineaVolver_) + ": basta con una vez");
    lineaVolver_ = linea.numero;
}

// A text the menu does not know, or one without its "=", is ignored: the
// text stays as the file's language has it, and the author would not see why.
void Comprobacion::TextoFijado(int64_t numero, const TextoDeDirectiva& texto) {
    const std::string linea = Citado(u";@texto " + std::u16string(texto.clave));
    if (!texto.conIgual)
        return Anotar(numero, Gravedad::Aviso,
                      "a " + linea + " le falta «=» y el texto: instalar la ignora; se escribe «;@texto clave=texto»");
    const auto clave = ClaveDeNombre(texto.clave);
    if (!clave) {
        std::u16string claves;
        for (size_t i = 0; i < kNumeroDeClaves; ++i)
            claves += (i == 0 ? u"" : u", ") + std::u16string(NombreDeClave(static_cast<Clave>(i)));
        return Anotar(numero, Gravedad::Aviso,
                      "clave desconocida " + Citado(std::u16string(texto.clave)) +
                          " en «;@texto»: instalar ignora la línea y el texto sigue como estaba; las claves son " +
                          AUtf8(claves));
    }
    informe_.textos.push_back({numero, *clave, std::u16string(texto.texto)});
}

// Blank lines and comments are ignored by design; other text without ";"
// is probably an entry written wrongly.
void Comprobacion::Ignorada(const LineaLeida& linea) {
    if (linea.texto.find(u';') != std::u16string_view::npos || SoloBlancos(linea.texto)) return;
    Anotar(linea.numero, Gravedad::Aviso,
           "la línea no tiene «;» y se ignora: una opción se escribe nombre;programa;descripción y un "
           "comentario empieza por «;»");
}

void Comprobacion::Opcion(const LineaLeida& linea, Entrada&& entrada) {
    const int64_t numero = linea.numero;
    ComprobarNombre(numero, entrada);
    OpcionLeida opcion{numero, entrada, numero, entrada.descripcion};
    opcion.requisitos = requisitos_.Opcion(numero, informe_.hallazgos, opcion.lineasDeRequisitos);
    const size_t primera = primeras_.Anotar(entrada.nombre);
    // Entries of one name that no machine shows together (one per
    // architecture) are apart: each shows its own description where it shows.
    if (primera == informe_.opciones.size() ||
        !PuedenVerseJuntas(informe_.opciones[primera].requisitos, opcion.requisitos)) {
        ComprobarDescripcion(numero, entrada);
    } else {
        // Its own description never shows: only the first entry's does.
        const OpcionLeida& anterior = informe_.opciones[primera];
        opcion.lineaDescripcion = anterior.linea;
        opcion.descripcionMostrada = anterior.entrada.descripcion;
        const std::string donde = std::to_string(anterior.linea);
        const std::string cual = anterior.entrada.nombre == entrada.nombre
                                     ? "el nombre " + Citado(entrada.nombre) + " ya está en la línea " + donde
                                     : "el nombre " + Citado(entrada.nombre) + " solo se diferencia en mayúsculas de " +
                                           Citado(anterior.entrada.nombre) + " (línea " + donde + ")";
        Anotar(numero, Gravedad::Aviso, cual + ": las dos opciones muestran la descripción de la línea " + donde);
    }
    ComprobarComando(numero, entrada.comando);
    informe_.opciones.push_back(std::move(opcion));
    ComprobarEspacio(numero);
}

void Comprobacion::ComprobarComando(int64_t numero, const std::u16string& comando) {
    const ComandoPartido partido = PartirComando(comando);
    if (auto error = ErrorDeForma(comando, partido)) return Anotar(numero, Gravedad::Error, *error);
    if (auto aviso = AvisoFueraDeLaCarpeta(partido.archivo)) Anotar(numero, Gravedad::Aviso, *aviso);
    if (auto error = ComprobarPrograma(partido.archivo, carpeta_, sistema_))
        return Anotar(numero, Gravedad::Error, *error);
    if (auto aviso = AvisoSinExtension(partido.archivo)) Anotar(numero, Gravedad::Aviso, *aviso);
    if (auto aviso = AvisoArgumentosDeDocumento(partido)) Anotar(numero, Gravedad::Aviso, *aviso);
    if (auto aviso = AvisoArgumentosDeLote(partido)) Anotar(numero, Gravedad::Aviso, *aviso);
    // The same for every batch file of the menu: said once, at the first.
    if (loteAnotado_) return;
    if (auto nota = NotaCarpetaDeLote(partido.archivo)) {
        Anotar(numero, Gravedad::Nota, *nota);
        loteAnotado_ = true;
    }
}

void Comprobacion::ComprobarNombre(int64_t numero, const Entrada& entrada) {
    // Never empty: a line that starts with ";" is a comment.
    if (entrada.nombre.front() == u'\t')
        Anotar(numero, Gravedad::Aviso,
               "la línea empieza por un tabulador, que no se quita como los espacios: no es un comentario ni se "
               "ignora, es una opción de nombre " + Citado(entrada.nombre));
    if (TieneAmpersand(entrada.nombre))
        Anotar(numero, Gravedad::Aviso,
               "«&» en el nombre " + Citado(entrada.nombre) +
                   ": marca la letra siguiente como tecla de acceso y no se ve; escribe «&&» para mostrar «&»");
}

void Comprobacion::ComprobarDescripcion(int64_t numero, const Entrada& entrada) {
    if (!entrada.descripcion) {
        Anotar(numero, Gravedad::Aviso,
               "la opción " + Citado(entrada.nombre) +
                   " no tiene descripción (falta el segundo «;»): al elegirla sigue a la vista la de la opción "
                   "elegida antes");
        return;
    }
    if (TieneAmpersand(*entrada.descripcion))
        Anotar(numero, Gravedad::Aviso,
               "«&» en la descripción: marca la letra siguiente como tecla de acceso y no se ve; escribe «&&» para "
               "mostrar «&»");
}

// Warned once, at the first item that no longer fits at the items' design
// height, with the window's own layout arithmetic.
void Comprobacion::ComprobarEspacio(int64_t numero) {
    if (solapeAvisado_) return;
    const double alto = kAltoOpcionDeDiseno;
    const double n = static_cast<double>(informe_.opciones.size());
    if (HuecoEntreOpciones(kDivisoriaDeDiseno, alto, n) >= 0) return;
    solapeAvisado_ = true;
    const auto entero = [](double valor) { return std::to_string(static_cast<long long>(valor)); };
    const double largo = double(kDivisoriaDeDiseno.y2) - kDivisoriaDeDiseno.y1;
    Anotar(numero, Gravedad::Aviso,
           entero(n) + " opciones ya no caben entre los extremos de la línea divisoria (" + entero(n) + " × " +
               entero(alto) + " = " + entero(n * alto) + " twips, más que sus " + entero(largo) +
               "): se solaparían");
}

}  // namespace

Informe ComprobarMenu(const fs::path& menu, const fs::path& carpetaPrograma, SistemaArchivos& sistema) {
    return Comprobacion(carpetaPrograma, sistema).Leer(menu);
}

}  // namespace instalar::comprobar
