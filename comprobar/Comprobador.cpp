#include "comprobar/Comprobador.h"

#include <cstdint>
#include <limits>
#include <map>
#include <utility>

#include "common/Texto.h"
#include "comprobar/ComprobarPrograma.h"
#include "comprobar/ComprobarTexto.h"
#include "comprobar/TextoVisible.h"
#include "comprobar/Windows1252.h"
#include "menufile/ArchivoMenu.h"
#include "window/Controles.h"
#include "window/Distribucion.h"

namespace instalar::comprobar {

namespace fs = std::filesystem;

namespace {

// The item count is a signed 16-bit number in instalar.exe.
constexpr size_t kOpcionesMaximas = std::numeric_limits<int16_t>::max();

// The program's file access for the menu file: the file through the
// checker's file system, its text always as Windows-1252.
class AccesoMenu : public AccesoArchivos {
public:
    explicit AccesoMenu(SistemaArchivos& sistema) : sistema_(sistema) {}

    Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) override {
        return sistema_.Abrir(fs::path(ruta));
    }
    std::u16string DesdeAnsi(std::string_view bytes) override { return DesdeWindows1252(bytes); }

private:
    SistemaArchivos& sistema_;
};

bool SoloBlancos(std::u16string_view linea) {
    return linea.find_first_not_of(u" \t\n\v\f") == std::u16string_view::npos;
}

class Comprobacion {
public:
    Comprobacion(const fs::path& carpetaPrograma, SistemaArchivos& sistema)
        : carpeta_(carpetaPrograma), sistema_(sistema), acceso_(sistema), diseno_(ControlesDeDiseno()) {}

    Informe Leer(const fs::path& menu);

private:
    Resultado<ArchivoMenu> Abrir(const fs::path& menu);
    bool LeerCabecera(ArchivoMenu& archivo);
    void LeerOpciones(ArchivoMenu& archivo);
    void LineaNoLeida(int numero, const Error& error);
    void ComprobarLinea(int numero, std::u16string_view linea, bool ultima);
    void LineaIgnorada(int numero, std::u16string_view linea);
    void Opcion(int numero, Entrada entrada);
    void ComprobarNombre(int numero, const Entrada& entrada);
    void ComprobarDescripcion(int numero, const Entrada& entrada);
    void ComprobarEspacio(int numero);

    void Anotar(int linea, Gravedad gravedad, std::string mensaje) {
        informe_.hallazgos.push_back({linea, gravedad, std::move(mensaje)});
    }

