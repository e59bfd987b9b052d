#include "menufile/TextosMenu.h"

namespace instalar {

namespace {

struct Fila {
    Clave clave;
    const char16_t* nombre;
    const char16_t* espanol;
    const char16_t* ingles;
};

// In the order of Clave.
constexpr Fila kTabla[] = {
    {Clave::Instalar, u"instalar", u"Instalar", u"Install"},
    {Clave::Cerrar, u"cerrar", u"Cerrar", u"Close"},
    {Clave::Indicacion, u"indicacion", u"Selecciona la opción que desees instalar.",
     u"Select the item you want to install."},
    {Clave::Version, u"version", u"Versión", u"Version"},
    {Clave::Ventana, u"ventana", u"Menú de instalación", u"Installation menu"},
    {Clave::SinOpciones, u"sinopciones",
     u"Ha ocurrido un error !!!\r\n\r\nNo se ha podido encontrar en el archivo '%1', algun programa a instalar.",
     u"An error has occurred!\r\n\r\nNo program to install was found in the file '%1'."},
    {Clave::Instalando, u"instalando", u"Instalando «%1»…", u"Installing “%1”…"},
    {Clave::SinSeguir, u"sinseguir", u"Instalando «%1»… (solo se puede esperar a este programa, no a los que abra)",
     u"Installing “%1”… (only this program can be waited for, not the ones it opens)"},
    {Clave::Esperando, u"esperando", u"Esperando a que se cierre %1… (Intro: dejar de esperar)",
     u"Waiting for %1 to close… (Enter: stop waiting)"},
    {Clave::Abierto, u"abierto", u"un programa que abrió", u"a program it opened"},
    {Clave::Comillas, u"comillas", u"«%1»", u"“%1”"},
    {Clave::Terminado, u"terminado", u"«%1»: %2", u"“%1”: %2"},
    {Clave::Instalado, u"instalado", u"Instalado", u"Installed"},
    {Clave::Reiniciar, u"reiniciar", u"Instalado; hay que reiniciar el equipo",
     u"Installed; the computer must be restarted"},
    {Clave::Reiniciando, u"reiniciando", u"Instalado; el equipo se va a reiniciar",
     u"Installed; the computer is restarting"},
    {Clave::Cancelado, u"cancelado", u"Cancelado", u"Cancelled"},
    {Clave::Codigo, u"codigo", u"Terminó con el código %1", u"Ended with code %1"},
    {Clave::Incierto, u"incierto", u"Terminó; no se puede saber si se instaló",
     u"Ended; whether it was installed cannot be known"},
    {Clave::Ocupado, u"ocupado", u"%1: instalando", u"%1: installing"},
    {Clave::Seleccionar, u"seleccionar", u"Seleccionar", u"Select"},
    {Clave::Presionar, u"presionar", u"Presionar", u"Press"},
    {Clave::Requiere64, u"requiere64", u"Requiere Windows de 64 bits", u"Requires 64-bit Windows"},
    {Clave::Requiere32, u"requiere32", u"Requiere Windows de 32 bits", u"Requires 32-bit Windows"},
    {Clave::No32, u"no32", u"No se puede instalar en Windows de 32 bits", u"Cannot be installed on 32-bit Windows"},
    {Clave::RequiereX64, u"requierex64", u"Requiere Windows x64", u"Requires Windows x64"},
    {Clave::NoX64, u"nox64", u"No se puede instalar en Windows x64", u"Cannot be installed on Windows x64"},
    {Clave::RequiereArm, u"requierearm", u"Requiere Windows para ARM", u"Requires Windows on ARM"},
    {Clave::NoArm, u"noarm", u"No se puede instalar en Windows para ARM", u"Cannot be installed on Windows on ARM"},
    {Clave::Posterior, u"posterior", u"Requiere Windows %1 o posterior", u"Requires Windows %1 or later"},
    {Clave::Anterior, u"anterior", u"Requiere una versión de Windows anterior a Windows %1",
     u"Requires a version of Windows earlier than Windows %1"},
    {Clave::NoDisponible, u"nodisponible", u"%1: %2", u"%1: %2"},
    {Clave::YaInstalado, u"yainstalado", u"«%1»: ya está instalado", u"“%1” is already installed"},
    {Clave::Reinstalar, u"reinstalar", u"«%1» ya está instalado. ¿Instalarlo de nuevo?",
     u"“%1” is already installed. Install it again?"},
    {Clave::NombreInstalado, u"nombreinstalado", u"%1: ya está instalado", u"%1: already installed"},
    {Clave::Desbordamiento, u"desbordamiento", u"Desbordamiento", u"Overflow"},
    {Clave::NombreArchivo, u"nombrearchivo", u"Nombre o número de archivo incorrecto", u"Bad file name or number"},
    {Clave::NoEncontrado, u"noencontrado", u"No se encontró el archivo", u"File not found"},
    {Clave::FinDeArchivo, u"findearchivo", u"La entrada pasó del final del archivo", u"Input past end of file"},
    {Clave::Permiso, u"permiso", u"Permiso denegado", u"Permission denied"},
    {Clave::Acceso, u"acceso", u"Error de acceso a la ruta o el archivo", u"Path/File access error"},
    {Clave::NoRuta, u"noruta", u"No se encontró la ruta de acceso", u"Path not found"},
    {Clave::Sistema, u"sistema", u"Error del sistema", u"System error"},
    {Clave::Elevacion, u"elevacion", u"La operación solicitada requiere elevación",
     u"The requested operation requires elevation"},
    {Clave::Rechazado, u"rechazado", u"El usuario canceló la operación", u"The operation was cancelled by the user"},
    {Clave::NoPrograma, u"noprograma", u"El archivo no es un programa", u"The file is not a program"},
    {Clave::Comilla, u"comilla", u"Falta la comilla que cierra la ruta del programa",
     u"The quote that closes the program's path is missing"},
    {Clave::SinRuta, u"sinruta", u"No hay ninguna ruta de programa entre las comillas",
     u"There is no program path between the quotes"},
    {Clave::Aplicacion, u"aplicacion", u"Error de la aplicación", u"Application error"},
};
static_assert(std::size(kTabla) == kNumeroDeClaves, "one row per key");

constexpr bool EnOrden() {
    for (size_t i = 0; i < std::size(kTabla); ++i)
        if (static_cast<size_t>(kTabla[i].clave) != i) return false;
    return true;
}
static_assert(EnOrden(), "rows in the order of Clave");

const Fila& FilaDe(Clave clave) { return kTabla[static_cast<size_t>(clave)]; }

std::optional<Clave> ClaveDeCodigo(CodigoError codigo) {
    switch (codigo) {
    case CodigoError::Ninguno: return std::nullopt;
    case CodigoError::Desbordamiento: return Clave::Desbordamiento;
    case CodigoError::NombreArchivoIncorrecto: return Clave::NombreArchivo;
    case CodigoError::ArchivoNoEncontrado: return Clave::NoEncontrado;
    case CodigoError::FinDeArchivo: return Clave::FinDeArchivo;
    case CodigoError::PermisoDenegado: return Clave::Permiso;
    case CodigoError::AccesoRutaArchivo: return Clave::Acceso;
    case CodigoError::RutaNoEncontrada: return Clave::NoRuta;
    case CodigoError::Sistema: return Clave::Sistema;
    case CodigoError::RequiereElevacion: return Clave::Elevacion;
    case CodigoError::CanceladoPorUsuario: return Clave::Rechazado;
    case CodigoError::NoEsUnPrograma: return Clave::NoPrograma;
    case CodigoError::ComillaSinCerrar: return Clave::Comilla;
    case CodigoError::RutaVacia: return Clave::SinRuta;
    }
    return Clave::Aplicacion;
}

}  // namespace

Textos Textos::Ingles() {
    Textos ingles;
    ingles.ingles_ = true;
    return ingles;
}

std::u16string_view Textos::operator[](Clave clave) const {
    for (const auto& [fijada, texto] : fijados_)
        if (fijada == clave) return texto;
    return ingles_ ? TextoIngles(clave) : TextoEspanol(clave);
}

void Textos::Fijar(Clave clave, std::u16string texto) {
    for (auto& [fijada, anterior] : fijados_) {
        if (fijada != clave) continue;
        anterior = std::move(texto);
        return;
    }
    fijados_.emplace_back(clave, std::move(texto));
}

std::u16string Textos::Con(Clave clave, std::u16string_view uno, std::u16string_view dos) const {
    return Rellenar((*this)[clave], uno, dos);
}

Textos TextosDeIdioma(std::u16string_view etiqueta) {
    const std::u16string_view idioma = etiqueta.substr(0, etiqueta.find(u'-'));
    const bool ingles = idioma.size() == 2 && (idioma[0] == u'e' || idioma[0] == u'E') &&
                        (idioma[1] == u'n' || idioma[1] == u'N');
    return ingles ? Textos::Ingles() : Textos();
}

std::optional<Clave> ClaveDeNombre(std::u16string_view nombre) {
    for (const Fila& fila : kTabla)
        if (nombre == fila.nombre) return fila.clave;
    return std::nullopt;
}

std::u16string_view NombreDeClave(Clave clave) { return FilaDe(clave).nombre; }
std::u16string_view TextoEspanol(Clave clave) { return FilaDe(clave).espanol; }
std::u16string_view TextoIngles(Clave clave) { return FilaDe(clave).ingles; }

std::u16string Rellenar(std::u16string_view plantilla, std::u16string_view uno, std::u16string_view dos) {
    std::u16string texto;
    texto.reserve(plantilla.size() + uno.size() + dos.size());
    for (size_t i = 0; i < plantilla.size(); ++i) {
        if (plantilla[i] == u'%' && i + 1 < plantilla.size() && (plantilla[i + 1] == u'1' || plantilla[i + 1] == u'2')) {
            texto += plantilla[i + 1] == u'1' ? uno : dos;
            ++i;
            continue;
        }
        texto += plantilla[i];
    }
    return texto;
}

std::u16string TextoDeError(const Error& error, const Textos& textos) {
    const auto clave = ClaveDeCodigo(error.codigo);
    // Only the program's own words are its to change; a text the system
    // gave is already in the user's language.
    if (!clave || error.descripcion != DescripcionDe(error.codigo)) return error.descripcion;
    return std::u16string(textos[*clave]);
}

}  // namespace instalar
