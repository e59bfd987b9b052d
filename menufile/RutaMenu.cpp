#include "menufile/RutaMenu.h"

namespace instalar {

std::u16string ResolverArchivoMenu(const std::u16string& lineaComandos,
                                   const std::u16string& carpetaPrograma) {
    if (!lineaComandos.empty()) return lineaComandos;
    return carpetaPrograma + u"\\instalar.inf";
}

std::u16string RutaLogo(const std::u16string& carpetaPrograma) {
    std::u16string ruta = carpetaPrograma;
    if (ruta.empty() || ruta.back() != u'\\') ruta += u'\\';
    return ruta + u"quorbel.bmp";
}

}  // namespace instalar