    fs::path carpeta_;
    SistemaArchivos& sistema_;
    AccesoMenu acceso_;
    Controles diseno_;
    Informe informe_;
    // Names without letter case, with the index of their first item.
    std::map<std::u16string, size_t> nombres_;
    bool utf8Avisado_ = false;
    bool solapeAvisado_ = false;
};

Resultado<ArchivoMenu> Comprobacion::Abrir(const fs::path& menu) {
    std::u16string ruta;
    try {
        ruta = menu.u16string();
    } catch (const std::exception&) {
        // A Linux file name that is not UTF-8 has no UTF-16 form.
        return ErrorDe(CodigoError::NombreArchivoIncorrecto);
    }
    return ArchivoMenu::Abrir(acceso_, ruta);
}

Informe Comprobacion::Leer(const fs::path& menu) {
    auto abierto = Abrir(menu);
    if (!abierto) {
        Anotar(0, Gravedad::Error, "no se puede leer el archivo de menú: " + AUtf8(abierto.error().descripcion));
        return std::move(informe_);
    }
    if (LeerCabecera(abierto.valor())) LeerOpciones(abierto.valor());
    return std::move(informe_);
}

bool Comprobacion::LeerCabecera(ArchivoMenu& archivo) {
    auto titulo = archivo.LeerLinea();
    if (!titulo) {
        LineaNoLeida(1, titulo.error());
        return false;
    }
    informe_.titulo = titulo.valor();
    if (auto aviso = MarcaDeOrden(titulo.valor())) Anotar(1, Gravedad::Aviso, *aviso);
    ComprobarLinea(1, titulo.valor(), archivo.FinDeArchivo());

    auto version = archivo.LeerLinea();
    if (!version) {
        LineaNoLeida(2, version.error());
        return false;
    }
    informe_.version = version.valor();
    ComprobarLinea(2, version.valor(), archivo.FinDeArchivo());
    return true;
}

void Comprobacion::LineaNoLeida(int numero, const Error& error) {
    const std::string texto = AUtf8(error.descripcion);
    if (error.codigo != CodigoError::FinDeArchivo)
        return Anotar(numero, Gravedad::Error, "no se puede leer la línea: " + texto);
    const char* falta = numero == 1 ? "falta la línea 1, el título" : "falta la línea 2, la versión";
    Anotar(numero, Gravedad::Error,
           std::string(falta) + ": instalar mostraría «" + texto + "» y ninguna opción");
}

// Reads on as instalar.exe does, and stops where it stops.
void Comprobacion::LeerOpciones(ArchivoMenu& archivo) {
    int numero = 2;
    while (!archivo.FinDeArchivo()) {
        ++numero;
        auto linea = archivo.LeerLinea();
        if (!linea) return LineaNoLeida(numero, linea.error());
        ComprobarLinea(numero, linea.valor(), archivo.FinDeArchivo());

        auto clasificada = ClasificarLinea(linea.valor(), Lector::Lista);
        if (!clasificada)
            return Anotar(numero, Gravedad::Error,
                          "un «;» o el final del programa está más allá del carácter 32.767 de la línea: instalar "
                          "deja de leer el menú aquí con el error «" + AUtf8(clasificada.error().descripcion) + "»");
        if (!clasificada.valor()) {
            LineaIgnorada(numero, linea.valor());
            continue;
        }
        if (informe_.opciones.size() == kOpcionesMaximas)
            return Anotar(numero, Gravedad::Error,
                          "más de 32.767 opciones: instalar deja de leer el menú aquí con el error «" +
                              AUtf8(DescripcionDe(CodigoError::Desbordamiento)) + "»");
        Opcion(numero, std::move(*clasificada.valor()));
    }
    if (informe_.opciones.empty())
        Anotar(0, Gravedad::Error,
               "ninguna línea es una opción (nombre;programa;descripción): instalar mostraría «Ha ocurrido un "
               "error !!!» y no podría instalar nada");
}

// What any line may hold, whether instalar.exe uses it or not.
void Comprobacion::ComprobarLinea(int numero, std::u16string_view linea, bool ultima) {
    if (auto aviso = SaltoSinRetorno(linea, numero, ultima)) Anotar(numero, Gravedad::Aviso, *aviso);
    if (auto aviso = BytesSinDefinir(linea)) Anotar(numero, Gravedad::Aviso, *aviso);
    if (utf8Avisado_) return;  // once is enough: the whole file is in the same encoding
    const std::u16string_view texto = numero == 1 ? linea.substr(LargoMarcaDeOrden(linea)) : linea;
    if (auto aviso = PareceUtf8(texto)) {
        Anotar(numero, Gravedad::Aviso, *aviso);
        utf8Avisado_ = true;
    }
}

// Blank lines and comments are ignored by design; other text without ";"
// is probably an entry written wrongly.
void Comprobacion::LineaIgnorada(int numero, std::u16string_view linea) {
    if (linea.find(u';') != std::u16string_view::npos || SoloBlancos(linea)) return;
    Anotar(numero, Gravedad::Aviso,
           "la línea no tiene «;» y se ignora: una opción se escribe nombre;programa;descripción y un "
           "comentario empieza por «;»");
}

void Comprobacion::Opcion(int numero, Entrada entrada) {
    ComprobarNombre(numero, entrada);
    OpcionLeida opcion{numero, entrada, numero, entrada.descripcion};
    const auto [primera, nueva] = nombres_.emplace(SinMayusculas(entrada.nombre), informe_.opciones.size());
    if (nueva) {
        ComprobarDescripcion(numero, entrada);
    } else {
        // Its own description never shows: only the first entry's does.
        const OpcionLeida& anterior = informe_.opciones[primera->second];
        opcion.lineaDescripcion = anterior.linea;
        opcion.descripcionMostrada = anterior.entrada.descripcion;
        const std::string donde = std::to_string(anterior.linea);
        const std::string cual = anterior.entrada.nombre == entrada.nombre
                                     ? "el nombre " + Citado(entrada.nombre) + " ya está en la línea " + donde
                                     : "el nombre " + Citado(entrada.nombre) + " solo se diferencia en mayúsculas de " +
                                           Citado(anterior.entrada.nombre) + " (línea " + donde + ")";
        Anotar(numero, Gravedad::Aviso, cual + ": las dos opciones muestran la descripción de la línea " + donde);
    }
    if (auto error = ComprobarPrograma(entrada.comando, carpeta_, sistema_)) Anotar(numero, Gravedad::Error, *error);
    informe_.opciones.push_back(std::move(opcion));
    ComprobarEspacio(numero);
}

void Comprobacion::ComprobarNombre(int numero, const Entrada& entrada) {
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

void Comprobacion::ComprobarDescripcion(int numero, const Entrada& entrada) {
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
void Comprobacion::ComprobarEspacio(int numero) {
    if (solapeAvisado_) return;
    const double alto = diseno_.etqInstalar[0].caja.alto;
    const double n = static_cast<double>(informe_.opciones.size());
    if (HuecoEntreOpciones(diseno_.Line1, alto, n) >= 0) return;
    solapeAvisado_ = true;
    const auto entero = [](double valor) { return std::to_string(static_cast<long long>(valor)); };
    const double largo = double(diseno_.Line1.y2) - diseno_.Line1.y1;
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
