#include "common/Error.h"

namespace instalar {

std::u16string DescripcionDe(CodigoError codigo) {
    switch (codigo) {
    case CodigoError::Ninguno: return u"";
    case CodigoError::Desbordamiento: return u"Desbordamiento";
    case CodigoError::NombreArchivoIncorrecto: return u"Nombre o número de archivo incorrecto";
    case CodigoError::ArchivoNoEncontrado: return u"No se encontró el archivo";
    case CodigoError::FinDeArchivo: return u"La entrada pasó del final del archivo";
    case CodigoError::PermisoDenegado: return u"Permiso denegado";
    case CodigoError::AccesoRutaArchivo: return u"Error de acceso a la ruta o el archivo";
    case CodigoError::RutaNoEncontrada: return u"No se encontró la ruta de acceso";
    case CodigoError::Sistema: return u"Error del sistema";
    case CodigoError::RequiereElevacion: return u"La operación solicitada requiere elevación";
    case CodigoError::CanceladoPorUsuario: return u"El usuario canceló la operación";
    case CodigoError::NoEsUnPrograma: return u"El archivo no es un programa";
    case CodigoError::ComillaSinCerrar: return u"Falta la comilla que cierra la ruta del programa";
    case CodigoError::RutaVacia: return u"No hay ninguna ruta de programa entre las comillas";
    }
    return u"Error de la aplicación";
}

Error ErrorDe(CodigoError codigo, uint32_t codigoSistema) {
    return Error{codigo, DescripcionDe(codigo), codigoSistema};
}

}  // namespace instalar
